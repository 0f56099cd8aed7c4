#pragma once
// The design page of the side panel ("Design"): the inputs of the fit design search, its search
// button and the result grid drgrDesign; a click on a result loads that fit.

#include <QWidget>

#include "model/design_search.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace kelvo {

class CellGridWidget;

class DesignPanelWidget : public QWidget {
    Q_OBJECT

  public:
    DesignPanelWidget(MainWindowModel& model, ModelView& view, QWidget* parent = nullptr);

    const DesignPanelState& state() const { return panel_; }
    CellGridWidget* resultGrid() const { return drgrDesign_; }

    // Opening the panel: area 0, hole basis, clearance, both limits 0.
    void open();
    // The values kept in the settings store.
    void setResultLimit(int index);
    void setStandardOnly(bool on);
    int resultLimit() const { return panel_.ResultLimit; }
    bool standardOnly() const { return panel_.StandardOnly; }

    // The limit fields follow the model (after a unit switch); the grid is repainted.
    void refreshFromModel();
    void applyWindowTexts();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  signals:
    // The search or a clicked result changed the model's classes.
    void modelChanged();

  private:
    void createControls();
    void layOut();
    void connectControls();
    void showState();
    void showGivenClasses();
    void runSearch();
    void onResultClicked(int row);

    MainWindowModel& model_;
    ModelView& view_;
    DesignPanelState panel_;

    QComboBox* cbIT_ = nullptr;
    QComboBox* cbDVon_ = nullptr;
    QComboBox* cbDBis_ = nullptr;
    QComboBox* cbDSystem_ = nullptr;
    QComboBox* cbDSgl_ = nullptr;
    QComboBox* cbDType_ = nullptr;
    QLabel* lblMax_ = nullptr;
    QLabel* lblMin_ = nullptr;
    QLineEdit* edMaxV_ = nullptr;
    QLineEdit* edMinV_ = nullptr;
    QCheckBox* chbDSel_ = nullptr;
    QComboBox* cbPart_ = nullptr;
    QPushButton* btnShow_ = nullptr;
    QScrollArea* gridArea_ = nullptr;
    CellGridWidget* drgrDesign_ = nullptr;
};

}  // namespace kelvo
