#include "model/hole_gauge_grid.h"

#include <array>

#include "core/number_format.h"
#include "core/tolerance_types.h"
#include "i18n/language_state.h"

namespace kelvo {

namespace {

// Language keys of the grid's titles and headers.
constexpr int kWorkshopGaugesKey = 28;
constexpr int kSphericalGaugesKey = 29;
constexpr int kGoPlugKey = 30;
constexpr int kNoGoPlugKey = 31;
constexpr int kGoSphericalKey = 32;
constexpr int kNoGoSphericalKey = 33;

// Rows 2 to 7 (plug gauges) and 10 to 15 (spherical plug gauges); the NOT-GO gauges have no
// wear limit.
constexpr std::array<GaugeRowSpec, 6> kHoleBodyRows = {{
    {GaugeField::Nominal, 34, 34},    // "Nominal size"
    {GaugeField::Deviation, 35, 35},  // "Limit deviations"
    {GaugeField::Upper, 36, 36},      // "Upper limit of size"
    {GaugeField::Lower, 38, 37},      // "Lower limit of size (new)", "Lower limit of size"
    {GaugeField::WearLimit, 39, 0},   // "Lower wear limit of size"
    {GaugeField::Form, 40, 40},       // "Form tolerance"
}};

constexpr int kPlugBodyFirstRow = 2;
constexpr int kSphericalBodyFirstRow = 10;

constexpr std::array<int, 6> kLinesUnderRows = {0, 1, 7, 8, 9, 15};

constexpr int kValuePartPx = 81;
constexpr int kValueMarginPx = 5;

std::string Text(int key) {
    return std::string(LangText(key));
}

double FieldValueMm(const GaugeDims& gauge, GaugeField field) {
    switch (field) {
        case GaugeField::Nominal:
            return gauge.Nominal;
        case GaugeField::Deviation:
            return gauge.HalfTolerance;
        case GaugeField::Upper:
            return gauge.Upper;
        case GaugeField::Lower:
            return gauge.Lower;
        case GaugeField::WearLimit:
            return gauge.WearLimit;
        case GaugeField::Form:
            break;
    }
    return gauge.FormTolerance;
}

std::string FormatLength(double lengthMm, const GaugeFormat& format) {
    if (format.InchMode && format.FiveDecimalsInInches) {
        return FormatFixed(lengthMm / kMmPerInch, 5, format.DecimalSeparator);
    }
    return FormatGaugeValue(lengthMm, format.InchMode, format.DecimalSeparator);
}

GridCell BodyRowCell(const HoleGauges& gauges, const GaugeRowSpec& spec, bool spherical, int column,
                     const GaugeFormat& format) {
    const GaugeDims& go = spherical ? gauges.GoSpherical : gauges.GoPlug;
    const GaugeDims& noGo = spherical ? gauges.NoGoSpherical : gauges.NoGoPlug;
    return column == 0
               ? GaugeBodyCell(spec.LeftLabelKey, go, spec.Field, gauges.Available, format)
               : GaugeBodyCell(spec.RightLabelKey, noGo, spec.Field, gauges.Available, format);
}

}  // namespace

GaugeFormat GaugeFormatOf(const MainWindowModel& m) {
    return {m.InchMode, m.DecimalSeparator, false};
}

std::string GaugeFieldText(const GaugeDims& gauge, GaugeField field, bool available,
                           const GaugeFormat& format) {
    if (!available) {
        return std::string(kNotAvailableText);
    }
    const std::string number = FormatLength(FieldValueMm(gauge, field), format);
    return field == GaugeField::Deviation ? std::string(kPlusMinusPrefix) + number : number;
}

GridCell GaugeBodyCell(int labelKey, const GaugeDims& gauge, GaugeField field, bool available,
                       const GaugeFormat& format) {
    if (labelKey == 0) {
        return EmptyCell();
    }
    return BodyCell(Text(labelKey), GaugeFieldText(gauge, field, available, format));
}

GridGeometry HoleGaugeGridGeometry() {
    return {kHoleGaugeRows, 2, kLinesUnderRows, kValuePartPx, kValueMarginPx, false};
}

GridCell HoleGaugeCell(const MainWindowModel& m, int row, int column) {
    if (row < 0 || row >= kHoleGaugeRows || column < 0 || column > 1) {
        return EmptyCell();
    }
    switch (row) {
        case 0:
            return column == 0 ? TitleCell(Text(kWorkshopGaugesKey))
                               : CoveredCell(CellStyle::Title);
        case 1:
            return HeaderCell(Text(column == 0 ? kGoPlugKey : kNoGoPlugKey));
        case 8:
            return column == 0 ? TitleCell(Text(kSphericalGaugesKey))
                               : CoveredCell(CellStyle::Title);
        case 9:
            return HeaderCell(Text(column == 0 ? kGoSphericalKey : kNoGoSphericalKey));
        default:
            break;
    }
    const bool spherical = row >= kSphericalBodyFirstRow;
    const int index = row - (spherical ? kSphericalBodyFirstRow : kPlugBodyFirstRow);
    const HoleGauges gauges = ComputeHoleGauges(m.GaugeInputsOf());
    return BodyRowCell(gauges, kHoleBodyRows[index], spherical, column, GaugeFormatOf(m));
}

}  // namespace kelvo
