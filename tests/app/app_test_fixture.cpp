#include "app_test_fixture.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include "app/program.h"

namespace kelvo::testing {

namespace {

constexpr int kWatchdogIntervalMs = 20;

}  // namespace

ModalWatchdog::ModalWatchdog() {
    connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::check);
    timer_.start(kWatchdogIntervalMs);
}

void ModalWatchdog::check() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box != nullptr && box->isVisible()) {
            texts_ << box->text();
            captions_ << box->windowTitle();
            box->done(QMessageBox::Ok);
        }
    }
}

QStringList ModalWatchdog::takeTexts() {
    captions_.clear();
    return std::exchange(texts_, {});
}

QStringList ModalWatchdog::takeCaptions() {
    return std::exchange(captions_, {});
}

void PrepareTestEnvironment() {
    // Lives until the program ends; removed with it.
    static QTemporaryDir settingsFolder;
    qputenv("XDG_CONFIG_HOME", settingsFolder.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

void ClearStoredSettings() {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       QCoreApplication::organizationName(), QCoreApplication::applicationName());
    settings.clear();
    settings.sync();
}

QString StartedWindow::value(const char* gridName, int row, int column) const {
    return QString::fromStdString(grid(gridName)->cellAt(row, column).Value);
}

QString StartedWindow::caption(const char* gridName, int row, int column) const {
    return QString::fromStdString(grid(gridName)->cellAt(row, column).Caption);
}

StartedWindow StartWindow() {
    StartedWindow started;
    started.store = std::make_unique<QtSettingsStore>();
    started.window = StartMainWindow(*started.store);
    if (started.window) {
        started.window->show();
        if (!QTest::qWaitForWindowExposed(started.window.get())) {
            started.window.reset();
        }
    }
    return started;
}

void Choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void Choose(QComboBox* combo, const QString& text) {
    Choose(combo, combo->findText(text));
}

void TypeInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

}  // namespace kelvo::testing
