#include "app/input_area.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "core/tolerance_types.h"
#include "i18n/window_texts.h"

namespace kelvo {

namespace {

// Language keys of the hints of the list buttons.
constexpr int kHoleKey = 1, kShaftKey = 2;
constexpr int kPreferredNumbersKey = 87;

QLabel* NamedLabel(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QLatin1String(name));
    return label;
}

QComboBox* NamedCombo(const char* name) {
    auto* combo = new QComboBox;
    combo->setObjectName(QLatin1String(name));
    return combo;
}

template <std::size_t N>
void FillItems(QComboBox* combo, const std::array<std::string_view, N>& texts) {
    for (const std::string_view text : texts) {
        combo->addItem(ToQString(text));
    }
}

}  // namespace

InputArea::InputArea(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(createMethodFrame());

    GroupBox3 = new QGroupBox;
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    auto* basic = new QVBoxLayout(GroupBox3);
    auto* nominalRow = new QHBoxLayout;
    Label1 = NamedLabel("Label1");
    edNominal = new QLineEdit;
    edNominal->setObjectName(QStringLiteral("edNominal"));
    makeNumeric(edNominal);
    Label1->setBuddy(edNominal);
    BitBtn3 = new QToolButton;
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn3->setIcon(QIcon(QStringLiteral(":/icons/preferred_numbers.svg")));
    nominalRow->addWidget(Label1);
    nominalRow->addWidget(edNominal, 1);
    nominalRow->addWidget(BitBtn3);
    basic->addLayout(nominalRow);

    nbParam = new QStackedWidget;
    nbParam->setObjectName(QStringLiteral("nbParam"));
    nbParam->addWidget(createClassPage());
    nbParam->addWidget(createLimitSizePage());
    nbParam->addWidget(createDeviationPage());
    basic->addWidget(nbParam);
    layout->addWidget(GroupBox3);
}

void InputArea::makeNumeric(QLineEdit* field) {
    static const QRegularExpression number(QStringLiteral("-?[0-9]*([.,][0-9]*)?"));
    field->setValidator(new QRegularExpressionValidator(number, field));
}

QWidget* InputArea::createMethodFrame() {
    GroupBox2 = new QGroupBox;
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto* layout = new QGridLayout(GroupBox2);
    cbMetodi = NamedCombo("cbMetodi");
    cbMetodi->addItems({QString(), QString(), QString()});
    Label25 = NamedLabel("Label25");
    cbStTGR = NamedCombo("cbStTGR");
    // The standards' names are not translated.
    cbStTGR->addItems({QStringLiteral("ISO 286-1:1988"), QStringLiteral("ISO/R 1938:1971")});
    cbStTGR->setEnabled(false);
    Label25->setBuddy(cbStTGR);
    layout->addWidget(cbMetodi, 0, 0, 1, 3);
    layout->addWidget(Label25, 1, 0);
    layout->addWidget(cbStTGR, 1, 1);
    layout->setColumnStretch(2, 1);
    return GroupBox2;
}

QWidget* InputArea::createClassPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet5"));
    auto* layout = new QGridLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    Label22 = NamedLabel("Label22");
    Label23 = NamedLabel("Label23");
    cbLetter_o = NamedCombo("cbLetter_o");
    cbIT_o = NamedCombo("cbIT_o");
    cbLetter_v = NamedCombo("cbLetter_v");
    cbIT_v = NamedCombo("cbIT_v");
    FillItems(cbLetter_o, kHoleLetters);
    FillItems(cbLetter_v, kShaftLetters);
    FillItems(cbIT_o, kGradeTexts);
    FillItems(cbIT_v, kGradeTexts);
    for (QComboBox* combo : {cbLetter_o, cbIT_o, cbLetter_v, cbIT_v}) {
        combo->setMaxVisibleItems(20);
    }
    Label22->setBuddy(cbLetter_o);
    Label23->setBuddy(cbLetter_v);
    BitBtn1 = new QToolButton;
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = new QToolButton;
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    for (QToolButton* button : {BitBtn1, BitBtn2}) {
        button->setIcon(QIcon(QStringLiteral(":/icons/class_list.svg")));
    }
    bbnSglobka = new QPushButton;
    bbnSglobka->setObjectName(QStringLiteral("bbnSglobka"));
    bbnDesign = new QPushButton;
    bbnDesign->setObjectName(QStringLiteral("bbnDesign"));

    layout->addWidget(Label22, 0, 0);
    layout->addWidget(cbLetter_o, 0, 1);
    layout->addWidget(cbIT_o, 0, 2);
    layout->addWidget(BitBtn1, 0, 3);
    layout->addWidget(bbnSglobka, 0, 5);
    layout->addWidget(Label23, 1, 0);
    layout->addWidget(cbLetter_v, 1, 1);
    layout->addWidget(cbIT_v, 1, 2);
    layout->addWidget(BitBtn2, 1, 3);
    layout->addWidget(bbnDesign, 1, 5);
    layout->setColumnStretch(4, 1);
    layout->setRowStretch(2, 1);
    return page;
}

