#include "app/standard_fits_panel.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/combo_items.h"
#include "app/qt_text.h"

namespace kelvo {

namespace {

QLabel* NamedLabel(const char* name, QWidget* buddy) {
    auto* label = new QLabel;
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    return label;
}

}  // namespace

StandardFitsPanelWidget::StandardFitsPanelWidget(MainWindowModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("Sglobka"));
    cbSystem_ = new QComboBox;
    cbSystem_->setObjectName(QStringLiteral("cbSystem"));
    cbType_ = new QComboBox;
    cbType_->setObjectName(QStringLiteral("cbType"));
    for (QComboBox* combo : {cbSystem_, cbType_}) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    }
    lbSgl_sel_ = new QListWidget;
    lbSgl_sel_->setObjectName(QStringLiteral("lbSgl_sel"));
    lbSgl_sel_->setTextElideMode(Qt::ElideRight);
    lbSgl_sel_->setUniformItemSizes(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 0, 0);
    layout->addWidget(NamedLabel("ULabel1", cbSystem_));
    layout->addWidget(cbSystem_);
    layout->addWidget(NamedLabel("Label2", cbType_));
    layout->addWidget(cbType_);
    layout->addWidget(NamedLabel("ULabel2", lbSgl_sel_));
    layout->addWidget(lbSgl_sel_, 1);

    applyWindowTexts();
    connect(cbSystem_, &QComboBox::activated, this, &StandardFitsPanelWidget::onSystemActivated);
    connect(cbType_, &QComboBox::activated, this, &StandardFitsPanelWidget::onTypeActivated);
    connect(lbSgl_sel_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { onChoiceClicked(lbSgl_sel_->row(item)); });
    connect(lbSgl_sel_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { onChoiceClicked(lbSgl_sel_->row(item)); });
}

void StandardFitsPanelWidget::selectFirstItems() {
    cbSystem_->setCurrentIndex(0);
    cbType_->setCurrentIndex(0);
    panel_.SelectedSystem = FitSystem::HoleBasis;
    panel_.SelectedType = FitType::Clearance;
}

void StandardFitsPanelWidget::rebuildList() {
    panel_.BuildChoices(model_.NominalSize);
    fillList();
}

void StandardFitsPanelWidget::fillList() {
    lbSgl_sel_->clear();
    for (std::size_t index = 0; index < panel_.StandardFitChoices.size(); ++index) {
        lbSgl_sel_->addItem(QString());
    }
    refreshLook();
}

void StandardFitsPanelWidget::refreshLook() {
    for (int row = 0; row < lbSgl_sel_->count(); ++row) {
        const FitChoiceLook look = panel_.DrawChoice(row, model_.NominalSize);
        QListWidgetItem* item = lbSgl_sel_->item(row);
        item->setText(ToQString(look.Text));
        QFont font = lbSgl_sel_->font();
        font.setBold(look.Bold);
        item->setFont(font);
    }
}

void StandardFitsPanelWidget::onSystemActivated(int index) {
    panel_.OnSystemChanged(index >= 0 ? std::optional(static_cast<FitSystem>(index)) : std::nullopt,
                           model_.NominalSize);
    fillList();
}

void StandardFitsPanelWidget::onTypeActivated(int index) {
    panel_.OnTypeChanged(index >= 0 ? std::optional(static_cast<FitType>(index)) : std::nullopt,
                         model_.NominalSize);
    fillList();
}

void StandardFitsPanelWidget::onChoiceClicked(int row) {
    if (panel_.LoadChoice(model_, row)) {
        emit modelChanged();
    }
}

void StandardFitsPanelWidget::applyWindowTexts() {
    ReplaceComboItems(cbSystem_, FitSystemItemTexts());
    ReplaceComboItems(cbType_, FitTypeItemTexts());
}

}  // namespace kelvo
