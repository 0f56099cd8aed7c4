// kelvo_extras_demo <folder>: opens the gauge schema (three pages, also in inches and with a shaft
// class that has no value), the preferred numbers picker, the About window and the help window in
// each language, and saves a picture of each in <folder>. For looking at the windows, not a test.

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTextBrowser>
#include <cstdio>

#include "app/about_window.h"
#include "app/help_window.h"
#include "app/redove_dialog.h"
#include "app/shema_window.h"
#include "i18n/language_state.h"
#include "i18n/settings_store.h"
#include "model/main_model.h"

namespace {

using namespace kelvo;

const char* const kLanguageNames[] = {"", "bg", "de", "en"};

bool Save(const QImage& image, const QDir& folder, const QString& name) {
    const QString file = folder.filePath(name + QStringLiteral(".png"));
    const bool saved = image.save(file);
    std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "saved" : "could not save",
                 qPrintable(file));
    return saved;
}

QImage Grab(QWidget& window) {
    window.show();
    QApplication::processEvents();
    return window.grab().toImage();
}

MainWindowModel ModelWith(const char* fit, double sizeMm, bool inchMode) {
    MainWindowModel model;
    model.NominalSize = sizeMm;
    model.NominalText = std::to_string(sizeMm);
    model.SetClassesFromFit(fit);
    model.CalculateStandard();
    model.InchMode = inchMode;
    return model;
}

bool SaveSchemas(const QDir& folder, const QString& language) {
    struct Case {
        const char* name;
        const char* fit;
        double sizeMm;
        bool inchMode;
    };
    const Case cases[] = {
        {"h7g6_25mm", "H7/g6", 25, false},
        {"h7g6_25in", "H7/g6", 25, true},
        {"h7g6_200mm", "H7/g6", 200, false},
        {"h7t6_10mm_no_shaft_value", "H7/t6", 10, false},
    };
    bool ok = true;
    for (const Case& c : cases) {
        const MainWindowModel model = ModelWith(c.fit, c.sizeMm, c.inchMode);
        for (int page = 1; page <= 3; ++page) {
            const std::optional<GaugeSchema> schema = BuildGaugeSchema(
                static_cast<ResultPage>(page), model.GaugeInputsOf(), model.InchMode);
            TfrmShema window(*schema, language == QLatin1String("de") ? ',' : '.');
            ok &= Save(Grab(window), folder,
                       QStringLiteral("schema_%1_p%2_%3").arg(language).arg(page).arg(c.name));
        }
    }
    return ok;
}

bool SaveAbout(const QDir& folder, const QString& language) {
    AboutWindow window(QStringLiteral("1.0.0"));
    QImage shown = Grab(window).convertToFormat(QImage::Format_ARGB32);
    // The picture's yellow is outside the window: show it as a screen would, transparent.
    const QImage picture = window.shownPicture();
    for (int y = 0; y < shown.height() && y < picture.height(); ++y) {
        for (int x = 0; x < shown.width() && x < picture.width(); ++x) {
            if (picture.pixel(x, y) == AboutWindow::kTransparentColour) {
                shown.setPixel(x, y, qRgba(0, 0, 0, 0));
            }
        }
    }
    return Save(shown, folder, QStringLiteral("about_%1").arg(language));
}

bool SaveHelp(const QDir& folder, const QString& language, int languageNumber) {
    bool ok = true;
    HelpWindow window;
    const QString topics[] = {QStringLiteral("start"), QStringLiteral("print")};
    for (int kind = 0; kind < 2; ++kind) {
        ok &= window.showLink(QString::fromStdString(
            HelpLinkText(HelpLinkOf(static_cast<HelpTopicKind>(kind), languageNumber))));
        ok &= Save(Grab(window), folder, QStringLiteral("help_%1_%2").arg(language, topics[kind]));
    }
    // The further pages, through the same help file.
    const QString file =
        QString::fromStdString(HelpLinkOf(HelpTopicKind::Start, languageNumber).File);
    for (const char* page :
         {"standards", "fit", "nonstandard", "fits", "units", "gauges", "schema", "settings"}) {
        ok &= window.showLink(file + QStringLiteral("::/") + QLatin1String(page) +
                              QStringLiteral(".htm"));
        ok &= Save(Grab(window), folder,
                   QStringLiteral("help_%1_%2").arg(language, QLatin1String(page)));
    }
    return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: kelvo_extras_demo <folder>\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));
    MemorySettingsStore store;
    bool ok = true;
    for (int languageNumber = 1; languageNumber <= 3; ++languageNumber) {
        SetLanguage(languageNumber, store);
        const QString language = QString::fromLatin1(kLanguageNames[languageNumber]);
        ok &= SaveSchemas(folder, language);
        TfrmRedove picker(language == QLatin1String("de") ? ',' : '.');
        ok &= Save(Grab(picker), folder, QStringLiteral("redove_%1").arg(language));
        ok &= SaveAbout(folder, language);
        ok &= SaveHelp(folder, language, languageNumber);
    }
    return ok ? 0 : 1;
}
