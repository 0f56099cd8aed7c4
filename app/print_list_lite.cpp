#include "app/print_list_lite.h"

#include "output/print_list_keep.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QToolButton>

#include "app/data_location.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/print_services.h"
#include "app/qt_text.h"
#include "app/template_dialog.h"
#include "i18n/settings.h"
#include "output/print_record.h"

namespace kelvo {

PrintListLite::PrintListLite(QWidget* owner, QMenu* menu, QToolButton* printButton,
                             SettingsStore& store, const MainWindowModel& model)
    : QObject(owner),
      owner_(owner),
      menu_(menu),
      printButton_(printButton),
      store_(store),
      model_(model),
      programFolder_(ProgramDataFolder()),
      codes_(MainWindowCodeTable()),
      host_(std::make_unique<MainWindowPrintHost>(model)),
      desktopOpener_(std::make_unique<DesktopDocumentOpener>()),
      dialogChooser_(std::make_unique<DialogTemplateFileChooser>()),
      opener_(desktopOpener_.get()),
      chooser_(dialogChooser_.get()) {
    connect(printButton_, &QToolButton::clicked, this, &PrintListLite::printDefault);
}

PrintListLite::~PrintListLite() = default;

void PrintListLite::setProgramFolder(const std::filesystem::path& folder) {
    programFolder_ = folder;
}

void PrintListLite::setDocumentOpener(DocumentOpener* opener) {
    opener_ = opener != nullptr ? opener : desktopOpener_.get();
}

void PrintListLite::setFileChooser(TemplateFileChooser* chooser) {
    chooser_ = chooser != nullptr ? chooser : dialogChooser_.get();
}

void PrintListLite::rebuildMenu() {
    for (QAction* action : entryActions_) {
        menu_->removeAction(action);
        action->deleteLater();
    }
    entryActions_.clear();
    const int storedDefault = Settings(store_).DefaultTemplateIndex();
    menuEntries_ =
        EntriesWithTemplates(LoadPrintList(PrintListLocationFor(programFolder_)), programFolder_);
    defaultIndex_ = ResolveDefaultIndex(storedDefault, menuEntries_.size());
    QAction* before = menu_->actions().value(0);
    for (std::size_t index = 0; index < menuEntries_.size(); ++index) {
        const PrintListEntry entry = menuEntries_[index];
        auto* action = new QAction(ToQString(entry.Name), menu_);
        action->setToolTip(ToQString(entry.TemplatePath));
        action->setStatusTip(action->toolTip());
        if (static_cast<int>(index) == defaultIndex_) {
            QFont font = action->font();
            font.setBold(true);
            action->setFont(font);
        }
        connect(action, &QAction::triggered, this, [this, entry] { print(entry); });
        menu_->insertAction(before, action);
        entryActions_.push_back(action);
    }
    menu_->setToolTipsVisible(true);
}

void PrintListLite::printDefault() {
    if (defaultIndex_ >= 0 && defaultIndex_ < static_cast<int>(menuEntries_.size())) {
        print(menuEntries_[defaultIndex_]);
    }
}

PrintOutcome PrintListLite::print(const PrintListEntry& entry) {
    const PrintSetup setup{codes_, programFolder_, tempFolder_};
    PrintOutcome outcome = PrintEntry(entry.TemplatePath, setup, host_.get(), *opener_);
    showMessages(outcome);
    return outcome;
}

void PrintListLite::showMessages(const PrintOutcome& outcome) {
    for (const PrintMessage& message : outcome.Messages) {
        const QString caption = message.Kind == PrintMessageKind::Exception
                                    ? ToQString(kExceptionCaption)
                                    : QApplication::applicationDisplayName();
        QMessageBox::critical(owner_, caption, ToQString(message.Text));
    }
}

void PrintListLite::showTemplateDialog() {
    const auto* window = qobject_cast<const TfrmZuzivOdi*>(owner_);
    const QStringList texts = window != nullptr ? window->printListTexts() : QStringList();
    TemplateDialog dialog(
        menuEntries_, defaultIndex_, programFolder_, texts,
        {*chooser_, *opener_, [this] { ShowHelpTopic(owner_, HelpTopicKind::Print); }}, owner_);
    emit templateDialogOpened(&dialog);
    if (dialog.exec() == QDialog::Accepted) {
        saveFromDialog(dialog);
    }
}

void PrintListLite::saveFromDialog(const TemplateDialog& dialog) {
    // Entries whose template is away for now (an unplugged drive) are not shown in the
    // dialog; they are written back so that OK does not cost the user them.
    const PrintListLocation location = PrintListLocationFor(programFolder_);
    const PrintListSaveResult saved = SavePrintList(
        location, EntriesToSave(dialog.entries(), LoadPrintList(location), programFolder_));
    if (!saved.Ok()) {
        QMessageBox::critical(owner_, ToQString(kExceptionCaption), ToQString(saved.Error));
    }
    if (dialog.defaultIndex() >= 0) {
        Settings(store_).WriteDefaultTemplateIndex(dialog.defaultIndex());
    }
    rebuildMenu();
}

}  // namespace kelvo
