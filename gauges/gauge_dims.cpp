#include "gauges/gauge_dims.h"

#include "core/number_format.h"
#include "core/tolerance_types.h"
#include "gauges/gauge_tables.h"

namespace kelvo {
namespace {

constexpr double kUmPerMm = 1000;

bool ClassComplete(int letter, int grade, double upperDeviationMm, double nominalMm) {
    return letter >= 0 && grade >= 0 && !IsNotAvailable(upperDeviationMm) &&
           nominalMm <= kGaugeTableLimitMm;
}

bool IsGaugeRow(int row) {
    return row >= 0 && row < kGaugeRowCount;
}
bool IsMasterRow(int row) {
    return row >= 0 && row < kMasterRowCount;
}

// A gauge centred on nominalMm with the given maker's tolerance and form tolerance, both µm.
GaugeDims Centred(double nominalMm, double toleranceUm, double formUm) {
    GaugeDims dims;
    dims.Nominal = nominalMm;
    dims.HalfTolerance = toleranceUm / (2 * kUmPerMm);
    dims.Upper = dims.Nominal + dims.HalfTolerance;
    dims.Lower = dims.Nominal - dims.HalfTolerance;
    dims.FormTolerance = formUm / kUmPerMm;
    return dims;
}

GaugeDims WithWearLimit(GaugeDims dims, double wearLimitMm) {
    dims.WearLimit = wearLimitMm;
    dims.HasWearLimit = true;
    return dims;
}

}  // namespace

HoleGauges ComputeHoleGauges(const GaugeInputs& in) {
    HoleGauges gauges;
    if (!ClassComplete(in.HoleLetter, in.HoleGrade, in.HoleES, in.NominalSize) ||
        !IsGaugeRow(in.HoleGaugeRow)) {
        return gauges;
    }
    const GaugeToleranceRow& row = GaugeToleranceTable()[in.HoleGaugeRow];
    // Limits of size first, then the table terms, in this order.
    const double minMm = in.NominalSize + in.HoleEI;
    const double maxMm = in.NominalSize + in.HoleES;
    const double goMm = minMm + row.Z / kUmPerMm;
    const double wearMm = minMm - row.Y / kUmPerMm + row.Alpha / kUmPerMm;
    const double noGoMm = maxMm - row.Alpha / kUmPerMm;

    gauges.Available = true;
    gauges.GoPlug = WithWearLimit(Centred(goMm, row.H, row.FormPlug), wearMm);
    gauges.NoGoPlug = Centred(noGoMm, row.H, row.FormPlug);
    gauges.GoSpherical = WithWearLimit(Centred(goMm, row.Hs, row.FormSpherical), wearMm);
    gauges.NoGoSpherical = Centred(noGoMm, row.Hs, row.FormSpherical);
    return gauges;
}

ShaftGauges ComputeShaftGauges(const GaugeInputs& in) {
    ShaftGauges gauges;
    if (!ClassComplete(in.ShaftLetter, in.ShaftGrade, in.ShaftEs, in.NominalSize) ||
        !IsGaugeRow(in.ShaftGaugeRow)) {
        return gauges;
    }
    const GaugeToleranceRow& row = GaugeToleranceTable()[in.ShaftGaugeRow];
    const double maxMm = in.NominalSize + in.ShaftEs;
    const double minMm = in.NominalSize + in.ShaftEi;
    const double goMm = maxMm - row.Z1 / kUmPerMm;
    const double wearMm = maxMm + row.Y1 / kUmPerMm - row.Alpha / kUmPerMm;
    const double noGoMm = minMm + row.Alpha / kUmPerMm;

    gauges.Available = true;
    gauges.GoRing = WithWearLimit(Centred(goMm, row.H1, row.FormRing), wearMm);
    gauges.NoGoRing = Centred(noGoMm, row.H1, row.FormRing);
    // The check plugs stand on the new GO size, the worn GO size and the NOT-GO size of the snap.
    gauges.GoCheckPlug = Centred(goMm, row.Hp, row.FormCheckPlug);
    gauges.WearCheckPlug = Centred(wearMm, row.Hp, row.FormCheckPlug);
    gauges.NoGoCheckPlug = Centred(noGoMm, row.Hp, row.FormCheckPlug);
    return gauges;
}

SettingMasters ComputeSettingMasters(const GaugeInputs& in) {
    SettingMasters masters;
    masters.RingAvailable = ClassComplete(in.HoleLetter, in.HoleGrade, in.HoleES, in.NominalSize) &&
                            IsMasterRow(in.MasterRow);
    masters.PlugAvailable =
        ClassComplete(in.ShaftLetter, in.ShaftGrade, in.ShaftEs, in.NominalSize) &&
        IsGaugeRow(in.ShaftGaugeRow);
    if (masters.RingAvailable) {
        const SettingMasterRow& row = SettingMasterTable()[in.MasterRow];
        masters.SettingRing = Centred(in.NominalSize, row.RingTolerance, row.RingForm);
    }
    if (masters.PlugAvailable) {
        const GaugeToleranceRow& row = GaugeToleranceTable()[in.ShaftGaugeRow];
        masters.SettingPlug = Centred(in.NominalSize, row.Hp, row.FormCheckPlug);
    }
    return masters;
}

std::string FormatGaugeValue(double lengthMm, bool inchMode, char decimalSeparator) {
    if (inchMode) {
        return FormatFixed(lengthMm / kMmPerInch, 6, decimalSeparator);
    }
    return FormatFixed(lengthMm, 5, decimalSeparator);
}

}  // namespace kelvo
