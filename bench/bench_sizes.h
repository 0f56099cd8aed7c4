#pragma once
// Nominal sizes and tolerance classes that the benchmarks walk.

#include <algorithm>
#include <vector>

#include "core/iso286_tables.h"
#include "design/class_catalogues.h"
#include "design/class_names.h"

namespace kelvo::bench {

// The upper bound of every size row of every ISO 286 table: a size on a bound uses the row that
// ends there, so these sizes reach every row of every table.
inline std::vector<double> EverySizeRowMm() {
    std::vector<double> sizes;
    for (const Iso286Table table : {Iso286Table::StandardTolerance, Iso286Table::HoleDeviation,
                                    Iso286Table::ShaftDeviation, Iso286Table::Delta}) {
        for (int row = 0; row < SizeRowCount(table); ++row) {
            sizes.push_back(SizeRowUpperBoundMm(table, row));
        }
    }
    std::sort(sizes.begin(), sizes.end());
    sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
    return sizes;
}

// The classes of a catalogue as letter and grade indexes, parsed once outside the timed loops.
inline std::vector<ClassSelection> CatalogueSelections(Side side, SizeBand band) {
    std::vector<ClassSelection> selections;
    for (const ClassEntry& entry : ClassCatalogue(side, band)) {
        selections.push_back(*ParseClassName(entry.Name));
    }
    return selections;
}

}  // namespace kelvo::bench
