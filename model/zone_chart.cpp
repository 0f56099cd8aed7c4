#include "model/zone_chart.h"

#include <algorithm>
#include <initializer_list>

#include "core/number_format.h"
#include "core/tolerance_types.h"

namespace kelvo {

namespace {

constexpr double kHoleX0 = 1, kHoleX1 = 4;
constexpr double kShaftX0 = 6, kShaftX1 = 9;
constexpr double kAxisMarginShare = 0.1;

bool ZoneCollapses(double upperMm, double nominalMm) {
    return IsNotAvailable(upperMm) || nominalMm < kMinNominalMm || nominalMm > kMaxNominalMm;
}

// Micrometres unrounded; thousandths of an inch rounded to 2 decimals (halves to even).
double ChartValue(double deviationMm, bool inchMode) {
    return inchMode ? RoundField(deviationMm * 1000.0 / kMmPerInch, 2) : deviationMm * 1000.0;
}

ToleranceZone ZoneOf(double upperMm, double lowerMm, double x0, double x1, Hatch pattern,
                     const MainWindowModel& m) {
    ToleranceZone zone;
    zone.X0 = x0;
    zone.X1 = x1;
    zone.Pattern = pattern;
    if (!ZoneCollapses(upperMm, m.NominalSize)) {
        zone.Y0 = ChartValue(upperMm, m.InchMode);
        zone.Y1 = ChartValue(lowerMm, m.InchMode);
    }
    // The general form drops the binary noise of the micrometre product (0.007 x 1000).
    zone.Labels = {{{{x0, zone.Y0}, FormatGeneral(zone.Y0, m.DecimalSeparator)},
                    {{x1, zone.Y1}, FormatGeneral(zone.Y1, m.DecimalSeparator)}}};
    return zone;
}

}  // namespace

ZoneChart ZoneChartOf(const MainWindowModel& m) {
    ZoneChart chart;
    chart.Hole = ZoneOf(m.HoleES, m.HoleEI, kHoleX0, kHoleX1, Hatch::ForwardDiagonal, m);
    chart.Shaft = ZoneOf(m.ShaftEs, m.ShaftEi, kShaftX0, kShaftX1, Hatch::BackwardDiagonal, m);
    const std::initializer_list<double> values = {0.0, chart.Hole.Y0, chart.Hole.Y1, chart.Shaft.Y0,
                                                  chart.Shaft.Y1};
    const double low = std::min(values);
    const double high = std::max(values);
    const double margin = high > low ? (high - low) * kAxisMarginShare : 1.0;
    chart.AxisMin = low - margin;
    chart.AxisMax = high + margin;
    return chart;
}

}  // namespace kelvo
