#pragma once
// The preferred numbers picker (TfrmRedove): a series of ISO 3 and a table of its numbers over six
// decades; the chosen number becomes the nominal size in mm.

#include <QDialog>

#include "model/preferred_numbers_picker.h"

class QComboBox;
class QLabel;
class QTableWidget;
class QToolButton;

namespace kelvo {

class TfrmRedove : public QDialog {
    Q_OBJECT

  public:
    explicit TfrmRedove(char decimalSeparator = '.', QWidget* parent = nullptr);

    // The chosen number in mm, 0 when nothing was chosen.
    double chosenValueMm() const { return picker_.ChosenValueMm(); }
    const PreferredNumbersPicker& picker() const { return picker_; }

    // Opens the picker modally (button BitBtn3) and returns the chosen number in mm, or 0.
    static double pickNumber(QWidget* parent, char decimalSeparator);

    QComboBox* cbRedove = nullptr;
    QTableWidget* table = nullptr;
    QToolButton* btnSelect = nullptr;
    QToolButton* btnCancel = nullptr;

  protected:
    // Enter selects the current cell, like the Select button.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void applyTexts();
    void fillTable();
    void seriesChanged(int index);
    void select();

    PreferredNumbersPicker picker_;
    QLabel* seriesLabel_ = nullptr;
};

}  // namespace kelvo
