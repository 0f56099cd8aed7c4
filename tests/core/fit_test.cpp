// Fit type, extremes and tolerance from the four limit deviations.

#include "core/fit.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/limit_deviations.h"
#include "core/tolerance_types.h"
#include "tolerance_class_lookup.h"

namespace kelvo {
namespace {

using testing::ClassLimits;

constexpr double kToleranceMm = 1e-12;

FitCharacteristics FitOf(const char* holeClass, const char* shaftClass, double nominalMm) {
    const LimitDeviations hole = ClassLimits(holeClass, nominalMm);
    const LimitDeviations shaft = ClassLimits(shaftClass, nominalMm);
    EXPECT_TRUE(hole.Available && shaft.Available);
    return ClassifyFit(hole.UpperMm, hole.LowerMm, shaft.UpperMm, shaft.LowerMm);
}

struct FitCase {
    const char* hole;
    const char* shaft;
    double nominalMm;
    FitType type;
    int typeKey;
    int maxLabelKey;
    int minLabelKey;
    double maxMm;
    double minMm;
};

TEST(ClassifyFit, WorkedExamples) {
    const FitCase cases[] = {
        {"H7", "g6", 10, FitType::Clearance, 16, 19, 20, 0.029, 0.005},
        {"H7", "k6", 10, FitType::Transition, 18, 19, 21, 0.014, 0.010},
        {"H7", "s6", 10, FitType::Interference, 17, 21, 22, 0.032, 0.008},
        {"K7", "h6", 40, FitType::Transition, 18, 19, 21, 0.023, 0.018},
        {"P7", "h6", 40, FitType::Interference, 17, 21, 22, 0.042, 0.001},
    };
    for (const FitCase& c : cases) {
        const FitCharacteristics fit = FitOf(c.hole, c.shaft, c.nominalMm);
        const std::string where = std::string(c.hole) + "/" + c.shaft;
        EXPECT_EQ(fit.Type, c.type) << where;
        EXPECT_EQ(fit.TypeKey, c.typeKey) << where;
        EXPECT_EQ(fit.MaxLabelKey, c.maxLabelKey) << where;
        EXPECT_EQ(fit.MinLabelKey, c.minLabelKey) << where;
        EXPECT_NEAR(fit.MaxValueMm, c.maxMm, kToleranceMm) << where;
        EXPECT_NEAR(fit.MinValueMm, c.minMm, kToleranceMm) << where;
    }
    EXPECT_NEAR(FitOf("H7", "g6", 10).ToleranceMm, 0.024, kToleranceMm);
    EXPECT_NEAR(FitOf("H7", "k6", 10).ToleranceMm, 0.024, kToleranceMm);
    EXPECT_NEAR(FitOf("H7", "s6", 10).ToleranceMm, 0.024, kToleranceMm);
}

TEST(ClassifyFit, ZeroMinimumClearanceIsAClearanceFit) {
    const FitCharacteristics fit = FitOf("H7", "h6", 10);  // EI = es = 0
    EXPECT_EQ(fit.Type, FitType::Clearance);
    EXPECT_EQ(fit.MinLabelKey, fit_text::kMinClearance);
    EXPECT_EQ(fit.MinValueMm, 0.0);
    EXPECT_NEAR(fit.MaxValueMm, 0.024, kToleranceMm);
}

TEST(ClassifyFit, ZeroMinimumInterferenceIsAnInterferenceFit) {
    // H7/p6 at 5 mm: ES = ei = +12 µm, EI < es.
    const FitCharacteristics fit = FitOf("H7", "p6", 5);
    EXPECT_EQ(fit.Type, FitType::Interference);
    EXPECT_EQ(fit.MinLabelKey, fit_text::kMinInterference);
    EXPECT_EQ(fit.MinValueMm, 0.0);
    EXPECT_NEAR(fit.MaxValueMm, 0.020, kToleranceMm);

    const FitCharacteristics direct = ClassifyFit(0.012, 0.0, 0.020, 0.012);
    EXPECT_EQ(direct.Type, FitType::Interference);
    EXPECT_EQ(direct.MinValueMm, 0.0);
}

TEST(ClassifyFit, NegativeZeroGivesAPositiveZero) {
    const FitCharacteristics fit = ClassifyFit(0.010, 0.0, -0.0, -0.006);
    EXPECT_EQ(fit.Type, FitType::Clearance);
    EXPECT_FALSE(std::signbit(fit.MinValueMm));
}

// Over many real fits: the extremes are never negative, the fit tolerance is the
// sum of the two tolerances, and the type agrees with the extreme clearances.
TEST(ClassifyFit, ExtremesAndToleranceHoldForEveryClassPairing) {
    const double sizesMm[] = {2, 10, 40, 250, 600};
    const int grades[] = {GradeIndexOfNumber(5), GradeIndexOfNumber(7), GradeIndexOfNumber(11)};
    for (double nominalMm : sizesMm) {
        for (int holeLetter = 0; holeLetter < kLetterCount; ++holeLetter) {
            for (int shaftLetter = 0; shaftLetter < kLetterCount; ++shaftLetter) {
                for (int grade : grades) {
                    const LimitDeviations hole = HoleLimitDeviations(nominalMm, holeLetter, grade);
                    const LimitDeviations shaft =
                        ShaftLimitDeviations(nominalMm, shaftLetter, grade);
                    if (!hole.Available || !shaft.Available) {
                        continue;
                    }
                    const FitCharacteristics fit =
                        ClassifyFit(hole.UpperMm, hole.LowerMm, shaft.UpperMm, shaft.LowerMm);
                    const double minClearanceMm = hole.LowerMm - shaft.UpperMm;
                    const double maxClearanceMm = hole.UpperMm - shaft.LowerMm;
                    const FitType expected = minClearanceMm >= 0  ? FitType::Clearance
                                             : maxClearanceMm > 0 ? FitType::Transition
                                                                  : FitType::Interference;
                    EXPECT_EQ(fit.Type, expected);
                    EXPECT_GE(fit.MaxValueMm, 0);
                    EXPECT_GE(fit.MinValueMm, 0);
                    EXPECT_NEAR(fit.ToleranceMm, hole.ItMm + shaft.ItMm, 1e-12);
                }
            }
        }
    }
}

}  // namespace
}  // namespace kelvo
