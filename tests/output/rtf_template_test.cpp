#include "output/rtf_template.h"

#include <gtest/gtest.h>

#include <random>

#include "print_test_support.h"

namespace kelvo {
namespace {

using test::DataFile;
using test::ReadBytes;

FillResult FillWith(std::string_view rtf, PrintRecordSet& set, const CodeTable& codes) {
    PrintJob job;
    job.AddRecordSet(&set, true);
    return FillRtfTemplate(CleanTokens(rtf), job, codes, nullptr);
}

FillResult Fill(std::string_view rtf) {
    PrintRecordSet set = test::TwoPrints();
    return FillWith(rtf, set, MainWindowCodeTable());
}

struct CleanCase {
    const char* name;
    std::string_view input;
    std::string_view expected;
};

TEST(CleanTokens, RemovesWhatAWordProcessorPutIntoATokenAndNothingElse) {
    const CleanCase cases[] = {
        {"group inside a token", "x $F{\\lang1033 A01#} y", "x $FA01#} y"},
        {"brace before the hash", "$FA01}# z", "$FA01 z"},
        {"line break inside a token", "$FA\r\n01#", "$FA01#"},
        {"control word up to LF", "$F\\b\nA01#", "$FA01#"},
        {"text outside tokens untouched", "{\\b bold}\\par\r\n", "{\\b bold}\\par\r\n"},
        {"token keeps spaces", "$F A01#", "$F A01#"},
        {"dollar at the very end", "cost $", "cost $"},
        // A dollar without a hash keeps the token state on: control words after
        // it are cut up to the next space or LF.
        {"stray dollar", "$5 \\par x\\b y#\\i z", "$5 xy#\\i z"},
    };
    for (const CleanCase& c : cases) {
        EXPECT_EQ(CleanTokens(c.input), c.expected) << c.name;
    }
}

TEST(ChooseRowMarker, NeedsABraceRightBeforeTrowdAndSkipsTheSixBytesCompared) {
    EXPECT_EQ(ChooseRowMarker("\\par }\\trowd \\cellx100"), "}\\trowd");
    EXPECT_EQ(ChooseRowMarker("\\par {\\trowd \\cellx100"), "\\trowd");
    EXPECT_EQ(ChooseRowMarker(""), "\\trowd");
    // The second brace lies inside the six bytes compared after the first.
    EXPECT_EQ(ChooseRowMarker("}}\\trowd"), "\\trowd");
    EXPECT_EQ(ChooseRowMarker("}abcdef}\\trowd"), "}\\trowd");
}

// Whole templates against the bytes they must give, with two prints in the set.
TEST(FillRtfTemplate, GivesTheExpectedBytesForEachFixture) {
    for (const char* name : {"rtf_fields", "rtf_table", "rtf_paragraph_repeat"}) {
        const std::string source = ReadBytes(DataFile(std::string(name) + ".rtf"));
        const std::string expected = ReadBytes(DataFile(std::string(name) + ".expected.rtf"));
        ASSERT_FALSE(source.empty()) << name;
        const FillResult result = Fill(source);
        EXPECT_FALSE(result.Error) << name << ": " << result.Error.value_or("");
        EXPECT_EQ(result.Output, expected) << name;
    }
}

TEST(FillRtfTemplate, WritesEveryNonAsciiCharacterAsASigned16BitUnicodeEscape) {
    PrintRecordSet set;
    PrintRecord record;
    record.Set(0, "Ж ± µ ü \xF0\x9F\x98\x80 bad:\xFF");
    set.InsertNewest(record);
    const FillResult result = FillWith("$FA01#", set, MainWindowCodeTable());
    EXPECT_EQ(result.Output, "\\u1046? \\u177? \\u181? \\u252? \\u-10179?\\u-8704? bad:\\u-3?");
}

TEST(FillRtfTemplate, RepeatsATableRowOncePerRecordWithTheSimpleRowMarker) {
    // "\trowd" without a brace before it: the row starts at "\trowd" itself.
    const FillResult result = Fill("{\\trowd \\cellx9 $TA02#\\cell\\row } tail");
    EXPECT_EQ(result.Output,
              "{\\trowd \\cellx9 25\\cell\\row \\trowd \\cellx9 10\\cell\\row } tail");
}

TEST(FillRtfTemplate, WritesAUnitWithoutTTokensOnce) {
    EXPECT_EQ(Fill("a }\\pard $FA02# end").Output, "a }\\pard 25 end");
}

TEST(FillRtfTemplate, WritesATUnitOnceForAnEmptySet) {
    PrintRecordSet empty;
    EXPECT_EQ(FillWith("}\\pard [$TA02#]", empty, MainWindowCodeTable()).Output, "}\\pard []");
}

struct ErrorCase {
    const char* name;
    std::string_view input;
    std::string_view outputSoFar;
};

TEST(FillRtfTemplate, StopsWithAnErrorAndKeepsTheOutputSoFar) {
    const CodeTable codes({"A01=Tip", "A02=NR", "B01=Tip", "A05=NoSuchField"});
    const ErrorCase cases[] = {
        {"letter naming no record set", "one $FA02# two $FB01# three", "one 25 two "},
        {"label of an unknown code", "x $CA99# y", "x "},
        {"label of an unknown field", "x $CA05# y", "x "},
    };
    for (const ErrorCase& c : cases) {
        PrintRecordSet set = test::TwoPrints();
        const FillResult result = FillWith(c.input, set, codes);
        EXPECT_TRUE(result.Error) << c.name;
        EXPECT_EQ(result.Output, c.outputSoFar) << c.name;
    }
}

struct QuietCase {
    const char* name;
    std::string input;
    std::string expected;
};

TEST(FillRtfTemplate, BadTokensGiveNothingOrStayAsTextWithoutAnError) {
    const std::string longToken = "$FA01" + std::string(10000, 'x') + "#";
    const QuietCase cases[] = {
        {"empty template", "", ""},
        {"dollar at the very end", "total $", "total $"},
        {"truncated inside a token", "size $FA0", "size FA0"},
        {"token of 10,000 characters", longToken, longToken.substr(1)},
        {"unknown code", "[$FA99#]", "[]"},
        {"code of no set in the table", "[$FZ01#]", "[]"},
        {"lower-case letter", "[$Fa01#]", "[]"},
        {"letter outside A to Z", "[$F#01#]", "[01#]"},
        {"too short", "[$F#]", "[]"},
        {"other kinds stay", "$X $5 $$", "$X $5 $$"},
    };
    for (const QuietCase& c : cases) {
        const FillResult result = Fill(c.input);
        EXPECT_FALSE(result.Error) << c.name;
        EXPECT_EQ(result.Output, c.expected) << c.name;
    }
}

TEST(FillRtfTemplate, SurvivesBinaryInput) {
    std::mt19937 random(5);
    std::string binary(200000, '\0');
    for (char& byte : binary) {
        byte = static_cast<char>(random());
    }
    // Sprinkle token starts, hashes and row markers among the noise.
    for (std::size_t i = 0; i + 8 < binary.size(); i += 997) {
        binary.replace(i, 3, i % 2 ? "$TA" : "#}\\");
    }
    binary += "}\\trowd $TA02#";
    const FillResult result = Fill(binary);
    EXPECT_FALSE(result.Error);
    EXPECT_FALSE(result.Output.empty());
}

TEST(FillRtfTemplate, FillsAFiveMegabyteTemplateInLinearTime) {
    // One paragraph unit over the whole template, repeated for both records.
    std::string body = "{\\rtf1 }\\pard ";
    std::size_t chunks = 0;
    for (; body.size() < 5'000'000; ++chunks) {
        body += "\\cell $TA02# {\\b word}\\par ";
    }
    // Its speed (linear in the size) is measured by the template engine benchmark.
    const FillResult result = Fill(body);
    EXPECT_FALSE(result.Error);
    const std::size_t unitBytes = std::string_view("}\\pard ").size() +
                                  chunks * std::string_view("\\cell 25 {\\b word}\\par ").size();
    EXPECT_EQ(result.Output.size(), std::string_view("{\\rtf1 ").size() + 2 * unitBytes);
}

}  // namespace
}  // namespace kelvo
