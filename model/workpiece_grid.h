#pragma once
// The workpiece grid (drgrDanni): the tolerances of the hole and the shaft and the
// characteristics of their fit, 16 rows by 2 columns, formatted afresh from the model on every
// repaint. Column 0 is the hole and, from row 9 down, the fit; column 1 is the shaft, and its rows
// 10 to 15 lie under the tolerance-zone chart.

#include <string>

#include "model/grid_cell.h"
#include "model/main_model.h"

namespace kelvo {

inline constexpr int kWorkpieceRows = 16;

GridGeometry WorkpieceGridGeometry();

// The cell at (row 0..15, column 0..1); outside the grid an empty cell.
GridCell WorkpieceCell(const MainWindowModel& m, int row, int column);

// A workpiece value in the display unit: mm with 4 decimals, or inches with 5 decimals, halves
// away from zero.
std::string FormatWorkpieceValue(double valueMm, bool inchMode, char decimalSeparator = '.');

// Row 1: "10 H7" (standard input) or "10 (IT7)" (non-standard input); empty while the class is
// incomplete or has no value at the size.
std::string HoleDesignation(const MainWindowModel& m);
std::string ShaftDesignation(const MainWindowModel& m);

// Row 10: the nominal field's text and the fit ("10 H7/g6"), or NonStdDesignation; empty while
// either class is incomplete or has no value at the size.
std::string FitDesignation(const MainWindowModel& m);

// Row 9, column 1: the captions of the chart's two zones with their unit.
std::string ChartCaption(bool inchMode);

}  // namespace kelvo
