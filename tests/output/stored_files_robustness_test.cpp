// What the program keeps on disk and finds damaged or gone: a print list file that was cut short,
// grew huge or is no text at all, a template folder that vanished, and a temporary folder that
// cannot be written or fills up. The library reports each case, keeps running and loses nothing
// it held.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "output/print_list.h"
#include "output/print_list_keep.h"
#include "output/print_record.h"
#include "output/template_engine.h"
#include "print_test_support.h"

namespace kelvo {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

// A disk that fills up while a file is written, for the life of the object: the process may not
// make a file longer than `bytes` (root too), and a write past that fails with EFBIG instead of
// raising SIGXFSZ.
class FullDisk {
  public:
    explicit FullDisk(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        active_ = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedHandler_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
    bool Active() const { return active_; }

  private:
    rlimit saved_{};
    void (*savedHandler_)(int) = SIG_DFL;
    bool active_ = false;
};

class ListFileTest : public ::testing::Test {
  protected:
    ListFileTest() { fs::create_directories(ProgramFolder()); }

    fs::path ProgramFolder() const { return scratch_.Path() / "program"; }
    PrintListLocation Location() const {
        return {ProgramFolder() / kPrintListFileName, scratch_.Path() / "user" / "zuzivodi.pls"};
    }

    test::ScratchFolder scratch_;
};

TEST_F(ListFileTest, ATruncatedListGivesTheEntriesThatAreWholeAndASaveKeepsTheRest) {
    const std::string whole =
        "[Other]\nKeep=this\n[frmPrgRezbi]\n0B=Fit report\n0F=a.rtf\n1B=Second\n1F=b.rt";
    // Cut inside the section header, inside a key, inside a value, at a line end and before the
    // last path's line.
    const struct {
        std::size_t length;
        std::vector<PrintListEntry> expected;
    } cases[] = {
        {25, {}},
        {34, {}},
        {40, {{"Fit r", ""}}},
        {46, {{"Fit report", ""}}},
        {64, {{"Fit report", "a.rtf"}, {"Second", ""}}},
        {whole.size(), {{"Fit report", "a.rtf"}, {"Second", "b.rt"}}},
    };
    for (const auto& c : cases) {
        const std::string cut = whole.substr(0, c.length);
        WriteBytes(Location().ProgramFile, cut);
        EXPECT_EQ(LoadPrintList(Location()), c.expected) << cut;

        const std::vector<PrintListEntry> edited = {{"New", "n.rtf"}};
        ASSERT_TRUE(SavePrintList(Location(), edited).Ok());
        EXPECT_EQ(LoadPrintList(Location()), edited);
        EXPECT_NE(ReadBytes(Location().ProgramFile).find("[Other]\nKeep=this\n"),
                  std::string::npos);
    }
}

TEST_F(ListFileTest, AHugeListIsReadAndRewrittenWithoutLosingItsOtherSections) {
    // 200,000 entries behind 8 MB of another program's section.
    std::string text = "[Other]\n";
    const std::string filler(78, 'x');
    for (int line = 0; line < 100'000; ++line) {
        text.append("K").append(std::to_string(line)).append("=").append(filler).append("\n");
    }
    text += "[frmPrgRezbi]\n";
    constexpr int kEntries = 200'000;
    for (int n = 0; n < kEntries; ++n) {
        const std::string number = std::to_string(n);
        text.append(number).append("B=Entry ").append(number).append("\n");
        text.append(number).append("F=t").append(number).append(".rtf\n");
    }
    WriteBytes(Location().ProgramFile, text);

    std::vector<PrintListEntry> entries = LoadPrintList(Location());
    ASSERT_EQ(entries.size(), static_cast<std::size_t>(kEntries));
    EXPECT_EQ(entries.back(), (PrintListEntry{"Entry 199999", "t199999.rtf"}));

    entries.erase(entries.begin());
    ASSERT_TRUE(SavePrintList(Location(), entries).Ok());
    const std::string saved = ReadBytes(Location().ProgramFile);
    EXPECT_TRUE(saved.starts_with(std::string_view(text).substr(0, text.find("[frmPrgRezbi]"))));
    EXPECT_EQ(LoadPrintList(Location()).size(), static_cast<std::size_t>(kEntries - 1));
}

TEST_F(ListFileTest, AListTooLargeToReadIsNeitherReadNorWrittenOver) {
    // 65 MB that take no room on disk: a sparse file behind a list that would parse.
    const auto size = std::uintmax_t{65} << 20;
    WriteBytes(Location().ProgramFile, "[frmPrgRezbi]\n0B=Fit report\n0F=a.rtf\n");
    fs::resize_file(Location().ProgramFile, size);
    EXPECT_TRUE(LoadPrintList(Location()).empty());

    // A save puts the list into the user's copy and leaves the large file alone.
    const std::vector<PrintListEntry> edited = {{"New", "n.rtf"}};
    const PrintListSaveResult saved = SavePrintList(Location(), edited);
    ASSERT_TRUE(saved.Ok()) << saved.Error;
    EXPECT_EQ(saved.WrittenTo, Location().UserFile);
    EXPECT_EQ(fs::file_size(Location().ProgramFile), size);
    EXPECT_EQ(LoadPrintList(Location()), edited);

    // A user's copy grown as large is not written over either, and the save says why.
    fs::resize_file(Location().UserFile, size);
    const PrintListSaveResult refused = SavePrintList(Location(), edited);
    EXPECT_FALSE(refused.Ok());
    EXPECT_NE(refused.Error.find(Location().UserFile.string()), std::string::npos) << refused.Error;
    EXPECT_NE(refused.Error.find("larger than"), std::string::npos) << refused.Error;
    EXPECT_EQ(fs::file_size(Location().UserFile), size);
}

TEST_F(ListFileTest, AFileThatIsNoTextGivesNoEntriesAndKeepsItsBytesOnSave) {
    std::string binary;
    for (int i = 0; i < 4096; ++i) {
        binary += static_cast<char>((i * 7919) % 256);
    }
    WriteBytes(Location().ProgramFile, binary);
    EXPECT_TRUE(LoadPrintList(Location()).empty());

    const std::vector<PrintListEntry> edited = {{"New", "n.rtf"}};
    ASSERT_TRUE(SavePrintList(Location(), edited).Ok());
    EXPECT_EQ(LoadPrintList(Location()), edited);
    // Every byte that was there is still there, ahead of the list written anew.
    const std::string saved = ReadBytes(Location().ProgramFile);
    EXPECT_NE(saved.find(binary.substr(0, 64)), std::string::npos);
}

// UTF-16 bytes with their byte-order mark, as an editor saves a text "in Unicode".
std::string Utf16File(std::string_view ascii, bool littleEndian) {
    std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (const char character : ascii) {
        bytes += littleEndian ? std::string{character, '\0'} : std::string{'\0', character};
    }
    return bytes;
}

TEST_F(ListFileTest, AListSavedAsUtf16IsReadAndKeepsItsEncodingOnSave) {
    const std::string_view text =
        "[Other]\r\nKeep=this\r\n[frmPrgRezbi]\r\n0B=Fit report\r\n0F=a.rtf\r\n";
    for (const bool littleEndian : {true, false}) {
        WriteBytes(Location().ProgramFile, Utf16File(text, littleEndian));
        EXPECT_EQ(LoadPrintList(Location()), (std::vector<PrintListEntry>{{"Fit report", "a.rtf"}}))
            << littleEndian;

        const std::vector<PrintListEntry> edited = {{"New", "n.rtf"}};
        ASSERT_TRUE(SavePrintList(Location(), edited).Ok());
        EXPECT_EQ(LoadPrintList(Location()), edited) << littleEndian;
        const std::string saved = ReadBytes(Location().ProgramFile);
        EXPECT_TRUE(saved.starts_with(Utf16File("[Other]\r\nKeep=this\r\n", littleEndian)))
            << littleEndian;
        EXPECT_NE(saved.find(Utf16File("0B=New", littleEndian).substr(2)), std::string::npos);
    }
}

TEST_F(ListFileTest, AListThatIsAFolderOrUnreadableGivesNoEntriesAndSavingReportsWhy) {
    fs::create_directories(Location().ProgramFile);  // a folder where the file should be
    EXPECT_TRUE(LoadPrintList(Location()).empty());
    // The user's copy takes the list; the folder stays as it was.
    const PrintListSaveResult saved = SavePrintList(Location(), {{"A", "a.rtf"}});
    ASSERT_TRUE(saved.Ok()) << saved.Error;
    EXPECT_EQ(saved.WrittenTo, Location().UserFile);
    EXPECT_TRUE(fs::is_directory(Location().ProgramFile));

    // Neither place can take it: the error names the reason.
    const PrintListLocation nowhere = {Location().ProgramFile, scratch_.Path() / "file" / "x.pls"};
    WriteBytes(scratch_.Path() / "file", "a file, not a folder");
    const PrintListSaveResult failed = SavePrintList(nowhere, {{"A", "a.rtf"}});
    EXPECT_FALSE(failed.Ok());
    EXPECT_FALSE(failed.Error.empty());
}

// A print of the main window's results, with a recording opener.
class PrintRobustnessTest : public ListFileTest {
  protected:
    class Opener : public DocumentOpener {
      public:
        bool Open(const fs::path& document) override {
            opened.push_back(document);
            return fs::exists(document);
        }
        std::vector<fs::path> opened;
    };

