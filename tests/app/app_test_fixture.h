#pragma once
// What every window test shares: a settings folder of its own (set before the application
// exists), a watchdog that answers and records every modal box, and a started main window.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/cell_grid_widget.h"
#include "app/main_window.h"
#include "app/qt_settings_store.h"

namespace kelvo::testing {

// Closes every modal message box as soon as it shows and keeps its caption and text, so that a
// test can expect a box and an unexpected one fails the test instead of hanging it.
class ModalWatchdog : public QObject {
    Q_OBJECT

  public:
    ModalWatchdog();
    QStringList takeTexts();
    QStringList takeCaptions();
    bool empty() const { return texts_.isEmpty(); }

  private:
    void check();

    QTimer timer_;
    QStringList texts_;
    QStringList captions_;
};

// Points the per-user settings at a temporary folder and the platform at offscreen; call
// before the QApplication is created.
void PrepareTestEnvironment();

// Deletes every stored setting, as on a machine where the program never ran.
void ClearStoredSettings();

// A started and shown main window over the per-user settings store.
struct StartedWindow {
    std::unique_ptr<QtSettingsStore> store;
    std::unique_ptr<TfrmZuzivOdi> window;

    template <typename T>
    T* find(const char* name) const {
        return window->findChild<T*>(QLatin1String(name));
    }
    CellGridWidget* grid(const char* name) const { return find<CellGridWidget>(name); }
    QString value(const char* gridName, int row, int column) const;
    QString caption(const char* gridName, int row, int column) const;
};

StartedWindow StartWindow();

// What a user's pick in a selector does: select the item and report it as activated.
void Choose(QComboBox* combo, int index);
void Choose(QComboBox* combo, const QString& text);
// Replaces a field's text by typing, as the user does.
void TypeInto(QLineEdit* field, const QString& text);

}  // namespace kelvo::testing

// Fails the running test when a box showed that the test did not take from the watchdog.
#define KELVO_VERIFY_NO_OTHER_BOX(watchdog)                                                 \
    do {                                                                                    \
        const QStringList unexpected = (watchdog).takeTexts();                              \
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QStringLiteral(" | ")))); \
    } while (false)

// A test program's main: environment first, then the application, then the tests.
#define KELVO_WINDOW_TEST_MAIN(TestClass)         \
    int main(int argc, char* argv[]) {            \
        kelvo::testing::PrepareTestEnvironment(); \
        QApplication application(argc, argv);     \
        kelvo::SetProgramNames();                 \
        TestClass test;                           \
        return QTest::qExec(&test, argc, argv);   \
    }
