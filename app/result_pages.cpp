#include "app/result_pages.h"

#include <QVBoxLayout>

#include "app/cell_grid_widget.h"
#include "app/qt_text.h"
#include "app/workpiece_page.h"
#include "app/zone_chart_view.h"
#include "model/hole_gauge_grid.h"
#include "model/master_grid.h"
#include "model/shaft_gauge_grid.h"

namespace kelvo {

namespace {

// Captions of the pages: workpiece, hole gauges, shaft gauges, setting ring and plug gauges.
constexpr int kPageCaptionKeys[] = {84, 58, 59, 60};

QWidget* PageWith(QWidget* grid, const QString& name) {
    auto* page = new QWidget;
    page->setObjectName(name);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid);
    layout->addStretch();
    return page;
}

}  // namespace

ResultPages::ResultPages(const MainWindowModel& model, QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("PageControl1"));
    workpiece_ = new WorkpiecePage(model, this);
    workpiece_->setObjectName(QStringLiteral("TabSheet1"));
    holeGauges_ = new CellGridWidget(HoleGaugeGridGeometry(), [&model](int row, int column) {
        return HoleGaugeCell(model, row, column);
    });
    holeGauges_->setObjectName(QStringLiteral("dbgrKalOtv"));
    shaftGauges_ = new CellGridWidget(ShaftGaugeGridGeometry(), [&model](int row, int column) {
        return ShaftGaugeCell(model, row, column);
    });
    shaftGauges_->setObjectName(QStringLiteral("dbgrKalVal"));
    masters_ = new CellGridWidget(MasterGridGeometry(), [&model](int row, int column) {
        return MasterCell(model, row, column);
    });
    masters_->setObjectName(QStringLiteral("dbgrEtaloni"));

    addTab(workpiece_, QString());
    addTab(PageWith(holeGauges_, QStringLiteral("TabSheet2")), QString());
    addTab(PageWith(shaftGauges_, QStringLiteral("TabSheet3")), QString());
    addTab(PageWith(masters_, QStringLiteral("TabSheet4")), QString());
    connect(this, &QTabWidget::currentChanged, this, &ResultPages::onPageChanged);
}

CellGridWidget* ResultPages::workpieceGrid() const {
    return workpiece_->grid();
}

void ResultPages::refresh() {
    workpiece_->grid()->update();
    holeGauges_->update();
    shaftGauges_->update();
    masters_->update();
    workpiece_->updateZoneChart();
}

void ResultPages::applyWindowTexts() {
    for (int page = 0; page < count(); ++page) {
        setTabText(page, LangQ(kPageCaptionKeys[page]).trimmed());
    }
}

void ResultPages::onPageChanged(int index) {
    // The chart belongs to the workpiece page; showing that page redraws it.
    const bool workpiece = index == Workpiece;
    workpiece_->chart()->setVisible(workpiece);
    if (workpiece) {
        workpiece_->updateZoneChart();
    }
}

}  // namespace kelvo
