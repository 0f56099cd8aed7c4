#include "app/design_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

#include "app/cell_grid_widget.h"
#include "app/combo_items.h"
#include "app/input_area.h"
#include "app/qt_text.h"
#include "model/design_grid.h"
#include "model/fit_selection.h"

namespace kelvo {

namespace {

// The fit column is narrower than the three numbers.
const std::vector<int> kResultColumnWeights = {5, 6, 6, 6};

QComboBox* NamedCombo(const char* name) {
    auto* combo = new QComboBox;
    combo->setObjectName(QLatin1String(name));
    // The panel widens to its longest entry in any language.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QLabel* NamedLabel(const char* name, QWidget* buddy) {
    auto* label = new QLabel;
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    return label;
}

void SelectText(QComboBox* combo, const std::string& text) {
    combo->setCurrentIndex(combo->findText(ToQString(text)));
}

}  // namespace

DesignPanelWidget::DesignPanelWidget(MainWindowModel& model, ModelView& view, QWidget* parent)
    : QWidget(parent), model_(model), view_(view) {
    setObjectName(QStringLiteral("Design"));
    createControls();
    layOut();
    connectControls();
    applyWindowTexts();
    showState();
}

void DesignPanelWidget::createControls() {
    cbIT_ = NamedCombo("cbIT");
    cbDVon_ = NamedCombo("cbDVon");
    cbDBis_ = NamedCombo("cbDBis");
    for (QComboBox* grades : {cbDVon_, cbDBis_}) {
        for (const std::string_view grade : kGradeTexts) {
            grades->addItem(ToQString(grade));
        }
        grades->setMaxVisibleItems(20);
    }
    cbDSystem_ = NamedCombo("cbDSystem");
    cbDSgl_ = NamedCombo("cbDSgl");
    cbDSgl_->setMaxVisibleItems(20);
    cbDType_ = NamedCombo("cbDType");
    edMaxV_ = new QLineEdit;
    edMaxV_->setObjectName(QStringLiteral("edMaxV"));
    edMinV_ = new QLineEdit;
    edMinV_->setObjectName(QStringLiteral("edMinV"));
    for (QLineEdit* field : {edMaxV_, edMinV_}) {
        InputArea::makeNumeric(field);
    }
    lblMax_ = NamedLabel("lblMax", edMaxV_);
    lblMin_ = NamedLabel("lblMin", edMinV_);
    chbDSel_ = new QCheckBox;
    chbDSel_->setObjectName(QStringLiteral("chbDSel"));
    cbPart_ = NamedCombo("cbPart");
    btnShow_ = new QPushButton;
    btnShow_->setObjectName(QStringLiteral("btnShow"));
    btnShow_->setDefault(false);

    drgrDesign_ = new CellGridWidget(DesignGridGeometry(panel_), [this](int row, int column) {
        return DesignGridCell(model_, panel_, row, column);
    });
    drgrDesign_->setObjectName(QStringLiteral("drgrDesign"));
    drgrDesign_->setColumnWeights(kResultColumnWeights);
    drgrDesign_->setMinimumColumnWidth(60);
    drgrDesign_->setFocusPolicy(Qt::StrongFocus);
    drgrDesign_->installEventFilter(this);
    gridArea_ = new QScrollArea;
    gridArea_->setWidget(drgrDesign_);
    gridArea_->setWidgetResizable(true);
    gridArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gridArea_->setAlignment(Qt::AlignTop);
}

void DesignPanelWidget::layOut() {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 0, 0, 0);
    int row = 0;
    layout->addWidget(NamedLabel("ULabel3", cbIT_), row++, 0, 1, 2);
    layout->addWidget(cbIT_, row++, 0, 1, 2);
    layout->addWidget(cbDVon_, row, 0);
    layout->addWidget(cbDBis_, row++, 1);
    layout->addWidget(NamedLabel("ULabel4", cbDSystem_), row++, 0, 1, 2);
    layout->addWidget(cbDSystem_, row, 0);
    layout->addWidget(cbDSgl_, row++, 1);
    layout->addWidget(NamedLabel("ULabel6", cbDType_), row++, 0, 1, 2);
    layout->addWidget(cbDType_, row++, 0, 1, 2);
    layout->addWidget(lblMax_, row, 0);
    layout->addWidget(lblMin_, row++, 1);
    layout->addWidget(edMaxV_, row, 0);
    layout->addWidget(edMinV_, row++, 1);
    layout->addWidget(chbDSel_, row++, 0, 1, 2);
    auto* resultLabel = NamedLabel("ULabel5", cbPart_);
    layout->addWidget(resultLabel, row, 0);
    layout->addWidget(cbPart_, row++, 1);
    layout->addWidget(btnShow_, row++, 0, 1, 2);
    layout->addWidget(gridArea_, row, 0, 1, 2);
    layout->setRowStretch(row, 1);
}

