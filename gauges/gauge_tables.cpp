#include "gauges/gauge_tables.h"

#include <algorithm>

#include "gauges/gauge_vectors.h"

namespace kelvo {
namespace {

using gauge_data::kSizeBoundsMm;
using gauge_data::kSizeRangeCount;
using gauge_data::Vector;
using gauge_data::VectorId;

// Which column vector fills each column of the 13 rows of a grade (ISO/R 1938:1971,
// DIN 7150-2).
struct GradeColumns {
    int Grade;
    VectorId H, FormPlug, Hs, FormSpherical, H1, FormRing, Hp, FormCheckPlug, Z, Y, Alpha, Z1, Y1;
};

inline constexpr int kFirstGrade = 5;
inline constexpr int kLastGrade = 16;
inline constexpr int kGradeRowsCount = kLastGrade - kFirstGrade + 1;

// clang-format off
constexpr std::array<GradeColumns, kGradeRowsCount> MakeGradeColumns() {
    using enum VectorId;
    return {{
        // Grade H    FormPlug Hs  FormSph H1   FormRing Hp  FormCP Z    Y    Alpha Z1   Y1
        {  5,   G1,  IT1,     IT2, IT1,    IT2, IT2,     IT1, IT1,   G2,  G3,  G4,   G5,  G6 },
        {  6,   IT2, IT1,     IT2, IT1,    IT3, IT2,     IT1, IT1,   G2,  G3,  G7,   G8,  G9 },
        {  7,   IT3, IT2,     IT2, IT1,    IT3, IT2,     IT1, IT1,   G8,  G10, G11,  G8,  G10},
        {  8,   IT3, IT2,     IT2, IT1,    IT4, IT3,     IT2, IT1,   G12, G13, G14,  G12, G13},
        {  9,   IT3, IT2,     IT2, IT1,    IT4, IT3,     IT2, IT1,   G15, G16, G14,  G15, G16},
        { 10,   IT3, IT2,     IT2, IT1,    IT4, IT3,     IT2, IT1,   G17, G16, G18,  G17, G16},
        { 11,   IT5, IT4,     IT4, IT3,    IT5, IT4,     IT2, IT1,   G19, G16, G20,  G19, G16},
        { 12,   IT5, IT4,     IT4, IT3,    IT5, IT4,     IT2, IT1,   G21, G16, G22,  G21, G16},
        { 13,   IT7, IT5,     IT6, IT5,    IT7, IT5,     IT3, IT2,   G23, G16, G24,  G23, G16},
        { 14,   IT7, IT5,     IT6, IT5,    IT7, IT5,     IT3, IT2,   G25, G16, G26,  G25, G16},
        { 15,   IT7, IT5,     IT6, IT5,    IT7, IT5,     IT3, IT2,   G27, G16, G28,  G27, G16},
        { 16,   IT7, IT5,     IT6, IT5,    IT7, IT5,     IT3, IT2,   G29, G16, G30,  G29, G16},
    }};
}
// clang-format on

inline constexpr auto kGradeColumns = MakeGradeColumns();

constexpr GaugeToleranceRow MakeRow(const GradeColumns& columns, int range) {
    auto at = [range](VectorId id) { return Vector(id)[range]; };
    return {columns.Grade,     kSizeBoundsMm[range],
            at(columns.H),     at(columns.FormPlug),
            at(columns.Hs),    at(columns.FormSpherical),
            at(columns.H1),    at(columns.FormRing),
            at(columns.Hp),    at(columns.FormCheckPlug),
            at(columns.Z),     at(columns.Y),
            at(columns.Alpha), at(columns.Z1),
            at(columns.Y1)};
}

constexpr std::array<GaugeToleranceRow, kGaugeRowCount> BuildGaugeToleranceTable() {
    std::array<GaugeToleranceRow, kGaugeRowCount> table{};
    int row = 0;
    for (const GradeColumns& columns : kGradeColumns) {
        for (int range = 0; range < kSizeRangeCount; ++range) {
            table[row++] = MakeRow(columns, range);
        }
    }
    return table;
}

inline constexpr auto kGaugeToleranceTable = BuildGaugeToleranceTable();

static_assert(kGradeRowsCount * kSizeRangeCount == kGaugeRowCount);
static_assert(kSizeBoundsMm.back() == kGaugeTableLimitMm);

// Shape: row r holds grade 5 + r / 13 and the bound of size range r % 13.
constexpr bool RowsFollowGradeAndRange() {
    for (int row = 0; row < kGaugeRowCount; ++row) {
        const auto& entry = kGaugeToleranceTable[row];
        if (entry.Grade != kFirstGrade + row / kSizeRangeCount ||
            entry.SizeBound != kSizeBoundsMm[row % kSizeRangeCount]) {
            return false;
        }
    }
    return true;
}
static_assert(RowsFollowGradeAndRange());

// The gauge formulas rely on these: no safety zone up to 180 mm, no wear allowance from grade 9,
// and the ring gauge positions equal the plug gauge positions from grade 7.
constexpr bool RegularitiesHold() {
    for (const auto& row : kGaugeToleranceTable) {
        if (row.SizeBound <= 180 && row.Alpha != 0) {
            return false;
        }
        if (row.Grade >= 9 && (row.Y != 0 || row.Y1 != 0)) {
            return false;
        }
        if (row.Grade >= 7 && (row.Z1 != row.Z || row.Y1 != row.Y)) {
            return false;
        }
    }
    return true;
}
static_assert(RegularitiesHold());

bool RowMatches(const GaugeToleranceRow& row, int gradeNumber, double nominalMm) {
    if (nominalMm > row.SizeBound) {
        return false;
    }
    return gradeNumber <= row.Grade || (gradeNumber > kLastGrade && row.Grade == kLastGrade);
}

}  // namespace

const std::array<GaugeToleranceRow, kGaugeRowCount>& GaugeToleranceTable() {
    return kGaugeToleranceTable;
}

int FindGaugeRow(int gradeIndex, double nominalMm) {
    if (nominalMm > kGaugeTableLimitMm) {
        return -1;
    }
    const int gradeNumber = gradeIndex - 1;  // IT01 gives -1, IT7 gives 7
    // Rows are ordered by grade, so no row of a grade below the wanted one can match:
    // the scan starts at the first row of that grade (grade 5 for finer grades, 16 for
    // coarser ones) and finds the same row as a scan from row 0.
    const int firstGrade = kGaugeToleranceTable.front().Grade;
    const int blockGrade = std::clamp(gradeNumber, firstGrade, kLastGrade);
    const int firstRow = (blockGrade - firstGrade) * gauge_data::kSizeRangeCount;
    for (int row = firstRow; row < kGaugeRowCount; ++row) {
        if (RowMatches(kGaugeToleranceTable[row], gradeNumber, nominalMm)) {
            return row;
        }
    }
    return -1;
}

}  // namespace kelvo
