#include "output/print_list.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "output/file_io.h"
#include "output/print_list_ini.h"
#include "print_test_support.h"

namespace kelvo {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

TEST(ParsePrintList, StopsAtTheFirstMissingNameKey) {
    const std::string text =
        "[frmPrgRezbi]\n0B=Workpiece\n0F=$(KELVO)\\templates\\workpiece.rtf\n"
        "1B=Gauges\n1F=C:\\forms\\gauges.rtf\n3B=Never read\n3F=x.rtf\n";
    const std::vector<PrintListEntry> expected = {
        {"Workpiece", "$(KELVO)\\templates\\workpiece.rtf"}, {"Gauges", "C:\\forms\\gauges.rtf"}};
    EXPECT_EQ(ParsePrintList(text), expected);
}

TEST(ParsePrintList, ToleratesWhatAHandEditedOrForeignFileHolds) {
    const std::string megabyte(1 << 20, 'p');
    const std::string text =
        "\xEF\xBB\xBF; comment\r\n"
        "garbage line without equals\r\n"
        "[Other]\r\n0B=not ours\r\n"
        "[ FRMPRGREZBI ]\r\n"
        "  0b =  Spaced name  \r\n"
        "0F=first.rtf\r\n"
        "0F=duplicate loses.rtf\r\n"
        "=no key\r\n"
        "1B=No path\r\n"
        "2B=Name=with equals \xE4\xF6 (not UTF-8)\r\n"
        "2F=" +
        megabyte +
        "\r\n"
        "[frmPrgRezbi]\r\n3B=second section of the same name\r\n";
    const std::vector<PrintListEntry> entries = ParsePrintList(text);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0], (PrintListEntry{"Spaced name", "first.rtf"}));
    EXPECT_EQ(entries[1], (PrintListEntry{"No path", ""}));
    EXPECT_EQ(entries[2].Name, "Name=with equals \xE4\xF6 (not UTF-8)");
    EXPECT_EQ(entries[2].TemplatePath, megabyte);
    EXPECT_EQ(entries[3].Name, "second section of the same name");
}

TEST(ParsePrintList, GivesNoEntriesWithoutTheSection) {
    EXPECT_TRUE(ParsePrintList("").empty());
    EXPECT_TRUE(ParsePrintList("[Other]\n0B=x\n0F=y\n").empty());
    EXPECT_TRUE(ParsePrintList(std::string("\0\x01\xFF[", 4)).empty());
}

TEST(FormatPrintList, RoundTripsEntriesAndKeepsOtherSections) {
    const std::string before =
        "; kept\n[Other]\nKey=Value\n[frmPrgRezbi]\n0B=Old\n0F=old.rtf\n"
        "junk\n[Last]\nA=1";
    const std::vector<PrintListEntry> entries = {
        {"Workpiece", "$(KELVO)\\templates\\workpiece.rtf"},
        {"Калибри ± µm", "/home/u/Vorlagen/Lehren.rtf"},
        {"a=b", ""},
    };
    const std::string after = FormatPrintList(before, entries);
    EXPECT_EQ(after,
              "; kept\n[Other]\nKey=Value\n[frmPrgRezbi]\n"
              "0B=Workpiece\n0F=$(KELVO)\\templates\\workpiece.rtf\n"
              "1B=Калибри ± µm\n1F=/home/u/Vorlagen/Lehren.rtf\n2B=a=b\n2F=\n"
              "[Last]\nA=1\n");
    EXPECT_EQ(ParsePrintList(after), entries);
    EXPECT_TRUE(ParsePrintList(FormatPrintList(after, {})).empty());
}

TEST(FormatPrintList, KeepsCrLfAndTheMarkAndKeepsValuesOnOneLine) {
    const std::string after =
        FormatPrintList("\xEF\xBB\xBF[frmPrgRezbi]\r\n0B=x\r\n", {{"two\r\nlines", "p.rtf"}});
    EXPECT_EQ(after, "\xEF\xBB\xBF[frmPrgRezbi]\r\n0B=two  lines\r\n0F=p.rtf\r\n");
}

TEST(ResolveDefaultIndex, FallsBackToTheFirstEntry) {
    struct Case {
        int stored;
        std::size_t count;
        int expected;
    };
    for (const Case c : {Case{5, 2, 0}, Case{1, 2, 1}, Case{0, 2, 0}, Case{2, 2, 0}, Case{-3, 2, 0},
                         Case{0, 0, -1}, Case{4, 0, -1}}) {
        EXPECT_EQ(ResolveDefaultIndex(c.stored, c.count), c.expected)
            << c.stored << " of " << c.count;
    }
}

TEST(KelvoMacro, ExpandsAndCollapsesTheProgramFolder) {
    const fs::path program = "/opt/kelvo";
    EXPECT_EQ(ExpandKelvoMacro("$(KELVO)\\templates\\a.rtf", program),
              "/opt/kelvo/templates/a.rtf");
    EXPECT_EQ(ExpandKelvoMacro("$(KELVO)\\a.rtf", "/opt/kelvo/"), "/opt/kelvo/a.rtf");
    EXPECT_EQ(ExpandKelvoMacro("/home/u/a.rtf", program), "/home/u/a.rtf");
    EXPECT_EQ(ExpandKelvoMacro("$(KELVO)", program), "$(KELVO)");  // no backslash: no macro
    EXPECT_EQ(CollapseKelvoMacro("/opt/kelvo/templates/a.rtf", program),
              "$(KELVO)\\templates\\a.rtf");
    EXPECT_EQ(CollapseKelvoMacro("/opt/kelvo-old/a.rtf", program), "/opt/kelvo-old/a.rtf");
    EXPECT_EQ(ExpandKelvoMacro(CollapseKelvoMacro("/opt/kelvo/sub/b.rtf", program), "/moved"),
              "/moved/sub/b.rtf");
}

