#pragma once
// Test helper: limit deviations of a tolerance class named as on a drawing
// ("H7", "js6", "ZC11"); capitals are holes, small letters shafts.

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

#include "core/limit_deviations.h"
#include "core/tolerance_types.h"

namespace kelvo::testing {

inline LimitDeviations ClassLimits(std::string_view className, double nominalMm) {
    std::size_t letterLength = 0;
    while (letterLength < className.size() &&
           std::isalpha(static_cast<unsigned char>(className[letterLength]))) {
        ++letterLength;
    }
    const Side side =
        std::isupper(static_cast<unsigned char>(className[0])) ? Side::Hole : Side::Shaft;
    const int letterIndex = LetterIndex(className.substr(0, letterLength), side);
    const int gradeIndex = GradeIndex(className.substr(letterLength));
    EXPECT_NE(letterIndex, kNoSelection) << className;
    EXPECT_NE(gradeIndex, kNoSelection) << className;
    return side == Side::Hole ? HoleLimitDeviations(nominalMm, letterIndex, gradeIndex)
                              : ShaftLimitDeviations(nominalMm, letterIndex, gradeIndex);
}

}  // namespace kelvo::testing
