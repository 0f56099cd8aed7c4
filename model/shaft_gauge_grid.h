#pragma once
// The shaft-gauge grid (dbgrKalVal): GO and NOT-GO ring gauges (rows 1 to 7) and the three check
// plugs of snap gauges (rows 8 to 15), 16 rows by 2 columns. Rows 9 to 15 form a small table of
// split cells: column 0 holds the label (left part) and the GO check plug (right part), column 1
// the wear check plug (left part) and the NOT-GO check plug (right part).

#include "model/grid_cell.h"
#include "model/main_model.h"

namespace kelvo {

inline constexpr int kShaftGaugeRows = 16;
inline constexpr int kShaftSplitFirstRow = 9;
inline constexpr int kShaftSplitLastRow = 15;

GridGeometry ShaftGaugeGridGeometry();

// The cell at (row 0..15, column 0..1); outside the grid an empty cell. Cells of rows 9 to 15
// have CellLayout::Split.
GridCell ShaftGaugeCell(const MainWindowModel& m, int row, int column);

}  // namespace kelvo
