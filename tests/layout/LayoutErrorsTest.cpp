// Layouts that cannot be read: each one fails with EReadError, its message names what is wrong and
// the line it is on, and the form is not created.
#include "support/LayoutForm.h"

#include <QRegularExpression>
#include <map>

namespace {

// A form whose published fields and handlers are those of the program's form; which layout it reads
// is chosen by the test (layouts/<class name>.xml).
class TLayoutCheck : public TForm {
    SD_COMPONENT_CLASS(TLayoutCheck)
public:
    using TForm::TForm;

    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabSheet1 = nullptr;
    TChart* Chart1 = nullptr;
    TLineSeries* Series1 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TTrackBar* TrackBar3 = nullptr;
    TTrackBar* TrackBar4 = nullptr;
    int shown = 0;
    int changes = 0;

    void FormShow(TObject*) { ++shown; }
    void TrackBar3Change(TObject*) { ++changes; }

    static inline QString layout;

    const TPublishedTable* Published() const override {
        static std::map<QString, std::unique_ptr<TPublishedTable>> tables;
        auto& table = tables[layout];
        if (!table) {
            table = std::make_unique<TPublishedTable>(layout);
            table->Field("PageControl1", &TLayoutCheck::PageControl1)
                .Field("TabSheet1", &TLayoutCheck::TabSheet1)
                .Field("Chart1", &TLayoutCheck::Chart1)
                .Field("Series1", &TLayoutCheck::Series1)
                .Field("Label3", &TLayoutCheck::Label3)
                .Field("Label4", &TLayoutCheck::Label4)
                .Field("TrackBar3", &TLayoutCheck::TrackBar3)
                .Field("TrackBar4", &TLayoutCheck::TrackBar4)
                .Method("FormShow", &TLayoutCheck::FormShow)
                .Method("TrackBar3Change", &TLayoutCheck::TrackBar3Change);
        }
        return table.get();
    }
};

TEST(LayoutCheckForm, ReadsACorrectLayout) {
    TLayoutCheck::layout = QStringLiteral("TGoodLayout");
    TLayoutCheck* form = nullptr;
    Application->CreateForm(form);
    ASSERT_NE(form, nullptr);
    ASSERT_NE(form->TrackBar3, nullptr);
    ASSERT_NE(form->Label3, nullptr);
    EXPECT_EQ(form->TrackBar3->Parent(), form->TabSheet1);
    EXPECT_EQ(form->Series1->ParentChart(), form->Chart1);
    EXPECT_EQ(form->Caption(), QStringLiteral("Form1"));
    form->TrackBar3->SetPosition(4);
    EXPECT_EQ(form->changes, 1);
    delete form;
}

TEST(LayoutCheckForm, AnOuterSizeStandsForTheClientArea) {
    TLayoutCheck::layout = QStringLiteral("TOuterSize");
    auto* form = new TLayoutCheck(Application);
    form->ReadLayout(*form->Published(), TScreenMetrics{96, [](const QFont&) { return 13; }});
    EXPECT_EQ(form->ClientWidth(), 240);
    EXPECT_EQ(form->ClientHeight(), 160);
    delete form;
}

struct BadLayout {
    const char* layout;   // the form class, which names the layout file
    const char* culprits; // what the message must name, separated by spaces
    int line;             // the line the message must name; 0: the fault is in no one line
};

void PrintTo(const BadLayout& b, std::ostream* os) {
    *os << b.layout;
}

class LayoutErrors : public ::testing::TestWithParam<BadLayout> {};

TEST_P(LayoutErrors, FailWithAReadErrorNamingTheCulpritAndCreateNoForm) {
    TLayoutCheck::layout = QLatin1String(GetParam().layout);
    TLayoutCheck* form = nullptr;
    const int owned = Application->ComponentCount();
    const TForm* mainForm = Application->MainForm();
    QString message;
    try {
        Application->CreateForm(form);
        ADD_FAILURE() << "the layout was read without error";
        delete form;
        return;
    } catch (const EReadError& e) {
        message = e.Message();
    } catch (const Exception& e) {
        FAIL() << e.ClassName().toStdString() << ": " << e.Message().toStdString();
    }
    SCOPED_TRACE(message.toStdString());
    EXPECT_EQ(form, nullptr);
    EXPECT_EQ(Application->ComponentCount(), owned) << "the half-read form is destroyed";
    EXPECT_EQ(Application->MainForm(), mainForm);
    for (const QString& culprit :
         QString::fromLatin1(GetParam().culprits).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        EXPECT_TRUE(message.contains(culprit)) << "does not name " << culprit.toStdString();
    if (GetParam().line > 0) {
        EXPECT_TRUE(message.contains(QStringLiteral("(line %1)").arg(GetParam().line)))
            << "does not name line " << GetParam().line;
    }
    // One sentence of what went wrong, not a report wrapped in another.
    EXPECT_LE(message.count(QStringLiteral("Error reading")), 1);
    EXPECT_FALSE(message.contains(QLatin1Char('\n')));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, LayoutErrors,
    ::testing::Values(
        // Classes and names.
        BadLayout{"TUnknownClass", "TButton", 41}, BadLayout{"TUnknownClassForAField", "TMemo", 28},
        BadLayout{"TFieldOfWrongClass", "TrackBar3 TLabel", 33},
        BadLayout{"TObjectWithoutName", "name", 41}, BadLayout{"TDuplicateName", "Label3", 33},
        BadLayout{"TChildOfALabel", "Label3 TrackBar4", 32},
        BadLayout{"TLayoutOfAnotherForm", "TForm1 TLayoutOfAnotherForm", 3},
        // Properties and events.
        BadLayout{"TUnknownProperty", "Label3.Colour", 32},
        BadLayout{"TUnknownFormProperty", "Form1.BorderWidth", 11},
        BadLayout{"TUnknownEvent", "TrackBar3.OnClick", 39},
        BadLayout{"TUnknownHandler", "TrackBar3.OnChange TrackBar3Moved", 39},
        BadLayout{"TActivePageNotAPage", "PageControl1.ActivePage Label3", 0},
        // Values of the wrong kind.
        BadLayout{"TStringForInteger", "Label3.Left", 29},
        BadLayout{"TIntegerForString", "Label3.Caption", 32},
        BadLayout{"TNotAnInteger", "Label3.Top", 30},
        BadLayout{"TIntegerOutOfRange", "Label3.Top", 30},
        BadLayout{"TNotABoolean", "Label3.AutoSize", 32},
        BadLayout{"TUnknownIdent", "Label3.Align alMiddle", 32},
        BadLayout{"TUnknownKindOfValue", "Label3.Font.Color colour", 32},
        BadLayout{"TStringsWithOtherElements", "Chart1.Title.Text.Strings line", 22},
        // Text that is not well-formed XML.
        BadLayout{"TMismatchedTags", "", 31}, BadLayout{"TTruncated", "", 31},
        BadLayout{"TTrailingContent", "", 44}, BadLayout{"TNotXml", "", 1},
        BadLayout{"TEmpty", "", 1}),
    [](const auto& info) { return std::string(info.param.layout).substr(1); });

} // namespace
