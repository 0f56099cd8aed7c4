// Starting in the stored language, switching languages and keeping the choice in the settings.

#include <gtest/gtest.h>

#include "i18n/language_state.h"
#include "i18n/settings.h"
#include "i18n/settings_store.h"
#include "language_test_support.h"

namespace kelvo {
namespace {

class LanguageSwitching : public testing::FreshLanguageState {
  protected:
    // The stored "Lang" value, or nothing when the key or the value is missing or not an integer.
    std::optional<std::int32_t> StoredLanguage() {
        const auto key =
            store.OpenKey(SettingsRoot::CurrentUser, kProgramSettingsKey, OpenMode::OpenExisting);
        return key ? store.ReadInt(*key, kLanguageValue) : std::nullopt;
    }

    void Store(const SettingsValue& value) {
        const auto key = store.OpenKey(SettingsRoot::CurrentUser, kProgramSettingsKey,
                                       OpenMode::CreateIfMissing);
        ASSERT_TRUE(key);
        ASSERT_TRUE(store.WriteValue(*key, kLanguageValue, value));
    }

    // What the program does from start until its window is shown: load the stored language, then
    // run the command of the current language once.
    void StartProgram() {
        GlobalLanguageState().Reset();
        InitLanguage(store);
        SetLanguage(CurrentLanguage(), store);
    }

    MemorySettingsStore store;
};

TEST_F(LanguageSwitching, BeforeAnyLoadTheLanguageIsEnglishWithNoTexts) {
    EXPECT_EQ(CurrentLanguage(), kEnglish);
    EXPECT_EQ(LangText(1), "");
}

TEST_F(LanguageSwitching, FirstStartWithoutSettingsShowsEnglishAndStoresIt) {
    InitLanguage(store);
    EXPECT_EQ(CurrentLanguage(), kEnglish);
    EXPECT_EQ(LangText(1), "Hole");
    EXPECT_FALSE(StoredLanguage());  // loading alone writes nothing

    SetLanguage(CurrentLanguage(), store);
    EXPECT_EQ(StoredLanguage(), kEnglish);
}

TEST_F(LanguageSwitching, GermanChosenOnceIsShownAtTheNextStart) {
    StartProgram();
    SetLanguage(kGerman, store);
    EXPECT_EQ(LangText(1), " Bohrung");

    GlobalLanguageState().Reset();
    InitLanguage(store);  // no command has run yet
    EXPECT_EQ(CurrentLanguage(), kGerman);
    EXPECT_EQ(LangText(1), " Bohrung");
    EXPECT_EQ(StoredLanguage(), kGerman);
}

TEST_F(LanguageSwitching, EachCommandReplacesTheWholeTable) {
    SetLanguage(kBulgarian, store);
    EXPECT_EQ(LangText(67), "KELVO Допуски и калибри");
    SetLanguage(kGerman, store);
    EXPECT_EQ(LangText(67), "KELVO Toleranzen und Lehren");
    SetLanguage(kEnglish, store);
    EXPECT_EQ(LangText(67), "KELVO Tolerances and gauges");
    EXPECT_EQ(LangText(0), "");
    EXPECT_EQ(LangText(200), "");
    EXPECT_EQ(LangText(-1), "");
}

TEST_F(LanguageSwitching, StoredLanguagesAreRestored) {
    const struct {
        int stored;
        const char* hole;
    } cases[] = {{kBulgarian, "Отвор"}, {kGerman, " Bohrung"}, {kEnglish, "Hole"}};
    for (const auto& c : cases) {
        Store(SettingsValue{c.stored});
        GlobalLanguageState().Reset();
        InitLanguage(store);
        EXPECT_EQ(CurrentLanguage(), c.stored);
        EXPECT_EQ(LangText(1), c.hole);
    }
}

TEST_F(LanguageSwitching, UnusableStoredLanguageFallsBackToEnglish) {
    const SettingsValue unusable[] = {SettingsValue{0}, SettingsValue{7}, SettingsValue{-1},
                                      SettingsValue{std::string("x")},
                                      SettingsValue{std::string("2")}};
    for (const auto& value : unusable) {
        Store(value);
        GlobalLanguageState().Reset();
        InitLanguage(store);
        EXPECT_EQ(CurrentLanguage(), kEnglish) << value.index();
        EXPECT_EQ(LangText(1), "Hole");

        // The command run at start then repairs the stored value.
        SetLanguage(CurrentLanguage(), store);
        EXPECT_EQ(StoredLanguage(), kEnglish);
    }
}

TEST_F(LanguageSwitching, KeyWithoutLangValueGivesEnglish) {
    const auto key =
        store.OpenKey(SettingsRoot::CurrentUser, kProgramSettingsKey, OpenMode::CreateIfMissing);
    ASSERT_TRUE(key);
    ASSERT_TRUE(store.WriteBool(*key, kInchModeValue, true));
    InitLanguage(store);
    EXPECT_EQ(CurrentLanguage(), kEnglish);
    EXPECT_EQ(LangText(2), "Shaft");
}

TEST_F(LanguageSwitching, StoreThatRefusesWritesStillSwitchesTheLanguage) {
    store.SetWritable(SettingsRoot::CurrentUser, false);
    SetLanguage(kBulgarian, store);
    EXPECT_EQ(CurrentLanguage(), kBulgarian);
    EXPECT_EQ(LangText(63), "ПР");
    EXPECT_FALSE(StoredLanguage());
}

TEST_F(LanguageSwitching, NumberWithoutATableEmptiesTheTextsAndIsNotKeptAcrossAStart) {
    SetLanguage(kGerman, store);
    SetLanguage(7, store);
    EXPECT_EQ(CurrentLanguage(), 7);
    EXPECT_EQ(LangText(1), "");
    EXPECT_EQ(StoredLanguage(), 7);

    StartProgram();
    EXPECT_EQ(CurrentLanguage(), kEnglish);
    EXPECT_EQ(LangText(1), "Hole");
    EXPECT_EQ(StoredLanguage(), kEnglish);
}

TEST(LoadLanguageTable, LoadsTheBuiltInTablesAndNothingForOtherNumbers) {
    EXPECT_EQ(LoadLanguageTable(kEnglish).Lines().size(), 110u);
    EXPECT_EQ(LoadLanguageTable(kGerman).Lines().size(), 110u);
    EXPECT_EQ(LoadLanguageTable(kBulgarian).Lines().size(), 110u);
    EXPECT_TRUE(LoadLanguageTable(0).empty());
    EXPECT_TRUE(LoadLanguageTable(4).empty());
}

}  // namespace
}  // namespace kelvo
