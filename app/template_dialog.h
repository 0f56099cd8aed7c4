#pragma once
// The template list of the print list: its entries with the default in bold, a name and a file
// field, and the buttons Add, Delete, Default, Edit, file choice, OK, Cancel and Help.

#include <QDialog>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <vector>

#include "output/print_list.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace kelvo {

class DocumentOpener;
class TemplateFileChooser;

class TemplateDialog : public QDialog {
    Q_OBJECT

  public:
    struct Services {
        TemplateFileChooser& chooser;
        DocumentOpener& opener;
        std::function<void()> help;  // the help button; disabled when empty
    };

    // `texts`: the thirteen print list texts (slot n at n - 1). `defaultIndex` -1 for none.
    TemplateDialog(std::vector<PrintListEntry> entries, int defaultIndex,
                   std::filesystem::path programFolder, const QStringList& texts, Services services,
                   QWidget* parent = nullptr);

    const std::vector<PrintListEntry>& entries() const { return entries_; }
    // The entry that carries the default mark, -1 when none does.
    int defaultIndex() const { return defaultIndex_; }
    int selectedIndex() const { return selected_; }
    void select(int index);

  private:
    void createControls(const QStringList& texts);
    void refreshList();
    void showSelected();
    void addTemplates();
    void deleteSelected();
    void markDefault();
    void editSelected();
    void chooseFile();

    std::vector<PrintListEntry> entries_;
    int defaultIndex_ = -1;
    int selected_ = -1;
    std::filesystem::path programFolder_;
    Services services_;

    QListWidget* list_ = nullptr;
    QLineEdit* edName_ = nullptr;
    QLineEdit* edFile_ = nullptr;
    QPushButton* btnAdd_ = nullptr;
    QPushButton* btnDelete_ = nullptr;
    QPushButton* btnDefault_ = nullptr;
    QPushButton* btnEdit_ = nullptr;
    QToolButton* btnFile_ = nullptr;
    QPushButton* btnOk_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    QPushButton* btnHelp_ = nullptr;
};

}  // namespace kelvo
