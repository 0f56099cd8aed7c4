// The print list in the window: the print menu built from zuzivodi.pls with its default in bold,
// printing through a fake opener, and the template list dialog saving (or not) what it edits.

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/data_location.h"
#include "app/print_list_lite.h"
#include "app/print_services.h"
#include "app/program.h"
#include "app/template_dialog.h"
#include "app_test_fixture.h"
#include "i18n/settings.h"
#include "output/print_list.h"

using namespace kelvo;
using namespace kelvo::testing;

namespace {

namespace fs = std::filesystem;

class FakeOpener : public DocumentOpener {
  public:
    bool Open(const fs::path& document) override {
        opened.push_back(document);
        return answer;
    }
    std::vector<fs::path> opened;
    bool answer = true;
};

class FakeChooser : public TemplateFileChooser {
  public:
    QStringList chooseFiles(QWidget*, const QString& startFolder, bool multiple) override {
        asked << startFolder;
        lastMultiple = multiple;
        return answer;
    }
    QStringList answer;
    QStringList asked;
    bool lastMultiple = false;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

QString PathText(const fs::path& path) {
    return QString::fromStdU16String(path.u16string());
}

}  // namespace

class PrintListTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // The user's own copy of the list would win over the program's: keep it in a folder
        // of the test's own.
        qputenv("XDG_DATA_HOME", userData_.path().toLocal8Bit());
    }

    void init() {
        ClearStoredSettings();
        program_ = std::make_unique<QTemporaryDir>();
        temp_ = std::make_unique<QTemporaryDir>();
        const fs::path data = fs::path(KELVO_SOURCE_DIR) / "data";
        programFolder_ = fs::path(program_->path().toStdU16String());
        fs::copy_file(data / "zuzivodi.pls", programFolder_ / "zuzivodi.pls");
        fs::copy(data / "templates", programFolder_ / "templates");
        started_ = StartWindow();
        QVERIFY(started_.window != nullptr);
        list_ = started_.window->printList();
        list_->setProgramFolder(programFolder_);
        list_->setTempFolder(fs::path(temp_->path().toStdU16String()));
        list_->setDocumentOpener(&opener_);
        list_->setFileChooser(&chooser_);
        list_->rebuildMenu();
    }

    void cleanup() {
        started_.window.reset();
        opener_ = FakeOpener();
        chooser_ = FakeChooser();
        KELVO_VERIFY_NO_OTHER_BOX(watchdog_);
    }

    void menuListsTheShippedEntriesWithTheDefaultInBold_data() {
        QTest::addColumn<int>("storedDefault");
        QTest::addColumn<int>("boldRow");
        QTest::newRow("none stored") << -1 << 0;
        QTest::newRow("fourth") << 3 << 3;
        QTest::newRow("last") << 8 << 8;
        QTest::newRow("beyond the list") << 9 << 0;
        QTest::newRow("far beyond") << 42 << 0;
    }

    void menuListsTheShippedEntriesWithTheDefaultInBold() {
        QFETCH(int, storedDefault);
        QFETCH(int, boldRow);
        if (storedDefault >= 0) {
            QVERIFY(Settings(*started_.store).WriteDefaultTemplateIndex(storedDefault));
        }
        list_->rebuildMenu();
        const QList<QAction*> actions = started_.window->printMenu()->actions();
        QCOMPARE(actions.size(), 9 + 2);
        QCOMPARE(actions[0]->text(), QStringLiteral("Inspection sheet (English)"));
        QCOMPARE(actions[2]->text(), QStringLiteral("Протокол за контрол (български)"));
        QCOMPARE(actions[8]->text(), QStringLiteral("Отчет за сглобката, текст (български)"));
        QCOMPARE(actions[6]->toolTip(), QStringLiteral("$(KELVO)\\templates\\fit_report_en.txt"));
        QVERIFY(actions[9]->isSeparator());
        QCOMPARE(actions[10]->objectName(), QStringLiteral("mnTemplates"));
        for (int row = 0; row < 9; ++row) {
            QCOMPARE(actions[row]->font().bold(), row == boldRow);
        }
        QCOMPARE(list_->defaultIndex(), boldRow);
        // Rebuilding again does not pile the entries up.
        list_->rebuildMenu();
        QCOMPARE(started_.window->printMenu()->actions().size(), 11);
    }

    void anEntryWhoseTemplateIsMissingIsLeftOut() {
        fs::remove(programFolder_ / "templates" / "inspection_sheet_de.rtf");
        list_->rebuildMenu();
        const QList<QAction*> actions = started_.window->printMenu()->actions();
        QCOMPARE(actions.size(), 8 + 2);
        QCOMPARE(actions[1]->text(), QStringLiteral("Протокол за контрол (български)"));
    }

    void thePrintButtonPrintsTheDefaultIntoThePrivateFolder() {
        QVERIFY(Settings(*started_.store).WriteDefaultTemplateIndex(6));  // text report, English
        list_->rebuildMenu();
        started_.find<QToolButton>("btnPrint")->click();
        QCOMPARE(opener_.opened.size(), std::size_t{1});
        const fs::path output = opener_.opened.front();
        QCOMPARE(output.parent_path(), fs::path(temp_->path().toStdU16String()));
        const std::string text = ReadFile(output);
        QVERIFY2(text.find("10.0150") != std::string::npos, text.c_str());  // upper limit H7
        QVERIFY(text.find("9.9860") != std::string::npos);                  // lower limit g6
        QVERIFY(text.find("$A") == std::string::npos);
    }

    void aMenuEntryPrintsItsOwnTemplate() {
        started_.window->printMenu()->actions()[0]->trigger();  // inspection sheet, RTF
        QCOMPARE(opener_.opened.size(), std::size_t{1});
        QCOMPARE(opener_.opened.front().extension(), fs::path(".rtf"));
        const std::string rtf = ReadFile(opener_.opened.front());
        QVERIFY(rtf.rfind("{\\rtf", 0) == 0);
        QVERIFY(rtf.find("10.0150") != std::string::npos);
    }

    void anOpenerThatFailsIsReported() {
        opener_.answer = false;
        started_.find<QToolButton>("btnPrint")->click();
        QCOMPARE(opener_.opened.size(), std::size_t{1});
        QCOMPARE(watchdog_.takeCaptions(), QStringList{QStringLiteral("Exception")});
        const QStringList texts = watchdog_.takeTexts();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts[0].contains(QStringLiteral("could not be opened")), qPrintable(texts[0]));
        QVERIFY(texts[0].contains(PathText(opener_.opened.front())));
    }

    void aTemporaryFolderThatCannotTakeTheCopyIsReportedAndTheWindowGoesOn() {
        // A regular file stands where the folder should be: no copy can be made, root included.
        const fs::path blocked = programFolder_ / "zuzivodi.pls" / "temp";
        list_->setTempFolder(blocked);
        QVERIFY(Settings(*started_.store).WriteDefaultTemplateIndex(6));  // text report, English
        list_->rebuildMenu();
        started_.find<QToolButton>("btnPrint")->click();
        QVERIFY(opener_.opened.empty());
        const QStringList texts = watchdog_.takeTexts();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts[0].contains(PathText(blocked)), qPrintable(texts[0]));

        // The window calculates on, and prints once the folder can take the copy.
        TypeInto(started_.find<QLineEdit>("edNominal"), QStringLiteral("25"));
        started_.find<QToolButton>("btnCalk")->click();
        QCOMPARE(started_.value("drgrDanni", 2, 0), QStringLiteral("0.0210"));
        list_->setTempFolder(fs::path(temp_->path().toStdU16String()));
        started_.find<QToolButton>("btnPrint")->click();
        QCOMPARE(opener_.opened.size(), std::size_t{1});
        QVERIFY(ReadFile(opener_.opened.front()).find("25.0210") != std::string::npos);
    }

    void theDialogAddsRemovesMarksTheDefaultAndSavesOnOk() {
        const fs::path added = programFolder_ / "templates" / "mine.txt";
        std::ofstream(added) << "Nominal $A02 NR#\n";
        chooser_.answer = {PathText(added)};
        runDialog(true, [this](TemplateDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), started_.window->printListTexts()[3]);
            clickIn(dialog, "btnAdd");
            QCOMPARE(chooser_.asked, QStringList{PathText(programFolder_)});
            QVERIFY(chooser_.lastMultiple);
            QCOMPARE(dialog->selectedIndex(), 9);
            QCOMPARE(dialog->findChild<QLineEdit*>("edFile")->text(),
                     QStringLiteral("$(KELVO)\\templates\\mine.txt"));
            clickIn(dialog, "btnDefault");
            dialog->select(1);
            clickIn(dialog, "btnDelete");  // the German inspection sheet
            QCOMPARE(dialog->selectedIndex(), 1);
            TypeInto(dialog->findChild<QLineEdit*>("edName"), QStringLiteral("Renamed"));
        });
        const std::vector<PrintListEntry> saved =
            LoadPrintList(PrintListLocationFor(programFolder_));
        QCOMPARE(saved.size(), std::size_t{9});
        QCOMPARE(saved[0].Name, std::string("Inspection sheet (English)"));
        QCOMPARE(saved[1].Name, std::string("Renamed"));
        QCOMPARE(saved[1].TemplatePath,
                 std::string("$(KELVO)\\templates\\inspection_sheet_bg.rtf"));
        QCOMPARE(saved[8].Name, std::string("mine.txt"));
        QCOMPARE(saved[8].TemplatePath, std::string("$(KELVO)\\templates\\mine.txt"));
        QCOMPARE(Settings(*started_.store).DefaultTemplateIndex(), 8);
        const QList<QAction*> actions = started_.window->printMenu()->actions();
        QCOMPARE(actions.size(), 11);
        QCOMPARE(actions[8]->text(), QStringLiteral("mine.txt"));
        QVERIFY(actions[8]->font().bold());
        QVERIFY(!actions[0]->font().bold());
    }

    void cancelChangesNothing() {
        const std::string before = ReadFile(programFolder_ / "zuzivodi.pls");
        chooser_.answer = {PathText(programFolder_ / "templates" / "fit_report_de.txt")};
        runDialog(false, [this](TemplateDialog* dialog) {
            clickIn(dialog, "btnAdd");
            clickIn(dialog, "btnDefault");
            dialog->select(0);
            clickIn(dialog, "btnDelete");
        });
        QCOMPARE(ReadFile(programFolder_ / "zuzivodi.pls"), before);
        QCOMPARE(Settings(*started_.store).DefaultTemplateIndex(), 0);
        QCOMPARE(started_.window->printMenu()->actions().size(), 11);
        QCOMPARE(started_.window->printMenu()->actions()[0]->text(),
                 QStringLiteral("Inspection sheet (English)"));
    }

    void deletingTheDefaultTakesTheMarkAlongAndTheLastSelectsTheOneBefore() {
        runDialog(true, [this](TemplateDialog* dialog) {
            QCOMPARE(dialog->defaultIndex(), 0);
            QCOMPARE(dialog->selectedIndex(), 0);
            clickIn(dialog, "btnDelete");
            QCOMPARE(dialog->defaultIndex(), -1);
            QCOMPARE(dialog->selectedIndex(), 0);
            dialog->select(7);
            clickIn(dialog, "btnDefault");
            dialog->select(4);
            clickIn(dialog, "btnDelete");
            QCOMPARE(dialog->defaultIndex(), 6);  // moved up with its entry
            dialog->select(6);
            clickIn(dialog, "btnDelete");  // the last entry, the default
            QCOMPARE(dialog->selectedIndex(), 5);
            QCOMPARE(dialog->defaultIndex(), -1);
            while (!dialog->entries().empty()) {
                clickIn(dialog, "btnDelete");
            }
            QCOMPARE(dialog->selectedIndex(), -1);
            QVERIFY(!dialog->findChild<QPushButton*>("btnDelete")->isEnabled());
            QVERIFY(!dialog->findChild<QLineEdit*>("edName")->isEnabled());
            QVERIFY(dialog->findChild<QPushButton*>("btnAdd")->isEnabled());
        });
        QVERIFY(LoadPrintList(PrintListLocationFor(programFolder_)).empty());
        const QList<QAction*> actions = started_.window->printMenu()->actions();
        QCOMPARE(actions.size(), 2);
        QCOMPARE(list_->defaultIndex(), -1);
        started_.find<QToolButton>("btnPrint")->click();  // nothing to print
        QVERIFY(opener_.opened.empty());
    }

    void editOpensTheSelectedTemplate() {
        runDialog(false, [this](TemplateDialog* dialog) {
            dialog->select(6);
            clickIn(dialog, "btnEdit");
        });
        QCOMPARE(opener_.opened.size(), std::size_t{1});
        QCOMPARE(opener_.opened.front(), programFolder_ / "templates" / "fit_report_en.txt");
        opener_.answer = false;
        runDialog(false, [this](TemplateDialog* dialog) {
            clickIn(dialog, "btnEdit");
            QCOMPARE(watchdog_.takeCaptions(), QStringList{QStringLiteral("Exception")});
            const QStringList texts = watchdog_.takeTexts();
            QCOMPARE(texts.size(), 1);
            QVERIFY(texts[0].contains(QStringLiteral("inspection_sheet_en.rtf")));
        });
    }

    void theDataFolderIsFoundBesideTheProgramInstalledOrInTheSourceTree() {
        QTemporaryDir root;
        const fs::path base(root.path().toStdU16String());
        const fs::path bin = base / "bin";
        const fs::path share = base / "share" / "kelvo";
        const fs::path source = base / "source" / "data";
        for (const fs::path& folder : {bin, share, source}) {
            fs::create_directories(folder);
        }
        const auto touch = [](const fs::path& folder) { std::ofstream(folder / "zuzivodi.pls"); };
        touch(source);
        QCOMPARE(ProgramDataFolderFor(bin, source), source);
        touch(share);
        QCOMPARE(ProgramDataFolderFor(bin, source), share);
        touch(bin);
        QCOMPARE(ProgramDataFolderFor(bin, source), bin);
        QCOMPARE(ProgramDataFolderFor(base / "other" / "bin", source), source);
        // The program started from the build tree finds the shipped list.
        QVERIFY(fs::exists(ProgramDataFolder() / "zuzivodi.pls"));
    }

  private:
    // Opens the dialog from the Templates item, lets `drive` work it and closes it with OK
    // (`accept`) or Cancel.
    template <typename Drive>
    void runDialog(bool accept, Drive drive) {
        bool driven = false;
        const auto connection =
            connect(list_, &PrintListLite::templateDialogOpened, this, [&](TemplateDialog* dialog) {
                driven = true;
                const char* closer = accept ? "btnOK" : "btnCancel";
                drive(dialog);
                QPushButton* button = dialog->findChild<QPushButton*>(closer);
                QMetaObject::invokeMethod(button, &QPushButton::click, Qt::QueuedConnection);
            });
        started_.window->findChild<QAction*>("mnTemplates")->trigger();
        disconnect(connection);
        QVERIFY(driven);
    }

    static void clickIn(QWidget* dialog, const char* name) {
        QPushButton* button = dialog->findChild<QPushButton*>(name);
        QVERIFY2(button != nullptr, name);
        button->click();
    }

    ModalWatchdog watchdog_;
    QTemporaryDir userData_;
    std::unique_ptr<QTemporaryDir> program_;
    std::unique_ptr<QTemporaryDir> temp_;
    fs::path programFolder_;
    StartedWindow started_;
    PrintListLite* list_ = nullptr;
    FakeOpener opener_;
    FakeChooser chooser_;
};

KELVO_WINDOW_TEST_MAIN(PrintListTest)
#include "print_list_test.moc"
