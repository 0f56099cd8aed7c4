#include "app/print_services.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

namespace kelvo {

bool DesktopDocumentOpener::Open(const std::filesystem::path& document) {
    const QString path = QString::fromStdU16String(document.u16string());
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        lastError_.clear();
        return true;
    }
    lastError_ = "The desktop has no application for this type of document, or could not start it.";
    return false;
}

QStringList DialogTemplateFileChooser::chooseFiles(QWidget* parent, const QString& startFolder,
                                                   bool multiple) {
    QFileDialog dialog(parent, QString(), startFolder,
                       QStringLiteral("RTF Files (*.rtf);;Text Files (*.*)"));
    dialog.setDefaultSuffix(QStringLiteral("rtf"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles();
}

}  // namespace kelvo
