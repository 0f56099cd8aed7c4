// Start, settings and closing: the probe of the settings store, settings and language kept across
// two starts, the exit paths, and the store's case-insensitive names.

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>

#include "app/program.h"
#include "app_test_fixture.h"
#include "i18n/language_state.h"
#include "i18n/settings.h"

using namespace kelvo;
using namespace kelvo::testing;

class StartAndSettingsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { ClearStoredSettings(); }

    void cleanup() { KELVO_VERIFY_NO_OTHER_BOX(watchdog_); }

    void failingProbeShowsItsBoxAndNoWindow() {
        MemorySettingsStore store;
        store.SetWritable(SettingsRoot::ClassesRoot, false);
        std::unique_ptr<TfrmZuzivOdi> window = StartMainWindow(store);
        QVERIFY(window == nullptr);
        QCOMPARE(watchdog_.takeCaptions(), QStringList{QStringLiteral("Error start program")});
        QCOMPARE(watchdog_.takeTexts(),
                 QStringList{QStringLiteral("You don't have access to registry")});
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            QVERIFY(qobject_cast<TfrmZuzivOdi*>(widget) == nullptr);
        }
    }

    void probeOfTheUserRootFailsToo() {
        MemorySettingsStore store;
        store.SetWritable(SettingsRoot::CurrentUser, false);
        QVERIFY(StartMainWindow(store) == nullptr);
        QCOMPARE(watchdog_.takeTexts(),
                 QStringList{QStringLiteral("You don't have access to registry")});
    }

    void settingsAndLanguagePersistAcrossTwoStarts() {
        {
            StartedWindow first = StartWindow();
            QVERIFY(first.window != nullptr);
            first.find<QToolButton>("btnMM")->click();
            first.window->findChild<QAction*>(QStringLiteral("mnLang2"))->trigger();
            Choose(first.find<QComboBox>("cbPart"), 2);
            first.find<QCheckBox>("chbDSel")->click();
            first.window->close();
        }
        StartedWindow second = StartWindow();
        QVERIFY(second.window != nullptr);
        QCOMPARE(CurrentLanguage(), 2);
        QCOMPARE(second.window->windowTitle(), QStringLiteral("KELVO Toleranzen und Lehren"));
        QCOMPARE(second.find<QLineEdit>("edNominal")->text(), QStringLiteral("0.3937"));
        QCOMPARE(second.window->model().NominalSize, 10.0);
        QCOMPARE(second.find<QComboBox>("cbPart")->currentIndex(), 2);
        QVERIFY(second.find<QCheckBox>("chbDSel")->isChecked());
        QCOMPARE(second.find<QLabel>("lblNote")->text(),
                 QStringLiteral("Werte und Toleranzen in [in]."));
        second.window->close();
    }

    void firstStartStoresEnglishAndCtrlQWritesSettings() {
        StartedWindow started = StartWindow();
        QVERIFY(started.window != nullptr);
        started.find<QToolButton>("btnMM")->click();
        QTest::keyClick(started.window.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!started.window->isVisible());
        QtSettingsStore reread;
        const auto key =
            reread.OpenKey(SettingsRoot::CurrentUser, kProgramSettingsKey, OpenMode::OpenExisting);
        QVERIFY(key.has_value());
        QCOMPARE(reread.ReadInt(*key, kLanguageValue), std::optional<std::int32_t>(3));
        QCOMPARE(reread.ReadBool(*key, kInchModeValue), std::optional<bool>(true));
        QCOMPARE(reread.ReadInt(*key, kResultCountValue), std::optional<std::int32_t>(0));
        QCOMPARE(reread.ReadBool(*key, kStandardOnlyValue), std::optional<bool>(false));
    }

    void storeComparesNamesWithoutCase() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("store.ini"));
        {
            QtSettingsStore store(file);
            const auto key =
                store.OpenKey(SettingsRoot::CurrentUser, "Software\\Kelvo\\PrintList\\frmPrgRezbi",
                              OpenMode::CreateIfMissing);
            QVERIFY(key.has_value());
            QVERIFY(store.WriteInt(*key, "DEFAULT", 4));
            QVERIFY(store.WriteString(*key, "Name", "Fit report"));
            QVERIFY(store.WriteBool(*key, "Flag", true));
            QVERIFY(store.Flush());
        }
        QtSettingsStore store(file);
        const auto key =
            store.OpenKey(SettingsRoot::CurrentUser, "\\software\\KELVO\\printlist\\FRMPRGREZBI\\",
                          OpenMode::OpenExisting);
        QVERIFY(key.has_value());
        QCOMPARE(store.ReadInt(*key, "Default"), std::optional<std::int32_t>(4));
        QCOMPARE(store.ReadString(*key, "name"), std::optional<std::string>("Fit report"));
        QCOMPARE(store.ReadBool(*key, "FLAG"), std::optional<bool>(true));
        QVERIFY(!store.ValueExists(*key, "Other"));
        // One value, whatever spelling writes it.
        QVERIFY(store.WriteInt(*key, "default", 7));
        QCOMPARE(store.ReadInt(*key, "DEFAULT"), std::optional<std::int32_t>(7));
        QVERIFY(
            !store.OpenKey(SettingsRoot::CurrentUser, "Software\\Missing", OpenMode::OpenExisting));
        QVERIFY(store.DeleteKey(SettingsRoot::CurrentUser, "software\\kelvo"));
        QVERIFY(!store.OpenKey(SettingsRoot::CurrentUser, "Software\\Kelvo\\PrintList",
                               OpenMode::OpenExisting));
        QVERIFY(!store.ValueExists(*key, "Default"));
    }

    void probePassesOnTheUserStoreAndLeavesNothing() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("probe.ini"));
        QtSettingsStore store(file);
        QVERIFY(Settings(store).ProbeWritable());
        QVERIFY(!store.OpenKey(SettingsRoot::CurrentUser, kProbeUserKey, OpenMode::OpenExisting));
        QVERIFY(
            !store.OpenKey(SettingsRoot::ClassesRoot, kProbeClassesKey, OpenMode::OpenExisting));
        QVERIFY(store.Flush());
        QSettings raw(file, QSettings::IniFormat);
        QVERIFY(raw.allKeys().isEmpty());
    }

  private:
    ModalWatchdog watchdog_;
};

KELVO_WINDOW_TEST_MAIN(StartAndSettingsTest)
#include "start_and_settings_test.moc"
