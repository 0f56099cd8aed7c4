#include "cli/batch.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/csv_output.h"
#include "cli/json_output.h"

namespace kelvo::cli {
namespace {

using ::testing::HasSubstr;

struct BatchRun {
    BatchSummary Summary;
    std::vector<std::string> Lines;
};

BatchRun RunBatchText(const std::string& input, BatchFormat format) {
    std::istringstream in(input);
    std::ostringstream out;
    BatchRun run;
    run.Summary = RunBatch(in, out, format);
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        run.Lines.push_back(line);
    }
    return run;
}

std::vector<Json> RunJson(const std::string& input) {
    std::vector<Json> objects;
    for (const std::string& line : RunBatchText(input, BatchFormat::JsonLines).Lines) {
        objects.push_back(Json::parse(line));
    }
    return objects;
}

TEST(Batch, GoodAndBadRowsEachGiveOneObjectWithTheirLineNumber) {
    const std::string input =
        "size,designation\n"
        "10,H7/g6\n"
        "10,Q7\n"
        "\n"
        "# a comment between blocks\n"
        "25,g6\n"
        "20000,H7\n"
        "10,H7/\n";
    const BatchRun run = RunBatchText(input, BatchFormat::JsonLines);
    EXPECT_EQ(run.Summary.Rows, 5);
    EXPECT_EQ(run.Summary.Failed, 3);
    ASSERT_EQ(run.Lines.size(), 5u);

    Json fit = Json::parse(run.Lines[0]);
    EXPECT_EQ(fit.begin().key(), "line");
    EXPECT_EQ(fit["line"], 2);
    EXPECT_EQ(fit["fit"], "H7/g6");
    EXPECT_EQ(fit["fit_type"], "clearance");
    EXPECT_DOUBLE_EQ(fit["shaft"]["lower_mm"].get<double>(), -0.014);

    Json badClass = Json::parse(run.Lines[1]);
    EXPECT_EQ(badClass.size(), 2u);
    EXPECT_EQ(badClass["line"], 3);
    EXPECT_THAT(badClass["error"].get<std::string>(), HasSubstr("\"Q7\""));

    Json shaft = Json::parse(run.Lines[2]);
    EXPECT_EQ(shaft["line"], 6);
    EXPECT_EQ(shaft["class"], "g6");
    EXPECT_EQ(shaft["shaft_gauges"]["available"], true);

    EXPECT_EQ(Json::parse(run.Lines[3])["line"], 7);
    EXPECT_THAT(Json::parse(run.Lines[3])["error"].get<std::string>(), HasSubstr("\"20000\""));
    EXPECT_EQ(Json::parse(run.Lines[4])["line"], 8);
    EXPECT_THAT(Json::parse(run.Lines[4])["error"].get<std::string>(), HasSubstr("\"H7/\""));
}

TEST(Batch, HeaderIsSkippedOnlyAsTheFirstContentLine) {
    // Without a header the first row is data; a later text row is an error, not a header.
    const std::vector<Json> objects = RunJson("# sizes of drawing 4711\n10,H7\nsize,class\n");
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[0]["class"], "H7");
    EXPECT_EQ(objects[1]["line"], 3);
    EXPECT_THAT(objects[1]["error"].get<std::string>(), HasSubstr("invalid nominal size"));
}

TEST(Batch, ReadsSpreadsheetExportsWithByteOrderMarkCrLfQuotesAndPadding) {
    const std::vector<Json> objects =
        RunJson("\xEF\xBB\xBFSize (mm),Designation\r\n\"12.5\",\"H7/g6\"\r\n 40 , K7 ,,\r\n");
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[0]["line"], 2);
    EXPECT_EQ(objects[0]["size_mm"], 12.5);
    EXPECT_EQ(objects[0]["fit"], "H7/g6");
    EXPECT_EQ(objects[1]["class"], "K7");
    EXPECT_NEAR(objects[1]["upper_mm"].get<double>(), 0.007, 1e-12);
}

TEST(Batch, MalformedRowsAreReportedAndTheRunGoesOn) {
    const std::string longLine = "10," + std::string(5000, 'H');
    const std::string input = "10\n10,H7,extra\n,H7\n10,\n" + longLine + "\n   \n\t\n25,H7\n";
    const std::vector<Json> objects = RunJson(input);
    ASSERT_EQ(objects.size(), 6u);
    const struct {
        int Line;
        const char* MessagePart;
    } expected[] = {{1, "expected \"size,designation\""},
                    {2, "expected \"size,designation\""},
                    {3, "missing nominal size"},
                    {4, "missing tolerance class or fit"},
                    {5, "line is longer than 1000 characters"}};
    for (std::size_t index = 0; index < std::size(expected); ++index) {
        EXPECT_EQ(objects[index]["line"], expected[index].Line);
        EXPECT_THAT(objects[index]["error"].get<std::string>(),
                    HasSubstr(expected[index].MessagePart));
    }
    EXPECT_EQ(objects[5]["line"], 8);
    EXPECT_EQ(objects[5]["class"], "H7");
}

TEST(Batch, ErrorsStayValidJsonWhateverTheInputBytes) {
    const std::vector<Json> objects = RunJson("10,\"H\x01\xFF\"\n");
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_THAT(objects[0]["error"].get<std::string>(), HasSubstr("unknown tolerance class"));
}

TEST(Batch, CsvHasOneHeaderAndOneRowPerQueryWithTheSameColumnCount) {
    const BatchRun run = RunBatchText("10,H7/g6\n10,Q7\n25,g6\n", BatchFormat::Csv);
    ASSERT_EQ(run.Lines.size(), 4u);
    EXPECT_EQ(run.Lines[0] + "\n", CsvHeader());
    // Cells of a CSV line: commas inside double quotes do not separate.
    const auto columns = [](const std::string& line) {
        int count = 1;
        bool quoted = false;
        for (const char character : line) {
            quoted = character == '"' ? !quoted : quoted;
            count += character == ',' && !quoted ? 1 : 0;
        }
        return count;
    };
    for (const std::string& line : run.Lines) {
        EXPECT_EQ(columns(line), columns(run.Lines[0])) << line;
    }
    EXPECT_THAT(run.Lines[1],
                ::testing::StartsWith("1,10,H7/g6,,H7,true,0.015,0.015,0,10.015,10,g6,true,0.009,"
                                      "-0.005,-0.014,9.995,9.986,clearance,"));
    EXPECT_THAT(run.Lines[2], ::testing::StartsWith("2,,,\"unknown tolerance class \"\"Q7\"\""));
    // The shaft class leaves the hole columns empty and fills the shaft ones.
    EXPECT_THAT(run.Lines[3], ::testing::StartsWith("3,25,g6,,,,,,,,,g6,true,"));
    EXPECT_EQ(run.Summary.Failed, 1);
}

TEST(Batch, CsvCellQuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(CsvCell("H7/g6"), "H7/g6");
    EXPECT_EQ(CsvCell("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvCell("say \"x\""), "\"say \"\"x\"\"\"");
}

TEST(Batch, HeaderRecognitionLooksForDigitsInTheFirstField) {
    EXPECT_TRUE(IsHeaderLine("size,designation"));
    EXPECT_TRUE(IsHeaderLine("Nominal size (mm);class"));
    EXPECT_FALSE(IsHeaderLine("10,H7"));
    EXPECT_FALSE(IsHeaderLine("size 2,H7"));
}

}  // namespace
}  // namespace kelvo::cli
