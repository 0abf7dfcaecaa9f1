// The painter draws every text the scene holds, in the place the scene gives it: each call that
// draws text is recorded by a paint device of the test's own.
#include "chart/ChartPainter.h"

#include "ChartModel.h"
#include "support/QStringPrinter.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QTextItem>
#include <gtest/gtest.h>
#include <vector>

namespace {

using namespace chart_model;

struct DrawnText {
    QPointF baseline; // where the text starts, on its baseline
    QString text;
};

// Draws nothing; keeps the texts and where they start.
class TextRecorder final : public QPaintEngine {
public:
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawRects(const QRectF*, int) override {}
    void drawRects(const QRect*, int) override {}
    void drawLines(const QLineF*, int) override {}
    void drawLines(const QLine*, int) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        drawn.push_back({p, item.text()});
    }
    Type type() const override { return User; }

    std::vector<DrawnText> drawn;
};

class RecordingDevice final : public QPaintDevice {
public:
    explicit RecordingDevice(QSize size) : size_(size) {}
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable TextRecorder engine;

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return size_.width();
        case PdmHeight:
            return size_.height();
        case PdmWidthMM:
            return size_.width() * 254 / 960;
        case PdmHeightMM:
            return size_.height() * 254 / 960;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 1 << 24;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    QSize size_;
};

// A text the scene places: drawn once, starting inside its rectangle.
struct PlacedText {
    const char* part;
    QRect rect;
    QString text;
};

TEST(ChartPainter, DrawsEachTextOfTheSceneInsideItsOwnRectangle) {
    TComponent owner(nullptr);
    ModelChart* bars = NewBarChart(&owner);
    FillBars(*bars, {{4750, "Qd"}, {1600, "Qs"}});
    QFont font;
    font.setPixelSize(11);
    const QRect bounds(0, 0, 500, 250);
    const TFontTextMetrics texts(font);
    const TChartScene scene =
        BuildChartScene(bars->settings, bars->SeriesList(), bounds, texts,
                        QLocale(QLocale::English, QLocale::UnitedStates), TSystemColours{});

    std::vector<PlacedText> expected;
    for (const TTextItem& item : scene.title)
        expected.push_back({"title", item.rect, item.text});
    for (const TTextItem& item : scene.left.labels)
        expected.push_back({"left axis label", item.rect, item.text});
    for (const TTextItem& item : scene.bottom.labels)
        expected.push_back({"bottom axis label", item.rect, item.text});
    for (const TMarkItem& mark : scene.marks)
        expected.push_back({"mark", mark.box, mark.text});
    for (const TLegendItem& item : scene.legend.items) {
        expected.push_back({"legend value", item.value, item.row.value});
        expected.push_back({"legend text", item.text, item.row.text});
    }
    // Every kind of text is there to be drawn.
    ASSERT_FALSE(scene.left.labels.empty());
    ASSERT_EQ(scene.bottom.labels.size(), 2u);
    ASSERT_EQ(scene.marks.size(), 2u);
    ASSERT_EQ(scene.legend.items.size(), 2u);
    ASSERT_EQ(scene.legend.items[0].row.value, QStringLiteral("4,750"));

    RecordingDevice device(bounds.size());
    {
        QPainter painter(&device);
        PaintChartScene(painter, scene, texts);
    }
    const std::vector<DrawnText>& drawn = device.engine.drawn;

    for (const PlacedText& place : expected) {
        int found = 0;
        for (const DrawnText& d : drawn)
            if (d.text == place.text &&
                place.rect.adjusted(-1, -1, 1, 1).contains(d.baseline.toPoint()))
                ++found;
        EXPECT_EQ(found, 1) << place.part << " \"" << place.text.toStdString() << "\" in "
                            << place.rect.x() << "," << place.rect.y() << " " << place.rect.width()
                            << "x" << place.rect.height();
    }
    EXPECT_EQ(drawn.size(), expected.size()) << "texts drawn that the scene does not hold";
}

} // namespace
