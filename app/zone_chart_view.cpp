#include "app/zone_chart_view.h"

#include <QAreaSeries>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QValueAxis>

#include "app/qt_text.h"

namespace kelvo {

namespace {

constexpr int kChartMarginPx = 2;
constexpr int kLabelPaddingPx = 1;

QColor ZoneColour() {
    return QColor(kZoneBlue.Red, kZoneBlue.Green, kZoneBlue.Blue);
}

}  // namespace

ZoneChartView::ZoneChartView(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("Chart1"));
    setRenderHint(QPainter::Antialiasing, false);
    setFrameShape(QFrame::NoFrame);

    auto* chart = new QChart();
    chart->legend()->hide();
    chart->setBackgroundBrush(Qt::white);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(kChartMarginPx, kChartMarginPx, kChartMarginPx, kChartMarginPx));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    setChart(chart);

    axisX_ = new QValueAxis(chart);
    axisX_->setRange(kChartMinX, kChartMaxX);
    axisX_->setVisible(false);
    chart->addAxis(axisX_, Qt::AlignTop);

    axisY_ = new QValueAxis(chart);
    axisY_->setLineVisible(false);
    axisY_->setGridLinePen(QPen(QColor(200, 200, 200), 1, Qt::SolidLine));
    axisY_->setLabelFormat(QStringLiteral("%g"));
    QFont axisFont = font();
    axisFont.setPointSizeF(axisFont.pointSizeF() * 0.8);
    axisY_->setLabelsFont(axisFont);
    axisY_->setTickCount(5);
    chart->addAxis(axisY_, Qt::AlignLeft);

    hole_ = createZone(Qt::FDiagPattern);
    shaft_ = createZone(Qt::BDiagPattern);

    zeroLine_ = new QLineSeries(chart);
    zeroLine_->setPen(QPen(Qt::black, kZeroLineWidthPx));
    chart->addSeries(zeroLine_);
    zeroLine_->attachAxis(axisX_);
    zeroLine_->attachAxis(axisY_);

    for (ValueLabel& label : labels_) {
        label = createLabel();
    }
    connect(chart, &QChart::plotAreaChanged, this, [this] { placeLabels(); });
}

ZoneChartView::ZoneItems ZoneChartView::createZone(Qt::BrushStyle hatch) {
    ZoneItems items;
    items.upper = new QLineSeries(this);
    items.lower = new QLineSeries(this);
    items.area = new QAreaSeries(items.upper, items.lower);
    items.area->setBrush(QBrush(ZoneColour(), hatch));
    items.area->setPen(QPen(ZoneColour(), 1));
    chart()->addSeries(items.area);
    items.area->attachAxis(axisX_);
    items.area->attachAxis(axisY_);
    return items;
}

ZoneChartView::ValueLabel ZoneChartView::createLabel() {
    ValueLabel label;
    label.box = new QGraphicsRectItem(chart());
    label.box->setBrush(Qt::white);
    label.box->setPen(Qt::NoPen);
    label.box->setZValue(10);
    label.text = new QGraphicsSimpleTextItem(label.box);
    label.text->setFont(font());
    return label;
}

void ZoneChartView::setZone(ZoneItems& items, const ToleranceZone& zone) {
    items.upper->replace(QList<QPointF>{{zone.X0, zone.Y0}, {zone.X1, zone.Y0}});
    items.lower->replace(QList<QPointF>{{zone.X0, zone.Y1}, {zone.X1, zone.Y1}});
}

void ZoneChartView::showChart(const ZoneChart& chart) {
    shown_ = chart;
    zeroLine_->replace(QList<QPointF>{{chart.ZeroLine[0].X, chart.ZeroLine[0].Y},
                                      {chart.ZeroLine[1].X, chart.ZeroLine[1].Y}});
    setZone(hole_, chart.Hole);
    setZone(shaft_, chart.Shaft);
    axisY_->setRange(chart.AxisMin, chart.AxisMax);
    // Round tick values; the range only grows, so every value stays visible.
    axisY_->applyNiceNumbers();
    const std::array<const ChartLabel*, 4> sources = {&chart.Hole.Labels[0], &chart.Hole.Labels[1],
                                                      &chart.Shaft.Labels[0],
                                                      &chart.Shaft.Labels[1]};
    for (std::size_t index = 0; index < labels_.size(); ++index) {
        labels_[index].text->setText(ToQString(sources[index]->Text));
        labels_[index].at = sources[index]->At;
        // The upper value stands above the zone's upper left corner, the lower one below its
        // lower right corner, so that the two never cover each other on a thin zone.
        labels_[index].above = index % 2 == 0;
    }
    placeLabels();
}

QStringList ZoneChartView::labelTexts() const {
    QStringList texts;
    for (const ValueLabel& label : labels_) {
        texts << label.text->text();
    }
    return texts;
}

void ZoneChartView::placeLabels() {
    for (ValueLabel& label : labels_) {
        const QRectF textRect = label.text->boundingRect();
        label.box->setRect(0, 0, textRect.width() + 2 * kLabelPaddingPx, textRect.height());
        label.text->setPos(kLabelPaddingPx, 0);
        const QPointF corner = chart()->mapToPosition(QPointF(label.at.X, label.at.Y));
        const QSizeF size = label.box->rect().size();
        if (label.above) {
            label.box->setPos(corner.x(), corner.y() - size.height() - 1);
        } else {
            label.box->setPos(corner.x() - size.width(), corner.y() + 2);
        }
    }
}

}  // namespace kelvo
