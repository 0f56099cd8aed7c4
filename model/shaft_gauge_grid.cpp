#include "model/shaft_gauge_grid.h"

#include <array>

#include "i18n/language_state.h"
#include "model/hole_gauge_grid.h"

namespace kelvo {

namespace {

// Language keys of the grid's titles and headers.
constexpr int kWorkshopGaugesKey = 28;
constexpr int kCheckPlugsKey = 43;
constexpr int kGoRingKey = 44;
constexpr int kNoGoRingKey = 45;
constexpr int kGaugeTypeKey = 46;
constexpr int kGoCheckPlugKey = 47;
constexpr int kWearCheckPlugKey = 48;
constexpr int kNoGoCheckPlugKey = 49;

// Rows 2 to 7, ring gauges; the NOT-GO ring has no wear limit.
constexpr std::array<GaugeRowSpec, 6> kRingBodyRows = {{
    {GaugeField::Nominal, 34, 34},    // "Nominal size"
    {GaugeField::Deviation, 35, 35},  // "Limit deviations"
    {GaugeField::Upper, 41, 36},      // "Upper limit of size (new)", "Upper limit of size"
    {GaugeField::Lower, 37, 37},      // "Lower limit of size"
    {GaugeField::WearLimit, 42, 0},   // "Upper wear limit of size"
    {GaugeField::Form, 40, 40},       // "Form tolerance"
}};
constexpr int kRingBodyFirstRow = 2;

// Rows 10 to 14, check plugs: one label for the three plugs.
constexpr std::array<GaugeRowSpec, 5> kCheckPlugRows = {{
    {GaugeField::Nominal, 34, 0},
    {GaugeField::Deviation, 35, 0},
    {GaugeField::Upper, 36, 0},
    {GaugeField::Lower, 37, 0},
    {GaugeField::Form, 40, 0},
}};
constexpr int kCheckPlugFirstRow = 10;

constexpr std::array<int, 6> kLinesUnderRows = {0, 1, 7, 8, 9, 15};

constexpr int kValuePartPx = 81;
constexpr int kValueMarginPx = 5;

std::string Text(int key) {
    return std::string(LangText(key));
}

GridCell SplitCell(CellStyle style, std::string left, std::string right) {
    const bool bold = style == CellStyle::Header;
    return {style, CellLayout::Split, std::move(left), std::move(right), HAlign::Right, bold, 1};
}

GridCell RingCell(const MainWindowModel& m, int row, int column) {
    const ShaftGauges gauges = ComputeShaftGauges(m.GaugeInputsOf());
    const GaugeRowSpec& spec = kRingBodyRows[row - kRingBodyFirstRow];
    return column == 0 ? GaugeBodyCell(spec.LeftLabelKey, gauges.GoRing, spec.Field,
                                       gauges.Available, GaugeFormatOf(m))
                       : GaugeBodyCell(spec.RightLabelKey, gauges.NoGoRing, spec.Field,
                                       gauges.Available, GaugeFormatOf(m));
}

GridCell CheckPlugCell(const MainWindowModel& m, int row, int column) {
    if (row < kCheckPlugFirstRow || row >= kCheckPlugFirstRow + int(kCheckPlugRows.size())) {
        return SplitCell(CellStyle::Body, {}, {});
    }
    const ShaftGauges gauges = ComputeShaftGauges(m.GaugeInputsOf());
    const GaugeRowSpec& spec = kCheckPlugRows[row - kCheckPlugFirstRow];
    const GaugeFormat format = GaugeFormatOf(m);
    if (column == 0) {
        return SplitCell(CellStyle::Body, Text(spec.LeftLabelKey),
                         GaugeFieldText(gauges.GoCheckPlug, spec.Field, gauges.Available, format));
    }
    // The wear check plug is written with 5 decimals in both units.
    GaugeFormat wearFormat = format;
    wearFormat.FiveDecimalsInInches = true;
    return SplitCell(CellStyle::Body,
                     GaugeFieldText(gauges.WearCheckPlug, spec.Field, gauges.Available, wearFormat),
                     GaugeFieldText(gauges.NoGoCheckPlug, spec.Field, gauges.Available, format));
}

}  // namespace

GridGeometry ShaftGaugeGridGeometry() {
    return {kShaftGaugeRows, 2, kLinesUnderRows, kValuePartPx, kValueMarginPx, false};
}

GridCell ShaftGaugeCell(const MainWindowModel& m, int row, int column) {
    if (row < 0 || row >= kShaftGaugeRows || column < 0 || column > 1) {
        return EmptyCell();
    }
    switch (row) {
        case 0:
            return column == 0 ? TitleCell(Text(kWorkshopGaugesKey))
                               : CoveredCell(CellStyle::Title);
        case 1:
            return HeaderCell(Text(column == 0 ? kGoRingKey : kNoGoRingKey));
        case 8:
            return column == 0 ? TitleCell(Text(kCheckPlugsKey)) : CoveredCell(CellStyle::Title);
        case 9:
            // Header colouring, but placed like labels and values; shown in every state.
            return column == 0
                       ? SplitCell(CellStyle::Header, Text(kGaugeTypeKey), Text(kGoCheckPlugKey))
                       : SplitCell(CellStyle::Header, Text(kWearCheckPlugKey),
                                   Text(kNoGoCheckPlugKey));
        default:
            break;
    }
    return row < kShaftSplitFirstRow ? RingCell(m, row, column) : CheckPlugCell(m, row, column);
}

}  // namespace kelvo
