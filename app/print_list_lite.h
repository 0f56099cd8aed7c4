#pragma once
// The main window's print list: fills the print menu (the print button's drop-down and
// Edit > Print) with the templates of zuzivodi.pls, prints the chosen one through the template
// engine and runs the template list dialog.

#include <QObject>
#include <QStringList>
#include <filesystem>
#include <memory>
#include <vector>

#include "output/print_list.h"
#include "output/print_record_set.h"
#include "output/template_engine.h"

class QAction;
class QMenu;
class QToolButton;
class QWidget;

namespace kelvo {

class MainWindowModel;
class MainWindowPrintHost;
class SettingsStore;
class TemplateDialog;
class TemplateFileChooser;

class PrintListLite : public QObject {
    Q_OBJECT

  public:
    // `menu` ends with a separator and the "Templates" item; the entries go before them.
    PrintListLite(QWidget* owner, QMenu* menu, QToolButton* printButton, SettingsStore& store,
                  const MainWindowModel& model);
    ~PrintListLite() override;

    // What "$(KELVO)\" stands for and where the list lives (the program's data folder).
    void setProgramFolder(const std::filesystem::path& folder);
    const std::filesystem::path& programFolder() const { return programFolder_; }
    // The private folder for filled copies; empty for the user's temporary folder.
    void setTempFolder(const std::filesystem::path& folder) { tempFolder_ = folder; }
    // Replace the desktop's opener and file dialogs (tests answer them).
    void setDocumentOpener(DocumentOpener* opener);
    void setFileChooser(TemplateFileChooser* chooser);

    // Reads the list and the default index and rebuilds the menu.
    void rebuildMenu();
    // The menu's entries in order, and the default among them (-1 when there is none).
    const std::vector<PrintListEntry>& menuEntries() const { return menuEntries_; }
    int defaultIndex() const { return defaultIndex_; }
    // The print button: the default entry.
    void printDefault();
    PrintOutcome print(const PrintListEntry& entry);
    // The "Templates" item: the dialog, modal; saves on OK. The dialog is reported just before it
    // runs, so that tests can drive it.
    void showTemplateDialog();

  signals:
    void templateDialogOpened(TemplateDialog* dialog);

  private:
    void showMessages(const PrintOutcome& outcome);
    void saveFromDialog(const TemplateDialog& dialog);

    QWidget* owner_;
    QMenu* menu_;
    QToolButton* printButton_;
    SettingsStore& store_;
    const MainWindowModel& model_;
    std::filesystem::path programFolder_;
    std::filesystem::path tempFolder_;
    CodeTable codes_;
    std::unique_ptr<MainWindowPrintHost> host_;
    std::unique_ptr<DocumentOpener> desktopOpener_;
    std::unique_ptr<TemplateFileChooser> dialogChooser_;
    DocumentOpener* opener_;
    TemplateFileChooser* chooser_;
    std::vector<PrintListEntry> menuEntries_;
    std::vector<QAction*> entryActions_;
    int defaultIndex_ = -1;
};

}  // namespace kelvo
