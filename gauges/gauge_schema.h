#pragma once
// The gauge schema: the tolerance zones of the gauges of one result page drawn as hatched
// rectangles against the limits of size of the workpiece. This is the chart model; a window
// renders it. Sizes are in the display unit: mm, or inches rounded to 6 decimals.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gauges/gauge_dims.h"

namespace kelvo {

// The result pages of the main window, in their order.
enum class ResultPage { Workpiece = 0, HoleGauges = 1, ShaftGauges = 2, SettingMasters = 3 };

// The six hatch tiles built into the program, named as their resources.
enum class HatchTile { GR_L, GR_R, RED_L, RED_R, BL_L, BL_R };

// A 6 by 6 pixel tile, white with a one-pixel diagonal.
struct HatchTileSpec {
    std::string_view Name;  // resource name
    std::uint8_t Red, Green, Blue;
    bool
        FromTopLeft;  // true: top-left to bottom-right ("L"); false: top-right to bottom-left ("R")
};
inline constexpr int kHatchTileSizePx = 6;
inline constexpr std::array<HatchTileSpec, 6> kHatchTiles = {{
    {"GR_L", 77, 209, 73, true},
    {"GR_R", 77, 209, 73, false},
    {"RED_L", 255, 155, 155, true},
    {"RED_R", 255, 155, 155, false},
    {"BL_L", 0, 0, 255, true},
    {"BL_R", 0, 0, 255, false},
}};
const HatchTileSpec& HatchTileOf(HatchTile tile);
// Whether pixel (x, y) of a tile, 0 to 5 from the top-left corner, lies on its diagonal.
bool HatchTilePixelSet(HatchTile tile, int x, int y);

// The horizontal extent of every chart; captions sit over x 1 to 7 and 8 to 15.
inline constexpr double kSchemaXMin = 0;
inline constexpr double kSchemaXMax = 15;

struct SchemaZone {
    double X0 = 0, X1 = 0;                // chart x, 0 to 15
    double UpperSize = 0, LowerSize = 0;  // display unit
    HatchTile Tile = HatchTile::GR_L;
    int TextKey = 0;  // language key of the caption inside the zone; 0 = none
    // Setting masters: the two limit values written beside the zone (up to 5 decimals).
    bool ShowsLimitValues = false;
    // The data behind the zone are incomplete: the zone is flat at the nominal size.
    bool Collapsed = false;
};

struct SchemaChart {
    std::vector<double> Lines;  // sizes of the black reference lines across x 0 to 15
    std::vector<SchemaZone> Zones;
};

struct GaugeSchema {
    ResultPage Page = ResultPage::HoleGauges;
    int TitleKey = 0;                 // window title: the caption of the page
    int LeftCaptionKey = 0;           // over x 1 to 7
    int RightCaptionKey = 0;          // over x 8 to 15
    std::vector<SchemaChart> Charts;  // upper chart first; one chart on the setting-master page
    bool InchMode = false;
    // Vertical axis labels: exactly AxisDecimals, or up to that many when trailing zeros drop.
    int AxisDecimals = 4;
    bool AxisDropsTrailingZeros = false;
};

// Size of the schema in the display unit: mm unchanged, or inches rounded to 6 decimals
// (halves to even).
double SchemaSize(double sizeMm, bool inchMode);

// The schema of a result page from the gauge inputs of the main window model; nothing for the
// workpiece page. Zones whose data are incomplete (gauges not available, or a nominal size not
// above 0.001 mm) collapse to a flat rectangle at the nominal size. A reference line whose
// deviation is the not-available marker is drawn at the nominal size.
std::optional<GaugeSchema> BuildGaugeSchema(ResultPage page, const GaugeInputs& in, bool inchMode);

// Label of the vertical axis at `value` (display unit).
std::string SchemaAxisLabel(const GaugeSchema& schema, double value, char decimalSeparator = '.');

// One of the limit values written beside a setting-master zone: up to 5 decimals, trailing zeros
// dropped.
std::string SchemaLimitLabel(double value, char decimalSeparator = '.');

// The vertical scale of a chart: from Min to Max with grid lines every Step.
struct SchemaAxis {
    double Min = 0, Max = 1, Step = 1;
};
// A scale with round steps (1, 2 or 5 times a power of ten, never finer than the last label
// decimal) that holds every line and zone of the chart with a margin.
SchemaAxis ScaleSchemaAxis(const SchemaChart& chart, int labelDecimals);

}  // namespace kelvo
