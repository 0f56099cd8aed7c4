// Reading a language table: encodings, line breaks, the lookup rules and malformed input.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "i18n/language_table.h"
#include "i18n/text_encoding.h"
#include "language_test_support.h"

namespace kelvo {
namespace {

using testing::Bytes;
using testing::PlainBytes;
using testing::Utf16LeWithMark;
using testing::Utf8WithMark;
using namespace std::string_literals;
using namespace std::string_view_literals;

LanguageTable TableOf(std::u16string_view text) {
    return LanguageTable(ParseLanguageTable(Utf16LeWithMark(text)));
}

std::string TextOf(const LanguageTable& table, int key) {
    const std::string* text = table.Find(key);
    return text ? *text : "<none>";
}

struct SplitCase {
    std::u16string text;
    std::vector<std::u16string> lines;
};

TEST(SplitTableLines, EndsLinesAtCrLfAndLineSeparatorSkippingOneOfEachInOrder) {
    const SplitCase cases[] = {
        {u"a\r\nb"s, {u"a"s, u"b"}},
        {u"a\nb"s, {u"a"s, u"b"}},
        {u"a\rb"s, {u"a"s, u"b"}},
        {u"a\u2028b"s, {u"a"s, u"b"}},
        {u"a\r\n\u2028b"s, {u"a"s, u"b"}},  // CR, LF and U+2028 together end one line
        {u"a\r\rb"s, {u"a"s, u"", u"b"}},
        {u"a\n\rb"s, {u"a"s, u"", u"b"}},  // LF then CR: the CR starts a second break
        {u"a\n\nb"s, {u"a"s, u"", u"b"}},
        {u"a\r\n"s, {u"a"s}},  // a final break does not open an empty line
        {u"\r\n"s, {u""s}},
        {u""s, {}},
        {u"a\0b\r\nc"s, {u"a"s}},       // NUL ends the whole text
        {u"a\r\nb\0"s, {u"a"s, u"b"}},  // the Bulgarian table's ending
        {u"\0a"s, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitTableLines(c.text), c.lines) << Utf16ToUtf8(c.text);
    }
}

TEST(LanguageTable, ValueIsEverythingAfterTheFirstEqualsSignVerbatim) {
    const LanguageTable table = TableOf(u"1= Bohrung\r\n2=a=b\r\n3=trailing  \r\n4=");
    EXPECT_EQ(TextOf(table, 1), " Bohrung");
    EXPECT_EQ(TextOf(table, 2), "a=b");
    EXPECT_EQ(TextOf(table, 3), "trailing  ");
    EXPECT_EQ(TextOf(table, 4), "");  // present, with an empty text
}

TEST(LanguageTable, KeysNotInTheTableYieldNothing) {
    const LanguageTable table = TableOf(u"1=one\r\n110=last");
    for (const int key : {0, 200, -1, 2, 11, 1100}) {
        EXPECT_EQ(table.Find(key), nullptr) << key;
    }
}

TEST(LanguageTable, FirstLineOfAKeyWins) {
    const LanguageTable table = TableOf(u"5=first\r\n6=six\r\n5=second");
    EXPECT_EQ(TextOf(table, 5), "first");
    EXPECT_EQ(TextOf(table, 6), "six");
}

TEST(LanguageTable, OnlyTheExactDecimalNameAnswersAKey) {
    // Each of these names looks like 5 but is not its decimal form, so nothing answers 5 and the
    // real line further down is found.
    for (const std::u16string name : {u" 5", u"5 ", u" 5 ", u"05", u"+5", u"5.0", u"٥"}) {
        const LanguageTable table = TableOf(name + u"=wrong\r\n5=right");
        EXPECT_EQ(TextOf(table, 5), "right") << Utf16ToUtf8(name);
    }
}

TEST(LanguageTable, NegativeAndExtremeKeys) {
    const LanguageTable table = TableOf(
        u"-1=minus one\r\n-0=not zero\r\n2147483647=max\r\n-2147483648=min\r\n"
        u"2147483648=overflow\r\n0=zero");
    EXPECT_EQ(TextOf(table, -1), "minus one");
    EXPECT_EQ(TextOf(table, 0), "zero");
    EXPECT_EQ(TextOf(table, 2147483647), "max");
    EXPECT_EQ(TextOf(table, -2147483647 - 1), "min");
}

TEST(LanguageTable, LinesWithoutEqualsSignArePassedOver) {
    const LanguageTable table = TableOf(u"5\r\n[Section]\r\n\r\n5=five");
    EXPECT_EQ(TextOf(table, 5), "five");
    EXPECT_EQ(table.Lines().size(), 4u);
}

TEST(LanguageTable, NulEndsTheWholeTable) {
    const LanguageTable table = TableOf(u"1=a\r\n2=b\0\r\n3=c"sv);
    EXPECT_EQ(TextOf(table, 2), "b");
    EXPECT_EQ(table.Find(3), nullptr);
}

TEST(LanguageTable, EmptyTableAnswersNothing) {
    const LanguageTable table;
    EXPECT_TRUE(table.empty());
    EXPECT_EQ(table.Find(1), nullptr);
}

TEST(ParseLanguageTable, EveryEncodingGivesTheSameLines) {
    const std::u16string text = u"1= Höchstmass\r\n2=Отвор\r\n3=About …";
    const std::vector<std::u16string> expected = {u"1= Höchstmass", u"2=Отвор", u"3=About …"};
    const Bytes littleEndian = Utf16LeWithMark(text);
    EXPECT_EQ(ParseLanguageTable(littleEndian), expected);
    EXPECT_EQ(ParseLanguageTable(testing::SwapToBigEndian(littleEndian)), expected);
    EXPECT_EQ(ParseLanguageTable(Utf8WithMark("1= Höchstmass\r\n2=Отвор\r\n3=About …")), expected);
}

TEST(ParseLanguageTable, WithoutAMarkReadsWindows1252) {
    const auto lines =
        ParseLanguageTable(PlainBytes("1= H\xF6"
                                      "chstmass\r\n2=\x80\x85\x9F\x81"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], u"1= Höchstmass");
    EXPECT_EQ(lines[1], u"2=€…Ÿ\u0081");
}

TEST(ParseLanguageTable, EmptyInputAndALoneMarkGiveNoLines) {
    EXPECT_TRUE(ParseLanguageTable({}).empty());
    for (const Bytes& mark : {Bytes{0xFF, 0xFE}, Bytes{0xFE, 0xFF}, Bytes{0xEF, 0xBB, 0xBF}}) {
        EXPECT_TRUE(ParseLanguageTable(mark).empty());
    }
}

TEST(ParseLanguageTable, OddLengthUtf16IgnoresTheLastByte) {
    Bytes littleEndian = Utf16LeWithMark(u"1=ab");
    littleEndian.push_back(0x63);
    EXPECT_EQ(ParseLanguageTable(littleEndian), std::vector<std::u16string>{u"1=ab"});

    Bytes bigEndian = testing::SwapToBigEndian(Utf16LeWithMark(u"1=ab"));
    bigEndian.push_back(0x00);
    EXPECT_EQ(ParseLanguageTable(bigEndian), std::vector<std::u16string>{u"1=ab"});
}

TEST(ParseLanguageTable, BrokenUtf8BecomesReplacementCharacters) {
    struct Case {
        std::string bytes;
        std::u16string firstLine;
    };
    const Case cases[] = {
        {"1=Gr\xC3", u"1=Gr\uFFFD"},                  // cut inside the last character
        {"1=a\xE2\x80\r\n2=b", u"1=a\uFFFD"},         // cut inside a line
        {"1=\xFF\xC0\xAF", u"1=\uFFFD\uFFFD\uFFFD"},  // bytes that never start a character
        {"1=\xC0\x80", u"1=\uFFFD\uFFFD"},            // C0 cannot start a character
        {"1=\xE0\x80\x80", u"1=\uFFFD"},              // overlong form of NUL
        {"1=\xED\xA0\x80", u"1=\uFFFD"},              // a surrogate
        {"1=\xF0\x9F\x98\x80", u"1=\U0001F600"},      // four bytes, valid
    };
    for (const auto& c : cases) {
        const auto lines = ParseLanguageTable(Utf8WithMark(c.bytes));
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines[0], c.firstLine) << c.bytes;
    }
    const LanguageTable table(ParseLanguageTable(Utf8WithMark("1=a\xE2\x80\r\n2=b")));
    EXPECT_EQ(TextOf(table, 2), "b");
}

TEST(ParseLanguageTable, GarbageNeverBreaksTheReader) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 300);
    const Bytes marks[] = {{}, {0xFF, 0xFE}, {0xFE, 0xFF}, {0xEF, 0xBB, 0xBF}};
    for (int round = 0; round < 400; ++round) {
        Bytes bytes = marks[round % 4];
        const int size = length(random);
        for (int i = 0; i < size; ++i) {
            bytes.push_back(static_cast<std::uint8_t>(byte(random)));
        }
        const LanguageTable table(ParseLanguageTable(bytes));
        for (const auto& line : table.Lines()) {
            for (const char16_t c : line) {
                ASSERT_TRUE(c != u'\r' && c != u'\n' && c != u'\u2028' && c != u'\0');
            }
        }
        for (int key = -2; key < 12; ++key) {
            if (const std::string* text = table.Find(key)) {
                // Whatever came in, what goes out is well-formed UTF-8.
                EXPECT_EQ(Utf16ToUtf8(DecodeUtf8(*text)), *text);
            }
        }
    }
}

TEST(Utf16ToUtf8, ConvertsPairsAndReplacesLoneSurrogates) {
    EXPECT_EQ(Utf16ToUtf8(u"Отвор"), "Отвор");
    EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    const char16_t lone[] = {u'a', 0xD800, u'b', 0xDC00, 0};
    EXPECT_EQ(Utf16ToUtf8(lone),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD");
}

}  // namespace
}  // namespace kelvo
