// The main window's bindings: user actions to the model's operations, the model's repaint to the
// controls, and the window's first showing and closing.

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>

#include "app/about_window.h"
#include "app/cell_grid_widget.h"
#include "app/class_pick_list.h"
#include "app/design_panel.h"
#include "app/help_window.h"
#include "app/input_area.h"
#include "app/main_window.h"
#include "app/print_list_lite.h"
#include "app/qt_settings_store.h"
#include "app/qt_text.h"
#include "app/redove_dialog.h"
#include "app/result_pages.h"
#include "app/shema_window.h"
#include "app/standard_fits_panel.h"
#include "app/workpiece_page.h"
#include "i18n/language_state.h"
#include "model/startup.h"
#include "output/clipboard_report.h"

namespace kelvo {

namespace {

void SetTextIfChanged(QLineEdit* field, const std::string& text) {
    const QString shown = ToQString(text);
    if (field->text() != shown) {
        field->setText(shown);
    }
}

void SetIndexIfChanged(QComboBox* combo, int index) {
    if (combo->currentIndex() != index) {
        combo->setCurrentIndex(index);
    }
}

}  // namespace

void TfrmZuzivOdi::connectInputs() {
    InputArea& in = *inputArea_;
    connect(in.cbMetodi, &QComboBox::activated, this, [this](int method) {
        model_.OnMethodChanged(method);
        syncInputs();
    });
    connect(in.cbStTGR, &QComboBox::activated, this, [this](int standard) {
        model_.OnStandardChanged(standard, true);
        syncInputs();
    });
    const auto bindClass = [this](QComboBox* combo, Side side, bool letter) {
        connect(combo, &QComboBox::activated, this, [this, side, letter](int index) {
            if (letter) {
                model_.OnLetterChanged(side, index);
            } else {
                model_.OnGradeChanged(side, index);
            }
            syncInputs();
        });
    };
    bindClass(in.cbLetter_o, Side::Hole, true);
    bindClass(in.cbIT_o, Side::Hole, false);
    bindClass(in.cbLetter_v, Side::Shaft, true);
    bindClass(in.cbIT_v, Side::Shaft, false);

    connect(in.edNominal, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.OnNominalTextChanged(ToUtf8(text));
        syncInputs();
    });
    in.edNominal->installEventFilter(this);
    connect(in.edNominal, &QLineEdit::returnPressed, this, [this] {
        model_.OnEnterKey();
        syncInputs();
    });
    for (int index = 0; index < kNonStdFieldCount; ++index) {
        QLineEdit* field = in.nonStdFields[index];
        const auto which = static_cast<NonStdField>(index);
        connect(field, &QLineEdit::textEdited, this, [this, which](const QString& text) {
            model_.OnNonStdFieldEdited(which, ToUtf8(text));
        });
        connect(field, &QLineEdit::returnPressed, this, [this] {
            model_.OnEnterKey();
            syncInputs();
        });
    }

    connect(in.BitBtn1, &QToolButton::clicked, this,
            [this] { pickList(Side::Hole)->popUp(inputArea_->BitBtn1); });
    connect(in.BitBtn2, &QToolButton::clicked, this,
            [this] { pickList(Side::Shaft)->popUp(inputArea_->BitBtn2); });
    connect(in.BitBtn3, &QToolButton::clicked, this, &TfrmZuzivOdi::pickPreferredNumber);
    connect(in.bbnSglobka, &QPushButton::clicked, this,
            [this] { toggleSidePanel(SidePanel::StandardFits); });
    connect(in.bbnDesign, &QPushButton::clicked, this,
            [this] { toggleSidePanel(SidePanel::Design); });
    connect(standardFits_, &StandardFitsPanelWidget::modelChanged, this, &TfrmZuzivOdi::syncInputs);
    connect(designPanel_, &DesignPanelWidget::modelChanged, this, &TfrmZuzivOdi::syncInputs);
    connect(resultPages_->workpieceGrid(), &CellGridWidget::painted, this, [this] {
        if (shownOnce_) {
            emit firstPainted();
            disconnect(resultPages_->workpieceGrid(), &CellGridWidget::painted, this, nullptr);
        }
    });
}

void TfrmZuzivOdi::connectCommands() {
    connect(actCalculate_, &QAction::triggered, this, [this] {
        model_.OnCalculate();
        syncInputs();
    });
    connect(actUnits_, &QAction::triggered, this, &TfrmZuzivOdi::switchUnits);
    connect(actCopy_, &QAction::triggered, this, &TfrmZuzivOdi::copyReport);
    // Opening the Edit menu copies the report as well.
    connect(editMenu_, &QMenu::aboutToShow, this, &TfrmZuzivOdi::copyReport);
    connect(actTemplates_, &QAction::triggered, this, &TfrmZuzivOdi::printTemplatesRequested);
    connect(this, &TfrmZuzivOdi::printTemplatesRequested, printList_,
            &PrintListLite::showTemplateDialog);
    connect(actSchema_, &QAction::triggered, this,
            [this] { ShowGaugeSchema(this, model_, resultPages_->currentIndex()); });
    connect(actHelp_, &QAction::triggered, this,
            [this] { ShowHelp(this, helpTopic(CurrentLanguage())); });
    connect(actAbout_, &QAction::triggered, this, [this] { ShowAboutWindow(this); });
    connect(actExit_, &QAction::triggered, this, &QWidget::close);
    for (QAction* action : languageActions_) {
        connect(action, &QAction::triggered, this,
                [this, action] { chooseLanguage(action->data().toInt()); });
    }
}

