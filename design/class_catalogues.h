#pragma once
// The ordered lists of tolerance classes offered by the class pick lists and
// walked by the fit design search, one per side and size band.

#include <span>
#include <string_view>

#include "core/tolerance_types.h"
#include "design/size_band.h"

namespace kelvo {

struct ClassEntry {
    std::string_view Name;  // "H7", "JS10", "zc11"; static storage
    bool Preferred;         // shown in bold wherever the class is listed
};

// Letters in letter-list order, grades ascending within a letter.
std::span<const ClassEntry> HoleClassCatalogue(SizeBand band);   // 201 / 82 entries
std::span<const ClassEntry> ShaftClassCatalogue(SizeBand band);  // 202 / 87 entries
std::span<const ClassEntry> ClassCatalogue(Side side, SizeBand band);

// True when the name is a preferred class of that side's catalogue in the band.
bool IsPreferredClass(std::string_view name, Side side, SizeBand band);

}  // namespace kelvo
