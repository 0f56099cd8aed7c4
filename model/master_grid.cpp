#include "model/master_grid.h"

#include <array>

#include "i18n/language_state.h"
#include "model/hole_gauge_grid.h"

namespace kelvo {

namespace {

constexpr int kSettingRingKey = 50;
constexpr int kSettingPlugKey = 51;

// Rows 1 to 5; the same label in both columns.
constexpr std::array<GaugeRowSpec, 5> kMasterBodyRows = {{
    {GaugeField::Nominal, 34, 34},    // "Nominal size"
    {GaugeField::Deviation, 35, 35},  // "Limit deviations"
    {GaugeField::Upper, 36, 36},      // "Upper limit of size"
    {GaugeField::Lower, 37, 37},      // "Lower limit of size"
    {GaugeField::Form, 40, 40},       // "Form tolerance"
}};

constexpr std::array<int, 2> kLinesUnderRows = {0, 5};

constexpr int kValuePartPx = 80;
constexpr int kValueMarginPx = 4;

}  // namespace

GridGeometry MasterGridGeometry() {
    return {kMasterRows, 2, kLinesUnderRows, kValuePartPx, kValueMarginPx, false};
}

GridCell MasterCell(const MainWindowModel& m, int row, int column) {
    if (row < 0 || row >= kMasterRows || column < 0 || column > 1) {
        return EmptyCell();
    }
    if (row == 0) {
        return HeaderCell(std::string(LangText(column == 0 ? kSettingRingKey : kSettingPlugKey)));
    }
    const SettingMasters masters = ComputeSettingMasters(m.GaugeInputsOf());
    const GaugeRowSpec& spec = kMasterBodyRows[row - 1];
    return column == 0 ? GaugeBodyCell(spec.LeftLabelKey, masters.SettingRing, spec.Field,
                                       masters.RingAvailable, GaugeFormatOf(m))
                       : GaugeBodyCell(spec.RightLabelKey, masters.SettingPlug, spec.Field,
                                       masters.PlugAvailable, GaugeFormatOf(m));
}

}  // namespace kelvo
