#pragma once
// One drawing widget for every result grid: it asks a cell function for (row, column) and paints
// what the cell says (style, caption and value parts, spans, split parts, lines). It holds no
// result of its own; a repaint formats the model afresh.

#include <QWidget>
#include <functional>
#include <vector>

#include "model/grid_cell.h"

namespace kelvo {

class CellGridWidget : public QWidget {
    Q_OBJECT

  public:
    using CellFunction = std::function<GridCell(int row, int column)>;

    CellGridWidget(GridGeometry geometry, CellFunction cells, QWidget* parent = nullptr);

    GridCell cellAt(int row, int column) const { return cells_(row, column); }
    const GridGeometry& gridGeometry() const { return geometry_; }
    void setGridGeometry(const GridGeometry& geometry);
    int rowCount() const { return geometry_.Rows; }

    // Relative column widths (equal when not set).
    void setColumnWeights(std::vector<int> weights);
    // The row drawn in the system highlight colours, or -1 for none.
    void setHighlightedRow(int row);
    int highlightedRow() const { return highlightedRow_; }
    // Minimum width of a column, in pixels of a 96-dpi screen.
    void setMinimumColumnWidth(int px96) { minimumColumnPx_ = px96; }

    // The rectangle of a cell in widget coordinates (a spanning cell covers the next column too).
    QRect cellRect(int row, int column, int span = 1) const;
    int rowHeight() const;
    int rowAt(int y) const;
    int columnAt(int x) const;

    // Horizontal lengths given in pixels of a 96-dpi screen, scaled to the font in use.
    int scaled(int px96) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void cellClicked(int row, int column);
    void painted();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void paintCell(QPainter& painter, int row, int column, const GridCell& cell) const;
    void paintTexts(QPainter& painter, const QRect& rect, const GridCell& cell) const;
    void paintColumnDividers(QPainter& painter, int row) const;
    QColor background(CellStyle style) const;
    int columnLeft(int column) const;

    GridGeometry geometry_;
    CellFunction cells_;
    std::vector<int> weights_;
    int highlightedRow_ = -1;
    int minimumColumnPx_ = 232;
};

}  // namespace kelvo
