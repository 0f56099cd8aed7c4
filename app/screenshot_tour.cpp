#include "app/screenshot_tour.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include "app/design_panel.h"
#include "app/input_area.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "app/result_pages.h"
#include "i18n/language_state.h"

namespace kelvo {

namespace {

const char* LanguageTag(int languageNumber) {
    switch (languageNumber) {
        case 1:
            return "bg";
        case 2:
            return "de";
        default:
            break;
    }
    return "en";
}

class Tour {
  public:
    Tour(TfrmZuzivOdi& window, const QString& folder) : window_(window), folder_(folder) {}

    void save(const QString& name) {
        for (int round = 0; round < 3; ++round) {
            QApplication::processEvents();
        }
        if (window_.grab().save(folder_.filePath(name + QStringLiteral(".png")))) {
            ++saved_;
        }
    }

    void language(int number) {
        window_.chooseLanguage(number);
        const QString tag = QLatin1String(LanguageTag(number));
        for (int page = 0; page < window_.resultPages()->count(); ++page) {
            window_.resultPages()->setCurrentIndex(page);
            save(QStringLiteral("%1_page%2").arg(tag).arg(page + 1));
        }
        window_.resultPages()->setCurrentIndex(ResultPages::Workpiece);
        window_.toggleSidePanel(TfrmZuzivOdi::SidePanel::StandardFits);
        save(tag + QStringLiteral("_standard_fits"));
        window_.toggleSidePanel(TfrmZuzivOdi::SidePanel::StandardFits);
        window_.toggleSidePanel(TfrmZuzivOdi::SidePanel::Design);
        window_.designPanel()->findChild<QLineEdit*>(QStringLiteral("edMaxV"))->setText("0.05");
        window_.model().OnDesignLimitEdited(true, "0.05");
        window_.model().OnDesignLimitEdited(false, "0.02");
        window_.designPanel()->refreshFromModel();
        window_.designPanel()->findChild<QPushButton*>(QStringLiteral("btnShow"))->click();
        save(tag + QStringLiteral("_design"));
        window_.toggleSidePanel(TfrmZuzivOdi::SidePanel::Design);
        for (int method = 1; method <= 2; ++method) {
            window_.model().OnMethodChanged(method);
            save(QStringLiteral("%1_method%2").arg(tag).arg(method));
        }
        window_.model().OnMethodChanged(0);
        window_.switchUnits();
        save(tag + QStringLiteral("_inches"));
        window_.switchUnits();
        window_.model().SetClassesFromFit("T7/g6");
        window_.model().CalculateStandard();
        save(tag + QStringLiteral("_not_available"));
        window_.model().SetClassesFromFit("H7/g6");
        window_.model().CalculateStandard();
    }

    int saved() const { return saved_; }

  private:
    TfrmZuzivOdi& window_;
    QDir folder_;
    int saved_ = 0;
};

}  // namespace

int TakeScreenshots(TfrmZuzivOdi& window, const QString& folder) {
    QDir().mkpath(folder);
    const int startLanguage = CurrentLanguage();
    Tour tour(window, folder);
    for (const int language : {3, 2, 1}) {
        tour.language(language);
    }
    window.chooseLanguage(startLanguage);
    return tour.saved();
}

}  // namespace kelvo
