#include <gtest/gtest.h>

#include "core/tolerance_types.h"

namespace kelvo {
namespace {

TEST(ToleranceTypes, LetterAndGradeIndexesFollowTheSelectorOrder) {
    EXPECT_EQ(LetterIndex("H", Side::Hole), letter::kH);
    EXPECT_EQ(LetterIndex("js", Side::Shaft), letter::kJS);
    EXPECT_EQ(LetterIndex("ZC", Side::Hole), 27);
    EXPECT_EQ(LetterIndex("zc", Side::Hole), kNoSelection);  // the case says the side
    EXPECT_EQ(LetterIndex("I", Side::Hole), kNoSelection);
    EXPECT_EQ(GradeIndex("01"), 0);
    EXPECT_EQ(GradeIndex("0"), 1);
    EXPECT_EQ(GradeIndex("7"), 8);
    EXPECT_EQ(GradeIndex("18"), 19);
    EXPECT_EQ(GradeIndex("07"), kNoSelection);
    EXPECT_EQ(GradeIndex("19"), kNoSelection);
    EXPECT_EQ(GradeNumber(GradeIndex("7")), 7);
}

}  // namespace
}  // namespace kelvo
