#include "cli/command_design.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace kelvo::cli {
namespace {

using ::testing::HasSubstr;

struct DesignCliRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

// The design command alone on an application, parsed as the tool parses its arguments.
DesignCliRun RunDesignTool(std::vector<std::string> arguments) {
    std::istringstream in;
    std::ostringstream out, err;
    CommandContext context{in, out, err};
    CLI::App app{"design", "zuzivodi-cli"};
    app.require_subcommand(1);
    AddDesignCommand(app, context);
    arguments.insert(arguments.begin(), "design");
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    DesignCliRun run;
    try {
        app.parse(reversed);
        run.ExitCode = context.ExitCode;
    } catch (const CLI::ParseError& error) {
        ReportInputError(context, error.what());
        run.ExitCode = context.ExitCode;
    }
    run.Out = out.str();
    run.Err = err.str();
    return run;
}

TEST(DesignCommand, JsonListsTheRankedFitsInMillimetres) {
    const DesignCliRun run = RunDesignTool(
        {"--size", "40", "--type", "clearance", "--max", "0.05", "--min", "0.02", "--json"});
    ASSERT_EQ(run.ExitCode, kExitSuccess) << run.Err;
    const auto json = nlohmann::json::parse(run.Out);
    ASSERT_TRUE(json.is_array());
    ASSERT_EQ(json.size(), 10u);
    EXPECT_EQ(json[0]["fit"], "H6/f5");
    EXPECT_NEAR(json[0]["max_mm"].get<double>(), 0.052, 1e-12);
    EXPECT_NEAR(json[0]["min_mm"].get<double>(), 0.025, 1e-12);
    EXPECT_NEAR(json[0]["score_mm"].get<double>(), 0.007, 1e-12);
    EXPECT_EQ(json[0]["preferred"], false);
    for (std::size_t i = 1; i < json.size(); ++i) {
        EXPECT_LE(json[i - 1]["score_mm"].get<double>(), json[i]["score_mm"].get<double>() + 1e-9);
    }
}

TEST(DesignCommand, InchLimitsGiveTheSameFitsWithMillimetreJson) {
    const DesignCliRun mm = RunDesignTool({"--size", "40", "--type", "clearance", "--max", "0.0508",
                                           "--min", "0.0254", "--json", "--limit", "all"});
    const DesignCliRun inch =
        RunDesignTool({"--size", "40", "--type", "clearance", "--max", "0.002", "--min", "0.001",
                       "--inch", "--json", "--limit", "all"});
    ASSERT_EQ(mm.ExitCode, kExitSuccess) << mm.Err;
    ASSERT_EQ(inch.ExitCode, kExitSuccess) << inch.Err;
    const auto a = nlohmann::json::parse(mm.Out);
    const auto b = nlohmann::json::parse(inch.Out);
    ASSERT_EQ(a.size(), b.size());
    EXPECT_GT(a.size(), 100u);  // every clearance fit of H5 to H12, not ten
    for (std::size_t i = 0; i < a.size(); ++i) {
        ASSERT_EQ(a[i]["fit"], b[i]["fit"]) << i;
        EXPECT_NEAR(a[i]["score_mm"].get<double>(), b[i]["score_mm"].get<double>(), 1e-12);
    }
}

TEST(DesignCommand, TextReportIsTheResultGridWithPreferredMarks) {
    const DesignCliRun run =
        RunDesignTool({"--size", "40", "--type", "transition", "--max", "0.02", "--min", "0.01",
                       "--basis", "given-hole:H7", "--grades", "6-7", "--inch"});
    ASSERT_EQ(run.ExitCode, kExitSuccess) << run.Err;
    EXPECT_THAT(run.Out, HasSubstr("values in in"));
    EXPECT_THAT(run.Out, HasSubstr("Max. clear."));
    EXPECT_THAT(run.Out, HasSubstr("Max. interf."));
    // H7/k6 at 40 mm: 0.023 mm clearance, 0.018 mm interference; a preferred fit.
    std::istringstream lines(run.Out);
    bool found = false;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("H7/k6")) {
            found = true;
            EXPECT_THAT(line, HasSubstr("0.00091"));  // 0.023 / 25.4
            EXPECT_THAT(line, HasSubstr("0.00071"));  // 0.018 / 25.4
            EXPECT_EQ(line.back(), '*');
        }
    }
    EXPECT_TRUE(found) << run.Out;
}

TEST(DesignCommand, BadInputsAreInputErrors) {
    struct BadCase {
        std::vector<std::string> arguments;
        std::string message;
    };
    const std::vector<std::string> base = {"--size", "40"};
    const std::vector<BadCase> cases = {
        {{"--type", "loose"}, "invalid fit type"},
        {{"--basis", "given-hole:F99"}, "is not in the list of hole classes"},
        {{"--basis", "given-hole:A9", "--grades", "6-8"}, "is not in the list"},
        {{"--basis", "middle"}, "invalid basis"},
        {{"--grades", "5-19"}, "invalid grade range"},
        {{"--area", "6"}, "invalid application area"},
        {{"--area", "1", "--grades", "5-12"}, "excludes"},
        {{"--limit", "30"}, "invalid result limit"},
        {{"--max", "0.05mm"}, "invalid --max"},
        {{"--max", "0.02", "--min", "0.05"}, "Upper limit of size has to be greater"},
    };
    for (const BadCase& c : cases) {
        std::vector<std::string> arguments = base;
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        if (c.arguments.front() != "--type") {
            arguments.insert(arguments.end(), {"--type", "clearance"});
        }
        const DesignCliRun run = RunDesignTool(arguments);
        EXPECT_EQ(run.ExitCode, kExitInputError) << c.message;
        EXPECT_THAT(run.Err, HasSubstr(c.message));
        EXPECT_EQ(run.Out, "");
    }
}

TEST(DesignCommand, NoAcceptedFitPrintsAnEmptyList) {
    const DesignCliRun json = RunDesignTool({"--size", "40", "--type", "clearance", "--basis",
                                             "given-hole:F8", "--standard-only", "--json"});
    ASSERT_EQ(json.ExitCode, kExitSuccess) << json.Err;
    EXPECT_EQ(nlohmann::json::parse(json.Out), nlohmann::json::array());
    const DesignCliRun text =
        RunDesignTool({"--size", "40", "--type", "clearance", "--grades", "6-5"});
    ASSERT_EQ(text.ExitCode, kExitSuccess) << text.Err;
    EXPECT_THAT(text.Out, HasSubstr("0 fits found, 0 shown"));
}

}  // namespace
}  // namespace kelvo::cli
