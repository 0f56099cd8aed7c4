#pragma once
// The standard fits page of the side panel ("Sglobka"): fit system, fit type and the list of the
// standard fits of that section, preferred fits in bold; a click loads the fit.

#include <QWidget>

#include "model/fit_selection.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace kelvo {

class StandardFitsPanelWidget : public QWidget {
    Q_OBJECT

  public:
    StandardFitsPanelWidget(MainWindowModel& model, QWidget* parent = nullptr);

    const StandardFitsPanel& state() const { return panel_; }
    QListWidget* list() const { return lbSgl_sel_; }

    // Both selectors to their first items (the window's first showing).
    void selectFirstItems();
    // The panel button's press, opening or closing: the list is built again.
    void rebuildList();
    // Bold marks follow the size band at drawing time.
    void refreshLook();
    void applyWindowTexts();

  signals:
    // A fit was loaded into the model.
    void modelChanged();

  private:
    void fillList();
    void onSystemActivated(int index);
    void onTypeActivated(int index);
    void onChoiceClicked(int row);

    MainWindowModel& model_;
    StandardFitsPanel panel_;
    QComboBox* cbSystem_ = nullptr;
    QComboBox* cbType_ = nullptr;
    QListWidget* lbSgl_sel_ = nullptr;
};

}  // namespace kelvo
