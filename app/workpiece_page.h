#pragma once
// The workpiece page (TabSheet1): the workpiece grid drgrDanni with the tolerance-zone chart lying
// over column 1 of rows 10 to 15.

#include <QWidget>

#include "model/main_model.h"

namespace kelvo {

class CellGridWidget;
class ZoneChartView;

class WorkpiecePage : public QWidget {
    Q_OBJECT

  public:
    WorkpiecePage(const MainWindowModel& model, QWidget* parent = nullptr);

    CellGridWidget* grid() const { return grid_; }
    ZoneChartView* chart() const { return chart_; }

    // UpdateZoneChart.
    void updateZoneChart();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void placeChart();

    const MainWindowModel& model_;
    CellGridWidget* grid_ = nullptr;
    ZoneChartView* chart_ = nullptr;
};

}  // namespace kelvo
