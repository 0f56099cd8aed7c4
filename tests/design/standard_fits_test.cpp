#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "design/class_names.h"
#include "design/standard_fits.h"

namespace kelvo {
namespace {

using Names = std::vector<std::string>;

Names NamesOf(std::span<const StandardFitEntry> entries) {
    Names names;
    for (const StandardFitEntry& entry : entries) {
        names.emplace_back(entry.Name);
    }
    return names;
}

std::set<std::string> PreferredOf(std::span<const StandardFitEntry> entries) {
    std::set<std::string> names;
    for (const StandardFitEntry& entry : entries) {
        if (entry.Preferred) {
            names.emplace(entry.Name);
        }
    }
    return names;
}

struct SectionRange {
    FitSection section;
    std::size_t first, count;
};

// First position and size of each section, as the list is laid out.
const std::map<SizeBand, std::vector<SectionRange>> kLayout = {
    {SizeBand::UpTo500,
     {{FitSection::HoleBasisClearance, 0, 49},
      {FitSection::HoleBasisTransition, 49, 19},
      {FitSection::HoleBasisInterference, 68, 20},
      {FitSection::Separator, 88, 1},
      {FitSection::ShaftBasisClearance, 89, 44},
      {FitSection::ShaftBasisTransition, 133, 17},
      {FitSection::ShaftBasisInterference, 150, 9}}},
    {SizeBand::Over500,
     {{FitSection::HoleBasisClearance, 0, 42},
      {FitSection::HoleBasisTransition, 42, 19},
      {FitSection::HoleBasisInterference, 61, 14},
      {FitSection::Separator, 75, 1},
      {FitSection::ShaftBasisClearance, 76, 37},
      {FitSection::ShaftBasisTransition, 113, 14},
      {FitSection::ShaftBasisInterference, 127, 7}}},
};

TEST(StandardFitList, SectionsLieAtTheirPositions) {
    EXPECT_EQ(StandardFitList(SizeBand::UpTo500).size(), 159u);
    EXPECT_EQ(StandardFitList(SizeBand::Over500).size(), 134u);
    for (const auto& [band, ranges] : kLayout) {
        const auto list = StandardFitList(band);
        for (const SectionRange& range : ranges) {
            for (std::size_t i = range.first; i < range.first + range.count; ++i) {
                EXPECT_EQ(list[i].Section, range.section) << "position " << i;
            }
            if (range.section != FitSection::Separator) {
                const auto section = StandardFitSection(range.section, band);
                EXPECT_EQ(section.data(), list.data() + range.first);
                EXPECT_EQ(section.size(), range.count);
            }
        }
    }
}

TEST(StandardFitList, SeparatorIsTheOnlyEmptyEntry) {
    for (const auto& [band, ranges] : kLayout) {
        const auto list = StandardFitList(band);
        const std::size_t separator = ranges[3].first;
        EXPECT_EQ(list[separator].Name, "");
        EXPECT_FALSE(list[separator].Preferred);
        EXPECT_EQ(std::count_if(list.begin(), list.end(),
                                [](const StandardFitEntry& e) { return e.Name.empty(); }),
                  1);
    }
}

TEST(StandardFitList, SectionsOfTheLowerBandInOrder) {
    const auto section = [](FitSection s) {
        return NamesOf(StandardFitSection(s, SizeBand::UpTo500));
    };
    EXPECT_EQ(section(FitSection::HoleBasisTransition),
              (Names{"H5/js4", "H5/k4", "H5/m4", "H6/js5", "H6/j5", "H6/k5", "H6/m5", "H7/js6",
                     "H7/j6", "H7/k6", "H7/m6", "H7/n6", "H8/js7", "H8/j7", "H8/k7", "H8/m7",
                     "H8/n7", "H8/p7", "H8/r7"}));
    EXPECT_EQ(
        section(FitSection::ShaftBasisInterference),
        (Names{"N6/h5", "P6/h5", "P7/h6", "R7/h6", "S7/h6", "T7/h6", "U7/h6", "U8/h7", "X7/h6"}));
    const Names clearance = section(FitSection::HoleBasisClearance);
    EXPECT_EQ(clearance.front(), "H5/g4");
    EXPECT_EQ(clearance[12], "H7/h6");
    EXPECT_EQ(clearance.back(), "H12/h12");
    const Names shaftClearance = section(FitSection::ShaftBasisClearance);
    EXPECT_EQ(shaftClearance.front(), "G5/h4");
    EXPECT_EQ(shaftClearance.back(), "H12/h12");
}

// Each half is built on its basis class and every name is a valid fit.
TEST(StandardFitList, EveryFitParsesAndKeepsToItsBasis) {
    for (const SizeBand band : {SizeBand::UpTo500, SizeBand::Over500}) {
        std::set<std::pair<FitSection, std::string_view>> seen;
        for (const StandardFitEntry& entry : StandardFitList(band)) {
            if (entry.Section == FitSection::Separator) {
                continue;
            }
            EXPECT_TRUE(seen.insert({entry.Section, entry.Name}).second) << entry.Name;
            ASSERT_TRUE(ParseFitName(entry.Name).has_value()) << entry.Name;
            const FitNameParts parts = SplitFitName(entry.Name);
            if (entry.Section <= FitSection::HoleBasisInterference) {
                EXPECT_EQ(parts.Hole.Letter, "H") << entry.Name;
            } else {
                EXPECT_EQ(parts.Shaft.Letter, "h") << entry.Name;
            }
        }
    }
}

// Above 500 mm the list is the lower band's list with these fits taken out,
// the order of the rest unchanged.
TEST(StandardFitList, UpperBandRemovesItsListPerSection) {
    const std::map<FitSection, Names> removed = {
        {FitSection::HoleBasisClearance,
         {"H7/c8", "H8/c8", "H9/c9", "H11/a11", "H11/b11", "H11/c11", "H12/b12"}},
        {FitSection::HoleBasisTransition, {}},
        {FitSection::HoleBasisInterference, {"H6/t5", "H7/t6", "H7/x6", "H8/t7", "H8/x8", "H8/z8"}},
        {FitSection::ShaftBasisClearance,
         {"G6/h5", "B11/h9", "C10/h9", "A11/h11", "B11/h11", "C11/h11", "B12/h12"}},
        {FitSection::ShaftBasisTransition, {"J6/h5", "J7/h6", "J8/h7"}},
        {FitSection::ShaftBasisInterference, {"T7/h6", "X7/h6"}},
    };
    for (const auto& [section, gone] : removed) {
        const Names lower = NamesOf(StandardFitSection(section, SizeBand::UpTo500));
        Names expected;
        for (const std::string& name : lower) {
            if (std::find(gone.begin(), gone.end(), name) == gone.end()) {
                expected.push_back(name);
            }
        }
        EXPECT_EQ(expected.size(), lower.size() - gone.size())
            << "a removed fit is missing from the lower band";
        EXPECT_EQ(NamesOf(StandardFitSection(section, SizeBand::Over500)), expected);
    }
}

TEST(StandardFitList, PreferredFitsPerSectionAndBand) {
    using Set = std::set<std::string>;
    const Set holeClearanceOver500 = {"H7/g6", "H7/h6", "H8/e8", "H8/f7",
                                      "H8/h7", "H9/d9", "H9/e8", "H9/h9"};
    const Set shaftClearanceOver500 = {"G7/h6", "H7/h6", "F8/h7", "H8/h7",
                                       "E9/h9", "F8/h9", "H8/h9", "H9/h9"};
    Set holeClearanceUpTo500 = holeClearanceOver500;
    holeClearanceUpTo500.insert({"H11/b11", "H11/c11"});
    Set shaftClearanceUpTo500 = shaftClearanceOver500;
    shaftClearanceUpTo500.insert({"B11/h9", "D10/h9"});
    const std::map<FitSection, Set> common = {
        {FitSection::HoleBasisTransition, {"H7/js6", "H7/k6", "H7/n6"}},
        {FitSection::HoleBasisInterference, {"H7/p6", "H7/r6", "H7/s6"}},
        {FitSection::ShaftBasisTransition, {"JS7/h6", "K7/h6", "N7/h6"}},
        {FitSection::ShaftBasisInterference, {"P7/h6", "R7/h6", "S7/h6"}},
    };
    const auto preferred = [](FitSection s, SizeBand band) {
        return PreferredOf(StandardFitSection(s, band));
    };
    EXPECT_EQ(preferred(FitSection::HoleBasisClearance, SizeBand::UpTo500), holeClearanceUpTo500);
    EXPECT_EQ(preferred(FitSection::HoleBasisClearance, SizeBand::Over500), holeClearanceOver500);
    EXPECT_EQ(preferred(FitSection::ShaftBasisClearance, SizeBand::UpTo500), shaftClearanceUpTo500);
    EXPECT_EQ(preferred(FitSection::ShaftBasisClearance, SizeBand::Over500), shaftClearanceOver500);
    for (const auto& [section, names] : common) {
        EXPECT_EQ(preferred(section, SizeBand::UpTo500), names);
        EXPECT_EQ(preferred(section, SizeBand::Over500), names);
    }
}

TEST(RepeatedFits, AreTheHoleBasisFitsAlsoListedInTheShaftBasisHalf) {
    const std::set<std::string> declared(RepeatedFits().begin(), RepeatedFits().end());
    EXPECT_EQ(declared.size(), 13u);
    for (const SizeBand band : {SizeBand::UpTo500, SizeBand::Over500}) {
        std::set<std::string> holeBasis, shaftBasis, both;
        for (const StandardFitEntry& entry : StandardFitList(band)) {
            if (entry.Section <= FitSection::HoleBasisInterference) {
                holeBasis.emplace(entry.Name);
            } else if (entry.Section != FitSection::Separator) {
                shaftBasis.emplace(entry.Name);
            }
        }
        std::set_intersection(holeBasis.begin(), holeBasis.end(), shaftBasis.begin(),
                              shaftBasis.end(), std::inserter(both, both.end()));
        EXPECT_EQ(both, declared);
    }
    EXPECT_TRUE(IsRepeatedFit("H7/h6"));
    EXPECT_TRUE(IsRepeatedFit("H12/h12"));
    EXPECT_FALSE(IsRepeatedFit("H11/h10"));  // no shaft-basis twin
    EXPECT_FALSE(IsRepeatedFit("H7/g6"));
    EXPECT_FALSE(IsRepeatedFit(""));
}

struct MembershipCase {
    std::string_view fit;
    std::optional<FitHalf> half;
    std::optional<FitType> type;
    SizeBand band;
    bool standard, preferred;
};

TEST(StandardFitMembership, StandardAndPreferredByHalfTypeAndBand) {
    constexpr auto hole = FitHalf::HoleBasis;
    constexpr auto shaft = FitHalf::ShaftBasis;
    constexpr auto whole = FitHalf::WholeList;
    constexpr auto clearance = FitType::Clearance;
    constexpr auto transition = FitType::Transition;
    constexpr auto interference = FitType::Interference;
    constexpr auto upTo = SizeBand::UpTo500;
    constexpr auto over = SizeBand::Over500;
    const MembershipCase cases[] = {
        // H7/h6 is in both halves.
        {"H7/h6", hole, clearance, upTo, true, true},
        {"H7/h6", shaft, clearance, upTo, true, true},
        {"H7/h6", hole, transition, upTo, false, false},
        // F8/h7 is only in the shaft-basis half.
        {"F8/h7", hole, clearance, upTo, false, false},
        {"F8/h7", hole, clearance, over, false, false},
        {"F8/h7", shaft, clearance, over, true, true},
        // H8/h9: regular in the hole-basis half, preferred in the shaft-basis half.
        {"H8/h9", hole, clearance, upTo, true, false},
        {"H8/h9", hole, clearance, over, true, false},
        {"H8/h9", shaft, clearance, upTo, true, true},
        {"H8/h9", shaft, clearance, over, true, true},
        {"H8/h9", whole, clearance, upTo, true, true},
        {"H8/h9", whole, interference, over, true, true},
        // D10/h9 stays standard above 500 mm but loses its preferred mark.
        {"D10/h9", shaft, clearance, upTo, true, true},
        {"D10/h9", shaft, clearance, over, true, false},
        // c8 fits are not listed above 500 mm.
        {"H7/c8", hole, clearance, upTo, true, false},
        {"H7/c8", hole, clearance, over, false, false},
        {"H11/b11", hole, clearance, over, false, false},
        {"J7/h6", shaft, transition, over, false, false},
        {"H7/s6", hole, interference, over, true, true},
        // The type picks the section within the half.
        {"H7/js6", hole, transition, upTo, true, true},
        {"H7/js6", hole, clearance, upTo, false, false},
        {"H7/js6", shaft, transition, upTo, false, false},
        {"JS7/h6", shaft, transition, over, true, true},
        {"P7/h6", shaft, interference, upTo, true, true},
        {"P7/h6", shaft, transition, upTo, false, false},
        {"U8/h7", shaft, interference, over, true, false},
        // Comparison is exact, with case.
        {"h7/h6", hole, clearance, upTo, false, false},
        {"H7/H6", whole, clearance, upTo, false, false},
        // No half or no type gives false.
        {"H7/g6", std::nullopt, clearance, upTo, false, false},
        {"H7/g6", hole, std::nullopt, upTo, false, false},
        {"H7/g6", whole, std::nullopt, upTo, false, false},
        // The whole list holds the separator; it is never preferred.
        {"", whole, transition, upTo, true, false},
        {"", whole, clearance, over, true, false},
        {"", hole, clearance, upTo, false, false},
        {"", shaft, interference, over, false, false},
    };
    for (const MembershipCase& c : cases) {
        EXPECT_EQ(IsStandardFit(c.fit, c.half, c.type, c.band), c.standard)
            << '"' << c.fit << "\" standard";
        EXPECT_EQ(IsPreferredFit(c.fit, c.half, c.type, c.band), c.preferred)
            << '"' << c.fit << "\" preferred";
    }
}

TEST(StandardFitMembership, HalfAndTypeNameOneSection) {
    EXPECT_EQ(SectionOf(FitHalf::ShaftBasis, FitType::Transition),
              FitSection::ShaftBasisTransition);
    EXPECT_EQ(SectionOf(FitHalf::HoleBasis, FitType::Interference),
              FitSection::HoleBasisInterference);
    EXPECT_FALSE(SectionOf(FitHalf::WholeList, FitType::Clearance).has_value());
}

}  // namespace
}  // namespace kelvo
