#include "app/cell_grid_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

#include "app/qt_text.h"

namespace kelvo {

namespace {

// The grids were laid out for a font 13 pixels high in rows 17 pixels high.
constexpr double kDesignFontHeightPx = 13.0;
constexpr int kRowPaddingPx = 5;
constexpr int kTextPaddingPx = 3;
constexpr int kChartCaptionDropPx = 3;

// Thin lines between the parts of split cells, in the colour of an active window border.
QColor ActiveBorderColour() {
    return QColor(180, 180, 180);
}

QColor ToQColor(Rgb rgb) {
    return QColor(rgb.Red, rgb.Green, rgb.Blue);
}

Qt::Alignment AlignmentOf(HAlign align) {
    switch (align) {
        case HAlign::Left:
            return Qt::AlignLeft | Qt::AlignVCenter;
        case HAlign::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case HAlign::Center:
            break;
    }
    return Qt::AlignHCenter | Qt::AlignVCenter;
}

// The smallest share of the font size a text is shrunk to before it loses its end.
constexpr double kMinimumFontShare = 0.8;

// Draws `text` into `box` with `flags`. A text too long for its box is drawn in a smaller font
// first (down to kMinimumFontShare of the size) and only then cut with an ellipsis, so that
// longer translations stay readable.
void DrawFitted(QPainter& painter, const QRect& box, const QString& text, int flags) {
    if (box.width() <= 0 || text.isEmpty()) {
        return;
    }
    const QFont original = painter.font();
    QFont font = original;
    const double size = original.pointSizeF();
    for (double share = 1.0; share >= kMinimumFontShare - 1e-9 && size > 0; share -= 0.05) {
        font.setPointSizeF(size * share);
        if (QFontMetrics(font).horizontalAdvance(text) <= box.width()) {
            painter.setFont(font);
            painter.drawText(box, flags, text);
            painter.setFont(original);
            return;
        }
    }
    painter.setFont(font);
    painter.drawText(box, flags,
                     painter.fontMetrics().elidedText(text, Qt::ElideRight, box.width()));
    painter.setFont(original);
}

void DrawRightAligned(QPainter& painter, const QRect& box, const QString& text) {
    DrawFitted(painter, box, text, Qt::AlignRight | Qt::AlignVCenter);
}

QRect Span(int left, int right, const QRect& row) {
    return QRect(QPoint(left, row.top()), QPoint(right, row.bottom()));
}

}  // namespace

CellGridWidget::CellGridWidget(GridGeometry geometry, CellFunction cells, QWidget* parent)
    : QWidget(parent), geometry_(geometry), cells_(std::move(cells)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CellGridWidget::setGridGeometry(const GridGeometry& geometry) {
    const bool resized = geometry.Rows != geometry_.Rows || geometry.Columns != geometry_.Columns;
    geometry_ = geometry;
    if (resized) {
        updateGeometry();
        resize(width(), sizeHint().height());
    }
    update();
}

void CellGridWidget::setColumnWeights(std::vector<int> weights) {
    weights_ = std::move(weights);
    update();
}

void CellGridWidget::setHighlightedRow(int row) {
    if (row != highlightedRow_) {
        highlightedRow_ = row;
        update();
    }
}

int CellGridWidget::scaled(int px96) const {
    const double ratio = std::max(1.0, fontMetrics().height() / kDesignFontHeightPx);
    return static_cast<int>(std::lround(px96 * ratio));
}

int CellGridWidget::rowHeight() const {
    return fontMetrics().height() + kRowPaddingPx;
}

int CellGridWidget::columnLeft(int column) const {
    const int columns = std::max(1, geometry_.Columns);
    if (column >= columns) {
        return width();
    }
    if (static_cast<int>(weights_.size()) != columns) {
        return column * (width() / columns);
    }
    const int total = std::max(1, std::accumulate(weights_.begin(), weights_.end(), 0));
    const int before = std::accumulate(weights_.begin(), weights_.begin() + column, 0);
    return width() * before / total;
}

QRect CellGridWidget::cellRect(int row, int column, int span) const {
    const int left = columnLeft(column);
    const int right = columnLeft(column + std::max(1, span));
    return QRect(left, row * rowHeight(), right - left, rowHeight());
}

int CellGridWidget::rowAt(int y) const {
    const int row = y / std::max(1, rowHeight());
    return row >= 0 && row < geometry_.Rows ? row : -1;
}

int CellGridWidget::columnAt(int x) const {
    for (int column = 0; column < geometry_.Columns; ++column) {
        if (x >= columnLeft(column) && x < columnLeft(column + 1)) {
            return column;
        }
    }
    return -1;
}

QSize CellGridWidget::sizeHint() const {
    return QSize(geometry_.Columns * scaled(minimumColumnPx_), geometry_.Rows * rowHeight() + 1);
}

QSize CellGridWidget::minimumSizeHint() const {
    return sizeHint();
}

QColor CellGridWidget::background(CellStyle style) const {
    switch (style) {
        case CellStyle::Title:
        case CellStyle::Heading:
            return ToQColor(kHeadingBlue);
        case CellStyle::Header:
        case CellStyle::Section:
            return palette().color(QPalette::Button);
        default:
            break;
    }
    return Qt::white;
}

void CellGridWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const int row = rowAt(at.y());
    const int column = columnAt(at.x());
    if (row >= 0 && column >= 0 && event->button() == Qt::LeftButton) {
        emit cellClicked(row, column);
    }
    QWidget::mousePressEvent(event);
}

void CellGridWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    const int firstRow = std::max(0, event->rect().top() / std::max(1, rowHeight()));
    const int lastRow =
        std::min(geometry_.Rows - 1, event->rect().bottom() / std::max(1, rowHeight()));
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = 0; column < geometry_.Columns; ++column) {
            const GridCell cell = cells_(row, column);
            if (cell.ColumnSpan > 0) {
                paintCell(painter, row, column, cell);
            }
        }
        paintColumnDividers(painter, row);
    }
    painter.setPen(Qt::black);
    for (const int row : geometry_.LinesUnderRows) {
        const int y = cellRect(row, 0).bottom();
        painter.drawLine(0, y, width() - 1, y);
    }
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(QRect(0, 0, width(), geometry_.Rows * rowHeight()).adjusted(0, 0, -1, 0));
    emit painted();
}

