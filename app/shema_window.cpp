#include "app/shema_window.h"

#include <QFont>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "app/qt_text.h"
#include "model/main_model.h"

namespace kelvo {

namespace {

// Where the chart x from 0 to 15 lies in the client area; the captions over x 1 to 7 and 8 to 15
// then sit 68 and 219 pixels from the left, 138 pixels wide.
constexpr double kPlotLeftPx = 57;
constexpr double kPlotWidthPx = 302;
constexpr QRect kLeftCaptionRect(68, 0, 138, TfrmShema::kCaptionStripHeight);
constexpr QRect kRightCaptionRect(219, 0, 138, TfrmShema::kCaptionStripHeight);
// Room above and below the plot of a chart for the outermost axis labels, pixels.
constexpr double kPlotMarginPx = 10;
constexpr int kFontPixels = 11;
constexpr double kLabelGapPx = 4;

QFont SchemaFont(bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kFontPixels);
    font.setBold(bold);
    return font;
}

QColor TileColour(HatchTile tile) {
    const HatchTileSpec& spec = HatchTileOf(tile);
    return QColor(spec.Red, spec.Green, spec.Blue);
}

}  // namespace

QImage HatchTileImage(HatchTile tile) {
    QImage image(kHatchTileSizePx, kHatchTileSizePx, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRgb ink = TileColour(tile).rgb();
    for (int y = 0; y < kHatchTileSizePx; ++y) {
        for (int x = 0; x < kHatchTileSizePx; ++x) {
            if (HatchTilePixelSet(tile, x, y)) {
                image.setPixel(x, y, ink);
            }
        }
    }
    return image;
}

TfrmShema::TfrmShema(GaugeSchema schema, char decimalSeparator, QWidget* parent)
    : QDialog(parent), schema_(std::move(schema)), decimalSeparator_(decimalSeparator) {
    setObjectName(QStringLiteral("SchemaWindow"));
    setWindowTitle(LangQ(schema_.TitleKey).trimmed());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    for (const SchemaChart& chart : schema_.Charts) {
        axes_.push_back(ScaleSchemaAxis(chart, schema_.AxisDecimals));
    }
}

QRectF TfrmShema::chartRect(int chart) const {
    const int count = std::max(1, static_cast<int>(schema_.Charts.size()));
    const double height = double(kClientHeight - kCaptionStripHeight) / count;
    return QRectF(0, kCaptionStripHeight + chart * height, kClientWidth, height);
}

double TfrmShema::xOf(double chartX) {
    return kPlotLeftPx + (chartX - kSchemaXMin) * kPlotWidthPx / (kSchemaXMax - kSchemaXMin);
}

double TfrmShema::yOf(int chart, double size) const {
    const QRectF band = chartRect(chart);
    const double top = band.top() + kPlotMarginPx;
    const double bottom = band.bottom() - kPlotMarginPx;
    const SchemaAxis& scale = axes_.at(chart);
    return bottom - (size - scale.Min) / (scale.Max - scale.Min) * (bottom - top);
}

QRectF TfrmShema::zoneRect(int chart, int zone) const {
    const SchemaZone& z = schema_.Charts.at(chart).Zones.at(zone);
    return QRectF(QPointF(xOf(z.X0), yOf(chart, z.UpperSize)),
                  QPointF(xOf(z.X1), yOf(chart, z.LowerSize)));
}

void TfrmShema::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paintCaptions(painter);
    for (int chart = 0; chart < static_cast<int>(schema_.Charts.size()); ++chart) {
        paintChart(painter, chart);
    }
}

void TfrmShema::paintCaptions(QPainter& painter) const {
    painter.setFont(SchemaFont(true));
    painter.setPen(Qt::black);
    painter.drawText(kLeftCaptionRect, Qt::AlignCenter, LangQ(schema_.LeftCaptionKey).trimmed());
    painter.drawText(kRightCaptionRect, Qt::AlignCenter, LangQ(schema_.RightCaptionKey).trimmed());
}