TEST(EntriesWithTemplates, LeavesOutEntriesWhoseTemplateIsMissing) {
    test::ScratchFolder scratch;
    WriteBytes(scratch.Path() / "here.rtf", "{}");
    fs::create_directories(scratch.Path() / "folder.rtf");
    const std::vector<PrintListEntry> entries = {{"Missing", "$(KELVO)\\gone.rtf"},
                                                 {"Here", "$(KELVO)\\here.rtf"},
                                                 {"Folder", "$(KELVO)\\folder.rtf"},
                                                 {"No path", ""}};
    const std::vector<PrintListEntry> available = EntriesWithTemplates(entries, scratch.Path());
    ASSERT_EQ(available.size(), 1u);
    EXPECT_EQ(available[0].Name, "Here");
}

class PrintListFileTest : public ::testing::Test {
  protected:
    PrintListLocation Location() const {
        return {scratch_.Path() / "program" / "zuzivodi.pls",
                scratch_.Path() / "data" / "kelvo" / "zuzivodi.pls"};
    }
    test::ScratchFolder scratch_;
    const std::vector<PrintListEntry> entries_ = {{"A", "a.rtf"}, {"B", "b.rtf"}};
};

TEST_F(PrintListFileTest, SavesBesideTheProgramAndReadsItBack) {
    fs::create_directories(scratch_.Path() / "program");
    WriteBytes(Location().ProgramFile, "[Other]\nK=V\n[frmPrgRezbi]\n0B=Old\n0F=old.rtf\n");
    ::chmod(Location().ProgramFile.c_str(), 0640);
    const PrintListSaveResult saved = SavePrintList(Location(), entries_);
    ASSERT_TRUE(saved.Ok()) << saved.Error;
    EXPECT_EQ(saved.WrittenTo, Location().ProgramFile);
    EXPECT_EQ(LoadPrintList(Location()), entries_);
    EXPECT_NE(ReadBytes(Location().ProgramFile).find("[Other]\nK=V\n"), std::string::npos);
    struct stat info {};
    ::stat(Location().ProgramFile.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    // Nothing but the list is left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch_.Path() / "program"),
                            fs::directory_iterator()),
              1);
}

TEST_F(PrintListFileTest, FallsBackToTheUserCopyAndReadsThatFirst) {
    // No program folder at all: it cannot be written.
    const PrintListSaveResult saved = SavePrintList(Location(), entries_);
    ASSERT_TRUE(saved.Ok()) << saved.Error;
    EXPECT_EQ(saved.WrittenTo, Location().UserFile);
    EXPECT_EQ(LoadPrintList(Location()), entries_);

    // Once there, the user's copy stays the one read and written.
    fs::create_directories(scratch_.Path() / "program");
    WriteBytes(Location().ProgramFile, "[frmPrgRezbi]\n0B=Shipped\n0F=s.rtf\n");
    EXPECT_EQ(LoadPrintList(Location()), entries_);
    const std::vector<PrintListEntry> changed = {{"C", "c.rtf"}};
    EXPECT_EQ(SavePrintList(Location(), changed).WrittenTo, Location().UserFile);
    EXPECT_EQ(LoadPrintList(Location()), changed);
}

TEST_F(PrintListFileTest, ReadsTheProgramCopyWhenTheUserHasNone) {
    fs::create_directories(scratch_.Path() / "program");
    WriteBytes(Location().ProgramFile, "[frmPrgRezbi]\n0B=Shipped\n0F=s.rtf\n");
    EXPECT_EQ(LoadPrintList(Location()), (std::vector<PrintListEntry>{{"Shipped", "s.rtf"}}));
    EXPECT_TRUE(LoadPrintList({scratch_.Path() / "none", {}}).empty());
}

TEST_F(PrintListFileTest, ReportsWhenNoCopyCanBeWritten) {
    const PrintListLocation nowhere = {scratch_.Path() / "no" / "zuzivodi.pls", {}};
    const PrintListSaveResult saved = SavePrintList(nowhere, entries_);
    EXPECT_FALSE(saved.Ok());
    EXPECT_TRUE(saved.WrittenTo.empty());
}

TEST(WriteFileAtomically, LeavesTheOldFileWholeWhenTheNewOneCannotTakeItsPlace) {
    test::ScratchFolder scratch;
    const fs::path target = scratch.Path() / "list";
    fs::create_directories(target / "occupied");  // a folder cannot be replaced by a file
    EXPECT_FALSE(WriteFileAtomically(target, "new").empty());
    EXPECT_TRUE(fs::is_directory(target / "occupied"));
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.Path()), fs::directory_iterator()), 1);
}

TEST(UserDataFolder, FollowsXdgDataHomeOrTheHomeFolder) {
    const char* savedXdg = std::getenv("XDG_DATA_HOME");
    const std::string savedValue = savedXdg ? savedXdg : "";
    ::setenv("XDG_DATA_HOME", "/data/home", 1);
    EXPECT_EQ(UserDataFolder(), "/data/home/kelvo");
    ::setenv("XDG_DATA_HOME", "relative/ignored", 1);
    const fs::path fallback = UserDataFolder();
    savedXdg ? ::setenv("XDG_DATA_HOME", savedValue.c_str(), 1) : ::unsetenv("XDG_DATA_HOME");
    EXPECT_TRUE(fallback.empty() || fallback.string().ends_with("/.local/share/kelvo"));
    EXPECT_EQ(PrintListLocationFor("/opt/kelvo").ProgramFile, "/opt/kelvo/zuzivodi.pls");
}

}  // namespace
}  // namespace kelvo
