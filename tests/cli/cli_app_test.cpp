#include "cli/cli_app.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/json_output.h"

namespace kelvo::cli {
namespace {

using ::testing::HasSubstr;

struct CliRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

CliRun RunTool(const std::vector<std::string>& arguments, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.ExitCode = RunCli(arguments, in, out, err);
    run.Out = out.str();
    run.Err = err.str();
    return run;
}

std::string ReadDataFile(const std::string& name) {
    std::ifstream file(std::string(KELVO_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(file.good()) << name;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The line of a report that starts with the caption, blanks squeezed to one.
std::string ReportLine(const std::string& report, const std::string& caption) {
    std::istringstream lines(report);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(caption)) {
            std::string squeezed;
            for (const char character : line) {
                if (character != ' ' || squeezed.empty() || squeezed.back() != ' ') {
                    squeezed += character;
                }
            }
            return squeezed;
        }
    }
    return "(no line " + caption + ")";
}

TEST(CliReport, FitH7g6At10MatchesTheReferenceReport) {
    const CliRun run = RunTool({"fit", "H7/g6", "--size", "10"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(run.Out, ReadDataFile("fit_H7_g6_10mm.txt"));
}

TEST(CliReport, WorkpieceValuesUseFourDecimalsAndAMinusSignOnly) {
    const std::string report = RunTool({"fit", "H7/g6", "--size", "10"}).Out;
    EXPECT_EQ(ReportLine(report, "Tolerance "), "Tolerance 0.0150 0.0090");
    EXPECT_EQ(ReportLine(report, "Upper deviation"), "Upper deviation (ES, es) 0.0150 -0.0050");
    EXPECT_EQ(ReportLine(report, "Lower deviation"), "Lower deviation (EI, ei) 0.0000 -0.0140");
    EXPECT_EQ(ReportLine(report, "Upper limit of size "), "Upper limit of size 10.0150 9.9950");
    EXPECT_EQ(ReportLine(report, "Lower limit of size "), "Lower limit of size 10.0000 9.9860");
    EXPECT_EQ(ReportLine(report, "Type of fit"), "Type of fit Clearance fit");
    EXPECT_EQ(ReportLine(report, "Max. clearance"), "Max. clearance 0.0290");
    EXPECT_EQ(ReportLine(report, "Min. clearance"), "Min. clearance 0.0050");
    EXPECT_EQ(ReportLine(report, "Tolerance of the fit"), "Tolerance of the fit 0.0240");
}

TEST(CliReport, InchModeConvertsResultsButNotTheGivenSize) {
    const CliRun run = RunTool({"fit", "H7/g6", "--size", "10", "--inch"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_THAT(run.Out, HasSubstr("nominal size 10 mm = 0.3937 in; values in inches"));
    EXPECT_EQ(ReportLine(run.Out, "Tolerance "), "Tolerance 0.00059 0.00035");
    EXPECT_EQ(ReportLine(run.Out, "Upper limit of size "), "Upper limit of size 0.39429 0.39350");

    // Gauge values in inches have 6 decimals, limit deviations included (H7 at 25 mm).
    const std::string gauges = RunTool({"class", "H7", "--size", "25", "--inch"}).Out;
    EXPECT_THAT(ReportLine(gauges, "Nominal size "), HasSubstr("Nominal size 0.984370 "));
    EXPECT_THAT(ReportLine(gauges, "Limit deviations "),
                HasSubstr("Limit deviations \u00b1 0.000079 "));
}

TEST(CliReport, UnavailableValuesShowN) {
    const std::string hole = RunTool({"class", "T7", "--size", "10"}).Out;
    EXPECT_EQ(ReportLine(hole, "Tolerance "), "Tolerance N");
    EXPECT_EQ(ReportLine(hole, "Upper deviation (ES)"), "Upper deviation (ES) N");
    EXPECT_EQ(ReportLine(hole, "Nominal size"), "Nominal size N N");
    EXPECT_EQ(ReportLine(hole, "Lower wear limit of size"), "Lower wear limit of size N");
    EXPECT_THAT(hole, Not(HasSubstr("Shaft gauges")));

    const std::string fit = RunTool({"fit", "T7/g6", "--size", "10"}).Out;
    EXPECT_EQ(ReportLine(fit, "Tolerance "), "Tolerance N 0.0090");
    EXPECT_EQ(ReportLine(fit, "Type of fit"), "Type of fit N");
    EXPECT_EQ(ReportLine(fit, "Max."), "Max. N");
    EXPECT_EQ(ReportLine(fit, "Min."), "Min. N");
}

TEST(CliJson, PrintsOneObjectInMillimetresWhateverInchSays) {
    const CliRun run = RunTool({"fit", "H7/g6", "--size", "10", "--json", "--inch"});
    EXPECT_EQ(run.ExitCode, 0);
    Json json = Json::parse(run.Out);
    EXPECT_EQ(json["size_mm"], 10.0);
    EXPECT_DOUBLE_EQ(json["hole"]["upper_limit_mm"].get<double>(), 10.015);
    EXPECT_EQ(json["fit_type"], "clearance");

    Json unavailable = Json::parse(RunTool({"class", "T7", "--size", "10", "--json"}).Out);
    EXPECT_EQ(unavailable["available"], false);
    EXPECT_TRUE(unavailable["it_mm"].is_null());
}

TEST(CliErrors, BadInputGivesOneLineNamingTheInputAndExitCode2) {
    const struct {
        std::vector<std::string> Arguments;
        const char* MessagePart;
    } cases[] = {
        {{"class", "Q7", "--size", "10"}, "\"Q7\""},
        {{"class", "H19", "--size", "10"}, "\"H19\""},
        {{"class", "", "--size", "10"}, "missing tolerance class"},
        {{"class", "H7/g6", "--size", "10"}, "is a fit"},
        {{"fit", "H7/", "--size", "10"}, "\"H7/\""},
        {{"fit", "H7", "--size", "10"}, "\"H7\""},
        {{"fit", "H7/g6", "--size", "0.0005"}, "\"0.0005\" is outside 0.001 to 10000 mm"},
        {{"fit", "H7/g6", "--size", "10001"}, "\"10001\" is outside"},
        {{"fit", "H7/g6", "--size", "1O"}, "invalid nominal size \"1O\""},
        {{"fit", "H7/g6", "--size", ""}, "missing nominal size"},
        {{"class", std::string(10000, 'H'), "--size", "10"}, "...\""},
        {{"fit", "H7/g6"}, "--size"},
        {{"class", "H7", "--size", "10", "--color"}, "--color"},
        {{"tolerance", "H7"}, "unknown command \"tolerance\": use class, fit, batch"},
        {{}, "missing command"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunTool(c.Arguments);
        const std::string label = c.Arguments.empty() ? "(none)" : c.Arguments[0];
        EXPECT_EQ(run.ExitCode, 2) << label << " " << c.MessagePart;
        EXPECT_EQ(run.Out, "") << label;
        EXPECT_THAT(run.Err, HasSubstr(c.MessagePart)) << label;
        EXPECT_THAT(run.Err, ::testing::StartsWith("zuzivodi-cli: error: "));
        EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << run.Err;
        EXPECT_LT(run.Err.size(), 300u) << label;
    }
}

TEST(CliHelp, HelpListsTheSubcommandsAndSucceeds) {
    const CliRun run = RunTool({"--help"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_THAT(run.Out, HasSubstr("class"));
    EXPECT_THAT(run.Out, HasSubstr("fit"));
    EXPECT_THAT(run.Out, HasSubstr("batch"));
}

TEST(CliBatch, ReadsStandardInputAndFailsWithCode2WhenAnyRowFailed) {
    const CliRun mixed = RunTool({"batch"}, "size,designation\n10,H7/g6\n10,Q7\n\n25,g6\n");
    EXPECT_EQ(mixed.ExitCode, 2);
    EXPECT_EQ(std::count(mixed.Out.begin(), mixed.Out.end(), '\n'), 3);
    EXPECT_EQ(mixed.Err, "zuzivodi-cli: error: 1 of 3 rows failed\n");

    const CliRun good = RunTool({"batch", "--csv"}, "10,H7/g6\n25,g6\n");
    EXPECT_EQ(good.ExitCode, 0);
    EXPECT_EQ(good.Err, "");
    EXPECT_EQ(std::count(good.Out.begin(), good.Out.end(), '\n'), 3);  // header and two rows
}

TEST(CliBatch, ReadsAFileAndReportsOneThatCannotBeOpened) {
    const CliRun good = RunTool({"batch", std::string(KELVO_TEST_DATA_DIR) + "/batch_good.csv"});
    EXPECT_EQ(good.ExitCode, 0) << good.Err;
    EXPECT_EQ(std::count(good.Out.begin(), good.Out.end(), '\n'), 3);

    const CliRun missing = RunTool({"batch", "/nonexistent/dir/drawing.csv"});
    EXPECT_EQ(missing.ExitCode, 2);
    EXPECT_EQ(missing.Err, "zuzivodi-cli: error: cannot open \"/nonexistent/dir/drawing.csv\"\n");
}

}  // namespace
}  // namespace kelvo::cli
