// The price labels beside the track bars size themselves to their caption: one line of text in the
// form's font, growing and shrinking to the right of a fixed left edge.
#include "support/LayoutForm.h"

#include <QImage>
#include <QPainter>

namespace {

QSize OneLine(const TLabel* label, const QString& text) {
    const QFontMetrics metrics(label->font());
    return {metrics.horizontalAdvance(text), metrics.height()};
}

// The smallest rectangle holding every pixel the label paints darker than its background.
QRect Ink(TLabel* label) {
    QImage image(label->size() + QSize(20, 20), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        label->render(&painter, QPoint(10, 10), QRegion(), QWidget::DrawChildren);
    }
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 160)
                ink |= QRect(x - 10, y - 10, 1, 1);
    return ink;
}

struct Caption {
    const char* name;
    const char* text;
};

void PrintTo(const Caption& c, std::ostream* os) {
    *os << c.name;
}

class LabelCaption : public layout_form::DesignFormTest,
                     public ::testing::WithParamInterface<Caption> {};

TEST_P(LabelCaption, TakesTheSizeOfItsCaptionOnOneLineKeepingLeftAndTop) {
    const QString text = QString::fromUtf8(GetParam().text);
    for (TLabel* label : {form->Label3, form->Label4}) {
        SCOPED_TRACE(label->Name().toStdString());
        const QPoint topLeft = label->pos();
        label->SetCaption(text);
        EXPECT_EQ(label->pos(), topLeft);
        EXPECT_EQ(label->size(), OneLine(label, text));
        // Nothing of the text is cut off.
        const QRect ink = Ink(label);
        ASSERT_TRUE(ink.isValid());
        EXPECT_TRUE(label->rect().contains(ink))
            << "ink " << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    }
}

INSTANTIATE_TEST_SUITE_P(Captions, LabelCaption,
                         ::testing::Values(Caption{"Zero", "0"}, Caption{"Ten", "10"},
                                           Caption{"Nine", "9"}, Caption{"Negative", "-2147483648"},
                                           Caption{"Letters", "Wq"}),
                         [](const auto& info) { return std::string(info.param.name); });

using LabelSizing = layout_form::DesignFormTest;

TEST_F(LabelSizing, TenWidensItToTheRightAndNineShrinksIt) {
    ShowActive(form.get());
    TLabel* label = form->Label3;
    const QRect atZero = label->geometry();
    form->TrackBar3->SetPosition(10);
    ASSERT_EQ(label->Caption(), QStringLiteral("10"));
    const QRect atTen = label->geometry();
    EXPECT_EQ(atTen.topLeft(), atZero.topLeft());
    EXPECT_GT(atTen.width(), atZero.width());
    EXPECT_EQ(atTen.height(), atZero.height());
    form->TrackBar3->SetPosition(9);
    ASSERT_EQ(label->Caption(), QStringLiteral("9"));
    const QRect atNine = label->geometry();
    EXPECT_EQ(atNine.topLeft(), atZero.topLeft());
    EXPECT_LT(atNine.width(), atTen.width());
    EXPECT_EQ(atNine.size(), OneLine(label, QStringLiteral("9")));
}

TEST_F(LabelSizing, AnUnchangedCaptionIsNotMeasuredAgain) {
    TLabel* label = form->Label4;
    const int measured = label->MeasureCount();
    label->SetCaption(QStringLiteral("0"));
    EXPECT_EQ(label->MeasureCount(), measured);
    label->SetCaption(QStringLiteral("7"));
    EXPECT_EQ(label->MeasureCount(), measured + 1);
    label->SetCaption(QStringLiteral("7"));
    EXPECT_EQ(label->MeasureCount(), measured + 1);
    // The handler writes the same price again when the track bar is released where it was.
    form->TrackBar4->SetPosition(7);
    form->TrackBar4->OnChange(form->TrackBar4);
    EXPECT_EQ(label->MeasureCount(), measured + 1);
}

TEST_F(LabelSizing, ShowingAndResizingTheWindowMeasureNothing) {
    const int measured3 = form->Label3->MeasureCount();
    const int measured4 = form->Label4->MeasureCount();
    ShowActive(form.get());
    form->resize(700, 500);
    ASSERT_TRUE(QTest::qWaitFor([this] { return form->size() == QSize(700, 500); }));
    EXPECT_EQ(form->Label3->MeasureCount(), measured3);
    EXPECT_EQ(form->Label4->MeasureCount(), measured4);
}

} // namespace
