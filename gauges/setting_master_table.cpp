#include "gauges/gauge_tables.h"
#include "gauges/gauge_vectors.h"

namespace kelvo {
namespace {

// DIN 2250:1989, setting rings of the forms B, C and FC: tolerance and form tolerance, µm.
// clang-format off
inline constexpr std::array<SettingMasterRow, kMasterRowCount> kSettingMasterTable = {{
    // SizeBound mm  RingTolerance  RingForm
    {   3,            2,             0.3 },
    {   6,            2.5,           0.4 },
    {  10,            2.5,           0.4 },
    {  18,            3,             0.5 },
    {  30,            4,             0.6 },
    {  50,            4,             0.7 },
    {  80,            5,             0.8 },
    { 120,            6,             1   },
    { 180,            8,             1.2 },
    { 250,           10,             1.4 },
    { 315,           12,             1.6 },
    { 400,           13,             1.8 },
    { 500,           15,             2   },
}};
// clang-format on

// The ranges are those of the gauge tolerance table, and the ring tolerance is IT3 of the range.
constexpr bool MatchesGaugeRanges() {
    using gauge_data::Vector;
    using gauge_data::VectorId;
    for (int range = 0; range < kMasterRowCount; ++range) {
        const auto& row = kSettingMasterTable[range];
        if (row.SizeBound != gauge_data::kSizeBoundsMm[range] ||
            row.RingTolerance != Vector(VectorId::IT3)[range]) {
            return false;
        }
    }
    return true;
}
static_assert(kMasterRowCount == gauge_data::kSizeRangeCount);
static_assert(MatchesGaugeRanges());

}  // namespace

const std::array<SettingMasterRow, kMasterRowCount>& SettingMasterTable() {
    return kSettingMasterTable;
}

int FindMasterRow(double nominalMm) {
    for (int row = 0; row < kMasterRowCount; ++row) {
        if (nominalMm <= kSettingMasterTable[row].SizeBound) {
            return row;
        }
    }
    return -1;
}

}  // namespace kelvo
