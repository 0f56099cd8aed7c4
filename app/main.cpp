// zuzivodi: the window program. With KELVO_TIMING=1 it prints the time from the start of main to
// the first painted result; with KELVO_SCREENSHOTS=<folder> it saves pictures of its pages,
// panels and languages there and ends.

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "app/main_window.h"
#include "app/program.h"
#include "app/qt_settings_store.h"
#include "app/screenshot_tour.h"

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    const bool timing = qEnvironmentVariableIntValue("KELVO_TIMING") == 1;
    const auto stage = [&sinceStart, timing](const char* what) {
        if (timing) {
            std::fprintf(stderr, "zuzivodi: %s %.1f ms after start of main\n", what,
                         sinceStart.nsecsElapsed() / 1e6);
        }
    };
    // The menu bar belongs to the window; asking the desktop for a global one costs start time.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication application(argc, argv);
    stage("application ready");
    kelvo::SetProgramNames();
    kelvo::QtSettingsStore store;
    std::unique_ptr<kelvo::TfrmZuzivOdi> window = kelvo::StartMainWindow(store);
    if (!window) {
        return 1;
    }
    stage("window created");
    QObject::connect(window.get(), &kelvo::TfrmZuzivOdi::firstPainted,
                     [&stage] { stage("first result painted"); });
    window->show();
    const QString screenshots = qEnvironmentVariable("KELVO_SCREENSHOTS");
    if (!screenshots.isEmpty()) {
        QTimer::singleShot(0, window.get(), [&window, screenshots] {
            kelvo::TakeScreenshots(*window, screenshots);
            window->close();
        });
    }
    return application.exec();
}
