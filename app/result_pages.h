#pragma once
// The result pages (PageControl1): workpiece, hole gauges, shaft gauges and setting masters.

#include <QTabWidget>

#include "model/main_model.h"

namespace kelvo {

class CellGridWidget;
class WorkpiecePage;

class ResultPages : public QTabWidget {
    Q_OBJECT

  public:
    enum Page { Workpiece = 0, HoleGauges = 1, ShaftGauges = 2, SettingMasters = 3 };

    ResultPages(const MainWindowModel& model, QWidget* parent = nullptr);

    WorkpiecePage* workpiecePage() const { return workpiece_; }
    CellGridWidget* workpieceGrid() const;
    CellGridWidget* holeGaugeGrid() const { return holeGauges_; }
    CellGridWidget* shaftGaugeGrid() const { return shaftGauges_; }
    CellGridWidget* masterGrid() const { return masters_; }

    // RefreshViews: the four grids in order, then the chart.
    void refresh();
    void applyWindowTexts();

  private:
    void onPageChanged(int index);

    WorkpiecePage* workpiece_ = nullptr;
    CellGridWidget* holeGauges_ = nullptr;
    CellGridWidget* shaftGauges_ = nullptr;
    CellGridWidget* masters_ = nullptr;
};

}  // namespace kelvo
