#include "app/class_pick_list.h"

#include <QKeyEvent>
#include <QScreen>

#include "app/qt_text.h"
#include "design/class_catalogues.h"

namespace kelvo {

namespace {

constexpr int kVisibleEntries = 16;

}  // namespace

ClassPickList::ClassPickList(Side side, SizeBand band, QWidget* parent)
    : QListWidget(parent), side_(side) {
    setObjectName(componentName(side, band));
    setWindowFlags(Qt::Popup);
    setUniformItemSizes(false);
    QFont bold = font();
    bold.setBold(true);
    for (const ClassEntry& entry : ClassCatalogue(side, band)) {
        auto* item = new QListWidgetItem(ToQString(entry.Name), this);
        if (entry.Preferred) {
            item->setFont(bold);
        }
    }
    connect(this, &QListWidget::itemClicked, this, &ClassPickList::pick);
    connect(this, &QListWidget::itemActivated, this, &ClassPickList::pick);
}

QString ClassPickList::componentName(Side side, SizeBand band) {
    const bool over500 = band == SizeBand::Over500;
    if (side == Side::Hole) {
        return over500 ? QStringLiteral("cbOtvori2") : QStringLiteral("cbOtvori");
    }
    return over500 ? QStringLiteral("cbValove2") : QStringLiteral("cbValove");
}

void ClassPickList::popUp(QWidget* anchor) {
    const int rowHeight = sizeHintForRow(0) > 0 ? sizeHintForRow(0) : fontMetrics().height() + 4;
    const int width = std::max(anchor->width() * 3, sizeHintForColumn(0) + 40);
    resize(width, rowHeight * kVisibleEntries + 2 * frameWidth());
    QPoint at = anchor->mapToGlobal(QPoint(0, anchor->height()));
    if (const QScreen* screen = anchor->screen()) {
        const QRect area = screen->availableGeometry();
        if (at.y() + height() > area.bottom()) {
            at.setY(anchor->mapToGlobal(QPoint(0, 0)).y() - height());
        }
        at.setX(std::min(at.x(), area.right() - width));
    }
    move(at);
    setCurrentRow(-1);
    scrollToTop();
    show();
    setFocus();
}

void ClassPickList::pick(QListWidgetItem* item) {
    hide();
    if (item != nullptr) {
        emit picked(item->text());
    }
}

void ClassPickList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QListWidget::keyPressEvent(event);
}

}  // namespace kelvo
