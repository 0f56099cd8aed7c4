#include "app/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/class_pick_list.h"
#include "app/control_texts.h"
#include "app/design_panel.h"
#include "app/input_area.h"
#include "app/panel_width.h"
#include "app/print_list_lite.h"
#include "app/qt_text.h"
#include "app/result_pages.h"
#include "app/standard_fits_panel.h"
#include "i18n/language_state.h"
#include "model/fit_selection.h"

// The pictures are compiled into the window library; a static library must register them.
static void InitIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace kelvo {

namespace {

// Window widths of the three states on a 96-dpi screen with the font the layout was made for.
constexpr int kNarrowWidthPx = 485;
constexpr int kStandardFitsWidthPx = 652;
constexpr int kDesignWidthPx = 790;
constexpr double kDesignFontHeightPx = 13.0;

constexpr int kStandardFitsKey = 3;
constexpr int kDesignKey = 93;

QIcon FlagIcon(int languageNumber) {
    switch (languageNumber) {
        case kBulgarian:
            return QIcon(QStringLiteral(":/icons/flag_bg.svg"));
        case kGerman:
            return QIcon(QStringLiteral(":/icons/flag_de.svg"));
        default:
            break;
    }
    return QIcon(QStringLiteral(":/icons/flag_en.svg"));
}

QAction* NamedAction(const char* name, const char* icon, QObject* parent) {
    auto* action = new QAction(parent);
    action->setObjectName(QLatin1String(name));
    if (icon != nullptr) {
        action->setIcon(QIcon(QStringLiteral(":/icons/") + QLatin1String(icon)));
    }
    return action;
}

}  // namespace

TfrmZuzivOdi::TfrmZuzivOdi(SettingsStore& store, QWidget* parent)
    : QMainWindow(parent), store_(store), model_(this) {
    InitIconResources();
    setObjectName(QStringLiteral("frmZuzivOdi"));
    // The user's decimal separator for every number the program writes.
    const QString point = locale().decimalPoint();
    model_.DecimalSeparator = point == QLatin1String(",") ? ',' : '.';
    for (int slot = 1; slot <= kPrintListTextCount; ++slot) {
        printListKeys_ << QString::number(slot);
    }
    printListTexts_ = printListKeys_;

    createActions();
    createMenus();
    createToolBar();
    printList_ = new PrintListLite(this, printMenu_, btnPrint_, store_, model_);
    createCentralArea();
    setTabOrder();
    connectInputs();
    connectCommands();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

TfrmZuzivOdi::~TfrmZuzivOdi() {
    model_.SetView(nullptr);
}

double TfrmZuzivOdi::uiScale() const {
    return std::max(1.0, fontMetrics().height() / kDesignFontHeightPx);
}

void TfrmZuzivOdi::createActions() {
    actCalculate_ = NamedAction("N3", "calculate.svg", this);
    actCopy_ = NamedAction("N4", "copy.svg", this);
    actUnits_ = NamedAction("actUnits", "unit_mm.svg", this);
    actSchema_ = NamedAction("actSchema", "schema.svg", this);
    actHelp_ = NamedAction("N8", "help.svg", this);
    actHelp_->setShortcut(QKeySequence::HelpContents);
    actExit_ = NamedAction("N7", "exit.svg", this);
    actExit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    actAbout_ = NamedAction("N9", nullptr, this);
    actTemplates_ = NamedAction("mnTemplates", nullptr, this);
    auto* languages = new QActionGroup(this);
    for (std::size_t index = 0; index < kLanguageCommands.size(); ++index) {
        const LanguageCommand& command = kLanguageCommands[index];
        QAction* action =
            languages->addAction(FlagIcon(command.languageNumber), ToQString(command.caption));
        action->setObjectName(QStringLiteral("mnLang%1").arg(command.languageNumber));
        action->setCheckable(true);
        action->setData(command.languageNumber);
        languageActions_[index] = action;
    }
}

void TfrmZuzivOdi::createMenus() {
    printMenu_ = new QMenu(this);
    printMenu_->setObjectName(QStringLiteral("mnPrint"));
    printMenu_->setIcon(QIcon(QStringLiteral(":/icons/print.svg")));
    printMenu_->addSeparator();
    printMenu_->addAction(actTemplates_);

    languageMenu_ = new QMenu(this);
    languageMenu_->setObjectName(QStringLiteral("N10"));
    for (QAction* action : languageActions_) {
        languageMenu_->addAction(action);
    }

    editMenu_ = menuBar()->addMenu(QString());
    editMenu_->setObjectName(QStringLiteral("N1"));
    editMenu_->addAction(actCalculate_);
    editMenu_->addMenu(printMenu_);
    editMenu_->addAction(actCopy_);
    editMenu_->addMenu(languageMenu_);
    editMenu_->addSeparator();
    editMenu_->addAction(actExit_);

    helpMenu_ = menuBar()->addMenu(QString());
    helpMenu_->setObjectName(QStringLiteral("N2"));
    helpMenu_->addAction(actHelp_);
    helpMenu_->addAction(actAbout_);
}

void TfrmZuzivOdi::createToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("ToolBar1"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->addAction(actCalculate_);
    bar->widgetForAction(actCalculate_)->setObjectName(QStringLiteral("btnCalk"));
    bar->addAction(actCopy_);
    bar->widgetForAction(actCopy_)->setObjectName(QStringLiteral("btnCopy"));

    btnPrint_ = new QToolButton;
    btnPrint_->setObjectName(QStringLiteral("btnPrint"));
    btnPrint_->setIcon(QIcon(QStringLiteral(":/icons/print.svg")));
    btnPrint_->setMenu(printMenu_);
    // The button prints the default template; its arrow drops the list down.
    btnPrint_->setPopupMode(QToolButton::MenuButtonPopup);
    bar->addWidget(btnPrint_);
    bar->addSeparator();

    btnLang_ = new QToolButton;
    btnLang_->setObjectName(QStringLiteral("btnLang"));
    btnLang_->setMenu(languageMenu_);
    btnLang_->setPopupMode(QToolButton::InstantPopup);
    bar->addWidget(btnLang_);
    bar->addAction(actUnits_);
    bar->widgetForAction(actUnits_)->setObjectName(QStringLiteral("btnMM"));
    bar->addAction(actSchema_);
    bar->widgetForAction(actSchema_)->setObjectName(QStringLiteral("ToolButton1"));
    bar->addSeparator();
    bar->addAction(actHelp_);
    bar->widgetForAction(actHelp_)->setObjectName(QStringLiteral("btnHelp"));
    bar->addAction(actExit_);
    bar->widgetForAction(actExit_)->setObjectName(QStringLiteral("btnExit"));
}

void TfrmZuzivOdi::createCentralArea() {
    auto* central = new QWidget;
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(4, 4, 4, 2);

    auto* left = mainColumn_ = new QWidget;
    left->setObjectName(QStringLiteral("pnlMain"));
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    inputArea_ = new InputArea;
    resultPages_ = new ResultPages(model_);
    lblNote_ = new QLabel;
    lblNote_->setObjectName(QStringLiteral("lblNote"));
    leftLayout->addWidget(inputArea_);
    leftLayout->addWidget(resultPages_);
    leftLayout->addWidget(lblNote_);

    sideArea_ = new QStackedWidget;
    sideArea_->setObjectName(QStringLiteral("PageControl2"));
    standardFits_ = new StandardFitsPanelWidget(model_);
    designPanel_ = new DesignPanelWidget(model_, *this);
    sideArea_->addWidget(standardFits_);
    sideArea_->addWidget(designPanel_);
    sideArea_->hide();

    columns->addWidget(left);
    columns->addWidget(sideArea_);
    setCentralWidget(central);
    applySidePanelWidth();
}

void TfrmZuzivOdi::setTabOrder() {
    const InputArea& in = *inputArea_;
    QList<QWidget*> chain = {in.cbMetodi,   in.cbStTGR, in.edNominal,  in.BitBtn3,
                             in.cbLetter_o, in.cbIT_o,  in.BitBtn1,    in.cbLetter_v,
                             in.cbIT_v,     in.BitBtn2, in.bbnSglobka, in.bbnDesign};
    for (QLineEdit* field : in.nonStdFields) {
        chain << field;
    }
    chain << resultPages_;
    for (qsizetype index = 1; index < chain.size(); ++index) {
        QWidget::setTabOrder(chain[index - 1], chain[index]);
    }
}

void TfrmZuzivOdi::applyWindowTexts() {
    ApplyControlTexts(this);
    inputArea_->applyWindowTexts();
    standardFits_->applyWindowTexts();
    designPanel_->applyWindowTexts();
    inputArea_->bbnSglobka->setText(
        ToQString(PanelButtonCaption(kStandardFitsKey, sidePanel_ == SidePanel::StandardFits)));
    inputArea_->bbnDesign->setText(
        ToQString(PanelButtonCaption(kDesignKey, sidePanel_ == SidePanel::Design)));
    lblNote_->setText(ToQString(UnitNote(model_.InchMode)));
    actCalculate_->setToolTip(LangQ(68));
    actCopy_->setToolTip(LangQ(69));
    actUnits_->setToolTip(LangQ(76) + ToQString(model_.NoteUnit()).chopped(1));
    actSchema_->setToolTip(resultPages_->tabText(resultPages_->currentIndex()));
    actHelp_->setToolTip(LangQ(72).trimmed() + QStringLiteral(" (F1)"));
    actExit_->setToolTip(LangQ(71).trimmed() + QStringLiteral(" (Ctrl+Q)"));
    for (int slot = 0; slot < kPrintListTextCount; ++slot) {
        printListTexts_[slot] =
            ToQString(TranslatePrintListSlot(ToUtf8(printListKeys_[slot]), CurrentLanguage()));
    }
    actTemplates_->setText(printListTexts_[0]);
    applyMnemonics();
    applySidePanelWidth();
    RefreshDesignGrid();
}

void TfrmZuzivOdi::applyMnemonics() {
    QSet<QChar> used;
    editMenu_->setTitle(WithMnemonic(editMenu_->title(), used));
    helpMenu_->setTitle(WithMnemonic(helpMenu_->title(), used));
    for (QLabel* label : {inputArea_->Label1, inputArea_->Label22, inputArea_->Label23}) {
        label->setText(WithMnemonic(label->text(), used));
    }
    for (QPushButton* button : {inputArea_->bbnSglobka, inputArea_->bbnDesign}) {
        button->setText(WithMnemonic(button->text(), used));
    }
    QSet<QChar> editUsed;
    for (QAction* action : editMenu_->actions()) {
        if (!action->isSeparator()) {
            action->setText(WithMnemonic(action->text(), editUsed));
        }
    }
    QSet<QChar> helpUsed;
    for (QAction* action : helpMenu_->actions()) {
        action->setText(WithMnemonic(action->text(), helpUsed));
    }
}

void TfrmZuzivOdi::showLanguageFlag(int languageNumber) {
    const QIcon flag = FlagIcon(languageNumber);
    btnLang_->setIcon(flag);
    languageMenu_->setIcon(flag);
    for (QAction* action : languageActions_) {
        action->setChecked(action->data().toInt() == languageNumber);
    }
}

QString TfrmZuzivOdi::helpTopic(int languageNumber) {
    switch (languageNumber) {
        case kBulgarian:
            return QStringLiteral("ZuzivOdi_BG.chm::/ZUZIVODIBG.htm");
        case kGerman:
            return QStringLiteral("ZuzivOdi_DE.chm::/ZUZIVODIDE.htm");
        default:
            break;
    }
    return QStringLiteral("ZuzivOdi_EN.chm::/ZUZIVODIEN.htm");
}

int TfrmZuzivOdi::narrowWidth() const {
    const int designed = static_cast<int>(std::lround(kNarrowWidthPx * uiScale()));
    const QMargins margins = centralWidget()->layout()->contentsMargins();
    const int tabsPx = resultPages_->tabBar()->sizeHint().width() + margins.left() +
                       margins.right() +
                       2 * resultPages_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    return std::max(designed, tabsPx);
}

void TfrmZuzivOdi::applySidePanelWidth() {
    const double scale = uiScale();
    const int narrow = narrowWidth();
    const QMargins margins = centralWidget()->layout()->contentsMargins();
    mainColumn_->setFixedWidth(narrow - margins.left() - margins.right());
    const int designedNarrow = static_cast<int>(std::lround(kNarrowWidthPx * scale));
    switch (sidePanel_) {
        case SidePanel::None:
            sideArea_->hide();
            return;
        case SidePanel::StandardFits:
            sideArea_->setCurrentWidget(standardFits_);
            sideArea_->setFixedWidth(static_cast<int>(std::lround(kStandardFitsWidthPx * scale)) -
                                     narrow);
            break;
        case SidePanel::Design:
            sideArea_->setCurrentWidget(designPanel_);
            sideArea_->setFixedWidth(
                std::max(static_cast<int>(std::lround(kDesignWidthPx * scale)) - designedNarrow,
                         NeededPanelWidth(designPanel_)));
            break;
    }
    sideArea_->show();
}

ClassPickList* TfrmZuzivOdi::pickList(Side side) {
    const SizeBand band = SizeBandOf(model_.NominalSize);
    const std::size_t index = (side == Side::Hole ? 0 : 2) + (band == SizeBand::Over500 ? 1 : 0);
    if (pickLists_[index] == nullptr) {
        pickLists_[index] = new ClassPickList(side, band, this);
        connect(pickLists_[index], &ClassPickList::picked, this, [this, side](const QString& name) {
            model_.PickClass(side, ToUtf8(name));
            syncInputs();
        });
    }
    return pickLists_[index];
}

}  // namespace kelvo
