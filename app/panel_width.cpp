#include "app/panel_width.h"

#include <QAbstractItemView>
#include <QGridLayout>
#include <QLayout>
#include <algorithm>

namespace kelvo {

int NeededPanelWidth(const QWidget* panel) {
    QLayout* layout = panel->layout();
    if (layout == nullptr) {
        return 0;
    }
    const auto* grid = qobject_cast<QGridLayout*>(layout);
    const int spacing = std::max(0, layout->spacing());
    int needed = 0;
    for (int index = 0; index < layout->count(); ++index) {
        QWidget* widget = layout->itemAt(index)->widget();
        // Lists and grids scroll or cut their entries; they do not set the panel's width.
        if (widget == nullptr || widget->isHidden() ||
            qobject_cast<QAbstractScrollArea*>(widget) != nullptr) {
            continue;
        }
        int width = widget->sizeHint().width();
        if (grid != nullptr) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
            if (columnSpan == 1 && grid->columnCount() == 2) {
                width = 2 * width + spacing;
            }
        }
        needed = std::max(needed, width);
    }
    const QMargins margins = layout->contentsMargins();
    return needed + margins.left() + margins.right();
}

}  // namespace kelvo
