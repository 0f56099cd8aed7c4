#pragma once
// The setting-master grid (dbgrEtaloni): the setting ring after DIN 2250:1989 (column 0) and the
// setting plug after DIN 7150-2 (column 1), 6 rows by 2 columns; row 0 is the fixed header row.

#include "model/grid_cell.h"
#include "model/main_model.h"

namespace kelvo {

inline constexpr int kMasterRows = 6;

GridGeometry MasterGridGeometry();

// The cell at (row 0..5, column 0..1); outside the grid an empty cell.
GridCell MasterCell(const MainWindowModel& m, int row, int column);

}  // namespace kelvo
