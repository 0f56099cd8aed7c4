#include "output/template_engine.h"

#include <gtest/gtest.h>

#include "print_test_support.h"

namespace kelvo {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

class FakeOpener : public DocumentOpener {
  public:
    bool Open(const fs::path& document) override {
        opened.push_back(document);
        return succeed;
    }
    std::string LastError() const override {
        return succeed ? "" : "No application is associated.";
    }

    std::vector<fs::path> opened;
    bool succeed = true;
};

class PrintEntryTest : public ::testing::Test {
  protected:
    PrintEntryTest() {
        fs::create_directories(ProgramFolder() / "templates");
        fs::create_directories(TempFolder());
    }

    fs::path ProgramFolder() const { return scratch_.Path() / "program"; }
    fs::path TempFolder() const { return scratch_.Path() / "temp"; }

    PrintOutcome Print(std::string_view storedPath) {
        const PrintSetup setup{codes_, ProgramFolder(), TempFolder()};
        return PrintEntry(storedPath, setup, &host_, opener_);
    }

    test::ScratchFolder scratch_;
    CodeTable codes_ = MainWindowCodeTable();
    PrintRecordSet records_ = test::TwoPrints();
    test::FakeHost host_{{&records_}};
    FakeOpener opener_;
};

TEST_F(PrintEntryTest, FillsAnRtfTemplateFromTheProgramFolderAndOpensTheCopy) {
    WriteBytes(ProgramFolder() / "templates" / "Report.RTF", "{\\rtf1 $FA15# \\u1046?}");
    const PrintOutcome outcome = Print("$(KELVO)\\templates\\Report.RTF");
    EXPECT_TRUE(outcome.Messages.empty());
    EXPECT_EQ(outcome.OutputPath, TempFolder() / "Report.RTF");
    EXPECT_TRUE(outcome.Opened);
    ASSERT_EQ(opener_.opened.size(), 1u);
    EXPECT_EQ(opener_.opened[0], TempFolder() / "Report.RTF");
    // Treated as RTF: the value is escaped, the template's own escape kept.
    EXPECT_EQ(ReadBytes(outcome.OutputPath), "{\\rtf1 25 H7/f7 \\u1046?}");
    EXPECT_EQ(host_.printCalls, 1);
    EXPECT_EQ(host_.finishedCalls, 1);
}

TEST_F(PrintEntryTest, FillsATextTemplateAndReplacesTheEarlierCopy) {
    WriteBytes(TempFolder() / "sheet.txt", "an older, longer copy of the document");
    WriteBytes(ProgramFolder() / "sheet.txt", "Fit $A15 fit#");
    const PrintOutcome outcome = Print((ProgramFolder() / "sheet.txt").string());
    EXPECT_TRUE(outcome.Opened);
    EXPECT_EQ(ReadBytes(TempFolder() / "sheet.txt"), "Fit 25 H7/f7");
}

TEST_F(PrintEntryTest, DoesNothingWithoutAHost) {
    WriteBytes(ProgramFolder() / "a.rtf", "x");
    const PrintSetup setup{codes_, ProgramFolder(), TempFolder()};
    const PrintOutcome outcome = PrintEntry("$(KELVO)\\a.rtf", setup, nullptr, opener_);
    EXPECT_TRUE(outcome.Messages.empty());
    EXPECT_TRUE(opener_.opened.empty());
    EXPECT_FALSE(fs::exists(TempFolder() / "a.rtf"));
}

TEST_F(PrintEntryTest, StopsWithTheSystemErrorWhenTheTemplateCannotBeRead) {
    fs::create_directories(ProgramFolder() / "folder.rtf");
    for (const char* stored : {"$(KELVO)\\missing.rtf", "$(KELVO)\\folder.rtf", "$(KELVO)\\"}) {
        const PrintOutcome outcome = Print(stored);
        ASSERT_EQ(outcome.Messages.size(), 1u) << stored;
        EXPECT_EQ(outcome.Messages[0].Kind, PrintMessageKind::SystemError) << stored;
        EXPECT_FALSE(outcome.Messages[0].Text.empty());
    }
    EXPECT_TRUE(opener_.opened.empty());
    EXPECT_EQ(host_.printCalls, 0);
}

TEST_F(PrintEntryTest, RtfFillingErrorIsShownAndThePartialCopyStillOpens) {
    WriteBytes(ProgramFolder() / "b.rtf", "{\\rtf1 $FA02# and $FB01# end}");
    codes_ = CodeTable({"A02=NR", "B01=Tip"});
    const PrintOutcome outcome = Print("$(KELVO)\\b.rtf");
    ASSERT_EQ(outcome.Messages.size(), 1u);
    EXPECT_EQ(outcome.Messages[0].Kind, PrintMessageKind::Exception);
    EXPECT_NE(outcome.Messages[0].Text.find("B01"), std::string::npos);
    EXPECT_TRUE(outcome.Opened);
    EXPECT_EQ(ReadBytes(TempFolder() / "b.rtf"), "{\\rtf1 25 and ");
}

TEST_F(PrintEntryTest, TextFillingErrorStopsThePrintBeforeOpening) {
    WriteBytes(ProgramFolder() / "b.txt", "$B01 x#");
    codes_ = CodeTable({"B01=Tip"});
    const PrintOutcome outcome = Print("$(KELVO)\\b.txt");
    ASSERT_EQ(outcome.Messages.size(), 1u);
    EXPECT_EQ(outcome.Messages[0].Kind, PrintMessageKind::SystemError);
    EXPECT_TRUE(opener_.opened.empty());
}

TEST_F(PrintEntryTest, CopyThatCannotBeWrittenIsReportedPerTemplateKind) {
    // A folder where the copy should go cannot be replaced by a file.
    fs::create_directories(TempFolder() / "c.rtf");
    fs::create_directories(TempFolder() / "c.txt");
    WriteBytes(ProgramFolder() / "c.rtf", "{$FA02#}");
    WriteBytes(ProgramFolder() / "c.txt", "$A02 x#");

    const PrintOutcome rtf = Print("$(KELVO)\\c.rtf");
    ASSERT_FALSE(rtf.Messages.empty());
    EXPECT_EQ(rtf.Messages[0].Kind, PrintMessageKind::Exception);
    ASSERT_EQ(opener_.opened.size(), 1u);  // the previous copy is opened
    EXPECT_EQ(opener_.opened[0], TempFolder() / "c.rtf");

    const PrintOutcome text = Print("$(KELVO)\\c.txt");
    ASSERT_EQ(text.Messages.size(), 1u);
    EXPECT_EQ(text.Messages[0].Kind, PrintMessageKind::SystemError);
    EXPECT_EQ(opener_.opened.size(), 1u);
}

TEST_F(PrintEntryTest, FailureToOpenIsReportedWithTheReason) {
    WriteBytes(ProgramFolder() / "d.rtf", "{x}");
    opener_.succeed = false;
    const PrintOutcome outcome = Print("$(KELVO)\\d.rtf");
    EXPECT_FALSE(outcome.Opened);
    ASSERT_EQ(outcome.Messages.size(), 1u);
    EXPECT_EQ(outcome.Messages[0].Kind, PrintMessageKind::Exception);
    EXPECT_NE(outcome.Messages[0].Text.find("No application is associated."), std::string::npos);
    EXPECT_EQ(host_.finishedCalls, 1);
}

TEST_F(PrintEntryTest, AHostErrorIsShownAndThePrintGoesOn) {
    WriteBytes(ProgramFolder() / "e.rtf", "{[$FA02#]}");
    host_.throwOnPrint = true;
    const PrintOutcome outcome = Print("$(KELVO)\\e.rtf");
    ASSERT_EQ(outcome.Messages.size(), 2u);
    EXPECT_EQ(outcome.Messages[0].Text, "record could not be filled");
    // No set was handed over, so the token's letter names none.
    EXPECT_EQ(outcome.Messages[1].Kind, PrintMessageKind::Exception);
    EXPECT_TRUE(outcome.Opened);
}

TEST(IsRtfTemplate, ComparesTheExtensionIgnoringCase) {
    EXPECT_TRUE(IsRtfTemplate("a/Report.RTF"));
    EXPECT_TRUE(IsRtfTemplate("x.rtf"));
    EXPECT_FALSE(IsRtfTemplate("x.rtf.txt"));
    EXPECT_FALSE(IsRtfTemplate("rtf"));
}

}  // namespace
}  // namespace kelvo
