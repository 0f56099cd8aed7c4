// The settings file as the program finds it on disk: damaged, holding values out of range, or in a
// place that cannot be written. The program either starts with what it can use or stops with its
// box before any window shows, and never destroys a file it could not read.

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>

#include "app/program.h"
#include "app_test_fixture.h"
#include "i18n/language_state.h"
#include "i18n/settings.h"

using namespace kelvo;
using namespace kelvo::testing;

namespace {

QString UserSettingsFile() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QCoreApplication::organizationName(), QCoreApplication::applicationName())
        .fileName();
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) &&
           file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

std::optional<std::int32_t> StoredLanguage() {
    QtSettingsStore reread;
    const auto key =
        reread.OpenKey(SettingsRoot::CurrentUser, kProgramSettingsKey, OpenMode::OpenExisting);
    return key ? reread.ReadInt(*key, kLanguageValue) : std::nullopt;
}

bool RunningAsRoot() {
    return ::geteuid() == 0;
}

}  // namespace

class StoredSettingsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { ClearStoredSettings(); }

    void cleanup() { KELVO_VERIFY_NO_OTHER_BOX(watchdog_); }

    // Garbage in the file, a section cut short, a language that is no language: the
    // window starts in English with the first-start values, and closing writes sound ones.
    void aDamagedSettingsFileStartsWithDefaultsAndIsSoundAfterClose_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("binary noise") << QByteArray("\xff\xfe\x00\x01[\x02\x03\n\x00\x00=\xc3", 13);
        QTest::newRow("cut section") << QByteArray("[CurrentUser\nLang=2\nmm_in=tr");
        QTest::newRow("language 0")
            << QByteArray("[CurrentUser]\nSoftware\\Dravenik\\Karvenit\\Default\\Lang=0\n");
        QTest::newRow("language 7")
            << QByteArray("[CurrentUser]\nSoftware\\Dravenik\\Karvenit\\Default\\Lang=7\n");
        QTest::newRow("language x")
            << QByteArray("[CurrentUser]\nSoftware\\Dravenik\\Karvenit\\Default\\Lang=x\n");
    }

    void aDamagedSettingsFileStartsWithDefaultsAndIsSoundAfterClose() {
        QFETCH(QByteArray, content);
        QVERIFY(WriteAll(UserSettingsFile(), content));
        {
            StartedWindow started = StartWindow();
            QVERIFY(started.window != nullptr);
            QCOMPARE(CurrentLanguage(), kEnglish);
            QCOMPARE(started.window->windowTitle(), QStringLiteral("KELVO Tolerances and gauges"));
            QCOMPARE(started.find<QLineEdit>("edNominal")->text(), QStringLiteral("10"));
            QCOMPARE(started.find<QComboBox>("cbLetter_o")->currentText(), QStringLiteral("H"));
            QCOMPARE(started.find<QComboBox>("cbLetter_v")->currentText(), QStringLiteral("g"));
            QCOMPARE(started.find<QLabel>("lblNote")->text(),
                     QStringLiteral("Values and tolerances in [mm]."));
            QVERIFY(started.window->close());
        }
        QCOMPARE(StoredLanguage(), std::optional<std::int32_t>(kEnglish));
        StartedWindow again = StartWindow();
        QVERIFY(again.window != nullptr);
        QCOMPARE(again.find<QLineEdit>("edNominal")->text(), QStringLiteral("10"));
    }

    // The probe cannot create its keys: the program says so in its box and shows no window, and
    // a file it could not write is left as it was.
    void aSettingsFileThatCannotBeWrittenStopsTheStart_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder is a file") << QStringLiteral("blocked folder");
        QTest::newRow("read-only file") << QStringLiteral("read-only");
        QTest::newRow("unreadable file") << QStringLiteral("unreadable");
    }

    void aSettingsFileThatCannotBeWrittenStopsTheStart() {
        QFETCH(QString, kind);
        QTemporaryDir folder;
        QString path = folder.filePath(QStringLiteral("zuzivodi.conf"));
        const QByteArray before("[CurrentUser]\nSoftware\\Dravenik\\Karvenit\\Default\\Lang=2\n");
        QVERIFY(WriteAll(path, before));
        if (kind == QLatin1String("blocked folder")) {
            path += QStringLiteral("/zuzivodi.conf");  // a regular file stands where its folder is
        } else {
            if (RunningAsRoot()) {
                QSKIP("file permissions do not bind root; the blocked folder covers this run");
            }
            const auto permissions =
                kind == QLatin1String("read-only") ? QFile::ReadOwner : QFileDevice::Permissions();
            QVERIFY(QFile::setPermissions(path, permissions));
        }
        {
            QtSettingsStore store(path);
            QVERIFY(StartMainWindow(store) == nullptr);
        }
        QCOMPARE(watchdog_.takeTexts(),
                 QStringList{QStringLiteral("You don't have access to registry")});
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            QVERIFY(qobject_cast<TfrmZuzivOdi*>(widget) == nullptr);
        }
        const QString original = folder.filePath(QStringLiteral("zuzivodi.conf"));
        QVERIFY(QFile::setPermissions(original, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(ReadAll(original), before);
    }

  private:
    ModalWatchdog watchdog_;
};

KELVO_WINDOW_TEST_MAIN(StoredSettingsTest)
#include "stored_settings_test.moc"
