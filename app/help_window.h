#pragma once
// The help viewer: the pages of the help of each language in a browser with back, forward and
// home, following the links between pages. A help link names the help file, "::/" and the topic
// ("ZuzivOdi_EN.chm::/PRINTEN.htm"); see i18n/help_topics.h for where the pages are looked for.

#include <QStringList>
#include <QWidget>

#include "i18n/help_topics.h"

class QTextBrowser;
class QToolButton;

namespace kelvo {

class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the page of a help link; false (and a short note in the window) when the link names
    // no page that exists.
    bool showLink(const QString& link);
    // The page shown, as a URL ("qrc:/help/..." or "file:///...").
    QUrl currentPage() const;

    // The places the help folders are looked for, in order: the folder named by the environment
    // variable KELVO_HELP_DIR, the pages built into the program, "help" beside the program and
    // "../share/kelvo/help" from it.
    static QStringList helpRoots();

    QTextBrowser* browser = nullptr;
    QToolButton* btnBack = nullptr;
    QToolButton* btnForward = nullptr;
    QToolButton* btnHome = nullptr;

  private:
    void showHome();
    void updateTitle();

    HelpLink home_;
};

// The help button, the help menu item and the print list's help button: shows `link` in the
// help window of `owner` (created on first use and kept, one per owner) and brings it to the front.
void ShowHelp(QWidget* owner, const QString& link);
// The same for a topic of the current language.
void ShowHelpTopic(QWidget* owner, HelpTopicKind kind);

}  // namespace kelvo
