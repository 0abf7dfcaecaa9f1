// The label: its caption, the size it takes from it, and what it paints.

#include "gui/Label.h"
#include "GuiInput.h"
#include "gui/PageControl.h"
#include "gui/ResolutionScaling.h"
#include "gui/TrackBar.h"
#include "runtime/Exceptions.h"
#include "support/LayoutValues.h"

#include <QFontMetrics>
#include <QImage>
#include <QPalette>
#include <gtest/gtest.h>

using namespace layout_values;

namespace {

class LabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        host_ = new TWinControl(&owner_);
        host_->SetBounds(0, 0, 531, 328);
        QFont font = host_->font();
        font.setPixelSize(11);
        host_->setFont(font);
        label_ = new TLabel(&owner_);
        label_->SetName(QStringLiteral("Label3"));
        host_->InsertChild(label_);
        SetLayoutProperty(*label_, QStringLiteral("Left"), Int(159));
        SetLayoutProperty(*label_, QStringLiteral("Top"), Int(259));
        SetLayoutProperty(*label_, QStringLiteral("Width"), Int(6));
        SetLayoutProperty(*label_, QStringLiteral("Height"), Int(13));
        SetLayoutProperty(*label_, QStringLiteral("Caption"), Str(QStringLiteral("0")));
        label_->Loaded();
    }

    void TearDown() override { owner_.DestroyComponents(); }

    QSize Measured(const QString& text) const {
        const QFontMetrics metrics(host_->font());
        return {metrics.horizontalAdvance(text), metrics.height()};
    }

    TComponent owner_{nullptr};
    TWinControl* host_ = nullptr;
    TLabel* label_ = nullptr;
};

TEST_F(LabelTest, LoadingSizesItToItsCaption) {
    EXPECT_EQ(label_->Caption(), QStringLiteral("0"));
    EXPECT_EQ(label_->geometry(), QRect(QPoint(159, 259), Measured(QStringLiteral("0"))));
}

TEST_F(LabelTest, LongerCaptionGrowsToTheRight) {
    const int right = label_->geometry().right();
    label_->SetCaption(QStringLiteral("10"));
    EXPECT_EQ(label_->Left(), 159);
    EXPECT_EQ(label_->Top(), 259);
    EXPECT_EQ(label_->size(), Measured(QStringLiteral("10")));
    EXPECT_GT(label_->geometry().right(), right);

    label_->SetCaption(QStringLiteral("9"));
    EXPECT_EQ(label_->Left(), 159);
    EXPECT_EQ(label_->size(), Measured(QStringLiteral("9")));
}

TEST_F(LabelTest, SameCaptionIsNotMeasuredAgain) {
    const int measured = label_->MeasureCount();
    label_->SetCaption(QStringLiteral("0"));
    EXPECT_EQ(label_->MeasureCount(), measured);
    label_->SetCaption(QStringLiteral("1"));
    EXPECT_EQ(label_->MeasureCount(), measured + 1);
}

TEST_F(LabelTest, CaptionsDifferingOnlyInCodeUnitsAreDifferent) {
    // "é" as one code unit and as "e" with a combining accent look alike but are not the same.
    label_->SetCaption(QStringLiteral("\u00e9"));
    const int measured = label_->MeasureCount();
    label_->SetCaption(QStringLiteral("e\u0301"));
    EXPECT_EQ(label_->MeasureCount(), measured + 1);
    EXPECT_EQ(label_->Caption(), QStringLiteral("e\u0301"));
}

TEST_F(LabelTest, FontChangeResizesIt) {
    QFont font = host_->font();
    font.setPixelSize(30);
    host_->setFont(font);
    EXPECT_EQ(label_->size(), Measured(QStringLiteral("0")));
    EXPECT_EQ(label_->Left(), 159);
}

TEST_F(LabelTest, WithoutAutoSizeItKeepsItsSize) {
    SetLayoutProperty(*label_, QStringLiteral("AutoSize"), Bool(false));
    label_->SetBounds(159, 259, 40, 20);
    label_->SetCaption(QStringLiteral("12345"));
    EXPECT_EQ(label_->geometry(), QRect(159, 259, 40, 20));
    label_->SetAutoSize(true);
    EXPECT_EQ(label_->size(), Measured(QStringLiteral("12345")));
}

TEST_F(LabelTest, ScalingMovesItButTheSizeStaysTheCaptions) {
    label_->ScaleBy(3, 2);
    EXPECT_EQ(label_->Left(), MulDiv(159, 3, 2));
    EXPECT_EQ(label_->Top(), MulDiv(259, 3, 2));
    EXPECT_EQ(label_->size(), Measured(QStringLiteral("0")));
}

TEST_F(LabelTest, PaintsItsCaptionOverItsParentsBackground) {
    QPalette palette = host_->palette();
    palette.setColor(QPalette::Window, Qt::red);
    palette.setColor(QPalette::WindowText, Qt::blue);
    host_->setPalette(palette);
    host_->setAutoFillBackground(true);
    QPalette own = label_->palette();
    own.setColor(QPalette::Window, Qt::green); // a background it would fill, if it had one
    label_->setPalette(own);
    label_->SetCaption(QStringLiteral("888"));
    const QImage image = host_->grab(label_->geometry()).toImage();
    int red = 0;
    int green = 0;
    int blue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.blue() < 60)
                ++red;
            else if (c.blue() > 150 && c.red() < 100)
                ++blue;
            else if (c.green() > 200 && c.red() < 60)
                ++green;
        }
    EXPECT_GT(red, 0) << "the label hid its parent's background";
    EXPECT_EQ(green, 0) << "the label filled a background of its own";
    EXPECT_GT(blue, 0) << "the caption was not painted in the text colour";
}

TEST_F(LabelTest, EmptyCaptionIsNoWiderThanNothing) {
    label_->SetCaption(QString());
    EXPECT_EQ(label_->Width(), 0);
    EXPECT_EQ(label_->Height(), Measured(QString()).height());
}

TEST_F(LabelTest, TakesNoFocusFromAClick) {
    auto* bar = new TTrackBar(&owner_);
    host_->InsertChild(bar);
    bar->SetBounds(3, 259, 150, 45);
    ShowActive(host_);
    bar->setFocus();
    gui_input::Click(host_, label_->geometry().center());
    EXPECT_TRUE(bar->hasFocus());
}

TEST_F(LabelTest, LayoutValuesOfTheWrongKindAreReadErrors) {
    EXPECT_THROW(SetLayoutProperty(*label_, QStringLiteral("Caption"), Int(0)), EReadError);
    EXPECT_THROW(SetLayoutProperty(*label_, QStringLiteral("WordWrap"), Bool(true)), EReadError);
    EXPECT_EQ(label_->Caption(), QStringLiteral("0"));
}

} // namespace
