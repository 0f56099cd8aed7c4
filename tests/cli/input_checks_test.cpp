#include "cli/input_checks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace kelvo::cli {
namespace {

using ::testing::HasSubstr;

TEST(NominalSize, AcceptsPlainNumbersOfMillimetresWithinTheLimits) {
    const struct {
        const char* Text;
        double SizeMm;
    } cases[] = {{"10", 10.0},       {" 12.5 ", 12.5},   {"1e2", 100.0}, {"0.001", 0.001},
                 {"10000", 10000.0}, {"\t500\r", 500.0}, {".5", 0.5}};
    for (const auto& c : cases) {
        const Checked<double> size = ParseNominalSizeMm(c.Text);
        ASSERT_TRUE(size.Value.has_value()) << c.Text << ": " << size.Error;
        EXPECT_DOUBLE_EQ(*size.Value, c.SizeMm) << c.Text;
        EXPECT_TRUE(size.Error.empty());
    }
}

TEST(NominalSize, RejectsMalformedAndOutOfRangeSizesNamingTheInput) {
    const struct {
        const char* Text;
        const char* MessagePart;
    } cases[] = {
        {"", "missing nominal size"},
        {"   ", "missing nominal size"},
        {"abc", "invalid nominal size \"abc\""},
        {"10mm", "invalid nominal size \"10mm\""},
        {"1,5", "invalid nominal size \"1,5\""},
        {"10 20", "invalid nominal size"},
        {"nan", "invalid nominal size"},
        {"inf", "invalid nominal size"},
        {"1e999", "invalid nominal size"},
        {"0x10", "invalid nominal size"},
        {"0.0009", "nominal size \"0.0009\" is outside 0.001 to 10000 mm"},
        {"10000.001", "is outside 0.001 to 10000 mm"},
        {"-5", "is outside 0.001 to 10000 mm"},
        {"0", "is outside"},
    };
    for (const auto& c : cases) {
        const Checked<double> size = ParseNominalSizeMm(c.Text);
        EXPECT_FALSE(size.Value.has_value()) << c.Text;
        EXPECT_THAT(size.Error, HasSubstr(c.MessagePart)) << c.Text;
    }
}

TEST(ClassDesignation, AcceptsEveryLetterWithEveryGradeOfItsSide) {
    const struct {
        const char* Text;
        Side ExpectedSide;
        int Letter;
        int Grade;
    } cases[] = {{"A01", Side::Hole, 0, 0},     {"zc18", Side::Shaft, 27, 19},
                 {"JS0", Side::Hole, 11, 1},    {"H7", Side::Hole, 10, 8},
                 {"g6", Side::Shaft, 9, 7},     {"cd5", Side::Shaft, 3, 6},
                 {" EF10 ", Side::Hole, 6, 11}, {"T7", Side::Hole, 19, 8}};
    for (const auto& c : cases) {
        const Checked<ClassSelection> selection = ParseClassDesignation(c.Text);
        ASSERT_TRUE(selection.Value.has_value()) << c.Text << ": " << selection.Error;
        EXPECT_EQ(selection.Value->Side, c.ExpectedSide) << c.Text;
        EXPECT_EQ(selection.Value->Letter, c.Letter) << c.Text;
        EXPECT_EQ(selection.Value->Grade, c.Grade) << c.Text;
    }
}

TEST(ClassDesignation, RejectsUnknownLettersAndGradesNamingTheInput) {
    for (const char* text : {"Q7", "H19", "H", "7", "Js7", "h7x", "H 7", "I7", "h-1"}) {
        const Checked<ClassSelection> selection = ParseClassDesignation(text);
        EXPECT_FALSE(selection.Value.has_value()) << text;
        EXPECT_THAT(selection.Error,
                    HasSubstr("unknown tolerance class \"" + std::string(text) + "\""));
    }
    EXPECT_EQ(ParseClassDesignation("").Error, "missing tolerance class");
    EXPECT_THAT(ParseClassDesignation("H7/g6").Error, HasSubstr("is a fit"));
}

TEST(FitDesignation, AcceptsAHoleClassSlashAShaftClass) {
    const Checked<FitSelection> fit = ParseFitDesignation("JS0/zc18");
    ASSERT_TRUE(fit.Value.has_value()) << fit.Error;
    EXPECT_EQ(fit.Value->HoleLetter, 11);
    EXPECT_EQ(fit.Value->HoleGrade, 1);
    EXPECT_EQ(fit.Value->ShaftLetter, 27);
    EXPECT_EQ(fit.Value->ShaftGrade, 19);
}

TEST(FitDesignation, SaysWhichPartOfABadFitIsWrong) {
    const struct {
        const char* Text;
        const char* MessagePart;
    } cases[] = {
        {"H7/", "invalid fit \"H7/\": expected a hole class, \"/\" and a shaft class"},
        {"/g6", "expected a hole class"},
        {"H7/g6/h6", "expected a hole class"},
        {"Q7/g6", "\"Q7\" is not a hole class"},
        {"g6/H7", "\"g6\" is not a hole class"},
        {"H7/G6", "\"G6\" is not a shaft class"},
        {"H7/g19", "\"g19\" is not a shaft class"},
        {"", "missing fit"},
    };
    for (const auto& c : cases) {
        const Checked<FitSelection> fit = ParseFitDesignation(c.Text);
        EXPECT_FALSE(fit.Value.has_value()) << c.Text;
        EXPECT_THAT(fit.Error, HasSubstr(c.MessagePart)) << c.Text;
    }
}

TEST(Designation, ASlashMakesAFitAndOtherwiseAClass) {
    EXPECT_TRUE(std::holds_alternative<FitSelection>(*ParseDesignation("H7/g6").Value));
    EXPECT_TRUE(std::holds_alternative<ClassSelection>(*ParseDesignation("g6").Value));
    EXPECT_THAT(ParseDesignation("H7/").Error, HasSubstr("invalid fit"));
    EXPECT_THAT(ParseDesignation("Q1").Error, HasSubstr("unknown tolerance class"));
    EXPECT_EQ(ParseDesignation(" ").Error, "missing tolerance class or fit");
}

TEST(QuoteInput, KeepsAMessageOnOneShortLine) {
    EXPECT_EQ(QuoteInput("H7"), "\"H7\"");
    EXPECT_EQ(QuoteInput("a\nb\tc"), "\"a?b?c\"");
    const std::string longText(5000, 'x');
    EXPECT_EQ(QuoteInput(longText), "\"" + std::string(kMaxQuotedInput, 'x') + "...\"");
}

}  // namespace
}  // namespace kelvo::cli