bool TfrmZuzivOdi::eventFilter(QObject* watched, QEvent* event) {
    // The nominal field's limits are applied when it loses the keyboard focus.
    if (watched == inputArea_->edNominal && event->type() == QEvent::FocusOut) {
        model_.OnNominalEditingFinished();
        syncInputs();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmZuzivOdi::RefreshViews() {
    resultPages_->refresh();
    if (standardFits_->isVisible()) {
        standardFits_->refreshLook();
    }
    syncInputs();
}

void TfrmZuzivOdi::RefreshDesignGrid() {
    designPanel_->refreshFromModel();
}

void TfrmZuzivOdi::ShowMessage(std::string_view text) {
    QMessageBox::warning(this, windowTitle(), ToQString(text));
}

void TfrmZuzivOdi::syncInputs() {
    InputArea& in = *inputArea_;
    SetIndexIfChanged(in.cbMetodi, model_.InputMethod);
    in.nbParam->setCurrentIndex(model_.InputMethod);
    SetIndexIfChanged(in.cbStTGR, model_.ToleranceStandard);
    in.cbStTGR->setEnabled(model_.InputMethod > 0);
    SetIndexIfChanged(in.cbLetter_o, model_.HoleLetter);
    SetIndexIfChanged(in.cbIT_o, model_.HoleGrade);
    SetIndexIfChanged(in.cbLetter_v, model_.ShaftLetter);
    SetIndexIfChanged(in.cbIT_v, model_.ShaftGrade);
    SetTextIfChanged(in.edNominal, model_.NominalText);
    for (int index = 0; index < kNonStdFieldCount; ++index) {
        SetTextIfChanged(in.nonStdFields[index], model_.NonStdTexts[index]);
    }
    if (actUnits_->property("inchMode") != QVariant(model_.InchMode)) {
        actUnits_->setProperty("inchMode", model_.InchMode);
        actUnits_->setIcon(QIcon(model_.InchMode ? QStringLiteral(":/icons/unit_in.svg")
                                                 : QStringLiteral(":/icons/unit_mm.svg")));
    }
    lblNote_->setText(ToQString(UnitNote(model_.InchMode)));
}

void TfrmZuzivOdi::copyReport() {
    QGuiApplication::clipboard()->setText(ToQString(CopyReportText(model_)));
}

void TfrmZuzivOdi::pickPreferredNumber() {
    const double valueMm = TfrmRedove::pickNumber(this, model_.DecimalSeparator);
    if (valueMm > 0) {
        model_.ApplyPreferredNumber(valueMm);
        syncInputs();
    }
}

void TfrmZuzivOdi::switchUnits() {
    inputArea_->edNominal->setFocus();
    model_.SwitchUnits();
    syncInputs();
    actUnits_->setToolTip(LangQ(76) + ToQString(model_.NoteUnit()).chopped(1));
}

void TfrmZuzivOdi::chooseLanguage(int languageNumber) {
    ApplyLanguage(model_, languageNumber, store_);
    showLanguageFlag(languageNumber);
    applyWindowTexts();
    RefreshViews();
}

void TfrmZuzivOdi::toggleSidePanel(SidePanel panel) {
    const bool opening = sidePanel_ != panel;
    sidePanel_ = opening ? panel : SidePanel::None;
    InputArea& in = *inputArea_;
    in.cbMetodi->setEnabled(sidePanel_ == SidePanel::None);
    in.bbnSglobka->setEnabled(sidePanel_ != SidePanel::Design);
    in.bbnDesign->setEnabled(sidePanel_ != SidePanel::StandardFits);
    if (panel == SidePanel::StandardFits) {
        standardFits_->rebuildList();
    } else if (opening) {
        designPanel_->open();
    }
    applySidePanelWidth();
    applyWindowTexts();
}

void TfrmZuzivOdi::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        showWindowFirstTime();
    }
}

void TfrmZuzivOdi::showWindowFirstTime() {
    sidePanel_ = SidePanel::None;
    applySidePanelWidth();
    const WindowSettings stored = ShowWindowFirstTime(model_, store_);
    designPanel_->setResultLimit(stored.resultCountIndex);
    designPanel_->setStandardOnly(stored.standardOnly);
    standardFits_->selectFirstItems();
    resultPages_->setCurrentIndex(ResultPages::Workpiece);
    resultPages_->workpiecePage()->updateZoneChart();
    const int language = CurrentLanguage();
    if (IsLanguageNumber(language)) {
        showLanguageFlag(language);
        applyWindowTexts();
    }
    sideArea_->setCurrentWidget(standardFits_);
    printList_->rebuildMenu();
    RefreshViews();
}

void TfrmZuzivOdi::closeEvent(QCloseEvent* event) {
    WindowSettings settings;
    settings.resultCountIndex = designPanel_->resultLimit();
    settings.standardOnly = designPanel_->standardOnly();
    CloseWindow(model_, settings, store_);
    if (auto* platformStore = dynamic_cast<QtSettingsStore*>(&store_)) {
        platformStore->Flush();
    }
    QMainWindow::closeEvent(event);
}

}  // namespace kelvo
