// The three shipped language tables: their format, their keys, the texts other parts of the
// program depend on, and the same lookups whatever encoding a table is given in.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "i18n/built_in_language_tables.h"
#include "i18n/language_table.h"
#include "i18n/settings.h"
#include "i18n/text_encoding.h"
#include "language_test_support.h"

namespace kelvo {
namespace {

using testing::Bytes;

constexpr int kFirstKey = 1;
constexpr int kLastKey = 110;

struct Language {
    int number;
    const char* file;
};
constexpr Language kLanguages[] = {
    {kBulgarian, "BG.lng"}, {kGerman, "DE.lng"}, {kEnglish, "EN.lng"}};

Bytes BuiltIn(int number) {
    const auto bytes = BuiltInLanguageTable(number);
    return Bytes(bytes.begin(), bytes.end());
}

std::u16string TextAfterMark(const Bytes& bytes) {
    std::u16string text;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        text.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
    }
    return text;
}

TEST(BuiltInLanguageTable, HoldsTheBytesOfTheShippedFiles) {
    for (const auto& language : kLanguages) {
        const std::string path = std::string(KELVO_SOURCE_DIR) + "/data/lang/" + language.file;
        std::ifstream file(path, std::ios::binary);
        ASSERT_TRUE(file) << path;
        const Bytes onDisk{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        EXPECT_EQ(BuiltIn(language.number), onDisk) << language.file;
    }
}

TEST(BuiltInLanguageTable, IsEmptyForOtherNumbers) {
    for (const int number : {0, -1, 4, 100}) {
        EXPECT_TRUE(BuiltInLanguageTable(number).empty()) << number;
    }
}

TEST(BuiltInLanguageTable, IsUtf16LittleEndianWithCrLfAndNoFinalTerminator) {
    for (const auto& language : kLanguages) {
        SCOPED_TRACE(language.file);
        const Bytes bytes = BuiltIn(language.number);
        ASSERT_GE(bytes.size(), 4u);
        EXPECT_EQ(bytes[0], 0xFF);
        EXPECT_EQ(bytes[1], 0xFE);
        EXPECT_EQ(bytes.size() % 2, 0u);

        std::u16string text = TextAfterMark(bytes);
        if (language.number == kBulgarian) {
            // The Bulgarian table ends with one NUL instead of nothing.
            ASSERT_EQ(text.back(), u'\0');
            text.pop_back();
        }
        EXPECT_EQ(text.find(u'\0'), std::u16string::npos);
        EXPECT_NE(text.back(), u'\n');
        EXPECT_NE(text.back(), u'\r');
        // Every line break is CR LF: no CR without LF after it, no LF without CR before it.
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == u'\r') {
                EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == u'\n') << "CR at " << i;
            }
            if (text[i] == u'\n') {
                EXPECT_TRUE(i > 0 && text[i - 1] == u'\r') << "LF at " << i;
            }
        }
    }
}

TEST(BuiltInLanguageTable, HoldsKeys1To110OnceEachInOrderWithATextEach) {
    for (const auto& language : kLanguages) {
        SCOPED_TRACE(language.file);
        const auto lines = ParseLanguageTable(BuiltInLanguageTable(language.number));
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(kLastKey - kFirstKey + 1));
        for (int key = kFirstKey; key <= kLastKey; ++key) {
            const std::u16string& line = lines[static_cast<std::size_t>(key - kFirstKey)];
            const auto equals = line.find(u'=');
            ASSERT_NE(equals, std::u16string::npos) << "line " << key;
            EXPECT_EQ(Utf16ToUtf8(line.substr(0, equals)), std::to_string(key));
            EXPECT_GT(line.size(), equals + 1) << "key " << key << " has no text";
        }
    }
}

struct TellingRow {
    int key;
    const char* english;
    const char* german;
    const char* bulgarian;
};

