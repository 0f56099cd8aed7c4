#include <gtest/gtest.h>

#include "design/class_catalogues.h"
#include "design/class_names.h"

namespace kelvo {
namespace {

TEST(SplitClassName, TwoCharactersOnlyWhenTheyFormALetterOfThatSide) {
    struct Case {
        std::string_view name;
        Side side;
        std::string_view letter, grade;
    };
    const Case cases[] = {
        {"JS7", Side::Hole, "JS", "7"},
        {"EF10", Side::Hole, "EF", "10"},
        {"ef10", Side::Shaft, "ef", "10"},
        {"H7", Side::Hole, "H", "7"},
        {"cd5", Side::Shaft, "cd", "5"},
        {"zc11", Side::Shaft, "zc", "11"},
        {"h01", Side::Shaft, "h", "01"},
        {"J6", Side::Hole, "J", "6"},
        // The case of the name is checked against the side's letters only.
        {"js6", Side::Hole, "j", "s6"},
        {"EF10", Side::Shaft, "E", "F10"},
        {"H", Side::Hole, "H", ""},
        {"", Side::Hole, "", ""},
    };
    for (const Case& c : cases) {
        const ClassNameParts parts = SplitClassName(c.name, c.side);
        EXPECT_EQ(parts.Letter, c.letter) << c.name;
        EXPECT_EQ(parts.Grade, c.grade) << c.name;
    }
}

TEST(ClassGrade, ReadsTheGradeTextAsADecimalInteger) {
    EXPECT_EQ(ClassGrade("H10"), 10);
    EXPECT_EQ(ClassGrade("JS1"), 1);
    EXPECT_EQ(ClassGrade("zc11"), 11);
    EXPECT_EQ(ClassGrade("h01"), 1);
    EXPECT_EQ(ClassGrade("H0"), 0);
    EXPECT_EQ(ClassGrade("H"), -1);
    EXPECT_EQ(ClassGrade(""), -1);
}

// Each catalogue name splits into texts whose indexes give back the name.
TEST(SplitClassName, CatalogueNamesSplitIntoListedLetterAndGrade) {
    for (const Side side : {Side::Hole, Side::Shaft}) {
        for (const SizeBand band : {SizeBand::UpTo500, SizeBand::Over500}) {
            for (const ClassEntry& entry : ClassCatalogue(side, band)) {
                const ClassNameParts parts = SplitClassName(entry.Name, side);
                EXPECT_NE(LetterIndex(parts.Letter, side), kNoSelection) << entry.Name;
                EXPECT_NE(GradeIndex(parts.Grade), kNoSelection) << entry.Name;
                EXPECT_EQ(parts.Letter + parts.Grade, entry.Name);
            }
        }
    }
}

TEST(SplitFitName, SplitsAtTheFirstSlash) {
    const FitNameParts fit = SplitFitName("H7/js6");
    EXPECT_EQ(fit.HoleClass, "H7");
    EXPECT_EQ(fit.ShaftClass, "js6");
    EXPECT_EQ(fit.Hole.Letter, "H");
    EXPECT_EQ(fit.Hole.Grade, "7");
    EXPECT_EQ(fit.Shaft.Letter, "js");
    EXPECT_EQ(fit.Shaft.Grade, "6");

    const FitNameParts shaftBasis = SplitFitName("JS7/h6");
    EXPECT_EQ(shaftBasis.Hole.Letter, "JS");
    EXPECT_EQ(shaftBasis.Shaft.Letter, "h");

    const FitNameParts twoSlashes = SplitFitName("H7/g6/x");
    EXPECT_EQ(twoSlashes.HoleClass, "H7");
    EXPECT_EQ(twoSlashes.ShaftClass, "g6/x");

    const FitNameParts noSlash = SplitFitName("H7");
    EXPECT_EQ(noSlash.HoleClass, "H7");
    EXPECT_EQ(noSlash.ShaftClass, "");
    EXPECT_EQ(noSlash.Shaft.Letter, "");
}

TEST(ParseClassName, AcceptsEveryLetterWithEveryGradeText) {
    struct Case {
        std::string_view name;
        Side side;
        int letter, grade;
    };
    const Case cases[] = {
        {"A01", Side::Hole, 0, 0},  {"zc18", Side::Shaft, 27, 19}, {"JS0", Side::Hole, 11, 1},
        {"H7", Side::Hole, 10, 8},  {"js6", Side::Shaft, 11, 7},   {"ZA1", Side::Hole, 25, 2},
        {"j5", Side::Shaft, 12, 6},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseClassName(c.name);
        ASSERT_TRUE(parsed.has_value()) << c.name;
        EXPECT_EQ(parsed->Side, c.side) << c.name;
        EXPECT_EQ(parsed->Letter, c.letter) << c.name;
        EXPECT_EQ(parsed->Grade, c.grade) << c.name;
    }
    int accepted = 0;
    for (const Side side : {Side::Hole, Side::Shaft}) {
        for (const std::string_view letter : Letters(side)) {
            for (const std::string_view grade : kGradeTexts) {
                accepted += ParseClassName(std::string(letter) + std::string(grade)).has_value();
            }
        }
    }
    EXPECT_EQ(accepted, 2 * kLetterCount * kGradeCount);
}

TEST(ParseClassName, RejectsAnythingElse) {
    for (const std::string_view name : {"", "H", "7", "H19", "Hx", "I7", "H07", "H-1", "H7 ", " H7",
                                        "Js7", "jS7", "H7/g6", "H+7"}) {
        EXPECT_FALSE(ParseClassName(name).has_value()) << '"' << name << '"';
    }
}

TEST(ParseFitName, HoleClassSlashShaftClass) {
    const auto fit = ParseFitName("H7/g6");
    ASSERT_TRUE(fit.has_value());
    EXPECT_EQ(fit->HoleLetter, letter::kH);
    EXPECT_EQ(fit->HoleGrade, GradeIndex("7"));
    EXPECT_EQ(fit->ShaftLetter, letter::kG);
    EXPECT_EQ(fit->ShaftGrade, GradeIndex("6"));

    const auto extreme = ParseFitName("ZC01/a18");
    ASSERT_TRUE(extreme.has_value());
    EXPECT_EQ(extreme->HoleLetter, 27);
    EXPECT_EQ(extreme->HoleGrade, 0);
    EXPECT_EQ(extreme->ShaftLetter, 0);
    EXPECT_EQ(extreme->ShaftGrade, 19);
}

TEST(ParseFitName, RejectsAnythingElse) {
    for (const std::string_view fit : {"", "H7", "H7/", "/g6", "/", "h7/G6", "H7/G6", "h7/g6",
                                       "H7/g6/x", "H7//g6", "H19/g6", "H7/g19", "H7 /g6"}) {
        EXPECT_FALSE(ParseFitName(fit).has_value()) << '"' << fit << '"';
    }
}

}  // namespace
}  // namespace kelvo
