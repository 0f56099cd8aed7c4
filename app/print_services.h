#pragma once
// What the print list asks of the desktop: opening a document with its application, and the
// file dialogs of the template list. Both are interfaces so that tests can answer them.

#include <QString>
#include <QStringList>
#include <string>

#include "output/template_engine.h"

class QWidget;

namespace kelvo {

// Opens documents through the desktop's associations. A true answer only says that the desktop
// accepted the request; whether an application really showed the document cannot be known.
class DesktopDocumentOpener : public DocumentOpener {
  public:
    bool Open(const std::filesystem::path& document) override;
    std::string LastError() const override { return lastError_; }

  private:
    std::string lastError_;
};

// The template list's file dialogs: the chosen files, none when cancelled.
class TemplateFileChooser {
  public:
    virtual ~TemplateFileChooser() = default;
    // `multiple`: the Add button's dialog, which takes one or more files; otherwise one file.
    virtual QStringList chooseFiles(QWidget* parent, const QString& startFolder, bool multiple) = 0;
};

// The file dialogs: filter "RTF Files" (*.rtf) and "Text Files" (*.*), default extension .rtf.
class DialogTemplateFileChooser : public TemplateFileChooser {
  public:
    QStringList chooseFiles(QWidget* parent, const QString& startFolder, bool multiple) override;
};

}  // namespace kelvo
