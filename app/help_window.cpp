#include "app/help_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/qt_text.h"

// The help pages are resources of a static library: they are linked in only when registered.
// Q_INIT_RESOURCE has to be used outside of any namespace.
static void RegisterHelpResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(extras);
        return true;
    }();
    (void)registered;
}

namespace kelvo {

namespace {

constexpr int kHelpTextKey = 72;  // "Help"
const QString kResourceRoot = QStringLiteral(":/help");

std::vector<std::string> ToStdList(const QStringList& list) {
    std::vector<std::string> result;
    for (const QString& item : list) {
        result.push_back(ToUtf8(item));
    }
    return result;
}

// The report of help requests, on when the program was started to write it.
HelpDebugLog& DebugLog() {
    static HelpDebugLog log = [] {
        const QStringList arguments = QCoreApplication::arguments();
        const std::filesystem::path programFolder =
            QCoreApplication::applicationDirPath().toStdString();
        return HelpDebugLog(HelpDebugRequested(ToStdList(arguments), programFolder), programFolder);
    }();
    return log;
}

QUrl PageUrl(const std::string& found, const std::string& anchor) {
    const QString path = ToQString(found);
    QUrl url = path.startsWith(QLatin1Char(':')) ? QUrl(QStringLiteral("qrc") + path)
                                                 : QUrl::fromLocalFile(path);
    if (!anchor.empty()) {
        url.setFragment(ToQString(anchor));
    }
    return url;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    RegisterHelpResources();
    setObjectName(QStringLiteral("HelpWindow"));
    browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("helpBrowser"));
    browser->setOpenExternalLinks(true);
    const auto toolButton = [this](QStyle::StandardPixmap icon, const char* name) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setIcon(style()->standardIcon(icon));
        button->setAutoRaise(true);
        return button;
    };
    btnBack = toolButton(QStyle::SP_ArrowBack, "btnBack");
    btnForward = toolButton(QStyle::SP_ArrowForward, "btnForward");
    btnHome = toolButton(QStyle::SP_DirHomeIcon, "btnHome");
    btnBack->setShortcut(QKeySequence::Back);
    btnForward->setShortcut(QKeySequence::Forward);
    btnBack->setToolTip(btnBack->shortcut().toString(QKeySequence::NativeText));
    btnForward->setToolTip(btnForward->shortcut().toString(QKeySequence::NativeText));
    btnBack->setEnabled(false);
    btnForward->setEnabled(false);

    auto* bar = new QHBoxLayout;
    bar->addWidget(btnBack);
    bar->addWidget(btnForward);
    bar->addWidget(btnHome);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(browser);
    resize(760, 620);

    connect(btnBack, &QToolButton::clicked, browser, &QTextBrowser::backward);
    connect(btnForward, &QToolButton::clicked, browser, &QTextBrowser::forward);
    connect(btnHome, &QToolButton::clicked, this, &HelpWindow::showHome);
    connect(browser, &QTextBrowser::backwardAvailable, btnBack, &QToolButton::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, btnForward, &QToolButton::setEnabled);
    connect(browser, &QTextBrowser::sourceChanged, this, &HelpWindow::updateTitle);
}

QStringList HelpWindow::helpRoots() {
    RegisterHelpResources();
    QStringList roots;
    const QString fromEnvironment = qEnvironmentVariable("KELVO_HELP_DIR");
    if (!fromEnvironment.isEmpty()) {
        roots << QDir::cleanPath(fromEnvironment);
    }
    const QString programFolder = QCoreApplication::applicationDirPath();
    roots << kResourceRoot << programFolder + QStringLiteral("/help")
          << QDir::cleanPath(programFolder + QStringLiteral("/../share/kelvo/help"));
    return roots;
}

bool HelpWindow::showLink(const QString& link) {
    const std::optional<HelpLink> parsed = ParseHelpLink(ToUtf8(link));
    const std::vector<std::string> roots = ToStdList(helpRoots());
    HelpSearch search;
    if (parsed) {
        search = FindHelpPage(*parsed, roots, [](const std::string& path) {
            return QFileInfo(ToQString(path)).isFile();
        });
    }
    if (DebugLog().Enabled()) {
        DebugLog().Write(HelpDebugText(ToUtf8(link), parsed, roots, search));
    }
    if (!search.Found) {
        browser->setHtml(QStringLiteral("<p>%1</p><p><code>%2</code></p>")
                             .arg(LangQ(kHelpTextKey).trimmed(), link.toHtmlEscaped()));
        updateTitle();
        return false;
    }
    // Home is the start page of the same help file (or this page for a file of its own).
    home_ = ParseHelpLink(parsed->File).value_or(*parsed);
    browser->setSource(PageUrl(*search.Found, parsed->Anchor));
    updateTitle();
    return true;
}

QUrl HelpWindow::currentPage() const {
    return browser->source();
}

void HelpWindow::showHome() {
    showLink(ToQString(HelpLinkText(home_)));
}

void HelpWindow::updateTitle() {
    const QString help = LangQ(kHelpTextKey).trimmed();
    const QString page = browser->documentTitle();
    setWindowTitle(page.isEmpty() ? help : help + QStringLiteral(" \u2013 ") + page);
}

void ShowHelp(QWidget* owner, const QString& link) {
    HelpWindow* window = owner != nullptr
                             ? owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly)
                             : nullptr;
    if (window == nullptr) {
        window = new HelpWindow(owner);
        if (owner == nullptr) {
            window->setAttribute(Qt::WA_DeleteOnClose);
        }
    }
    window->showLink(link);
    window->show();
    window->raise();
    window->activateWindow();
}

void ShowHelpTopic(QWidget* owner, HelpTopicKind kind) {
    ShowHelp(owner, ToQString(HelpLinkText(HelpLinkOf(kind, CurrentLanguage()))));
}

}  // namespace kelvo
