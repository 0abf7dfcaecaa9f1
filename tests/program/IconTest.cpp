// The program's icon, embedded under the name the start-up looks it up by.
#include <QImageReader>
#include <gtest/gtest.h>
#include <set>

namespace {

TEST(Icon, MainIconHoldsItsFiveSizesAt32BitsPerPixel) {
    QImageReader reader(QStringLiteral(":/MAINICON"));
    ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
    std::set<int> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull());
        EXPECT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(image.width(), image.height());
        sizes.insert(image.width());
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 24, 32, 48, 256}));
}

} // namespace
