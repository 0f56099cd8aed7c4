#include "app/workpiece_page.h"

#include <QVBoxLayout>

#include "app/cell_grid_widget.h"
#include "app/zone_chart_view.h"
#include "model/workpiece_grid.h"

namespace kelvo {

namespace {

// The chart covers column 1 of these rows.
constexpr int kChartFirstRow = 10;
constexpr int kChartLastRow = 15;

}  // namespace

WorkpiecePage::WorkpiecePage(const MainWindowModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
    grid_ = new CellGridWidget(
        WorkpieceGridGeometry(),
        [this](int row, int column) { return WorkpieceCell(model_, row, column); }, this);
    grid_->setObjectName(QStringLiteral("drgrDanni"));
    chart_ = new ZoneChartView(grid_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    layout->addStretch();
}

void WorkpiecePage::updateZoneChart() {
    chart_->showChart(ZoneChartOf(model_));
}

void WorkpiecePage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeChart();
}

void WorkpiecePage::placeChart() {
    const QRect top = grid_->cellRect(kChartFirstRow, 1);
    const QRect bottom = grid_->cellRect(kChartLastRow, 1);
    chart_->setGeometry(top.united(bottom).adjusted(1, 0, -1, -1));
}

}  // namespace kelvo
