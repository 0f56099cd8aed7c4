#pragma once
// A class pick list (cbOtvori, cbOtvori2, cbValove, cbValove2): the catalogue of tolerance classes
// of one side and size band, dropped down under its button, preferred classes in bold.

#include <QListWidget>

#include "core/tolerance_types.h"
#include "design/size_band.h"

namespace kelvo {

class ClassPickList : public QListWidget {
    Q_OBJECT

  public:
    ClassPickList(Side side, SizeBand band, QWidget* parent);

    Side side() const { return side_; }
    // Drops the list down under `anchor`.
    void popUp(QWidget* anchor);

    // The component name of the list of a side and band.
    static QString componentName(Side side, SizeBand band);

  signals:
    void picked(const QString& className);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void pick(QListWidgetItem* item);

    Side side_;
};

}  // namespace kelvo
