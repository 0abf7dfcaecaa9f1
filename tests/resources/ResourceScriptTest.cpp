// The resources of a Windows build: the resource script compiles with the MinGW resource compiler
// and holds the application manifest and the icon group "MAINICON" with its five images.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Resource {
    QString type; // "#n" for a numeric type or name
    QString name;
    QByteArray data;
};

std::uint32_t Dword(const QByteArray& bytes, qsizetype at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes.at(at + i));
    return value;
}

std::uint16_t Word(const QByteArray& bytes, qsizetype at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes.at(at)) |
                                      (static_cast<std::uint8_t>(bytes.at(at + 1)) << 8));
}

// A type or name in a resource header: 0xFFFF and a number, or a NUL-terminated UTF-16 string.
QString ReadId(const QByteArray& bytes, qsizetype& at) {
    if (Word(bytes, at) == 0xFFFF) {
        const QString id = QStringLiteral("#%1").arg(Word(bytes, at + 2));
        at += 4;
        return id;
    }
    QString text;
    for (; Word(bytes, at) != 0; at += 2)
        text.append(QChar(Word(bytes, at)));
    at += 2;
    return text;
}

// The entries of a 32-bit .res file.
std::vector<Resource> ParseRes(const QByteArray& bytes) {
    std::vector<Resource> resources;
    qsizetype at = 0;
    while (at + 8 <= bytes.size()) {
        const std::uint32_t dataSize = Dword(bytes, at);
        const std::uint32_t headerSize = Dword(bytes, at + 4);
        qsizetype cursor = at + 8;
        Resource resource;
        resource.type = ReadId(bytes, cursor);
        resource.name = ReadId(bytes, cursor);
        resource.data = bytes.mid(at + headerSize, dataSize);
        if (dataSize > 0)
            resources.push_back(resource);
        at += headerSize + ((dataSize + 3) & ~3u);
    }
    return resources;
}

class ResourceScript : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::exists(QStringLiteral(SD_WINDRES)))
            << "the MinGW resource compiler is missing: " << SD_WINDRES;
        ASSERT_TRUE(dir.isValid());
        const QString output = dir.filePath(QStringLiteral("program.res"));
        QProcess windres;
        windres.setWorkingDirectory(QStringLiteral(SD_SOURCE_DIR));
        windres.start(QStringLiteral(SD_WINDRES), {QStringLiteral("-O"), QStringLiteral("res"),
                                                   QStringLiteral("supply-demand.rc"), output});
        ASSERT_TRUE(windres.waitForFinished(60000));
        ASSERT_EQ(windres.exitCode(), 0) << windres.readAllStandardError().toStdString();
        QFile file(output);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        resources = ParseRes(file.readAll());
    }

    const Resource* Find(const QString& type, const QString& name) const {
        for (const Resource& r : resources)
            if (r.type == type && r.name == name)
                return &r;
        return nullptr;
    }

    QTemporaryDir dir;
    std::vector<Resource> resources;
};

TEST_F(ResourceScript, HoldsTheManifestAsResourceOneOfTypeTwentyFour) {
    const Resource* manifest = Find(QStringLiteral("#24"), QStringLiteral("#1"));
    ASSERT_NE(manifest, nullptr);
    const QByteArray& xml = manifest->data;
    EXPECT_TRUE(xml.contains("name=\"Microsoft.Windows.Common-Controls\""));
    EXPECT_TRUE(xml.contains("version=\"6.0.0.0\""));
    EXPECT_TRUE(xml.contains("level=\"asInvoker\""));
    EXPECT_TRUE(xml.contains("uiAccess=\"false\""));
    EXPECT_FALSE(xml.contains("dpiAware"));
    EXPECT_FALSE(xml.contains("supportedOS"));
}

TEST_F(ResourceScript, HoldsTheIconGroupWithFiveImagesOf32BitsPerPixel) {
    const Resource* group = Find(QStringLiteral("#14"), QStringLiteral("MAINICON"));
    ASSERT_NE(group, nullptr);
    const QByteArray& dir = group->data;
    ASSERT_GE(dir.size(), 6);
    ASSERT_EQ(Word(dir, 4), 5);
    std::vector<int> sizes;
    for (int i = 0; i < 5; ++i) {
        const qsizetype entry = 6 + 14 * i;
        const int width = static_cast<std::uint8_t>(dir.at(entry));
        sizes.push_back(width == 0 ? 256 : width);
        EXPECT_EQ(Word(dir, entry + 6), 32) << "bits per pixel of image " << i;
        const Resource* image =
            Find(QStringLiteral("#3"), QStringLiteral("#%1").arg(Word(dir, entry + 12)));
        ASSERT_NE(image, nullptr);
        // The largest image is stored compressed as PNG, the others as bitmaps.
        EXPECT_EQ(image->data.startsWith("\x89PNG"), width == 0);
    }
    EXPECT_EQ(sizes, (std::vector<int>{256, 48, 32, 24, 16}));
}

} // namespace
