#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "design/class_catalogues.h"
#include "design/class_names.h"
#include "design/size_band.h"

namespace kelvo {
namespace {

std::vector<std::string> NamesOf(std::span<const ClassEntry> catalogue) {
    std::vector<std::string> names;
    for (const ClassEntry& entry : catalogue) {
        names.emplace_back(entry.Name);
    }
    return names;
}

std::set<std::string> PreferredOf(std::span<const ClassEntry> catalogue) {
    std::set<std::string> names;
    for (const ClassEntry& entry : catalogue) {
        if (entry.Preferred) {
            names.emplace(entry.Name);
        }
    }
    return names;
}

// The grades of one letter in a catalogue, in catalogue order.
std::vector<int> GradesOf(std::span<const ClassEntry> catalogue, std::string_view letter,
                          Side side) {
    std::vector<int> grades;
    for (const ClassEntry& entry : catalogue) {
        if (SplitClassName(entry.Name, side).Letter == letter) {
            grades.push_back(ClassGrade(entry.Name));
        }
    }
    return grades;
}

TEST(SizeBand, FiveHundredMillimetresBelongsToTheLowerBand) {
    EXPECT_EQ(SizeBandOf(0.001), SizeBand::UpTo500);
    EXPECT_EQ(SizeBandOf(500.0), SizeBand::UpTo500);
    EXPECT_EQ(SizeBandOf(500.001), SizeBand::Over500);
    EXPECT_EQ(SizeBandOf(10000.0), SizeBand::Over500);
}

TEST(ClassCatalogues, EntryCountsPerSideAndBand) {
    EXPECT_EQ(HoleClassCatalogue(SizeBand::UpTo500).size(), 201u);
    EXPECT_EQ(ShaftClassCatalogue(SizeBand::UpTo500).size(), 202u);
    EXPECT_EQ(HoleClassCatalogue(SizeBand::Over500).size(), 82u);
    EXPECT_EQ(ShaftClassCatalogue(SizeBand::Over500).size(), 87u);
    EXPECT_EQ(ClassCatalogue(Side::Hole, SizeBand::Over500).data(),
              HoleClassCatalogue(SizeBand::Over500).data());
    EXPECT_EQ(ClassCatalogue(Side::Shaft, SizeBand::UpTo500).data(),
              ShaftClassCatalogue(SizeBand::UpTo500).data());
}

// Every entry is a valid class of its side, letters follow the letter list and
// grades ascend within a letter, with no name twice.
TEST(ClassCatalogues, EntriesAreOrderedByLetterThenGrade) {
    for (const Side side : {Side::Hole, Side::Shaft}) {
        for (const SizeBand band : {SizeBand::UpTo500, SizeBand::Over500}) {
            std::pair<int, int> previous{-1, -1};
            for (const ClassEntry& entry : ClassCatalogue(side, band)) {
                const auto parsed = ParseClassName(entry.Name);
                ASSERT_TRUE(parsed.has_value()) << entry.Name;
                EXPECT_EQ(parsed->Side, side) << entry.Name;
                const std::pair<int, int> key{parsed->Letter, parsed->Grade};
                EXPECT_LT(previous, key) << entry.Name;
                previous = key;
            }
        }
    }
}

TEST(ClassCatalogues, RunsExpandAtTheirEnds) {
    const auto holes = NamesOf(HoleClassCatalogue(SizeBand::UpTo500));
    EXPECT_EQ(holes.front(), "A9");
    EXPECT_EQ(holes[4], "A13");
    EXPECT_EQ(holes[5], "B8");
    EXPECT_EQ(holes.back(), "ZC11");
    const auto shafts = NamesOf(ShaftClassCatalogue(SizeBand::UpTo500));
    EXPECT_EQ(shafts.front(), "a9");
    EXPECT_EQ(shafts.back(), "zc11");
    EXPECT_EQ(NamesOf(HoleClassCatalogue(SizeBand::Over500)).front(), "D6");
    EXPECT_EQ(NamesOf(HoleClassCatalogue(SizeBand::Over500)).back(), "U8");
    EXPECT_EQ(NamesOf(ShaftClassCatalogue(SizeBand::Over500)).front(), "d7");
    EXPECT_EQ(NamesOf(ShaftClassCatalogue(SizeBand::Over500)).back(), "u8");
}

TEST(ClassCatalogues, GradeRunsOfSingledOutLetters) {
    struct Case {
        Side side;
        SizeBand band;
        std::string_view letter;
        std::vector<int> grades;
    };
    const Case cases[] = {
        {Side::Shaft, SizeBand::Over500, "g", {5, 6, 7, 9}},  // no g8 above 500 mm
        {Side::Shaft, SizeBand::UpTo500, "g", {3, 4, 5, 6, 7, 8, 9, 10}},
        {Side::Hole, SizeBand::UpTo500, "EF", {3, 4, 5, 6, 7, 8, 9, 10}},
        {Side::Shaft, SizeBand::UpTo500, "cd", {5, 6, 7, 8, 9, 10}},
        {Side::Hole, SizeBand::UpTo500, "J", {6, 7, 8}},
        {Side::Shaft, SizeBand::UpTo500, "j", {5, 6, 7}},
        {Side::Hole,
         SizeBand::Over500,
         "JS",
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}},
        {Side::Hole, SizeBand::Over500, "A", {}},
        {Side::Hole, SizeBand::Over500, "J", {}},
        {Side::Shaft, SizeBand::UpTo500, "k", {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GradesOf(ClassCatalogue(c.side, c.band), c.letter, c.side), c.grades) << c.letter;
    }
}

TEST(ClassCatalogues, PreferredClassesPerCatalogue) {
    using Names = std::set<std::string>;
    EXPECT_EQ(PreferredOf(HoleClassCatalogue(SizeBand::UpTo500)),
              (Names{"A11", "B11", "C11", "D10", "E9", "F8", "G7", "H7", "H8", "H9", "H11", "JS7",
                     "K7", "N7", "P7", "R7", "S7"}));
    EXPECT_EQ(PreferredOf(ShaftClassCatalogue(SizeBand::UpTo500)),
              (Names{"a11", "b11", "c11", "d9", "e8", "f7", "g6", "h6", "h7", "h9", "h11", "js6",
                     "k6", "n6", "p6", "r6", "s6"}));
    EXPECT_EQ(PreferredOf(HoleClassCatalogue(SizeBand::Over500)),
              (Names{"D10", "E9", "F8", "G7", "H7", "H8", "H9", "H11", "JS7", "K7", "N7", "P7",
                     "R7", "S7"}));
    EXPECT_EQ(PreferredOf(ShaftClassCatalogue(SizeBand::Over500)),
              (Names{"d9", "e8", "f7", "g6", "h6", "h7", "h9", "h11", "js6", "k6", "n6", "p6", "r6",
                     "s6"}));
}

TEST(ClassCatalogues, IsPreferredClassLooksInTheRightCatalogue) {
    EXPECT_TRUE(IsPreferredClass("H7", Side::Hole, SizeBand::UpTo500));
    EXPECT_TRUE(IsPreferredClass("A11", Side::Hole, SizeBand::UpTo500));
    EXPECT_FALSE(IsPreferredClass("A11", Side::Hole, SizeBand::Over500));
    EXPECT_FALSE(IsPreferredClass("H6", Side::Hole, SizeBand::UpTo500));
    EXPECT_FALSE(IsPreferredClass("h7", Side::Hole, SizeBand::UpTo500));
    EXPECT_TRUE(IsPreferredClass("h7", Side::Shaft, SizeBand::Over500));
    EXPECT_FALSE(IsPreferredClass("", Side::Shaft, SizeBand::UpTo500));
}

}  // namespace
}  // namespace kelvo
