#pragma once
// Type, extremes and tolerance of the fit of a hole and a shaft at one nominal size.

#include "core/tolerance_types.h"

namespace kelvo {

// Language keys of the fit texts.
namespace fit_text {
inline constexpr int kClearanceFit = 16;
inline constexpr int kInterferenceFit = 17;
inline constexpr int kTransitionFit = 18;
inline constexpr int kMaxClearance = 19;
inline constexpr int kMinClearance = 20;
inline constexpr int kMaxInterference = 21;
inline constexpr int kMinInterference = 22;
}  // namespace fit_text

struct FitCharacteristics {
    FitType Type = FitType::Clearance;
    int TypeKey = fit_text::kClearanceFit;      // language key 16, 18 or 17
    int MaxLabelKey = fit_text::kMaxClearance;  // 19 or 21
    int MinLabelKey = fit_text::kMinClearance;  // 20, 21 or 22
    double MaxValueMm = 0;                      // never negative
    double MinValueMm = 0;                      // never negative
    double ToleranceMm = 0;                     // sum of the hole and the shaft tolerance
};

// Classifies from the four limit deviations (mm); callers pass only available
// deviations (no kNotAvailable).
//   clearance:    EI - es >= 0 (EI = es counts as clearance, minimum 0)
//   transition:   otherwise ES - ei > 0; Max = maximum clearance, Min = maximum interference
//   interference: otherwise (ES = ei counts as interference, minimum 0)
FitCharacteristics ClassifyFit(double holeUpperMm, double holeLowerMm, double shaftUpperMm,
                               double shaftLowerMm);

}  // namespace kelvo
