#pragma once
// The main window TfrmZuzivOdi. It owns the main window model and binds the controls to it: user
// actions go to the model's operations, and RefreshViews draws what the model says. The grids,
// the chart, the side panels and the input area are classes of their own.

#include <QMainWindow>
#include <QStringList>
#include <array>

#include "i18n/settings.h"
#include "i18n/settings_store.h"
#include "i18n/window_texts.h"
#include "model/main_model.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QStackedWidget;
class QToolButton;

namespace kelvo {

class ClassPickList;
class DesignPanelWidget;
class InputArea;
class PrintListLite;
class ResultPages;
class StandardFitsPanelWidget;

class TfrmZuzivOdi : public QMainWindow, public ModelView {
    Q_OBJECT

  public:
    // The width states: narrow, with the standard fits panel, with the design panel.
    enum class SidePanel { None, StandardFits, Design };

    explicit TfrmZuzivOdi(SettingsStore& store, QWidget* parent = nullptr);
    ~TfrmZuzivOdi() override;

    MainWindowModel& model() { return model_; }
    const MainWindowModel& model() const { return model_; }
    SidePanel sidePanel() const { return sidePanel_; }
    ResultPages* resultPages() const { return resultPages_; }
    InputArea* inputArea() const { return inputArea_; }
    StandardFitsPanelWidget* standardFitsPanel() const { return standardFits_; }
    DesignPanelWidget* designPanel() const { return designPanel_; }

    // The print list's menu (Edit > Print and the print button's drop-down): the print list fills
    // it with its templates above the last item, which opens the template list.
    QMenu* printMenu() const { return printMenu_; }
    // The print list's thirteen texts in the current language (slot n at n - 1).
    const QStringList& printListTexts() const { return printListTexts_; }
    // The print list behind the print menu and the print button.
    PrintListLite* printList() const { return printList_; }
    // The help file and start topic of the current language ("ZuzivOdi_EN.chm::/ZUZIVODIEN.htm").
    static QString helpTopic(int languageNumber);

    // ModelView.
    void RefreshViews() override;
    void RefreshDesignGrid() override;
    void ShowMessage(std::string_view text) override;

    // A language command (English 3, Deutsch 2, Български 1).
    void chooseLanguage(int languageNumber);
    // The unit button.
    void switchUnits();
    // A panel button's press.
    void toggleSidePanel(SidePanel panel);
    // The class pick list of a side as its button drops it down (created on first use).
    ClassPickList* pickList(Side side);

    // CopyReport: the results as tab-separated text on the clipboard.
    void copyReport();

  signals:
    // The last item of the print menu: the print list's template list (its dialog comes with the
    // print list; it connects here).
    void printTemplatesRequested();
    // The window has painted its first result.
    void firstPainted();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createCentralArea();
    void setTabOrder();
    void connectInputs();
    void connectCommands();
    void applyWindowTexts();
    void applyMnemonics();
    void showLanguageFlag(int languageNumber);
    void syncInputs();
    void pickPreferredNumber();
    void showWindowFirstTime();
    void applySidePanelWidth();
    // The narrow width, widened where the captions of the result pages need more room.
    int narrowWidth() const;
    double uiScale() const;

    SettingsStore& store_;
    MainWindowModel model_;
    SidePanel sidePanel_ = SidePanel::None;
    bool shownOnce_ = false;
    QStringList printListKeys_;
    QStringList printListTexts_;

    InputArea* inputArea_ = nullptr;
    ResultPages* resultPages_ = nullptr;
    QLabel* lblNote_ = nullptr;
    QWidget* mainColumn_ = nullptr;
    QStackedWidget* sideArea_ = nullptr;
    StandardFitsPanelWidget* standardFits_ = nullptr;
    DesignPanelWidget* designPanel_ = nullptr;
    std::array<ClassPickList*, 4> pickLists_{};  // hole, hole over 500, shaft, shaft over 500

    QAction* actCalculate_ = nullptr;  // btnCalk, N3
    QAction* actCopy_ = nullptr;       // btnCopy, N4
    QAction* actUnits_ = nullptr;      // btnMM
    QAction* actSchema_ = nullptr;     // ToolButton1
    QAction* actHelp_ = nullptr;       // btnHelp, N8
    QAction* actExit_ = nullptr;       // btnExit, N7
    QAction* actAbout_ = nullptr;      // N9
    QAction* actTemplates_ = nullptr;  // last item of the print menu
    std::array<QAction*, 3> languageActions_{};
    QMenu* editMenu_ = nullptr;      // N1
    QMenu* helpMenu_ = nullptr;      // N2
    QMenu* printMenu_ = nullptr;     // mnPrint
    QMenu* languageMenu_ = nullptr;  // N10
    QToolButton* btnPrint_ = nullptr;
    PrintListLite* printList_ = nullptr;  // PrintListLite1
    QToolButton* btnLang_ = nullptr;
};

}  // namespace kelvo
