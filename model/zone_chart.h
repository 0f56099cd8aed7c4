#pragma once
// The tolerance-zone chart of the workpiece page as plain data: a zero line for the nominal size
// and two hatched rectangles, the tolerance zones of the hole and of the shaft, with their limit
// deviations written at the corners. The vertical coordinate is a deviation in micrometres, or in
// thousandths of an inch while the window shows inches. The window draws exactly this.

#include <array>
#include <string>

#include "model/grid_cell.h"
#include "model/main_model.h"

namespace kelvo {

// The horizontal coordinate runs over a fixed, invisible axis from 0 to 10.
inline constexpr double kChartMinX = 0;
inline constexpr double kChartMaxX = 10;

// Hatching and border colour of both zones; the zones themselves are white.
inline constexpr Rgb kZoneBlue{0, 128, 255};
// Width of the black zero line, pixels.
inline constexpr int kZeroLineWidthPx = 2;

enum class Hatch { ForwardDiagonal, BackwardDiagonal };

struct ChartPoint {
    double X = 0;
    double Y = 0;
};

// A value label on white without frame.
struct ChartLabel {
    ChartPoint At;
    std::string Text;
};

struct ToleranceZone {
    double X0 = 0, X1 = 0;  // horizontal extent
    double Y0 = 0, Y1 = 0;  // upper and lower deviation, µm or thousandths of an inch
    Hatch Pattern = Hatch::ForwardDiagonal;
    // Y0 written at the corner (X0, Y0), Y1 at the corner (X1, Y1).
    std::array<ChartLabel, 2> Labels;
};

struct ZoneChart {
    std::array<ChartPoint, 2> ZeroLine{{{kChartMinX, 0}, {kChartMaxX, 0}}};
    ToleranceZone Hole, Shaft;
    // Vertical axis range: every plotted value and the zero line with a margin of a tenth of the
    // span on each side (one unit each side when everything lies on zero).
    double AxisMin = 0, AxisMax = 0;
};

// The chart for the model as it stands (UpdateZoneChart draws it). A zone whose class has no
// value at the size, and both zones while the nominal size lies outside 0.001 to 10000 mm,
// collapse onto the zero line.
ZoneChart ZoneChartOf(const MainWindowModel& m);

}  // namespace kelvo
