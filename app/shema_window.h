#pragma once
// The gauge schema window (SchemaWindow): the tolerance zones of the gauges of the active result
// page, hatched, against the limits of size of the workpiece. Modal; a click closes it.

#include <QDialog>
#include <QImage>
#include <QRectF>

#include "gauges/gauge_schema.h"

namespace kelvo {

class MainWindowModel;

// One of the six hatch tiles: 6 by 6 pixels, white with a one-pixel diagonal.
QImage HatchTileImage(HatchTile tile);

class TfrmShema : public QDialog {
    Q_OBJECT

  public:
    // Client area of the window, pixels.
    static constexpr int kClientWidth = 403;
    static constexpr int kClientHeight = 299;
    static constexpr int kCaptionStripHeight = 17;

    TfrmShema(GaugeSchema schema, char decimalSeparator, QWidget* parent = nullptr);

    const GaugeSchema& schema() const { return schema_; }
    // The band of a chart in the client area, and where a size and a chart x land in it.
    QRectF chartRect(int chart) const;
    double yOf(int chart, double size) const;
    static double xOf(double chartX);
    QRectF zoneRect(int chart, int zone) const;
    const SchemaAxis& axis(int chart) const { return axes_.at(chart); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void paintCaptions(QPainter& painter) const;
    void paintChart(QPainter& painter, int chart) const;
    void paintAxis(QPainter& painter, int chart) const;
    void paintZone(QPainter& painter, int chart, int zone) const;
    void paintZoneTexts(QPainter& painter, int chart, int zone) const;

    GaugeSchema schema_;
    char decimalSeparator_;
    std::vector<SchemaAxis> axes_;
};

// The schema tool button (ToolButton1): opens the schema of result page `resultPage` (0
// workpiece, 1 hole gauges, 2 shaft gauges, 3 setting masters) modally; nothing on page 0.
void ShowGaugeSchema(QWidget* parent, const MainWindowModel& model, int resultPage);

}  // namespace kelvo