void TfrmShema::paintChart(QPainter& painter, int chart) const {
    painter.save();
    const QRectF band = chartRect(chart);
    painter.setClipRect(band);
    paintAxis(painter, chart);
    const SchemaChart& data = schema_.Charts[chart];
    for (int zone = 0; zone < static_cast<int>(data.Zones.size()); ++zone) {
        paintZone(painter, chart, zone);
    }
    painter.setPen(QPen(Qt::black, 2));
    for (double size : data.Lines) {
        const double y = yOf(chart, size);
        painter.drawLine(QPointF(xOf(kSchemaXMin), y), QPointF(xOf(kSchemaXMax), y));
    }
    // Captions last, so that a reference line through a zone does not cross its text.
    for (int zone = 0; zone < static_cast<int>(data.Zones.size()); ++zone) {
        paintZoneTexts(painter, chart, zone);
    }
    painter.restore();
    if (chart > 0) {
        painter.setPen(QPen(QColor(150, 150, 150), 1));
        painter.drawLine(QPointF(0, band.top()), QPointF(kClientWidth, band.top()));
    }
}

void TfrmShema::paintAxis(QPainter& painter, int chart) const {
    const SchemaAxis& scale = axes_[chart];
    painter.setFont(SchemaFont(false));
    const int steps = static_cast<int>(std::lround((scale.Max - scale.Min) / scale.Step));
    for (int i = 0; i <= steps; ++i) {
        const double size = scale.Min + i * scale.Step;
        const double y = yOf(chart, size);
        painter.setPen(QPen(QColor(215, 215, 215), 1));
        painter.drawLine(QPointF(xOf(kSchemaXMin), y), QPointF(xOf(kSchemaXMax), y));
        painter.setPen(Qt::black);
        const QRectF label(0, y - kFontPixels, kPlotLeftPx - kLabelGapPx, 2 * kFontPixels);
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter,
                         ToQString(SchemaAxisLabel(schema_, size, decimalSeparator_)));
    }
}

void TfrmShema::paintZone(QPainter& painter, int chart, int zone) const {
    const SchemaZone& data = schema_.Charts[chart].Zones[zone];
    if (data.Collapsed) {
        return;  // flat at the nominal size: nothing to see
    }
    painter.setPen(QPen(TileColour(data.Tile), 1));
    painter.setBrush(QBrush(HatchTileImage(data.Tile)));
    painter.drawRect(zoneRect(chart, zone));
    painter.setBrush(Qt::NoBrush);
}

void TfrmShema::paintZoneTexts(QPainter& painter, int chart, int zone) const {
    const SchemaZone& data = schema_.Charts[chart].Zones[zone];
    if (data.Collapsed) {
        return;
    }
    const QRectF area = zoneRect(chart, zone);
    painter.setPen(Qt::black);
    if (data.TextKey != 0) {
        painter.setFont(SchemaFont(true));
        const QString caption = LangQ(data.TextKey).trimmed();
        QRectF box = painter.fontMetrics().boundingRect(caption).adjusted(-2, 0, 2, 0);
        box.moveCenter(area.center());
        painter.fillRect(box, Qt::white);
        painter.drawText(box, Qt::AlignCenter, caption);
    }
    if (data.ShowsLimitValues) {
        painter.setFont(SchemaFont(false));
        const double left = area.right() + kLabelGapPx;
        const double width = kClientWidth - left;
        painter.drawText(QRectF(left, area.top() - 2 * kFontPixels, width, 2 * kFontPixels),
                         Qt::AlignLeft | Qt::AlignBottom,
                         ToQString(SchemaLimitLabel(data.UpperSize, decimalSeparator_)));
        painter.drawText(QRectF(left, area.bottom(), width, 2 * kFontPixels),
                         Qt::AlignLeft | Qt::AlignTop,
                         ToQString(SchemaLimitLabel(data.LowerSize, decimalSeparator_)));
    }
}

void TfrmShema::mousePressEvent(QMouseEvent* event) {
    event->accept();
    accept();
}

void ShowGaugeSchema(QWidget* parent, const MainWindowModel& model, int resultPage) {
    if (resultPage < static_cast<int>(ResultPage::HoleGauges) ||
        resultPage > static_cast<int>(ResultPage::SettingMasters)) {
        return;
    }
    std::optional<GaugeSchema> schema = BuildGaugeSchema(static_cast<ResultPage>(resultPage),
                                                         model.GaugeInputsOf(), model.InchMode);
    if (!schema) {
        return;
    }
    TfrmShema window(std::move(*schema), model.DecimalSeparator, parent);
    if (const QScreen* screen =
            parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    window.exec();
}

}  // namespace kelvo
