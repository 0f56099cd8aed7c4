#pragma once
// The input area of the main window: the input method frame (cbMetodi, cbStTGR), the nominal size
// and the three input pages of nbParam (tolerance classes, limit sizes, limit deviations). It only
// lays the controls out; the main window binds them to the model.

#include <QWidget>
#include <array>

#include "model/main_model.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace kelvo {

class InputArea : public QWidget {
    Q_OBJECT

  public:
    explicit InputArea(QWidget* parent = nullptr);

    void applyWindowTexts();
    // A numeric field of the window: digits, one separator ("." or ","), a leading minus.
    static void makeNumeric(QLineEdit* field);

    QGroupBox* GroupBox2 = nullptr;
    QComboBox* cbMetodi = nullptr;
    QLabel* Label25 = nullptr;
    QComboBox* cbStTGR = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* edNominal = nullptr;
    QToolButton* BitBtn3 = nullptr;
    QStackedWidget* nbParam = nullptr;

    // Page 0: tolerance classes.
    QLabel* Label22 = nullptr;
    QLabel* Label23 = nullptr;
    QComboBox* cbLetter_o = nullptr;
    QComboBox* cbIT_o = nullptr;
    QToolButton* BitBtn1 = nullptr;
    QComboBox* cbLetter_v = nullptr;
    QComboBox* cbIT_v = nullptr;
    QToolButton* BitBtn2 = nullptr;
    QPushButton* bbnSglobka = nullptr;
    QPushButton* bbnDesign = nullptr;

    // Pages 1 and 2: the eight non-standard fields, in NonStdField order.
    std::array<QLineEdit*, kNonStdFieldCount> nonStdFields{};
    QLabel *Label35 = nullptr, *Label36 = nullptr, *Label24 = nullptr, *Label26 = nullptr;
    QLabel *ULabel7 = nullptr, *ULabel8 = nullptr;
    QLabel *Label33 = nullptr, *Label34 = nullptr, *Label29 = nullptr, *Label31 = nullptr;
    QLabel *Label30 = nullptr, *Label32 = nullptr;

  private:
    QWidget* createMethodFrame();
    QWidget* createClassPage();
    QWidget* createLimitSizePage();
    QWidget* createDeviationPage();
    QLineEdit* createField(NonStdField field, const char* name);
};

}  // namespace kelvo
