#include "core/iso286_tables.h"

#include <algorithm>
#include <array>

#include "core/iso286_delta_table.h"
#include "core/iso286_hole_deviations.h"
#include "core/iso286_it_table.h"
#include "core/iso286_shaft_deviations.h"

namespace kelvo {
namespace {

template <class Row, std::size_t RowCount>
constexpr std::array<double, RowCount> UpperBoundsMm(const std::array<Row, RowCount>& rows) {
    std::array<double, RowCount> bounds{};
    for (std::size_t i = 0; i < RowCount; ++i) {
        bounds[i] = rows[i].upToMm;
    }
    return bounds;
}

constexpr auto kStandardToleranceBoundsMm = UpperBoundsMm(iso286::kStandardToleranceRows);
constexpr auto kDeviationBoundsMm = UpperBoundsMm(iso286::kHoleDeviationRows);
constexpr auto kDeltaBoundsMm = UpperBoundsMm(iso286::kDeltaRows);

// One row index serves the hole and the shaft table alike.
static_assert(kDeviationBoundsMm == UpperBoundsMm(iso286::kShaftDeviationRows));

// The first bound at or above the size closes the size's range; a size over the
// last bound falls into the last row.
template <std::size_t RowCount>
int RowOf(const std::array<double, RowCount>& boundsMm, double nominalMm) {
    const auto found = std::lower_bound(boundsMm.begin(), boundsMm.end(), nominalMm);
    if (found == boundsMm.end()) {
        return static_cast<int>(RowCount) - 1;
    }
    return static_cast<int>(found - boundsMm.begin());
}

template <class Table>
constexpr bool InRange(int index, const Table& table) {
    return index >= 0 && static_cast<std::size_t>(index) < table.size();
}

}  // namespace

int FindSizeRow(Iso286Table table, double nominalMm) {
    switch (table) {
        case Iso286Table::StandardTolerance:
            return RowOf(kStandardToleranceBoundsMm, nominalMm);
        case Iso286Table::HoleDeviation:
        case Iso286Table::ShaftDeviation:
            return RowOf(kDeviationBoundsMm, nominalMm);
        case Iso286Table::Delta:
            return RowOf(kDeltaBoundsMm, nominalMm);
    }
    return 0;
}

int SizeRowCount(Iso286Table table) {
    switch (table) {
        case Iso286Table::StandardTolerance:
            return static_cast<int>(kStandardToleranceBoundsMm.size());
        case Iso286Table::HoleDeviation:
        case Iso286Table::ShaftDeviation:
            return static_cast<int>(kDeviationBoundsMm.size());
        case Iso286Table::Delta:
            return static_cast<int>(kDeltaBoundsMm.size());
    }
    return 0;
}

double SizeRowUpperBoundMm(Iso286Table table, int row) {
    if (row < 0 || row >= SizeRowCount(table)) {
        return 0.0;
    }
    switch (table) {
        case Iso286Table::StandardTolerance:
            return kStandardToleranceBoundsMm[row];
        case Iso286Table::HoleDeviation:
        case Iso286Table::ShaftDeviation:
            return kDeviationBoundsMm[row];
        case Iso286Table::Delta:
            return kDeltaBoundsMm[row];
    }
    return 0.0;
}

double StandardToleranceUm(int row, int gradeIndex) {
    const auto& rows = iso286::kStandardToleranceRows;
    if (!InRange(row, rows) || !InRange(gradeIndex, rows[row].itUm)) {
        return 0.0;
    }
    return rows[row].itUm[gradeIndex];
}

int HoleDeviationCell(int row, int column) {
    const auto& rows = iso286::kHoleDeviationRows;
    if (!InRange(row, rows) || !InRange(column - 1, rows[row].cellsUm)) {
        return kNoValueUm;
    }
    return rows[row].cellsUm[column - 1];
}

int ShaftDeviationCell(int row, int column) {
    const auto& rows = iso286::kShaftDeviationRows;
    if (!InRange(row, rows) || !InRange(column - 1, rows[row].cellsUm)) {
        return kNoValueUm;
    }
    return rows[row].cellsUm[column - 1];
}

double DeltaUm(int row, int column) {
    const auto& rows = iso286::kDeltaRows;
    if (!InRange(row, rows) || !InRange(column - 1, rows[row].deltaUm)) {
        return 0.0;
    }
    return rows[row].deltaUm[column - 1];
}

}  // namespace kelvo
