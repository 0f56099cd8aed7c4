#pragma once
// Dimensions of the workshop gauges for the hole (plug and spherical plug gauges) and the shaft
// (ring gauges and the check plugs of snap gauges) after ISO/R 1938:1971 and DIN 7150-2, and of
// the setting masters (setting ring after DIN 2250:1989, setting plug after DIN 7150-2).
// The records are derived from the main window model whenever needed and never stored.

#include <string>

namespace kelvo {

// One gauge; all lengths in mm.
struct GaugeDims {
    double Nominal = 0;        // centre of the gauge's tolerance zone
    double HalfTolerance = 0;  // half the gauge maker's tolerance, shown as "± "
    double Upper = 0;          // Nominal + HalfTolerance
    double Lower = 0;          // Nominal - HalfTolerance
    double WearLimit = 0;      // GO gauges only (HasWearLimit)
    bool HasWearLimit = false;
    double FormTolerance = 0;
};

// When Available is false the records carry no meaning and every value shows "N".
struct HoleGauges {
    bool Available = false;
    GaugeDims GoPlug, NoGoPlug, GoSpherical, NoGoSpherical;
};

struct ShaftGauges {
    bool Available = false;
    GaugeDims GoRing, NoGoRing, GoCheckPlug, WearCheckPlug, NoGoCheckPlug;
};

struct SettingMasters {
    bool RingAvailable = false, PlugAvailable = false;
    GaugeDims SettingRing, SettingPlug;
};

// What the gauge computations read from the main window model (all mm, indexes -1 = none).
struct GaugeInputs {
    double NominalSize = 10;
    int HoleLetter = -1, HoleGrade = -1;
    double HoleES = 0, HoleEI = 0;
    int ShaftLetter = -1, ShaftGrade = -1;
    double ShaftEs = 0, ShaftEi = 0;
    int HoleGaugeRow = -1, ShaftGaugeRow = -1, MasterRow = -1;
};

// Available when the hole letter and grade are chosen, HoleES is not the not-available marker,
// the size is at most 500 mm and HoleGaugeRow names a row.
HoleGauges ComputeHoleGauges(const GaugeInputs& in);

// Available when the shaft letter and grade are chosen, ShaftEs is not the not-available marker,
// the size is at most 500 mm and ShaftGaugeRow names a row.
ShaftGauges ComputeShaftGauges(const GaugeInputs& in);

// The ring needs a complete hole class and MasterRow, the plug a complete shaft class and
// ShaftGaugeRow; both only up to 500 mm.
SettingMasters ComputeSettingMasters(const GaugeInputs& in);

// Display text of a gauge length: mm with 5 decimals, or inches (mm / 25.4) with 6 decimals;
// halves away from zero.
std::string FormatGaugeValue(double lengthMm, bool inchMode, char decimalSeparator = '.');

}  // namespace kelvo
