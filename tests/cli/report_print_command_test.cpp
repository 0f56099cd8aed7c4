// The report and print subcommands: the window's clipboard report and a filled print template
// for a fit set up through the window model.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "cli/cli_app.h"
#include "cli/print_command.h"
#include "cli/report_command.h"
#include "i18n/language_state.h"
#include "i18n/settings_store.h"
#include "output/clipboard_report.h"

namespace kelvo::cli {
namespace {

using ::testing::HasSubstr;

struct ToolRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

ToolRun Tool(const std::vector<std::string>& arguments) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    ToolRun run;
    run.ExitCode = RunCli(arguments, in, out, err);
    run.Out = out.str();
    run.Err = err.str();
    return run;
}

std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

class ReportPrintCommandTest : public ::testing::Test {
  protected:
    void TearDown() override {
        GlobalLanguageState().Reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::filesystem::path WriteFile(const std::string& name, const std::string& bytes) {
        std::filesystem::create_directories(folder_);
        const std::filesystem::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::filesystem::path folder_ = std::filesystem::temp_directory_path() /
                                    ("kelvo-report-cli-test-" + std::to_string(::getpid()));
};

// The command's text is exactly what Copy gives for the same window state.
TEST_F(ReportPrintCommandTest, ReportIsTheClipboardTextOfTheWindowModel) {
    const ToolRun run = Tool({"report", "H7/g6", "--size", "10"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;

    MemorySettingsStore store;
    SetLanguage(3, store);
    MainWindowModel model;
    model.OnNominalTextChanged("10");
    ASSERT_TRUE(model.SetClassesFromFit("H7/g6"));
    model.CalculateStandard();
    EXPECT_EQ(run.Out, CopyReportText(model));
    EXPECT_EQ(CrLfLines(run.Out).at(14), "Designation\t10 H7/g6");
}

TEST_F(ReportPrintCommandTest, GermanWithInchDisplayKeepsMillimetres) {
    const ToolRun run = Tool({"report", "H7/g6", "--size", "10", "--lang", "de", "--inch"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const std::vector<std::string> lines = CrLfLines(run.Out);
    ASSERT_EQ(lines.size(), 64u);
    EXPECT_EQ(lines[0], " Bohrung\t\t Welle");
    EXPECT_EQ(lines[6], " Oberes Abmass (ES)\t0.0150\t Oberes Abmass (es)\t-0.0050");
    EXPECT_EQ(lines[14], " Bezeichnung\t0.3937 H7/g6");
    EXPECT_EQ(lines.back(), "Werte und Toleranzen in [mm].");
}

TEST_F(ReportPrintCommandTest, NonStandardInputRunsCalculateWithTheGivenFields) {
    const ToolRun deviations =
        Tool({"report", "H7/g6", "--size", "10", "--method", "limit-deviations", "--hole",
              "0.015,0", "--shaft", "-0.005,-0.014"});
    ASSERT_EQ(deviations.ExitCode, 0) << deviations.Err;
    std::vector<std::string> lines = CrLfLines(deviations.Out);
    EXPECT_EQ(lines[1], "10 (IT7)\t\t10 (IT6)");
    EXPECT_EQ(lines[7], "Lower deviation (EI)\t0.0000\tLower deviation (ei)\t-0.0140");
    EXPECT_EQ(lines[14], "Designation\t(non-standard)");

    // 0.1 mm at 10 mm lies between IT11 (0.09) and IT12 (0.15): ISO 286 assigns the coarser
    // grade, ISO/R 1938 the finer one.
    const std::vector<std::string> bySizes = {"report",   "H7/g6",       "--size", "10",
                                              "--method", "limit-sizes", "--hole", "10.2,10.1",
                                              "--shaft",  "10,9.9"};
    const ToolRun iso286 = Tool(bySizes);
    ASSERT_EQ(iso286.ExitCode, 0) << iso286.Err;
    lines = CrLfLines(iso286.Out);
    EXPECT_EQ(lines[1], "10 (IT12)\t\t10 (IT12)");
    EXPECT_EQ(lines[10], "Upper limit of size\t10.2000\tUpper limit of size\t10.0000");
    std::vector<std::string> withStandard = bySizes;
    withStandard.insert(withStandard.end(), {"--standard", "isor1938"});
    const ToolRun isoR1938 = Tool(withStandard);
    ASSERT_EQ(isoR1938.ExitCode, 0) << isoR1938.Err;
    EXPECT_EQ(CrLfLines(isoR1938.Out)[1], "10 (IT11)\t\t10 (IT11)");
}

TEST_F(ReportPrintCommandTest, BadInputsAreInputErrorsThatNameTheInput) {
    struct Case {
        std::vector<std::string> Arguments;
        std::string Message;
    };
    const Case cases[] = {
        {{"report", "H7/g6", "--size", "10", "--lang", "fr"}, "invalid language \"fr\""},
        {{"report", "H7/g6", "--size", "10", "--standard", "iso286"}, "need --method"},
        {{"report", "H7/g6", "--size", "10", "--method", "limit-sizes", "--hole", "10.1,10"},
         "--method needs --hole U,L and --shaft U,L"},
        {{"report", "H7/g6", "--size", "10", "--method", "by-guess", "--hole", "1,0", "--shaft",
          "1,0"},
         "invalid method \"by-guess\""},
        {{"report", "H7/g6", "--size", "10", "--method", "limit-sizes", "--hole", "10,10.1",
          "--shaft", "10,9.9"},
         "the upper value must be greater than the lower"},
        {{"report", "H7/g6", "--size", "10", "--method", "limit-sizes", "--hole", "10.1", "--shaft",
          "10,9.9"},
         "expected the upper and the lower value"},
        {{"report", "H7/g6", "--size", "10", "--method", "limit-deviations", "--hole", "0.01,x",
          "--shaft", "0,-0.01"},
         "expected two numbers"},
        {{"report", "H7/q6", "--size", "10"}, "invalid fit"},
        {{"report", "H7/g6", "--size", "0"}, "0"},
        {{"print", "no-such-template.txt", "H7/g6", "--size", "10"}, "no-such-template.txt"},
    };
    for (const Case& c : cases) {
        const ToolRun run = Tool(c.Arguments);
        EXPECT_EQ(run.ExitCode, kExitInputError) << c.Message;
        EXPECT_THAT(run.Err, HasSubstr(c.Message));
        EXPECT_TRUE(run.Out.empty()) << c.Message;
    }
}

TEST_F(ReportPrintCommandTest, PrintFillsATextTemplateWithTheRecord) {
    const std::filesystem::path templatePath =
        WriteFile("sheet.txt", "$A03 hole# $A04 shaft# $A16 type# size $A02 size# $A81 unit#\r\n");
    const ToolRun run = Tool({"print", templatePath.string(), "K7/h6", "--size", "40", "--inch"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Out, "40 K7 40 h6 Transition fit size 40 [mm]\r\n");
}

TEST_F(ReportPrintCommandTest, PrintWritesAnRtfDocumentToTheOutputFile) {
    const std::filesystem::path templatePath =
        WriteFile("sheet.rtf", "{\\rtf1 $FA15# $FA22# $CA22#\\par}");
    const std::filesystem::path output = folder_ / "filled.rtf";
    const ToolRun run = Tool({"print", templatePath.string(), "H7/g6", "--size", "25", "--lang",
                              "bg", "-o", output.string()});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_TRUE(run.Out.empty());
    std::ifstream in(output, std::ios::binary);
    const std::string document((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    EXPECT_EQ(document, "{\\rtf1 25 H7/g6 25.00300 KPPRN\\par}");
}

}  // namespace
}  // namespace kelvo::cli
