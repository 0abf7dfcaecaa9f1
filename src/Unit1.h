#pragma once
// The main form: a market with one linear demand and one linear supply function, shown as two
// lines over a range of prices and as two bars at the prices chosen with the track bars.

#include "chartcontrol/ChartControl.h"
#include "gui/Form.h"
#include "gui/Label.h"
#include "gui/PageControl.h"
#include "gui/TrackBar.h"

class TForm1 : public TForm {
    SD_COMPONENT_CLASS(TForm1)
public:
    // Components made by the layout, in its order; the form owns them.
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabSheet1 = nullptr;
    TTabSheet* TabSheet2 = nullptr;
    TChart* Chart1 = nullptr;
    TChart* Chart2 = nullptr;
    TTrackBar* TrackBar3 = nullptr;
    TTrackBar* TrackBar4 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLineSeries* Series1 = nullptr;
    TLineSeries* Series2 = nullptr;
    TBarSeries* Series3 = nullptr;

    void recalcbars();  // the bars at the prices the labels show
    void recalclines(); // the lines over TrackBar3's range of prices
    void TrackBar3Change(TObject* Sender);
    void TrackBar4Change(TObject* Sender);
    void FormShow(TObject* Sender);

    using TForm::TForm;
    const TPublishedTable* Published() const override;
};

extern TForm1* Form1;
