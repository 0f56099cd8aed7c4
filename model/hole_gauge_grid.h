#pragma once
// The hole-gauge grid (dbgrKalOtv): GO and NOT-GO plug gauges and spherical plug gauges,
// 16 rows by 2 columns, derived from the model and the gauge tables at every repaint.
// Also what the three gauge grids share: the value of a gauge cell and its number format.

#include <string>

#include "gauges/gauge_dims.h"
#include "model/grid_cell.h"
#include "model/main_model.h"

namespace kelvo {

inline constexpr int kHoleGaugeRows = 16;

// Which dimension of a gauge a body row shows.
enum class GaugeField { Nominal, Deviation, Upper, Lower, WearLimit, Form };

// One body row of a gauge grid: the field and the label keys of both columns (0: no label).
struct GaugeRowSpec {
    GaugeField Field;
    int LeftLabelKey;
    int RightLabelKey;
};

// How a gauge value is written: FormatGaugeValue (mm with 5 decimals, inches with 6), or with
// 5 decimals in both units (the wear check plug).
struct GaugeFormat {
    bool InchMode = false;
    char DecimalSeparator = '.';
    bool FiveDecimalsInInches = false;
};

GaugeFormat GaugeFormatOf(const MainWindowModel& m);

// The text of one gauge value: a length, or "± " and the half tolerance for GaugeField::Deviation;
// "N" when the gauge is not available.
std::string GaugeFieldText(const GaugeDims& gauge, GaugeField field, bool available,
                           const GaugeFormat& format);

// A body cell with the label of `labelKey` and the gauge's value; an empty cell when labelKey is 0.
GridCell GaugeBodyCell(int labelKey, const GaugeDims& gauge, GaugeField field, bool available,
                       const GaugeFormat& format);

GridGeometry HoleGaugeGridGeometry();

// The cell at (row 0..15, column 0..1); outside the grid an empty cell.
GridCell HoleGaugeCell(const MainWindowModel& m, int row, int column);

}  // namespace kelvo
