// How the layout's track bars look: a range of 0 to 10 with a tick mark below the channel for every
// price, a thumb 20 pixels across the channel, and no tooltip.
#include "support/LayoutTrackBar.h"

#include <QColor>
#include <QHelpEvent>
#include <QImage>
#include <QPainter>
#include <QSlider>
#include <QToolTip>

namespace {

// The columns in rows [top, bottom) of `image` that hold a pixel darker than `level`, merged into
// runs: one [left, right] pair per run.
std::vector<std::pair<int, int>> DarkColumns(const QImage& image, int top, int bottom, int level) {
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < image.width(); ++x) {
        bool dark = false;
        for (int y = std::max(0, top); y < std::min(bottom, image.height()) && !dark; ++y)
            dark = qGray(image.pixel(x, y)) < level;
        if (!dark)
            continue;
        if (!runs.empty() && runs.back().second == x - 1)
            runs.back().second = x;
        else
            runs.emplace_back(x, x);
    }
    return runs;
}

class TrackBarLook : public LayoutTrackBar, public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(ShowWithFocusOn(GetParam())); }

    QImage Picture() const {
        QImage image(bar_->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        bar_->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    }
};

TEST_P(TrackBarLook, TheThumbIsTwentyPixelsAcrossTheChannel) {
    EXPECT_EQ(bar_->ThumbLength(), 20);
    EXPECT_EQ(bar_->ThumbRect().height(), 20);
    EXPECT_TRUE(bar_->rect().contains(bar_->ThumbRect()));
}

TEST_P(TrackBarLook, ElevenTickMarksBelowTheChannelOneUnderEachPosition) {
    const QRect thumb = bar_->ThumbRect();
    const QImage image = Picture();
    // Below the thumb there is nothing but the tick marks.
    const auto ticks = DarkColumns(image, thumb.bottom() + 1, image.height(), 220);
    ASSERT_EQ(ticks.size(), 11u);
    // Each mark lies under the thumb's middle at its position.
    for (int position = 0; position <= 10; ++position) {
        bar_->SetPosition(position);
        const int middle = bar_->ThumbRect().center().x();
        const auto [left, right] = ticks[static_cast<size_t>(position)];
        EXPECT_LE(left, middle + 1) << position;
        EXPECT_GE(right, middle - 1) << position;
    }
    // None above: the channel's upper side is bare.
    EXPECT_TRUE(DarkColumns(image, 0, thumb.top(), 220).empty());
}

TEST_P(TrackBarLook, TheChannelIsOneColourOnEitherSideOfTheThumb) {
    // The track bars show no selection range, so nothing marks the part up to the thumb.
    bar_->SetPosition(5);
    const QRect thumb = bar_->ThumbRect();
    const QRect channel = bar_->ChannelRect();
    const QImage image = Picture();
    const int leftOfThumb = (channel.left() + thumb.left()) / 2;
    const int rightOfThumb = (thumb.right() + channel.right()) / 2;
    ASSERT_LT(channel.left(), leftOfThumb);
    ASSERT_LT(rightOfThumb, channel.right());
    for (int y = channel.top(); y <= channel.bottom(); ++y)
        EXPECT_EQ(QColor(image.pixel(leftOfThumb, y)).name(),
                  QColor(image.pixel(rightOfThumb, y)).name())
            << "row " << y;
}

TEST_P(TrackBarLook, ShowsNoTooltip) {
    auto* slider = bar_->findChild<QSlider*>();
    ASSERT_NE(slider, nullptr);
    EXPECT_TRUE(bar_->toolTip().isEmpty());
    EXPECT_TRUE(slider->toolTip().isEmpty());
    const QPoint atThumb = bar_->ThumbRect().center();
    QHelpEvent help(QEvent::ToolTip, atThumb, slider->mapToGlobal(atThumb));
    QApplication::sendEvent(slider, &help);
    EXPECT_FALSE(QToolTip::isVisible());
}

INSTANTIATE_TEST_SUITE_P(LayoutBars, TrackBarLook, ::testing::Values("TrackBar3", "TrackBar4"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