QLineEdit* InputArea::createField(NonStdField field, const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    makeNumeric(edit);
    nonStdFields[static_cast<int>(field)] = edit;
    return edit;
}

// One side of a non-standard page: its title over two labelled fields.
static QLayout* SideFields(QLabel* title, QLabel* upperLabel, QLineEdit* upper, QLabel* lowerLabel,
                           QLineEdit* lower) {
    auto* layout = new QGridLayout;
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    upperLabel->setBuddy(upper);
    lowerLabel->setBuddy(lower);
    layout->addWidget(title, 0, 0, 1, 2);
    layout->addWidget(upperLabel, 1, 0);
    layout->addWidget(upper, 1, 1);
    layout->addWidget(lowerLabel, 2, 0);
    layout->addWidget(lower, 2, 1);
    layout->setColumnStretch(1, 1);
    return layout;
}

QWidget* InputArea::createLimitSizePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet6"));
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    Label35 = NamedLabel("Label35");
    Label36 = NamedLabel("Label36");
    Label24 = NamedLabel("Label24");
    Label26 = NamedLabel("Label26");
    ULabel7 = NamedLabel("ULabel7");
    ULabel8 = NamedLabel("ULabel8");
    layout->addLayout(SideFields(Label35, Label24,
                                 createField(NonStdField::HoleUpperLimit, "edMaxR_o"), Label26,
                                 createField(NonStdField::HoleLowerLimit, "edMinR_o")));
    layout->addSpacing(12);
    layout->addLayout(SideFields(Label36, ULabel7,
                                 createField(NonStdField::ShaftUpperLimit, "edMaxR_v"), ULabel8,
                                 createField(NonStdField::ShaftLowerLimit, "edMinR_v")));
    return page;
}

QWidget* InputArea::createDeviationPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet7"));
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    Label33 = NamedLabel("Label33");
    Label34 = NamedLabel("Label34");
    Label29 = NamedLabel("Label29");
    Label31 = NamedLabel("Label31");
    Label30 = NamedLabel("Label30");
    Label32 = NamedLabel("Label32");
    layout->addLayout(SideFields(Label33, Label29, createField(NonStdField::HoleUpperDev, "edGO_o"),
                                 Label31, createField(NonStdField::HoleLowerDev, "edDO_o")));
    layout->addSpacing(12);
    layout->addLayout(SideFields(Label34, Label30,
                                 createField(NonStdField::ShaftUpperDev, "edGO_v"), Label32,
                                 createField(NonStdField::ShaftLowerDev, "edDO_v")));
    return page;
}

void InputArea::applyWindowTexts() {
    // The captions of the labels and frames come from the window's table of control texts;
    // here the entries of the method selector and the hints of the list buttons.
    const std::vector<std::string> methods = InputMethodItems();
    for (int item = 0; item < cbMetodi->count() && item < static_cast<int>(methods.size());
         ++item) {
        cbMetodi->setItemText(item, ToQString(methods[item]));
    }
    BitBtn1->setToolTip(LangQ(kHoleKey).trimmed());
    BitBtn2->setToolTip(LangQ(kShaftKey).trimmed());
    BitBtn3->setToolTip(LangQ(kPreferredNumbersKey).trimmed());
}

}  // namespace kelvo
