// One track bar notification: the handler, the bars rebuilt from the labels, and a full paint of
// the bar chart into an offscreen image, beside a hand-drawn frame of the same content.
#include "Market.h"
#include "Unit1.h"
#include "gui/Application.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QSysInfo>
#include <benchmark/benchmark.h>

namespace {

constexpr QSize kChartSize(517, 250);

void Notification(benchmark::State& state) {
    TForm1* form = nullptr;
    Application->CreateForm(form);
    form->FormShow(form);
    QImage image(kChartSize, QImage::Format_ARGB32_Premultiplied);
    int position = 0;
    for (auto _ : state) {
        position = (position + 1) % 11;
        form->TrackBar3->SetPosition(position); // raises OnChange: TrackBar3Change, recalcbars
        QPainter painter(&image);
        form->Chart2->Draw(painter, QRect(QPoint(0, 0), kChartSize));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    delete form;
}
BENCHMARK(Notification)->Unit(benchmark::kMicrosecond);

// The least a frame of this content takes: title, two bars with their marks, a value axis with
// six numbers, two names under the bars and a two-row legend, in plain QPainter calls.
void HandDrawnFrame(benchmark::State& state) {
    QImage image(kChartSize, QImage::Format_ARGB32_Premultiplied);
    const QFont font = QApplication::font();
    const QFontMetrics metrics(font);
    const QColor blue(68, 102, 163);
    int position = 0;
    for (auto _ : state) {
        position = (position + 1) % 11;
        const double qd = Demand(position);
        const double qs = Supply(0);
        const double top = std::max(qd, qs) * 1.15;
        QPainter painter(&image);
        painter.setFont(font);
        painter.fillRect(image.rect(), QColor(240, 240, 240));
        painter.setPen(QColor(0, 0, 255));
        painter.drawText(QRect(0, 4, 517, 16), Qt::AlignHCenter,
                         QStringLiteral("Графік попиту і пропозиції"));
        const QRect plot(48, 28, 370, 190);
        painter.fillRect(plot, Qt::white);
        painter.setPen(Qt::black);
        painter.drawRect(plot);
        for (int i = 0; i <= 5; ++i) {
            const int y = plot.bottom() - plot.height() * i / 5;
            painter.drawText(QRect(0, y - 8, 44, 16), Qt::AlignRight | Qt::AlignVCenter,
                             QLocale().toString(static_cast<int>(top * i / 5)));
        }
        const double values[2] = {qd, qs};
        const QString names[2] = {QStringLiteral("Qd"), QStringLiteral("Qs")};
        for (int i = 0; i < 2; ++i) {
            const int h = static_cast<int>(plot.height() * values[i] / top);
            const QRect bar(plot.left() + 30 + i * 185, plot.bottom() - h, 130, h);
            painter.fillRect(bar, blue);
            painter.drawRect(bar);
            painter.drawLine(bar.center().x(), bar.top(), bar.center().x(), bar.top() - 20);
            const QRect mark(bar.center().x() - 12, bar.top() - 36, 24, 16);
            painter.fillRect(mark, QColor(255, 255, 220));
            painter.drawRect(mark);
            painter.drawText(mark, Qt::AlignCenter, names[i]);
            painter.drawText(QRect(bar.left(), plot.bottom() + 4, bar.width(), 16),
                             Qt::AlignHCenter, names[i]);
            painter.fillRect(QRect(428, 32 + i * 18, 10, 10), blue);
            painter.drawText(QPoint(444, 42 + i * 18),
                             QLocale().toString(static_cast<int>(values[i])) + QLatin1Char(' ') +
                                 names[i]);
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(HandDrawnFrame)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TApplication application(nullptr);
    Application = &application;
    benchmark::AddCustomContext("commit", SD_COMMIT);
    benchmark::AddCustomContext("machine", QSysInfo::prettyProductName().toStdString() + " " +
                                               QSysInfo::currentCpuArchitecture().toStdString());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    application.DestroyComponents();
    Application = nullptr;
    return 0;
}
