#include "Unit1.h"

#include "Market.h"
#include "runtime/IntegerText.h"

#include <cstdint>

TForm1* Form1 = nullptr;

const TPublishedTable* TForm1::Published() const {
    static const TPublishedTable table = TPublishedTable(QStringLiteral("TForm1"))
                                             .Field("PageControl1", &TForm1::PageControl1)
                                             .Field("TabSheet1", &TForm1::TabSheet1)
                                             .Field("TabSheet2", &TForm1::TabSheet2)
                                             .Field("Chart1", &TForm1::Chart1)
                                             .Field("Chart2", &TForm1::Chart2)
                                             .Field("TrackBar3", &TForm1::TrackBar3)
                                             .Field("TrackBar4", &TForm1::TrackBar4)
                                             .Field("Label3", &TForm1::Label3)
                                             .Field("Label4", &TForm1::Label4)
                                             .Field("Series1", &TForm1::Series1)
                                             .Field("Series2", &TForm1::Series2)
                                             .Field("Series3", &TForm1::Series3)
                                             .Method("TrackBar3Change", &TForm1::TrackBar3Change)
                                             .Method("TrackBar4Change", &TForm1::TrackBar4Change)
                                             .Method("FormShow", &TForm1::FormShow);
    return &table;
}

void TForm1::recalclines() {
    Chart1->SeriesList()[0]->SetTitle(QStringLiteral("Qs"));
    Chart1->SeriesList()[1]->SetTitle(QStringLiteral("Qd"));
    Chart1->SeriesList()[0]->Clear();
    Chart1->SeriesList()[1]->Clear();
    const std::int32_t lo = TrackBar3->Min();
    const std::int32_t hi = TrackBar3->Max();
    if (hi >= lo) {
        // Counted in 64 bits: the widest range holds 2^32 prices, and the loop must stop after
        // the largest price rather than step past it.
        const std::int64_t n = static_cast<std::int64_t>(hi) - lo + 1;
        std::int64_t P = lo;
        for (std::int64_t i = 0; i < n; ++i, ++P) {
            const double x = static_cast<double>(P);
            Chart1->SeriesList()[0]->AddXY(x, Supply(P), QString(), clAutomaticSeriesColor);
            Chart1->SeriesList()[1]->AddXY(x, Demand(P), QString(), clAutomaticSeriesColor);
        }
    }
    Chart1->Repaint();
}

void TForm1::recalcbars() {
    // Both prices are read before the chart is touched: a caption that is not a number leaves
    // the bars as they were.
    const std::int32_t P3 = StrToInt(Label3->Caption());
    const double Qd = Demand(P3);
    const std::int32_t P4 = StrToInt(Label4->Caption());
    const double Qs = Supply(P4);
    Chart2->SeriesList()[0]->Clear();
    Chart2->SeriesList()[0]->Add(Qd, QStringLiteral("Qd"), clAutomaticSeriesColor);
    Chart2->SeriesList()[0]->Add(Qs, QStringLiteral("Qs"), clAutomaticSeriesColor);
    Chart2->Repaint();
}

void TForm1::TrackBar3Change(TObject*) {
    Label3->SetCaption(IntToStr(TrackBar3->Position()));
    recalcbars();
}

void TForm1::TrackBar4Change(TObject*) {
    Label4->SetCaption(IntToStr(TrackBar4->Position()));
    recalcbars();
}

void TForm1::FormShow(TObject*) {
    recalcbars();
    recalclines();
}
