#pragma once
// The value texts that the clipboard report and the print record share. Both read the main window
// model and the gauge records at the moment of copying or printing and keep nothing; only their
// layouts differ. Every number is in millimetres whatever the display unit: workpiece values with
// 4 decimals, gauge values with 5, halves away from zero, in the user's decimal separator. A value
// that is not available reads "N".

#include <string>

#include "gauges/gauge_dims.h"
#include "model/main_model.h"

namespace kelvo {

// A side is defined when its letter and grade are chosen and its upper deviation is below the
// not-available marker; the fit when both sides are.
struct DefinedParts {
    bool Hole = false;
    bool Shaft = false;
    bool Fit = false;
};
DefinedParts DefinedPartsOf(const MainWindowModel& m);

struct WorkpieceTexts {
    std::string HoleDesignation, ShaftDesignation;  // "10 H7", "10 (IT7)" or "N"
    std::string HoleIT, ShaftIT;
    std::string HoleES, ShaftEs, HoleEI, ShaftEi;
    // Limit sizes: the nominal size plus the deviation.
    std::string HoleUpperLimit, ShaftUpperLimit, HoleLowerLimit, ShaftLowerLimit;
    // NonStdDesignation for the non-standard input methods; else "10 H7/g6" with the nominal
    // field's text as typed, or "N".
    std::string FitDesignation;
    std::string FitType;
    std::string FitMaxLabel, FitMinLabel;  // the labels of the model, never "N"
    std::string FitMaxValue, FitMinValue, FitTolerance;
};
WorkpieceTexts WorkpieceValueTexts(const MainWindowModel& m);

// One gauge. HalfTolerance carries no "± ": the report adds it, the record does not.
struct GaugeTexts {
    bool Available = false;
    std::string Nominal, HalfTolerance, Upper, Lower, WearLimit, FormTolerance;
};
GaugeTexts GaugeValueTexts(const GaugeDims& gauge, bool available, char decimalSeparator);

struct GaugeSetTexts {
    GaugeTexts GoPlug, NoGoPlug, GoSpherical, NoGoSpherical;                 // hole gauges
    GaugeTexts GoRing, NoGoRing, GoCheckPlug, WearCheckPlug, NoGoCheckPlug;  // shaft gauges
    GaugeTexts SettingRing, SettingPlug;                                     // setting masters
};
GaugeSetTexts GaugeSetValueTexts(const MainWindowModel& m);

}  // namespace kelvo
