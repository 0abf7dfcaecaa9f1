#pragma once
// A main form made from its layout, as the program makes it, with exception reports collected
// instead of shown.

#include "Unit1.h"
#include "gui/Application.h"
#include "support/QStringPrinter.h"
#include "support/ShowActive.h"

#include <QApplication>
#include <QString>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

struct ChartPoint {
    double x;
    double y;
    QString label;
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

inline void PrintTo(const ChartPoint& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ", \"" << p.label.toStdString() << "\")";
}

inline std::vector<ChartPoint> Points(const TChartSeries* series) {
    std::vector<ChartPoint> points;
    for (int i = 0; i < series->Count(); ++i)
        points.push_back({series->XValues()[i], series->YValues()[i], series->Label(i)});
    return points;
}

class FormFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Application->OnException = [this](TObject* sender, const Exception& e) {
            reports.push_back(e.ClassName() + QStringLiteral(": ") + e.Message());
            senders.push_back(sender);
        };
        Application->CreateForm(form);
        ASSERT_NE(form, nullptr);
    }
    void TearDown() override {
        delete form;
        Application->OnException = nullptr;
    }

    TChartSeries* Lines(int index) const { return form->Chart1->SeriesList()[index]; }
    TChartSeries* Bars() const { return form->Chart2->SeriesList()[0]; }
    std::vector<ChartPoint> BarPoints() const { return Points(Bars()); }

    // Shows the form (running FormShow) and waits until it is the active window.
    void ShowForm() { ShowActive(form); }

    TForm1* form = nullptr;
    std::vector<QString> reports;
    std::vector<TObject*> senders;
};
