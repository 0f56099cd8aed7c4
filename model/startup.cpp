#include "model/startup.h"

#include "i18n/language_state.h"
#include "model/language_keys.h"

namespace kelvo {

bool StartProcess(SettingsStore& store) {
    InitLanguage(store);
    return Settings(store).ProbeWritable();
}

WindowSettings ShowWindowFirstTime(MainWindowModel& model, SettingsStore& store) {
    model.NominalSize = 10;
    const WindowSettings stored = Settings(store).ReadWindowSettings();
    model.InchMode = stored.inchMode;
    model.InputMethod = 0;
    model.NominalEditLive = false;
    model.NominalText = model.InchMode ? "0.3937" : "10";
    model.NominalEditLive = true;

    model.HoleIT = model.HoleES = model.HoleEI = 0;
    model.ShaftIT = model.ShaftEs = model.ShaftEi = 0;
    model.ResetFit();

    model.HoleLetter = LetterIndex("H", Side::Hole);
    model.HoleGrade = GradeIndex("7");
    model.ShaftLetter = LetterIndex("g", Side::Shaft);
    model.ShaftGrade = GradeIndex("6");
    model.CalculateStandard();

    const int language = CurrentLanguage();
    if (IsLanguageNumber(language)) {
        ApplyLanguage(model, language, store);
    }
    return stored;
}

void ApplyLanguage(MainWindowModel& model, int languageNumber, SettingsStore& store) {
    SetLanguage(languageNumber, store);
    if (model.InputMethod == 0) {
        model.CalculateStandard();
        return;
    }
    // On the non-standard pages the standard calculation is inert; the texts kept in
    // the model are put into the new language without recomputing the tolerances.
    model.NonStdDesignation = LangText(key::kNonStandard);
    if (model.FitKind.has_value()) {
        model.ClassifyFit();
    } else if (!model.FitMaxLabel.empty()) {
        model.ResetFit();
    }
    model.RefreshViews();
}

void CloseWindow(const MainWindowModel& model, const WindowSettings& panel, SettingsStore& store) {
    WindowSettings settings = panel;
    settings.inchMode = model.InchMode;
    Settings(store).WriteWindowSettings(settings);
}

}  // namespace kelvo
