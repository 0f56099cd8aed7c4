// The settings store as the program relies on it, and the typed settings kept in it.

#include <gtest/gtest.h>

#include <string>

#include "i18n/settings.h"
#include "i18n/settings_store.h"

namespace kelvo {
namespace {

constexpr auto kUser = SettingsRoot::CurrentUser;

class MemoryStore : public ::testing::Test {
  protected:
    SettingsKey Create(std::string_view path, SettingsRoot root = kUser) {
        auto key = store.OpenKey(root, path, OpenMode::CreateIfMissing);
        EXPECT_TRUE(key) << path;
        return key.value_or(SettingsKey{});
    }

    MemorySettingsStore store;
};

TEST_F(MemoryStore, ValueNamesIgnoreCase) {
    const SettingsKey key = Create("Software\\Kelvo\\PrintList\\frmPrgRezbi");
    ASSERT_TRUE(store.WriteInt(key, "DEFAULT", 2));
    EXPECT_TRUE(store.ValueExists(key, "Default"));
    EXPECT_EQ(store.ReadInt(key, "Default"), 2);
    EXPECT_EQ(store.ReadInt(key, "default"), 2);

    ASSERT_TRUE(store.WriteInt(key, "Default", 5));  // replaces, does not add a second value
    EXPECT_EQ(store.ReadInt(key, "DEFAULT"), 5);
}

TEST_F(MemoryStore, KeyPathsIgnoreCaseAndSurroundingBackslashes) {
    const SettingsKey created = Create(kProgramSettingsKey);
    ASSERT_TRUE(store.WriteBool(created, "mm_in", true));
    const auto reopened =
        store.OpenKey(kUser, "software\\DRAVENIK\\Karvenit\\default", OpenMode::OpenExisting);
    ASSERT_TRUE(reopened);
    EXPECT_EQ(store.ReadBool(*reopened, "MM_IN"), true);
}

TEST_F(MemoryStore, OpeningWithoutCreatingFailsForAMissingKeyAndCreatesNothing) {
    EXPECT_FALSE(store.OpenKey(kUser, kProgramSettingsKey, OpenMode::OpenExisting));
    EXPECT_FALSE(store.KeyExists(kUser, "Software"));
    Create("Software");
    EXPECT_FALSE(store.OpenKey(kUser, kProgramSettingsKey, OpenMode::OpenExisting));
}

TEST_F(MemoryStore, ValuesReadBackWithTheirTypes) {
    const SettingsKey key = Create("A");
    ASSERT_TRUE(store.WriteBool(key, "flag", true));
    ASSERT_TRUE(store.WriteInt(key, "number", -3));
    ASSERT_TRUE(store.WriteString(key, "text", "Отвор"));
    EXPECT_EQ(store.ReadBool(key, "flag"), true);
    EXPECT_EQ(store.ReadInt(key, "number"), -3);
    EXPECT_EQ(store.ReadString(key, "text"), "Отвор");
    EXPECT_FALSE(store.ValueExists(key, "missing"));
    EXPECT_FALSE(store.ReadInt(key, "missing"));
}

TEST_F(MemoryStore, NumbersAndFlagsReadAsEachOtherButNotAsText) {
    const SettingsKey key = Create("A");
    ASSERT_TRUE(store.WriteInt(key, "number", 2));
    ASSERT_TRUE(store.WriteBool(key, "flag", true));
    ASSERT_TRUE(store.WriteString(key, "text", "3"));
    EXPECT_EQ(store.ReadBool(key, "number"), true);
    EXPECT_EQ(store.ReadInt(key, "flag"), 1);
    EXPECT_FALSE(store.ReadInt(key, "text"));
    EXPECT_FALSE(store.ReadBool(key, "text"));
    EXPECT_FALSE(store.ReadString(key, "number"));

    ASSERT_TRUE(store.WriteInt(key, "text", 4));  // a write replaces the value whatever its type
    EXPECT_EQ(store.ReadInt(key, "text"), 4);
}

TEST_F(MemoryStore, DeletingAKeyRemovesItsSubkeysAndLeavesItsSiblings) {
    const SettingsKey deep = Create("Software\\DravenikLtd\\Inner\\Deeper");
    ASSERT_TRUE(store.WriteInt(deep, "n", 1));
    Create("Software\\Other");

    EXPECT_TRUE(store.DeleteKey(kUser, "\\Software\\DravenikLtd"));
    EXPECT_FALSE(store.KeyExists(kUser, "Software\\DravenikLtd"));
    EXPECT_FALSE(store.KeyExists(kUser, "Software\\DravenikLtd\\Inner\\Deeper"));
    EXPECT_TRUE(store.KeyExists(kUser, "Software\\Other"));

    // A key opened before the deletion is gone with it.
    EXPECT_FALSE(store.ReadInt(deep, "n"));
    EXPECT_FALSE(store.WriteInt(deep, "n", 2));
    EXPECT_FALSE(store.KeyExists(kUser, "Software\\DravenikLtd"));

    EXPECT_FALSE(store.DeleteKey(kUser, "Software\\DravenikLtd"));  // nothing left to delete
    EXPECT_FALSE(store.DeleteKey(kUser, "\\"));                     // the root stays
}

TEST_F(MemoryStore, RootsAreSeparate) {
    Create("\\.dravenik", SettingsRoot::ClassesRoot);
    EXPECT_TRUE(store.KeyExists(SettingsRoot::ClassesRoot, ".dravenik"));
    EXPECT_FALSE(store.KeyExists(kUser, ".dravenik"));
}

TEST_F(MemoryStore, RootThatIsNotWritableOpensForReadingOnly) {
    const SettingsKey key = Create(kProgramSettingsKey);
    ASSERT_TRUE(store.WriteInt(key, "Lang", 2));
    store.SetWritable(kUser, false);

    EXPECT_FALSE(store.OpenKey(kUser, kProgramSettingsKey, OpenMode::CreateIfMissing));
    EXPECT_FALSE(store.OpenKey(kUser, "New", OpenMode::CreateIfMissing));
    const auto readOnly = store.OpenKey(kUser, kProgramSettingsKey, OpenMode::OpenExisting);
    ASSERT_TRUE(readOnly);
    EXPECT_EQ(store.ReadInt(*readOnly, "Lang"), 2);
    EXPECT_FALSE(store.WriteInt(*readOnly, "Lang", 3));
    EXPECT_EQ(store.ReadInt(*readOnly, "Lang"), 2);
    EXPECT_FALSE(store.DeleteKey(kUser, kProgramSettingsKey));

    EXPECT_TRUE(store.OpenKey(SettingsRoot::ClassesRoot, "x", OpenMode::CreateIfMissing));
}

TEST(SplitKeyPath, DropsEmptyNames) {
    EXPECT_EQ(SplitKeyPath("\\Software\\Dravenik\\Karvenit\\Default\\"),
              (std::vector<std::string>{"Software", "Dravenik", "Karvenit", "Default"}));
    EXPECT_EQ(SplitKeyPath("a\\\\b"), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(SplitKeyPath("\\").empty());
    EXPECT_TRUE(SplitKeyPath("").empty());
}

class ProgramSettings : public MemoryStore {
  protected:
    SettingsKey ProgramKey() { return Create(kProgramSettingsKey); }
    Settings settings{store};
};

TEST_F(ProgramSettings, MissingKeyGivesTheDefaults) {
    const WindowSettings read = settings.ReadWindowSettings();
    EXPECT_FALSE(read.inchMode);
    EXPECT_EQ(read.resultCountIndex, 0);
    EXPECT_FALSE(read.standardOnly);
    EXPECT_EQ(settings.Language(), kEnglish);
    EXPECT_EQ(settings.DefaultTemplateIndex(), 0);
    EXPECT_FALSE(store.KeyExists(kUser, kProgramSettingsKey));  // reading creates nothing
}

TEST_F(ProgramSettings, WindowSettingsRoundTrip) {
    ASSERT_TRUE(settings.WriteWindowSettings({true, 3, true}));
    const WindowSettings read = settings.ReadWindowSettings();
    EXPECT_TRUE(read.inchMode);
    EXPECT_EQ(read.resultCountIndex, 3);
    EXPECT_TRUE(read.standardOnly);

    const SettingsKey key = ProgramKey();
    EXPECT_EQ(store.ReadBool(key, "mm_in"), true);
    EXPECT_EQ(store.ReadInt(key, "ResCn"), 3);
    EXPECT_EQ(store.ReadBool(key, "Prep"), true);
}

TEST_F(ProgramSettings, ResultCountOutsideTheFiveItemsReadsAsTheFirst) {
    const struct {
        SettingsValue stored;
        int expected;
    } cases[] = {
        {SettingsValue{4}, 4},
        {SettingsValue{0}, 0},
        {SettingsValue{5}, 0},
        {SettingsValue{-3}, 0},
        {SettingsValue{std::string("2")}, 0},
    };
    const SettingsKey key = ProgramKey();
    for (const auto& c : cases) {
        ASSERT_TRUE(store.WriteValue(key, "ResCn", c.stored));
        EXPECT_EQ(settings.ReadWindowSettings().resultCountIndex, c.expected) << c.stored.index();
    }
}

TEST_F(ProgramSettings, FlagsOfTheWrongTypeKeepTheirDefaults) {
    const SettingsKey key = ProgramKey();
    ASSERT_TRUE(store.WriteString(key, "mm_in", "true"));
    ASSERT_TRUE(store.WriteString(key, "Prep", "1"));
    EXPECT_FALSE(settings.ReadWindowSettings().inchMode);
    EXPECT_FALSE(settings.ReadWindowSettings().standardOnly);
}

TEST_F(ProgramSettings, LanguageIsReadOnlyWhenItNamesATable) {
    const SettingsKey key = ProgramKey();
    for (const int number : {1, 2, 3}) {
        ASSERT_TRUE(settings.WriteLanguage(number));
        EXPECT_EQ(settings.Language(), number);
    }
    for (const int number : {0, 4, 7, -1}) {
        ASSERT_TRUE(store.WriteInt(key, "Lang", number));
        EXPECT_EQ(settings.Language(), kEnglish) << number;
    }
    ASSERT_TRUE(store.WriteString(key, "Lang", "x"));
    EXPECT_EQ(settings.Language(), kEnglish);
}

TEST_F(ProgramSettings, DefaultTemplateIsKeptUnderThePrintListKey) {
    ASSERT_TRUE(settings.WriteDefaultTemplateIndex(2));
    const auto key =
        store.OpenKey(kUser, "Software\\Kelvo\\PrintList\\frmPrgRezbi", OpenMode::OpenExisting);
    ASSERT_TRUE(key);
    EXPECT_EQ(store.ReadInt(*key, "Default"), 2);
    EXPECT_EQ(settings.DefaultTemplateIndex(), 2);

    ASSERT_TRUE(store.WriteString(*key, "default", "two"));
    EXPECT_EQ(settings.DefaultTemplateIndex(), 0);
    ASSERT_TRUE(store.WriteInt(*key, "default", -4));
    EXPECT_EQ(settings.DefaultTemplateIndex(), 0);
}

TEST_F(ProgramSettings, ProbePassesOnAWritableStoreAndLeavesNothingBehind) {
    EXPECT_TRUE(settings.ProbeWritable());
    EXPECT_FALSE(store.KeyExists(SettingsRoot::ClassesRoot, ".dravenik"));
    EXPECT_FALSE(store.KeyExists(kUser, "Software\\DravenikLtd"));
}

TEST_F(ProgramSettings, ProbeFailsWhenEitherRootRefusesWrites) {
    store.SetWritable(SettingsRoot::ClassesRoot, false);
    EXPECT_FALSE(settings.ProbeWritable());

    store.SetWritable(SettingsRoot::ClassesRoot, true);
    store.SetWritable(kUser, false);
    EXPECT_FALSE(settings.ProbeWritable());
}

TEST_F(ProgramSettings, WritesFailQuietlyWhenTheStoreRefuses) {
    store.SetWritable(kUser, false);
    EXPECT_FALSE(settings.WriteLanguage(2));
    EXPECT_FALSE(settings.WriteWindowSettings({true, 1, true}));
    EXPECT_FALSE(settings.WriteDefaultTemplateIndex(1));
    EXPECT_EQ(settings.Language(), kEnglish);
}

}  // namespace
}  // namespace kelvo
