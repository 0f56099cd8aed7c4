#pragma once
// The standard fit list of each size band: a hole-basis half and a shaft-basis
// half, each in three sections by fit type, with the preferred fits marked.

#include <optional>
#include <span>
#include <string_view>

#include "core/tolerance_types.h"
#include "design/size_band.h"

namespace kelvo {

enum class FitSection {
    HoleBasisClearance,
    HoleBasisTransition,
    HoleBasisInterference,
    ShaftBasisClearance,
    ShaftBasisTransition,
    ShaftBasisInterference,
    Separator,  // the one empty entry between the two halves
};

// Which part of the list a membership test looks at.
enum class FitHalf { HoleBasis, ShaftBasis, WholeList };

struct StandardFitEntry {
    std::string_view Name;  // "H7/g6"; "" for the separator
    FitSection Section;
    bool Preferred;
};

// 159 entries up to 500 mm, 134 above, separator included.
std::span<const StandardFitEntry> StandardFitList(SizeBand band);

// The section of a half and a fit type; the whole list has no single section.
std::optional<FitSection> SectionOf(FitHalf half, FitType type);

// The contiguous entries of one section of the band's list, in list order.
std::span<const StandardFitEntry> StandardFitSection(FitSection section, SizeBand band);

// True when the fit (compared exactly, with case) is an entry of the part that
// the half and the type select: a section of one half, or with WholeList every
// position whatever the type, the separator included. False when no half or
// no type is given.
bool IsStandardFit(std::string_view fit, std::optional<FitHalf> half, std::optional<FitType> type,
                   SizeBand band);

// As IsStandardFit, but only preferred positions count: a fit listed twice in
// the whole list is preferred there when either occurrence is.
bool IsPreferredFit(std::string_view fit, std::optional<FitHalf> half, std::optional<FitType> type,
                    SizeBand band);

// The hole-basis fits that the shaft-basis half lists as well (the same 13 in
// both bands); a walk that must meet each fit once skips their hole-basis entry.
std::span<const std::string_view> RepeatedFits();
bool IsRepeatedFit(std::string_view fit);

}  // namespace kelvo
