#include <gtest/gtest.h>

#include "core/iso286_tables.h"
#include "core/tolerance_types.h"
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
