#pragma once
// Language keys that the model's rules name; the texts live in the language tables.

#include "i18n/language_state.h"

namespace kelvo::key {
inline constexpr int kHole = 1;
inline constexpr int kShaft = 2;
inline constexpr int kMax = 14;
inline constexpr int kMin = 15;
inline constexpr int kClearanceFit = 16;
inline constexpr int kInterferenceFit = 17;
inline constexpr int kTransitionFit = 18;
inline constexpr int kLimitSizeOrder = 61;  // upper limit of size must exceed the lower
inline constexpr int kDeviationOrder = 62;  // upper deviation must exceed the lower
inline constexpr int kNonStandard = 83;
}  // namespace kelvo::key
