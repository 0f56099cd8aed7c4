#include "output/report_values.h"

#include <string_view>

#include "core/number_format.h"
#include "core/tolerance_types.h"
#include "model/grid_cell.h"
#include "model/workpiece_grid.h"

namespace kelvo {
namespace {

bool SideDefined(int letter, int grade, double upperDeviationMm) {
    return letter != kNoSelection && grade != kNoSelection && !IsNotAvailable(upperDeviationMm);
}

std::string OrN(bool available, std::string text) {
    return available ? std::move(text) : std::string(kNotAvailableText);
}

std::string D4OrN(bool available, double valueMm, char separator) {
    return available ? FormatFixed(valueMm, 4, separator) : std::string(kNotAvailableText);
}

std::string D5OrN(bool available, double valueMm, char separator) {
    return available ? FormatFixed(valueMm, 5, separator) : std::string(kNotAvailableText);
}

std::string FitDesignationText(const MainWindowModel& m, bool fitDefined) {
    if (m.InputMethod != static_cast<int>(InputMethodKind::Standard)) {
        return m.NonStdDesignation;
    }
    return OrN(fitDefined, FitDesignation(m));
}

}  // namespace

DefinedParts DefinedPartsOf(const MainWindowModel& m) {
    DefinedParts parts;
    parts.Hole = SideDefined(m.HoleLetter, m.HoleGrade, m.HoleES);
    parts.Shaft = SideDefined(m.ShaftLetter, m.ShaftGrade, m.ShaftEs);
    parts.Fit = parts.Hole && parts.Shaft;
    return parts;
}

WorkpieceTexts WorkpieceValueTexts(const MainWindowModel& m) {
    const DefinedParts defined = DefinedPartsOf(m);
    const char sep = m.DecimalSeparator;
    const double n = m.NominalSize;
    WorkpieceTexts t;
    t.HoleDesignation = OrN(defined.Hole, HoleDesignation(m));
    t.ShaftDesignation = OrN(defined.Shaft, ShaftDesignation(m));
    t.HoleIT = D4OrN(defined.Hole, m.HoleIT, sep);
    t.ShaftIT = D4OrN(defined.Shaft, m.ShaftIT, sep);
    t.HoleES = D4OrN(defined.Hole, m.HoleES, sep);
    t.ShaftEs = D4OrN(defined.Shaft, m.ShaftEs, sep);
    t.HoleEI = D4OrN(defined.Hole, m.HoleEI, sep);
    t.ShaftEi = D4OrN(defined.Shaft, m.ShaftEi, sep);
    t.HoleUpperLimit = D4OrN(defined.Hole, n + m.HoleES, sep);
    t.ShaftUpperLimit = D4OrN(defined.Shaft, n + m.ShaftEs, sep);
    t.HoleLowerLimit = D4OrN(defined.Hole, n + m.HoleEI, sep);
    t.ShaftLowerLimit = D4OrN(defined.Shaft, n + m.ShaftEi, sep);
    t.FitDesignation = FitDesignationText(m, defined.Fit);
    t.FitType = OrN(defined.Fit, m.FitTypeText);
    t.FitMaxLabel = m.FitMaxLabel;
    t.FitMinLabel = m.FitMinLabel;
    t.FitMaxValue = D4OrN(defined.Fit, m.FitMaxValue, sep);
    t.FitMinValue = D4OrN(defined.Fit, m.FitMinValue, sep);
    t.FitTolerance = D4OrN(defined.Fit, m.FitTolerance, sep);
    return t;
}

GaugeTexts GaugeValueTexts(const GaugeDims& gauge, bool available, char decimalSeparator) {
    GaugeTexts t;
    t.Available = available;
    t.Nominal = D5OrN(available, gauge.Nominal, decimalSeparator);
    t.HalfTolerance = D5OrN(available, gauge.HalfTolerance, decimalSeparator);
    t.Upper = D5OrN(available, gauge.Upper, decimalSeparator);
    t.Lower = D5OrN(available, gauge.Lower, decimalSeparator);
    t.WearLimit = D5OrN(available, gauge.WearLimit, decimalSeparator);
    t.FormTolerance = D5OrN(available, gauge.FormTolerance, decimalSeparator);
    return t;
}

GaugeSetTexts GaugeSetValueTexts(const MainWindowModel& m) {
    const GaugeInputs inputs = m.GaugeInputsOf();
    const HoleGauges hole = ComputeHoleGauges(inputs);
    const ShaftGauges shaft = ComputeShaftGauges(inputs);
    const SettingMasters masters = ComputeSettingMasters(inputs);
    const char sep = m.DecimalSeparator;
    GaugeSetTexts t;
    t.GoPlug = GaugeValueTexts(hole.GoPlug, hole.Available, sep);
    t.NoGoPlug = GaugeValueTexts(hole.NoGoPlug, hole.Available, sep);
    t.GoSpherical = GaugeValueTexts(hole.GoSpherical, hole.Available, sep);
    t.NoGoSpherical = GaugeValueTexts(hole.NoGoSpherical, hole.Available, sep);
    t.GoRing = GaugeValueTexts(shaft.GoRing, shaft.Available, sep);
    t.NoGoRing = GaugeValueTexts(shaft.NoGoRing, shaft.Available, sep);
    t.GoCheckPlug = GaugeValueTexts(shaft.GoCheckPlug, shaft.Available, sep);
    t.WearCheckPlug = GaugeValueTexts(shaft.WearCheckPlug, shaft.Available, sep);
    t.NoGoCheckPlug = GaugeValueTexts(shaft.NoGoCheckPlug, shaft.Available, sep);
    t.SettingRing = GaugeValueTexts(masters.SettingRing, masters.RingAvailable, sep);
    t.SettingPlug = GaugeValueTexts(masters.SettingPlug, masters.PlugAvailable, sep);
    return t;
}

}  // namespace kelvo
