#pragma once
// Puts the language texts of the main window's captions and hints onto the controls that carry
// those component names, and gives captions keyboard mnemonics.

#include <QSet>
#include <QString>

class QWidget;

namespace kelvo {

// Captions and hints from MainWindowControlTexts, looked up by object name under `window` (the
// window itself answers to "frmZuzivOdi"). Menus and buttons get a mnemonic; leading blanks of
// a text are kept in labels only, where they are part of the design.
void ApplyControlTexts(QWidget* window);

// The text with "&" before its first letter that is not in `used` (which it then joins); an "&"
// in the text itself is doubled. Without a free letter the text gets no mnemonic.
QString WithMnemonic(const QString& text, QSet<QChar>& used);

// The text without its mnemonic marks, as the user reads it.
QString WithoutMnemonic(QString text);

}  // namespace kelvo
