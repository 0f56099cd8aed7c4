#pragma once
// The tolerance-zone chart of the workpiece page (Chart1): the zero line and the hatched zones of
// the hole and the shaft with their deviations at the corners, drawn from ZoneChartOf.

#include <QChartView>
#include <array>

#include "model/zone_chart.h"

class QAreaSeries;
class QLineSeries;
class QValueAxis;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;

namespace kelvo {

class ZoneChartView : public QChartView {
    Q_OBJECT

  public:
    explicit ZoneChartView(QWidget* parent = nullptr);

    // UpdateZoneChart: every coordinate is set again from the chart data.
    void showChart(const ZoneChart& chart);
    const ZoneChart& shownChart() const { return shown_; }

    // The texts of the four value labels: hole upper, hole lower, shaft upper, shaft lower.
    QStringList labelTexts() const;

  private:
    struct ZoneItems {
        QLineSeries* upper = nullptr;
        QLineSeries* lower = nullptr;
        QAreaSeries* area = nullptr;
    };
    struct ValueLabel {
        QGraphicsRectItem* box = nullptr;
        QGraphicsSimpleTextItem* text = nullptr;
        ChartPoint at;
        bool above = false;
    };

    ZoneItems createZone(Qt::BrushStyle hatch);
    ValueLabel createLabel();
    void setZone(ZoneItems& items, const ToleranceZone& zone);
    void placeLabels();

    QLineSeries* zeroLine_ = nullptr;
    ZoneItems hole_, shaft_;
    QValueAxis* axisX_ = nullptr;
    QValueAxis* axisY_ = nullptr;
    std::array<ValueLabel, 4> labels_;
    ZoneChart shown_;
};

}  // namespace kelvo