// Texts that the window, the grids and the reports rely on, in all three languages. Key pairs
// with the same English text (4/35, 9/36) keep their own, differing translations.
constexpr TellingRow kTellingRows[] = {
    {1, "Hole", " Bohrung", "Отвор"},
    {4, "Limit deviations", " Grenzabmasse", "Гранични отклонения"},
    {9, "Upper limit of size", " Höchstmass", "Макс. размер"},
    {16, "Clearance fit", " Spielpassung", "Сглобка с хлабина"},
    {19, "Max. clearance", " Max. Spiel", "Макс. хлабина"},
    {20, "Min. clearance", " Min. Spiel", "Мин. хлабина"},
    {35, "Limit deviations", " Grenzabmasse", "Гран. отклонния"},
    {36, "Upper limit of size", " Höhstmass", "Макс. размер"},
    {58, "Hole guages", " Bohrungslehren", "Калибри за отвори"},
    {63, "GO", " Gut", "ПР"},
    {64, "N-G", " Aus", "НЕ"},
    {67, "KELVO Tolerances and gauges", "KELVO Toleranzen und Lehren", "KELVO Допуски и калибри"},
    {75, "About …", "Info …", "Информация"},
    {83, "(non-standard)", "(nicht genormt)", "(нестанд.)"},
    {91, "(all)", "(alle)", "(всички)"},
    {107, "Max. clear.", " Max. Spiel", "Макс. хлаб."},
    {109, "Max. interf.", " Max. Überm.", "Макс. натег"},
};

TEST(BuiltInLanguageTable, TellingRowsInEveryLanguage) {
    const LanguageTable english(ParseLanguageTable(BuiltInLanguageTable(kEnglish)));
    const LanguageTable german(ParseLanguageTable(BuiltInLanguageTable(kGerman)));
    const LanguageTable bulgarian(ParseLanguageTable(BuiltInLanguageTable(kBulgarian)));
    for (const auto& row : kTellingRows) {
        SCOPED_TRACE(row.key);
        ASSERT_NE(english.Find(row.key), nullptr);
        ASSERT_NE(german.Find(row.key), nullptr);
        ASSERT_NE(bulgarian.Find(row.key), nullptr);
        EXPECT_EQ(*english.Find(row.key), row.english);
        EXPECT_EQ(*german.Find(row.key), row.german);
        EXPECT_EQ(*bulgarian.Find(row.key), row.bulgarian);
    }
}

TEST(BuiltInLanguageTable, MostGermanTextsBeginWithASpace) {
    const LanguageTable german(ParseLanguageTable(BuiltInLanguageTable(kGerman)));
    int withSpace = 0;
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        ASSERT_NE(german.Find(key), nullptr);
        withSpace += german.Find(key)->starts_with(' ') ? 1 : 0;
    }
    EXPECT_GT(withSpace, (kLastKey - kFirstKey + 1) / 2);
}

// Windows-1252 form of a text that holds only Latin-1 letters and the ellipsis.
Bytes ToWindows1252(std::u16string_view text) {
    Bytes bytes;
    for (const char16_t unit : text) {
        if (unit == u'…') {
            bytes.push_back(0x85);
        } else if (unit < 0x100 && !(unit >= 0x80 && unit <= 0x9F)) {
            bytes.push_back(static_cast<std::uint8_t>(unit));
        } else {
            ADD_FAILURE() << "no Windows-1252 form for U+" << std::hex << unsigned(unit);
        }
    }
    return bytes;
}

void ExpectSameLookups(const LanguageTable& expected, const LanguageTable& actual) {
    for (int key = kFirstKey - 1; key <= kLastKey + 1; ++key) {
        const std::string* want = expected.Find(key);
        const std::string* got = actual.Find(key);
        ASSERT_EQ(want == nullptr, got == nullptr) << "key " << key;
        if (want) {
            EXPECT_EQ(*got, *want) << "key " << key;
        }
    }
}

TEST(BuiltInLanguageTable, GivesTheSameLookupsInEveryEncoding) {
    for (const auto& language : kLanguages) {
        SCOPED_TRACE(language.file);
        const Bytes littleEndian = BuiltIn(language.number);
        const LanguageTable reference(ParseLanguageTable(littleEndian));
        const std::u16string text = TextAfterMark(littleEndian);

        ExpectSameLookups(
            reference, LanguageTable(ParseLanguageTable(testing::SwapToBigEndian(littleEndian))));
        ExpectSameLookups(
            reference, LanguageTable(ParseLanguageTable(testing::Utf8WithMark(Utf16ToUtf8(text)))));
        if (language.number != kBulgarian) {
            // Cyrillic has no Windows-1252 form; German and English do.
            ExpectSameLookups(reference, LanguageTable(ParseLanguageTable(ToWindows1252(text))));
        }
    }
}

}  // namespace
}  // namespace kelvo
