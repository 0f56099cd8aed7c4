#include "output/text_template.h"

#include <gtest/gtest.h>

#include "print_test_support.h"

namespace kelvo {
namespace {

using test::DataFile;
using test::ReadBytes;

FillResult Fill(std::string_view text) {
    PrintRecordSet set = test::TwoPrints();
    PrintJob job;
    job.AddRecordSet(&set, true);
    return FillTextTemplate(text, job, MainWindowCodeTable());
}

TEST(DetectTextEncoding, ReadsTheByteOrderMark) {
    EXPECT_EQ(DetectTextEncoding("\xEF\xBB\xBFx"), TextEncoding::Utf8);
    EXPECT_EQ(DetectTextEncoding("\xFF\xFEx"), TextEncoding::Utf16LittleEndian);
    EXPECT_EQ(DetectTextEncoding("\xFE\xFFx"), TextEncoding::Utf16BigEndian);
    EXPECT_EQ(DetectTextEncoding("\xEF\xBB"), TextEncoding::EightBit);
    EXPECT_EQ(DetectTextEncoding(""), TextEncoding::EightBit);
}

// Each fixture keeps its mark and gets the values in its own encoding:
// Windows-1252 ('?' for Cyrillic), UTF-8, UTF-16 little- and big-endian.
TEST(FillTextTemplate, GivesTheExpectedBytesInEachEncoding) {
    for (const char* name : {"text_8bit", "text_utf8", "text_utf16le", "text_utf16be"}) {
        const std::string source = ReadBytes(DataFile(std::string(name) + ".txt"));
        const std::string expected = ReadBytes(DataFile(std::string(name) + ".expected.txt"));
        ASSERT_FALSE(source.empty()) << name;
        const FillResult result = Fill(source);
        EXPECT_FALSE(result.Error) << name;
        EXPECT_EQ(result.Output, expected) << name;
    }
}

struct TextCase {
    const char* name;
    std::string input;
    std::string expected;
};

TEST(FillTextTemplate, HandlesShortUnclosedAndOddTokens) {
    const TextCase cases[] = {
        {"empty template", "", ""},
        {"dollar at the very end", "cost $", "cost "},
        {"three characters are written back", "[$A02#]", "[A02]"},
        {"four make a token", "[$A02x#]", "[25]"},
        {"NUL inside a token is skipped", std::string("[$A0\0002x#]", 9), "[25]"},
        {"truncated inside a token", "size $A02 mm", "size A02 mm"},
        {"no letter and digits: dropped", "[$Price#] [$A2x3#]", "[] []"},
        {"letter outside A to Z",
         "[$a02 x#] [$\xC4"
         "02 x#]",
         "[] []"},
        {"unknown code", "[$A99 x#]", "[]"},
        // A hash further than 100 characters away does not close the token.
        {"far hash", "$A02" + std::string(200, 'y') + "#", "A02" + std::string(200, 'y') + "#"},
    };
    for (const TextCase& c : cases) {
        const FillResult result = Fill(c.input);
        EXPECT_FALSE(result.Error) << c.name;
        EXPECT_EQ(result.Output, c.expected) << c.name;
    }
}

TEST(FillTextTemplate, StopsWhenALetterNamesNoRecordSet) {
    PrintRecordSet set = test::TwoPrints();
    PrintJob job;
    job.AddRecordSet(&set, true);
    const FillResult result =
        FillTextTemplate("a $A02 x# b $B01 x# c", job, CodeTable({"A02=NR", "B01=Tip"}));
    ASSERT_TRUE(result.Error);
    EXPECT_EQ(result.Output, "a 25 b ");
}

TEST(FillTextTemplate, LeavesAnOddLastByteOfUtf16AsItIs) {
    const std::string source(
        "\xFF\xFE"
        "a\0$\0A\0"
        "0\0"
        "2\0x\0#\0!",
        17);
    const FillResult result = Fill(source);
    EXPECT_EQ(result.Output, std::string("\xFF\xFE"
                                         "a\0"
                                         "2\0"
                                         "5\0!",
                                         9));
}

}  // namespace
}  // namespace kelvo
