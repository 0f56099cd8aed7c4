#include "design/standard_fits.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <vector>

namespace kelvo {
namespace {

struct FitRow {
    std::string_view Name;
    bool Preferred = false;
};
constexpr bool kPreferred = true;

// The list up to 500 mm, section by section in list order, preferred fits marked;
// a new line starts with each class of the basis side (H5, H6 ... or h4, h5 ...).

// clang-format off
constexpr FitRow kHoleBasisClearance[] = {
    {"H5/g4"}, {"H5/h4"},
    {"H6/f5"}, {"H6/g5"}, {"H6/h5"},
    {"H7/c8"}, {"H7/d8"}, {"H7/e7"}, {"H7/e8"}, {"H7/f6"}, {"H7/f7"}, {"H7/g6", kPreferred},
    {"H7/h6", kPreferred},
    {"H8/c8"}, {"H8/d8"}, {"H8/d9"}, {"H8/e7"}, {"H8/e8", kPreferred}, {"H8/e9"},
    {"H8/f7", kPreferred}, {"H8/f8"}, {"H8/f9"}, {"H8/g7"}, {"H8/h7", kPreferred}, {"H8/h8"},
    {"H8/h9"},
    {"H9/c9"}, {"H9/d8"}, {"H9/d9", kPreferred}, {"H9/e8", kPreferred}, {"H9/e9"}, {"H9/f8"},
    {"H9/f9"}, {"H9/h8"}, {"H9/h9", kPreferred},
    {"H10/d10"}, {"H10/h9"}, {"H10/h10"},
    {"H11/a11"}, {"H11/b11", kPreferred}, {"H11/c11", kPreferred}, {"H11/d9"}, {"H11/d10"},
    {"H11/d11"}, {"H11/h9"}, {"H11/h10"}, {"H11/h11"},
    {"H12/b12"}, {"H12/h12"},
};
static_assert(std::size(kHoleBasisClearance) == 49);

constexpr FitRow kHoleBasisTransition[] = {
    {"H5/js4"}, {"H5/k4"}, {"H5/m4"},
    {"H6/js5"}, {"H6/j5"}, {"H6/k5"}, {"H6/m5"},
    {"H7/js6", kPreferred}, {"H7/j6"}, {"H7/k6", kPreferred}, {"H7/m6"}, {"H7/n6", kPreferred},
    {"H8/js7"}, {"H8/j7"}, {"H8/k7"}, {"H8/m7"}, {"H8/n7"}, {"H8/p7"}, {"H8/r7"},
};
static_assert(std::size(kHoleBasisTransition) == 19);

constexpr FitRow kHoleBasisInterference[] = {
    {"H6/n5"}, {"H6/p5"}, {"H6/r5"}, {"H6/s5"}, {"H6/t5"}, {"H6/u5"},
    {"H7/p6", kPreferred}, {"H7/r6", kPreferred}, {"H7/s6", kPreferred}, {"H7/s7"}, {"H7/t6"},
    {"H7/u6"}, {"H7/u7"}, {"H7/x6"},
    {"H8/s7"}, {"H8/t7"}, {"H8/u7"}, {"H8/u8"}, {"H8/x8"}, {"H8/z8"},
};
static_assert(std::size(kHoleBasisInterference) == 20);

constexpr FitRow kShaftBasisClearance[] = {
    {"G5/h4"}, {"H5/h4"},
    {"F7/h5"}, {"G6/h5"}, {"H6/h5"},
    {"D8/h6"}, {"E8/h6"}, {"F7/h6"}, {"F8/h6"}, {"G7/h6", kPreferred}, {"H7/h6", kPreferred},
    {"D8/h7"}, {"E8/h7"}, {"F8/h7", kPreferred}, {"H8/h7", kPreferred},
    {"D8/h8"}, {"D9/h8"}, {"E8/h8"}, {"E9/h8"}, {"F8/h8"}, {"F9/h8"}, {"H8/h8"}, {"H9/h8"},
    {"B11/h9", kPreferred}, {"C10/h9"}, {"D9/h9"}, {"D10/h9", kPreferred}, {"E8/h9"},
    {"E9/h9", kPreferred}, {"F8/h9", kPreferred}, {"F9/h9"}, {"H8/h9", kPreferred},
    {"H9/h9", kPreferred}, {"H10/h9"}, {"H11/h9"},
    {"D10/h10"}, {"H10/h10"},
    {"A11/h11"}, {"B11/h11"}, {"C11/h11"}, {"D11/h11"}, {"H11/h11"},
    {"B12/h12"}, {"H12/h12"},
};
static_assert(std::size(kShaftBasisClearance) == 44);

constexpr FitRow kShaftBasisTransition[] = {
    {"JS5/h4"}, {"K5/h4"}, {"M5/h4"},
    {"JS6/h5"}, {"J6/h5"}, {"K6/h5"}, {"M6/h5"},
    {"JS7/h6", kPreferred}, {"J7/h6"}, {"K7/h6", kPreferred}, {"M7/h6"}, {"N7/h6", kPreferred},
    {"JS8/h7"}, {"J8/h7"}, {"K8/h7"}, {"M8/h7"}, {"N8/h7"},
};
static_assert(std::size(kShaftBasisTransition) == 17);

constexpr FitRow kShaftBasisInterference[] = {
    {"N6/h5"}, {"P6/h5"},
    {"P7/h6", kPreferred}, {"R7/h6", kPreferred}, {"S7/h6", kPreferred}, {"T7/h6"}, {"U7/h6"},
    {"U8/h7"},
    {"X7/h6"},
};
static_assert(std::size(kShaftBasisInterference) == 9);
// clang-format on

// Fits not offered above 500 mm, per section; all other entries stay in order.
constexpr std::string_view kHoleBasisClearanceRemovedOver500[] = {
    "H7/c8", "H8/c8", "H9/c9", "H11/a11", "H11/b11", "H11/c11", "H12/b12"};
constexpr std::string_view kHoleBasisInterferenceRemovedOver500[] = {"H6/t5", "H7/t6", "H7/x6",
                                                                     "H8/t7", "H8/x8", "H8/z8"};
constexpr std::string_view kShaftBasisClearanceRemovedOver500[] = {
    "G6/h5", "B11/h9", "C10/h9", "A11/h11", "B11/h11", "C11/h11", "B12/h12"};
constexpr std::string_view kShaftBasisTransitionRemovedOver500[] = {"J6/h5", "J7/h6", "J8/h7"};
constexpr std::string_view kShaftBasisInterferenceRemovedOver500[] = {"T7/h6", "X7/h6"};

// Kept above 500 mm, but no longer preferred there.
constexpr std::string_view kNotPreferredOver500[] = {"D10/h9"};

struct SectionData {
    FitSection Section;
    std::span<const FitRow> Rows;
    std::span<const std::string_view> RemovedOver500;
};

constexpr SectionData kSections[] = {
    {FitSection::HoleBasisClearance, kHoleBasisClearance, kHoleBasisClearanceRemovedOver500},
    {FitSection::HoleBasisTransition, kHoleBasisTransition, {}},
    {FitSection::HoleBasisInterference, kHoleBasisInterference,
     kHoleBasisInterferenceRemovedOver500},
    {FitSection::ShaftBasisClearance, kShaftBasisClearance, kShaftBasisClearanceRemovedOver500},
    {FitSection::ShaftBasisTransition, kShaftBasisTransition, kShaftBasisTransitionRemovedOver500},
    {FitSection::ShaftBasisInterference, kShaftBasisInterference,
     kShaftBasisInterferenceRemovedOver500},
};

constexpr std::array<std::string_view, 13> kRepeatedFits = {
    "H5/h4", "H6/h5",  "H7/h6",   "H8/h7",  "H8/h8",   "H8/h9",  "H9/h8",
    "H9/h9", "H10/h9", "H10/h10", "H11/h9", "H11/h11", "H12/h12"};

bool Contains(std::span<const std::string_view> names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::vector<StandardFitEntry> BuildList(SizeBand band) {
    const bool over500 = band == SizeBand::Over500;
    std::vector<StandardFitEntry> list;
    for (const SectionData& section : kSections) {
        if (section.Section == FitSection::ShaftBasisClearance) {
            list.push_back({"", FitSection::Separator, false});
        }
        for (const FitRow& row : section.Rows) {
            if (over500 && Contains(section.RemovedOver500, row.Name)) {
                continue;
            }
            const bool preferred =
                row.Preferred && !(over500 && Contains(kNotPreferredOver500, row.Name));
            list.push_back({row.Name, section.Section, preferred});
        }
    }
    return list;
}

std::span<const StandardFitEntry> SelectedPart(FitHalf half, FitType type, SizeBand band) {
    if (half == FitHalf::WholeList) {
        return StandardFitList(band);
    }
    return StandardFitSection(*SectionOf(half, type), band);
}

}  // namespace

std::span<const StandardFitEntry> StandardFitList(SizeBand band) {
    static const std::vector<StandardFitEntry> upTo500 = BuildList(SizeBand::UpTo500);
    static const std::vector<StandardFitEntry> over500 = BuildList(SizeBand::Over500);
    return band == SizeBand::UpTo500 ? upTo500 : over500;
}

std::optional<FitSection> SectionOf(FitHalf half, FitType type) {
    const int offset = static_cast<int>(type);
    switch (half) {
        case FitHalf::HoleBasis:
            return static_cast<FitSection>(static_cast<int>(FitSection::HoleBasisClearance) +
                                           offset);
        case FitHalf::ShaftBasis:
            return static_cast<FitSection>(static_cast<int>(FitSection::ShaftBasisClearance) +
                                           offset);
        case FitHalf::WholeList:
            break;
    }
    return std::nullopt;
}

std::span<const StandardFitEntry> StandardFitSection(FitSection section, SizeBand band) {
    const auto list = StandardFitList(band);
    const auto inSection = [section](const StandardFitEntry& entry) {
        return entry.Section == section;
    };
    const auto first = std::find_if(list.begin(), list.end(), inSection);
    const auto last = std::find_if_not(first, list.end(), inSection);
    return {first, last};
}

bool IsStandardFit(std::string_view fit, std::optional<FitHalf> half, std::optional<FitType> type,
                   SizeBand band) {
    if (!half || !type) {
        return false;
    }
    const auto part = SelectedPart(*half, *type, band);
    return std::any_of(part.begin(), part.end(),
                       [fit](const StandardFitEntry& entry) { return entry.Name == fit; });
}

bool IsPreferredFit(std::string_view fit, std::optional<FitHalf> half, std::optional<FitType> type,
                    SizeBand band) {
    if (!half || !type) {
        return false;
    }
    const auto part = SelectedPart(*half, *type, band);
    return std::any_of(part.begin(), part.end(), [fit](const StandardFitEntry& entry) {
        return entry.Preferred && entry.Name == fit;
    });
}

std::span<const std::string_view> RepeatedFits() {
    return kRepeatedFits;
}

bool IsRepeatedFit(std::string_view fit) {
    return Contains(kRepeatedFits, fit);
}

}  // namespace kelvo
