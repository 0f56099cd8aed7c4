#include <gtest/gtest.h>

#include "i18n/language_state.h"
#include "i18n/settings.h"
#include "model/model_fixture.h"
#include "model/startup.h"

namespace kelvo {
namespace {

using testing::RecordingView;

class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override { GlobalLanguageState().Reset(); }
    void TearDown() override { GlobalLanguageState().Reset(); }

    std::optional<std::int32_t> StoredInt(std::string_view name) {
        auto key =
            store.OpenKey(SettingsRoot::CurrentUser, kProgramSettingsKey, OpenMode::OpenExisting);
        return key ? store.ReadInt(*key, name) : std::nullopt;
    }

    // One run of the program against the same store, up to the idle window.
    WindowSettings StartOnce(MainWindowModel& model) {
        EXPECT_TRUE(StartProcess(store));
        return ShowWindowFirstTime(model, store);
    }

    MemorySettingsStore store;
    RecordingView view;
};

TEST_F(StartupTest, FirstStartShowsH7g6At10mmInEnglishAndStoresTheLanguage) {
    MainWindowModel model(&view);
    const WindowSettings panel = StartOnce(model);
    EXPECT_EQ(model.NominalSize, 10);
    EXPECT_EQ(model.NominalText, "10");
    EXPECT_FALSE(model.InchMode);
    EXPECT_EQ(model.HoleLetter, LetterIndex("H", Side::Hole));
    EXPECT_EQ(model.ShaftGrade, GradeIndex("6"));
    EXPECT_NEAR(model.HoleES, 0.015, 1e-12);
    EXPECT_EQ(model.FitTypeText, "Clearance fit");
    EXPECT_EQ(panel.resultCountIndex, 0);
    EXPECT_FALSE(panel.standardOnly);
    EXPECT_EQ(StoredInt(kLanguageValue), 3);
    EXPECT_GE(view.refreshCount, 1);
}

TEST_F(StartupTest, SettingsAndLanguagePersistAcrossTwoStarts) {
    {
        MainWindowModel model(&view);
        WindowSettings panel = StartOnce(model);
        ApplyLanguage(model, kGerman, store);
        EXPECT_EQ(LangText(1), " Bohrung");
        model.NominalText = "10";
        model.SwitchUnits();
        panel.resultCountIndex = 3;
        panel.standardOnly = true;
        CloseWindow(model, panel, store);
    }
    GlobalLanguageState().Reset();
    MainWindowModel model(&view);
    const WindowSettings panel = StartOnce(model);
    EXPECT_EQ(CurrentLanguage(), kGerman);
    EXPECT_TRUE(model.InchMode);
    EXPECT_EQ(model.NominalText, "0.3937");
    EXPECT_EQ(model.NominalSize, 10);  // the field is rounded, the model is not
    EXPECT_EQ(panel.resultCountIndex, 3);
    EXPECT_TRUE(panel.standardOnly);
    EXPECT_EQ(model.FitTypeText, LangText(16));
}

TEST_F(StartupTest, UnreadableStoredValuesFallBackToDefaults) {
    auto key =
        store.OpenKey(SettingsRoot::CurrentUser, kProgramSettingsKey, OpenMode::CreateIfMissing);
    ASSERT_TRUE(key);
    store.WriteString(*key, kLanguageValue, "x");
    store.WriteInt(*key, kResultCountValue, -3);
    store.WriteString(*key, kInchModeValue, "yes");
    MainWindowModel model(&view);
    const WindowSettings panel = StartOnce(model);
    EXPECT_EQ(CurrentLanguage(), kEnglish);
    EXPECT_EQ(model.FitTypeText, "Clearance fit");
    EXPECT_EQ(panel.resultCountIndex, 0);
    EXPECT_FALSE(model.InchMode);
}

TEST_F(StartupTest, ProbeFailsWhenTheStoreCannotBeWritten) {
    store.SetWritable(SettingsRoot::ClassesRoot, false);
    EXPECT_FALSE(StartProcess(store));
    store.SetWritable(SettingsRoot::ClassesRoot, true);
    store.SetWritable(SettingsRoot::CurrentUser, false);
    EXPECT_FALSE(StartProcess(store));
    store.SetWritable(SettingsRoot::CurrentUser, true);
    EXPECT_TRUE(StartProcess(store));
    EXPECT_FALSE(store.KeyExists(SettingsRoot::ClassesRoot, kProbeClassesKey));
    EXPECT_FALSE(store.KeyExists(SettingsRoot::CurrentUser, kProbeUserKey));
}

TEST_F(StartupTest, LanguageSwitchOnANonStandardPageRelabelsTheFit) {
    MainWindowModel model(&view);
    StartOnce(model);
    model.OnMethodChanged(1);
    ASSERT_EQ(model.FitTypeText, "Clearance fit");
    ApplyLanguage(model, kBulgarian, store);
    EXPECT_EQ(model.FitTypeText, LangText(16));
    EXPECT_NE(model.FitTypeText, "Clearance fit");
    EXPECT_EQ(model.NonStdDesignation, "(нестанд.)");
    EXPECT_NEAR(model.HoleES, 0.015, 1e-9);  // the tolerance itself is kept
}

}  // namespace
}  // namespace kelvo
