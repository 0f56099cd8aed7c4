#include <gtest/gtest.h>

#include "core/iso286_tables.h"
#include "core/tolerance_types.h"
#include "gauges/gauge_tables.h"
#include "gauges/gauge_vectors.h"

namespace kelvo {
namespace {

// The gauge tables carry IT1 to IT7 over their own size ranges; they must be the
// standard tolerances of ISO 286-1 Table 1 that the tolerance core uses.
TEST(GaugeVectors, StandardTolerancesMatchTheIso286Table) {
    using gauge_data::VectorId;
    for (int grade = 1; grade <= 7; ++grade) {
        const auto id = static_cast<VectorId>(static_cast<int>(VectorId::IT1) + grade - 1);
        for (int range = 0; range < gauge_data::kSizeRangeCount; ++range) {
            const double boundMm = gauge_data::kSizeBoundsMm[range];
            const int row = FindSizeRow(Iso286Table::StandardTolerance, boundMm);
            EXPECT_EQ(gauge_data::Vector(id)[range],
                      StandardToleranceUm(row, GradeIndexOfNumber(grade)))
                << "IT" << grade << " up to " << boundMm << " mm";
        }
    }
}

}  // namespace
}  // namespace kelvo

namespace kelvo {
namespace {

// The scan rule written out over all 156 rows from the first: the look-up may start
// later but must find the same row.
int FullScanGaugeRow(int gradeIndex, double nominalMm) {
    if (nominalMm > 500) {
        return -1;
    }
    const int g = gradeIndex - 1;
    const auto& table = GaugeToleranceTable();
    for (int row = 0; row < kGaugeRowCount; ++row) {
        const bool sizeFits = nominalMm <= table[row].SizeBound;
        if (sizeFits && (g <= table[row].Grade || (g > 16 && table[row].Grade == 16))) {
            return row;
        }
    }
    return -1;
}

TEST(FindGaugeRow, AgreesWithTheFullScanForEveryGradeAndSize) {
    const double sizes[] = {-1,  0,     0.001, 3,      3.0001, 10,      17.9,
                            180, 180.5, 250,   499.99, 500,    500.001, 1000};
    for (int gradeIndex = -1; gradeIndex < kGradeCount; ++gradeIndex) {
        for (double size : sizes) {
            EXPECT_EQ(FindGaugeRow(gradeIndex, size), FullScanGaugeRow(gradeIndex, size))
                << "grade index " << gradeIndex << " at " << size << " mm";
        }
    }
}

}  // namespace
}  // namespace kelvo
