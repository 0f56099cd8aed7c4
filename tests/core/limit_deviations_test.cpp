// Limit deviations of tolerance classes: the rules of ISO 286-1:1988 at the
// places where they differ (Δ, J and j grades, K/M/N columns, M6, sizes on a
// bound, sizes beyond the tables).

#include "core/limit_deviations.h"

#include <gtest/gtest.h>

#include "core/tolerance_types.h"
#include "tolerance_class_lookup.h"

namespace kelvo {
namespace {

using testing::ClassLimits;

constexpr double kToleranceMm = 1e-12;

struct Case {
    const char* className;
    double nominalMm;
    double itMm;
    double upperMm;
    double lowerMm;
};

void ExpectLimits(const Case& c) {
    const LimitDeviations limits = ClassLimits(c.className, c.nominalMm);
    const std::string where = std::string(c.className) + " at " + std::to_string(c.nominalMm);
    EXPECT_TRUE(limits.Available) << where;
    EXPECT_NEAR(limits.ItMm, c.itMm, kToleranceMm) << where;
    EXPECT_NEAR(limits.UpperMm, c.upperMm, kToleranceMm) << where;
    EXPECT_NEAR(limits.LowerMm, c.lowerMm, kToleranceMm) << where;
}

void ExpectNotAvailable(const LimitDeviations& limits, const std::string& where) {
    EXPECT_FALSE(limits.Available) << where;
    EXPECT_EQ(limits.UpperMm, kNotAvailable) << where;
    EXPECT_EQ(limits.LowerMm, 0.0) << where;
    EXPECT_EQ(limits.ItMm, 0.0) << where;
}

TEST(LimitDeviations, WorkedExamples) {
    const Case cases[] = {
        {"H7", 10, 0.015, 0.015, 0},
        {"g6", 10, 0.009, -0.005, -0.014},
        {"K7", 40, 0.025, 0.007, -0.018},     // -2 + Δ 9
        {"P7", 40, 0.025, -0.017, -0.042},    // -26 + Δ 9
        {"P8", 40, 0.039, -0.026, -0.065},    // no Δ above IT7
        {"JS7", 20, 0.021, 0.0105, -0.0105},  // exact half, not rounded to whole µm
        {"js6", 7, 0.009, 0.0045, -0.0045},
        {"M6", 300, 0.032, -0.009, -0.041},  // ISO 286-1 special case
    };
    for (const Case& c : cases) {
        ExpectLimits(c);
    }
}

TEST(LimitDeviations, KMNTakeTheColumnOfTheirGrade) {
    const Case cases[] = {
        {"K8", 2, 0.014, 0, -0.014},        // Δ is 0 up to 3 mm
        {"K9", 2, 0.025, 0, -0.025},        // K above IT8 only up to 3 mm
        {"N9", 10, 0.036, 0, -0.036},       // N above IT8: 0
        {"N9", 2, 0.025, -0.004, -0.029},   // ... but -4 up to 3 mm
        {"N8", 10, 0.022, -0.003, -0.025},  // -10 + Δ 7
        {"M8", 10, 0.022, 0.001, -0.021},   // -6 + Δ 7
        {"M9", 10, 0.036, -0.006, -0.042},  // no Δ above IT8
        {"K7", 600, 0.070, 0, -0.070},      // no Δ above 500 mm
        {"N7", 600, 0.070, -0.044, -0.114},
        {"K3", 40, 0.004, -0.0005, -0.0045},  // -2 + Δ(IT3) 1.5
        {"K2", 40, 0.0025, -0.002, -0.0045},  // finer than IT3: table value unchanged
        {"P3", 40, 0.004, -0.0245, -0.0285},  // -26 + Δ(IT3) 1.5
        {"P2", 40, 0.0025, -0.026, -0.0285},
    };
    for (const Case& c : cases) {
        ExpectLimits(c);
    }
    ExpectNotAvailable(ClassLimits("K9", 10), "K9 at 10");
    ExpectNotAvailable(ClassLimits("K11", 600), "K11 at 600");
}

// ISO 286-1:1988, Table 3: M6 over 250 up to 315 mm has ES = -9 µm. A size of
// exactly 250 mm lies in the range over 225 up to 250 mm and keeps -17 + Δ 9.
TEST(LimitDeviations, M6SpecialCaseCoversTheRangeOver250UpTo315) {
    const Case cases[] = {
        {"M6", 249.99, 0.029, -0.008, -0.037},
        {"M6", 250, 0.029, -0.008, -0.037},
        {"M6", 250.001, 0.032, -0.009, -0.041},
        {"M6", 280, 0.032, -0.009, -0.041},
        {"M6", 315, 0.032, -0.009, -0.041},
        {"M6", 315.001, 0.036, -0.010, -0.046},  // -21 + Δ 11
        {"M7", 300, 0.052, 0, -0.052},           // other grades keep the rule
        {"M5", 300, 0.023, -0.013, -0.036},      // -20 + Δ 7
    };
    for (const Case& c : cases) {
        ExpectLimits(c);
    }
}

TEST(LimitDeviations, SizesOnABoundUseTheLowerRange) {
    const Case cases[] = {
        {"D9", 50, 0.062, 0.142, 0.080}, {"D9", 50.001, 0.074, 0.174, 0.100},
        {"u6", 24, 0.013, 0.054, 0.041}, {"u6", 24.001, 0.013, 0.061, 0.048},
        {"H7", 3, 0.010, 0.010, 0},      {"H7", 3.0001, 0.012, 0.012, 0},
    };
    for (const Case& c : cases) {
        ExpectLimits(c);
    }
}

TEST(LimitDeviations, JAndJOnlyInTheirGrades) {
    const Case cases[] = {
        {"J6", 10, 0.009, 0.005, -0.004}, {"J8", 10, 0.022, 0.012, -0.010},
        {"j5", 10, 0.006, 0.004, -0.002},  // j5 and j6 share a column
        {"j6", 10, 0.009, 0.007, -0.002}, {"j7", 10, 0.015, 0.010, -0.005},
        {"j8", 2, 0.014, 0.008, -0.006},
    };
    for (const Case& c : cases) {
        ExpectLimits(c);
    }
    for (const char* className : {"J5", "J9", "j4", "j9"}) {
        ExpectNotAvailable(ClassLimits(className, 10), std::string(className) + " at 10");
    }
    ExpectNotAvailable(ClassLimits("j8", 5), "j8 at 5");
    ExpectNotAvailable(ClassLimits("J7", 600), "J7 at 600");
}

TEST(LimitDeviations, KShaftTakesTheIt4ToIt7ColumnOnlyForThoseGrades) {
    const Case cases[] = {
        {"k6", 5, 0.008, 0.009, 0.001}, {"k4", 5, 0.004, 0.005, 0.001},
        {"k3", 5, 0.0025, 0.0025, 0},   {"k8", 5, 0.018, 0.018, 0},
        {"k6", 600, 0.044, 0.044, 0},
    };
    for (const Case& c : cases) {
        ExpectLimits(c);
    }
}

TEST(LimitDeviations, ClassesWithoutAValueAtTheSize) {
    const struct {
        const char* className;
        double nominalMm;
    } cases[] = {
        {"T7", 10},   {"t7", 24},   {"CD8", 12},  {"ef8", 12},   {"FG5", 12},
        {"A11", 600}, {"zc9", 600}, {"V8", 9000}, {"ef7", 9000},
    };
    for (const auto& c : cases) {
        ExpectNotAvailable(ClassLimits(c.className, c.nominalMm),
                           std::string(c.className) + " at " + std::to_string(c.nominalMm));
    }
    ExpectLimits({"T7", 24.5, 0.021, -0.033, -0.054});
    ExpectLimits({"CD8", 10, 0.022, 0.078, 0.056});
}

TEST(LimitDeviations, GradeNotDefinedAtTheSizeGivesItZeroButStaysAvailable) {
    ExpectLimits({"H3", 5000, 0, 0, 0});
    ExpectLimits({"h18", 5000, 0, 0, 0});
    ExpectLimits({"JS2", 8000, 0, 0, 0});
    ExpectLimits({"d4", 5000, 0, -0.640, -0.640});
}

TEST(LimitDeviations, SizesBeyondThePublishedTables) {
    const Case cases[] = {
        {"H7", 4500, 0.320, 0.320, 0},
        {"U7", 9500, 0.600, -10.0, -10.6},  // no Δ above 500 mm
        {"s6", 3200, 0.165, 1.765, 1.600},
        {"k6", 5000, 0.200, 0.200, 0},
        {"N9", 3600, 0.660, -0.165, -0.825},
        {"M7", 7000, 0.490, -0.185, -0.675},
    };
    for (const Case& c : cases) {
        ExpectLimits(c);
    }
}

TEST(LimitDeviations, IndexesOutOfRangeGiveTheSentinel) {
    const struct {
        int letter;
        int grade;
    } cases[] = {{-1, 8}, {28, 8}, {10, -1}, {10, 20}, {kNoSelection, kNoSelection}};
    for (const auto& c : cases) {
        const std::string where =
            "letter " + std::to_string(c.letter) + " grade " + std::to_string(c.grade);
        ExpectNotAvailable(HoleLimitDeviations(10, c.letter, c.grade), "hole " + where);
        ExpectNotAvailable(ShaftLimitDeviations(10, c.letter, c.grade), "shaft " + where);
    }
}

// Every class at every size: either the sentinel, or a zone whose width is the IT
// value; holes A..H lie above the zero line and shafts a..h below it.
TEST(LimitDeviations, EveryAvailableClassHasAZoneOfWidthIt) {
    const double sizesMm[] = {1, 3, 5, 12, 16, 20, 28, 45, 100, 250, 400, 500, 800, 3150, 9999};
    for (double nominalMm : sizesMm) {
        for (int letterIndex = 0; letterIndex < kLetterCount; ++letterIndex) {
            for (int gradeIndex = 0; gradeIndex < kGradeCount; ++gradeIndex) {
                for (Side side : {Side::Hole, Side::Shaft}) {
                    const LimitDeviations limits =
                        side == Side::Hole
                            ? HoleLimitDeviations(nominalMm, letterIndex, gradeIndex)
                            : ShaftLimitDeviations(nominalMm, letterIndex, gradeIndex);
                    if (!limits.Available) {
                        EXPECT_EQ(limits.UpperMm, kNotAvailable);
                        continue;
                    }
                    const std::string where = std::string(Letters(side)[letterIndex]) +
                                              std::string(kGradeTexts[gradeIndex]) + " at " +
                                              std::to_string(nominalMm);
                    EXPECT_NEAR(limits.UpperMm - limits.LowerMm, limits.ItMm, 1e-12) << where;
                    if (letterIndex <= letter::kH) {
                        if (side == Side::Hole) {
                            EXPECT_GE(limits.LowerMm, 0) << where;
                        } else {
                            EXPECT_LE(limits.UpperMm, 0) << where;
                        }
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace kelvo
