#pragma once
// The result grid of the fit design search (drgrDesign) as a cell model: one header row and four
// columns, drawn from the model's DesignResults as the last search ranked them. The current row
// (DesignPanelState::SelectedRow) is drawn in the system highlight colours.

#include "model/design_search.h"
#include "model/grid_cell.h"
#include "model/main_model.h"

namespace kelvo {

inline constexpr int kDesignGridColumns = 4;  // fit, Max, Min, deviation

// The header row plus the shown records, and never fewer than one data row.
int DesignGridRowCount(const DesignPanelState& panel);
GridGeometry DesignGridGeometry(const DesignPanelState& panel);

// The record that data row `row` shows, or none (the header, the empty row of a search without
// results, or a row out of range).
const DesignResult* DesignGridRecord(const MainWindowModel& model, const DesignPanelState& panel,
                                     int row);

// The cell at `row`, `column` as drawn now. Headers are centred on light blue and follow the
// current fit type; the fit is centred and the numbers right-aligned, in the display unit with 4
// decimals (mm) or 5 (in) and the model's decimal separator; a preferred fit's row is bold.
GridCell DesignGridCell(const MainWindowModel& model, const DesignPanelState& panel, int row,
                        int column);

// A click on a data row selects it; a row with a record loads that fit and calculates. False when
// the row holds no record.
bool ClickDesignRow(MainWindowModel& model, DesignPanelState& panel, int row);

}  // namespace kelvo