    PrintRobustnessTest() {
        model_.SetClassesFromFit("H7/g6");
        model_.NominalText = "10";
        model_.CalculateStandard();
        fs::create_directories(ProgramFolder() / "templates");
        WriteBytes(ProgramFolder() / "templates" / "r.rtf", "{\\rtf1 $FA15#}");
        WriteBytes(ProgramFolder() / "templates" / "r.txt", "$A15 fit#");
    }

    PrintOutcome Print(std::string_view stored, const fs::path& tempFolder) {
        const PrintSetup setup{codes_, ProgramFolder(), tempFolder};
        return PrintEntry(stored, setup, &host_, opener_);
    }

    MainWindowModel model_;
    MainWindowPrintHost host_{model_};
    CodeTable codes_ = MainWindowCodeTable();
    Opener opener_;
};

TEST_F(PrintRobustnessTest, AVanishedTemplateFolderIsReportedAndTheEarlierPrintsStay) {
    const fs::path temp = scratch_.Path() / "temp";
    fs::create_directories(temp);
    ASSERT_TRUE(Print("$(KELVO)\\templates\\r.rtf", temp).Messages.empty());
    ASSERT_EQ(host_.Records().RecordCount(), 1u);

    const std::vector<PrintListEntry> list = {{"RTF", "$(KELVO)\\templates\\r.rtf"},
                                              {"Text", "$(KELVO)\\templates\\r.txt"}};
    ASSERT_TRUE(SavePrintList(Location(), list).Ok());
    fs::remove_all(ProgramFolder() / "templates");

    for (const char* stored : {"$(KELVO)\\templates\\r.rtf", "$(KELVO)\\templates\\r.txt"}) {
        const PrintOutcome outcome = Print(stored, temp);
        ASSERT_EQ(outcome.Messages.size(), 1u) << stored;
        EXPECT_EQ(outcome.Messages[0].Kind, PrintMessageKind::SystemError);
        EXPECT_NE(outcome.Messages[0].Text.find("templates"), std::string::npos)
            << outcome.Messages[0].Text;
        EXPECT_FALSE(outcome.Opened);
    }
    EXPECT_EQ(opener_.opened.size(), 1u);  // only the first, good print was opened
    // The record of the first print and the filled copy stay; the menu drops the entries, the
    // list file still holds them.
    EXPECT_EQ(host_.Records().RecordCount(), 1u);
    EXPECT_EQ(ReadBytes(temp / "r.rtf"), "{\\rtf1 10 H7/g6}");
    EXPECT_TRUE(EntriesWithTemplates(LoadPrintList(Location()), ProgramFolder()).empty());
    EXPECT_EQ(LoadPrintList(Location()), list);
}

TEST_F(ListFileTest, EntriesWhoseTemplatesAreMissingSurviveTheDialogsSave) {
    fs::create_directories(ProgramFolder() / "shared");
    WriteBytes(ProgramFolder() / "shared" / "a.rtf", "{}");
    WriteBytes(ProgramFolder() / "local.rtf", "{}");
    const std::vector<PrintListEntry> stored = {{"Shared A", "$(KELVO)\\shared\\a.rtf"},
                                                {"Local", "$(KELVO)\\local.rtf"},
                                                {"Shared B", "$(KELVO)\\shared\\b.rtf"}};
    ASSERT_TRUE(SavePrintList(Location(), stored).Ok());

    // The shared folder is gone while the user adds a template and presses OK.
    fs::remove_all(ProgramFolder() / "shared");
    std::vector<PrintListEntry> dialog =
        EntriesWithTemplates(LoadPrintList(Location()), ProgramFolder());
    ASSERT_EQ(dialog, (std::vector<PrintListEntry>{stored[1]}));
    dialog.push_back({"New", "$(KELVO)\\new.rtf"});
    ASSERT_TRUE(
        SavePrintList(Location(), EntriesToSave(dialog, LoadPrintList(Location()), ProgramFolder()))
            .Ok());
    EXPECT_EQ(LoadPrintList(Location()),
              (std::vector<PrintListEntry>{stored[1], dialog[1], stored[0], stored[2]}));

    // Back again, the folder's templates are in the menu; what the user deletes then is gone.
    fs::create_directories(ProgramFolder() / "shared");
    WriteBytes(ProgramFolder() / "shared" / "a.rtf", "{}");
    const std::vector<PrintListEntry> reloaded = LoadPrintList(Location());
    const std::vector<PrintListEntry> shown = EntriesWithTemplates(reloaded, ProgramFolder());
    ASSERT_EQ(shown, (std::vector<PrintListEntry>{stored[1], stored[0]}));
    const std::vector<PrintListEntry> afterDelete = {stored[1]};
    EXPECT_EQ(EntriesToSave(afterDelete, reloaded, ProgramFolder()),
              (std::vector<PrintListEntry>{stored[1], dialog[1], stored[2]}));
}

TEST_F(PrintRobustnessTest, ATemporaryFolderThatCannotBeWrittenIsReported) {
    // A regular file stands where the temporary folder should be: nothing can be created in it,
    // whoever runs the test (root included).
    const fs::path notAFolder = scratch_.Path() / "tmpfile";
    WriteBytes(notAFolder, "x");

    const char* savedTmpdir = std::getenv("TMPDIR");
    const std::string savedValue = savedTmpdir ? savedTmpdir : "";
    ::setenv("TMPDIR", notAFolder.c_str(), 1);
    const PrintOutcome viaTmpdir = Print("$(KELVO)\\templates\\r.txt", {});
    savedTmpdir ? ::setenv("TMPDIR", savedValue.c_str(), 1) : ::unsetenv("TMPDIR");
    ASSERT_EQ(viaTmpdir.Messages.size(), 1u);
    EXPECT_EQ(viaTmpdir.Messages[0].Kind, PrintMessageKind::SystemError);
    EXPECT_NE(viaTmpdir.Messages[0].Text.find(notAFolder.string()), std::string::npos);

    // A folder handed over that cannot hold the copy: RTF reports it in the "Exception" box,
    // text as the system's error; neither opens a copy that is not there.
    for (const char* stored : {"$(KELVO)\\templates\\r.rtf", "$(KELVO)\\templates\\r.txt"}) {
        const PrintOutcome outcome = Print(stored, notAFolder / "sub");
        ASSERT_FALSE(outcome.Messages.empty()) << stored;
        EXPECT_FALSE(outcome.Opened) << stored;
    }
    EXPECT_FALSE(fs::exists(notAFolder / "sub"));
    // The print record was still taken for each print that reached the host, so the next print
    // lists every one of them.
    EXPECT_EQ(host_.Records().RecordCount(), 2u);
}

TEST_F(PrintRobustnessTest, ADiskThatFillsUpWhileTheCopyIsWrittenIsReported) {
    const fs::path temp = scratch_.Path() / "temp";
    fs::create_directories(temp);
    for (const char* stored : {"$(KELVO)\\templates\\r.rtf", "$(KELVO)\\templates\\r.txt"}) {
        PrintOutcome outcome;
        {
            const FullDisk disk(4);  // the filled copies are longer than 4 bytes
            ASSERT_TRUE(disk.Active());
            outcome = Print(stored, temp);
        }
        ASSERT_EQ(outcome.Messages.size(), 1u) << stored;
        const std::string& text = outcome.Messages[0].Text;
        EXPECT_NE(text.find("Cannot write file"), std::string::npos) << text;
        EXPECT_NE(text.find((temp / "r").string()), std::string::npos) << text;
    }
    // The text copy is not opened when it could not be written whole; the RTF copy is, as far as
    // it got, as with any error of its filling.
    EXPECT_EQ(opener_.opened, std::vector<fs::path>{temp / "r.rtf"});

    // With room again the same prints go through.
    ASSERT_TRUE(Print("$(KELVO)\\templates\\r.txt", temp).Messages.empty());
    EXPECT_EQ(ReadBytes(temp / "r.txt"), "10 H7/g6");
}

TEST_F(ListFileTest, ADiskThatFillsUpWhileTheListIsSavedLeavesTheOldListWhole) {
    const std::vector<PrintListEntry> stored = {{"Fit report", "a.rtf"}, {"Second", "b.txt"}};
    ASSERT_TRUE(SavePrintList(Location(), stored).Ok());
    const std::string before = ReadBytes(Location().ProgramFile);
    const std::vector<PrintListEntry> edited = {{"A much longer name than before", "c.rtf"}};
    PrintListSaveResult saved;
    {
        const FullDisk disk(before.size());
        ASSERT_TRUE(disk.Active());
        saved = SavePrintList(Location(), edited);
    }
    ASSERT_FALSE(saved.Ok());
    EXPECT_NE(saved.Error.find(Location().ProgramFile.string()), std::string::npos) << saved.Error;
    EXPECT_EQ(ReadBytes(Location().ProgramFile), before);
    EXPECT_EQ(LoadPrintList(Location()), stored);
    // Neither folder keeps a half-written file.
    EXPECT_FALSE(fs::exists(Location().UserFile));
    for (const fs::path& folder : {ProgramFolder(), Location().UserFile.parent_path()}) {
        for (const auto& item : fs::directory_iterator(folder)) {
            EXPECT_EQ(item.path(), Location().ProgramFile);
        }
    }
}

}  // namespace
}  // namespace kelvo
