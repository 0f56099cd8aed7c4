#include "i18n/language_state.h"

#include "i18n/built_in_language_tables.h"

namespace kelvo {

void LanguageState::Reset() {
    number_ = kDefaultLanguage;
    table_ = LanguageTable();
    ++generation_;
}

LanguageState& GlobalLanguageState() {
    static LanguageState state;
    return state;
}

LanguageTable LoadLanguageTable(int languageNumber) {
    try {
        return LanguageTable(ParseLanguageTable(BuiltInLanguageTable(languageNumber)));
    } catch (...) {
        // A table that cannot be loaded leaves the texts empty; the window still works.
        return LanguageTable();
    }
}

std::string LangText(int key) {
    const std::string* text = GlobalLanguageState().Table().Find(key);
    return text ? *text : std::string();
}

int CurrentLanguage() {
    return GlobalLanguageState().CurrentNumber();
}

void InitLanguage(SettingsStore& store) {
    LanguageState& state = GlobalLanguageState();
    state.ReplaceTable(LanguageTable());
    state.SetCurrentNumber(Settings(store).Language());
    state.ReplaceTable(LoadLanguageTable(state.CurrentNumber()));
}

void SetLanguage(int languageNumber, SettingsStore& store) {
    LanguageTable table = LoadLanguageTable(languageNumber);
    LanguageState& state = GlobalLanguageState();
    state.SetCurrentNumber(languageNumber);
    state.ReplaceTable(std::move(table));
    Settings(store).WriteLanguage(languageNumber);
}

}  // namespace kelvo