void DesignPanelWidget::connectControls() {
    connect(cbIT_, &QComboBox::activated, this, [this](int area) {
        ChooseApplicationArea(panel_, area, model_.NominalSize);
        showState();
    });
    connect(cbDVon_, &QComboBox::activated, this,
            [this] { panel_.GradeFrom = ToUtf8(cbDVon_->currentText()); });
    connect(cbDBis_, &QComboBox::activated, this,
            [this] { panel_.GradeTo = ToUtf8(cbDBis_->currentText()); });
    connect(cbDSystem_, &QComboBox::activated, this, [this](int basis) {
        ChooseDesignBasis(panel_, static_cast<DesignBasisKind>(basis), model_.NominalSize);
        showState();
    });
    connect(cbDSgl_, &QComboBox::activated, this, [this](int index) { panel_.GivenClass = index; });
    connect(cbDType_, &QComboBox::activated, this, [this](int type) {
        ChooseDesignType(panel_, static_cast<FitType>(type), model_);
        showState();
    });
    connect(edMaxV_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.OnDesignLimitEdited(true, ToUtf8(text)); });
    connect(edMinV_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.OnDesignLimitEdited(false, ToUtf8(text)); });
    connect(chbDSel_, &QCheckBox::toggled, this, [this](bool on) { panel_.StandardOnly = on; });
    connect(cbPart_, &QComboBox::activated, this,
            [this](int index) { panel_.ResultLimit = index; });
    connect(btnShow_, &QPushButton::clicked, this, &DesignPanelWidget::runSearch);
    for (QLineEdit* field : {edMaxV_, edMinV_}) {
        connect(field, &QLineEdit::returnPressed, this, &DesignPanelWidget::runSearch);
    }
    connect(drgrDesign_, &CellGridWidget::cellClicked, this,
            [this](int row, int) { onResultClicked(row); });
}

void DesignPanelWidget::open() {
    OpenDesignPanel(panel_, model_);
    showState();
}

void DesignPanelWidget::setResultLimit(int index) {
    panel_.ResultLimit = index;
    cbPart_->setCurrentIndex(index);
}

void DesignPanelWidget::setStandardOnly(bool on) {
    panel_.StandardOnly = on;
    chbDSel_->setChecked(on);
}

void DesignPanelWidget::showState() {
    cbIT_->setCurrentIndex(panel_.ApplicationArea);
    SelectText(cbDVon_, panel_.GradeFrom);
    SelectText(cbDBis_, panel_.GradeTo);
    cbDVon_->setEnabled(panel_.GradeSelectorsEnabled);
    cbDBis_->setEnabled(panel_.GradeSelectorsEnabled);
    cbDSystem_->setCurrentIndex(static_cast<int>(panel_.DesignBasis));
    showGivenClasses();
    cbDType_->setCurrentIndex(static_cast<int>(panel_.DesignType));
    lblMax_->setText(ToQString(MaxFieldCaption(panel_.DesignType)));
    lblMin_->setText(ToQString(MinFieldCaption(panel_.DesignType)));
    refreshFromModel();
}

void DesignPanelWidget::showGivenClasses() {
    const QSignalBlocker blocker(cbDSgl_);
    cbDSgl_->clear();
    for (const GivenClassEntry& entry : panel_.GivenClassList) {
        cbDSgl_->addItem(ToQString(entry.Name));
        if (entry.Bold) {
            QFont bold = cbDSgl_->font();
            bold.setBold(true);
            cbDSgl_->setItemData(cbDSgl_->count() - 1, bold, Qt::FontRole);
        }
    }
    cbDSgl_->setCurrentIndex(panel_.GivenClass);
    cbDSgl_->setVisible(panel_.GivenClassListShown);
}

void DesignPanelWidget::refreshFromModel() {
    if (edMaxV_->text() != ToQString(model_.DesignMaxText)) {
        edMaxV_->setText(ToQString(model_.DesignMaxText));
    }
    if (edMinV_->text() != ToQString(model_.DesignMinText)) {
        edMinV_->setText(ToQString(model_.DesignMinText));
    }
    drgrDesign_->setGridGeometry(DesignGridGeometry(panel_));
    drgrDesign_->setHighlightedRow(panel_.SelectedRow);
    drgrDesign_->update();
}

void DesignPanelWidget::runSearch() {
    // The search button holds the focus while the candidates are calculated.
    btnShow_->setFocus();
    RunDesignSearch(model_, panel_, &view_);
    refreshFromModel();
    gridArea_->verticalScrollBar()->setValue(0);
    drgrDesign_->setFocus();
    emit modelChanged();
}

bool DesignPanelWidget::eventFilter(QObject* watched, QEvent* event) {
    // Up and Down step through the results as clicks on the neighbouring rows do.
    if (watched == drgrDesign_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            const int step = key == Qt::Key_Up ? -1 : 1;
            const int row = std::clamp(panel_.SelectedRow + step, 1, drgrDesign_->rowCount() - 1);
            onResultClicked(row);
            const QRect rect = drgrDesign_->cellRect(row, 0);
            gridArea_->ensureVisible(rect.center().x(), rect.center().y(), 0, rect.height());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DesignPanelWidget::onResultClicked(int row) {
    if (ClickDesignRow(model_, panel_, row)) {
        emit modelChanged();
    }
    drgrDesign_->setHighlightedRow(panel_.SelectedRow);
}

void DesignPanelWidget::applyWindowTexts() {
    ReplaceComboItems(cbIT_, ApplicationAreaItemTexts());
    ReplaceComboItems(cbDSystem_, DesignBasisItemTexts());
    ReplaceComboItems(cbDType_, FitTypeItemTexts());
    ReplaceComboItems(cbPart_, ResultLimitItemTexts());
    lblMax_->setText(ToQString(MaxFieldCaption(panel_.DesignType)));
    lblMin_->setText(ToQString(MinFieldCaption(panel_.DesignType)));
    drgrDesign_->update();
}

}  // namespace kelvo