void CellGridWidget::paintColumnDividers(QPainter& painter, int row) const {
    painter.setPen(palette().color(QPalette::Mid));
    for (int column = 1; column < geometry_.Columns; ++column) {
        if (cells_(row, column).ColumnSpan != 0) {
            const QRect rect = cellRect(row, column);
            painter.drawLine(rect.left(), rect.top(), rect.left(), rect.bottom());
        }
    }
}

void CellGridWidget::paintCell(QPainter& painter, int row, int column, const GridCell& cell) const {
    const QRect rect = cellRect(row, column, cell.ColumnSpan);
    const bool highlighted = row == highlightedRow_ && cell.Style == CellStyle::Body;
    painter.fillRect(rect,
                     highlighted ? palette().color(QPalette::Highlight) : background(cell.Style));
    QFont font = this->font();
    font.setBold(cell.Bold);
    painter.setFont(font);
    painter.setPen(highlighted ? palette().color(QPalette::HighlightedText) : QColor(Qt::black));
    paintTexts(painter, rect, cell);
    if (cell.Layout == CellLayout::Split) {
        painter.setPen(ActiveBorderColour());
        const int x = rect.right() - scaled(kSplitDividerPx);
        painter.drawLine(x, rect.top(), x, rect.bottom());
        if (column == geometry_.Columns - 1) {
            painter.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
        }
    } else if (cell.Layout == CellLayout::CaptionValue && geometry_.CaptionValueDivider) {
        painter.setPen(Qt::black);
        const int x = rect.right() - scaled(geometry_.ValuePartPx);
        painter.drawLine(x, rect.top(), x, rect.bottom());
    }
}

void CellGridWidget::paintTexts(QPainter& painter, const QRect& rect, const GridCell& cell) const {
    const QString caption = ToQString(cell.Caption);
    const QString value = ToQString(cell.Value);
    switch (cell.Layout) {
        case CellLayout::Whole: {
            QRect box = rect.adjusted(kTextPaddingPx, 0, -kTextPaddingPx, 0);
            if (cell.Style == CellStyle::ChartCaption) {
                box.translate(0, kChartCaptionDropPx);
            }
            DrawFitted(painter, box, caption, AlignmentOf(cell.Align));
            return;
        }
        case CellLayout::CaptionValue: {
            const int valueLeft = rect.right() - scaled(geometry_.ValuePartPx);
            DrawRightAligned(painter,
                             Span(rect.left() + kTextPaddingPx, valueLeft - kTextPaddingPx, rect),
                             caption);
            DrawRightAligned(painter,
                             Span(valueLeft + kTextPaddingPx,
                                  rect.right() - scaled(geometry_.ValueMarginPx), rect),
                             value);
            return;
        }
        case CellLayout::Split: {
            const int rightLeft = rect.right() - scaled(kSplitRightPartPx);
            DrawRightAligned(painter,
                             Span(rect.left() + kTextPaddingPx, rightLeft - kTextPaddingPx, rect),
                             caption);
            DrawRightAligned(
                painter,
                Span(rightLeft + kTextPaddingPx, rect.right() - scaled(kSplitMarginPx), rect),
                value);
            return;
        }
    }
}

}  // namespace kelvo
