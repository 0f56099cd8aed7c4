#pragma once
// Gauge inputs as the main window's calculation leaves them: the deviations of the classes
// (ISO 286-1) and the rows of the gauge tables looked up for their grades.

#include <string_view>

#include "core/tolerance_types.h"
#include "gauges/gauge_dims.h"
#include "gauges/gauge_tables.h"

namespace kelvo::test {

inline GaugeInputs AtSize(double nominalMm) {
    GaugeInputs in;
    in.NominalSize = nominalMm;
    in.MasterRow = FindMasterRow(nominalMm);
    return in;
}

inline void SetHole(GaugeInputs& in, std::string_view letter, int gradeNumber, double esMm,
                    double eiMm) {
    in.HoleLetter = LetterIndex(letter, Side::Hole);
    in.HoleGrade = GradeIndexOfNumber(gradeNumber);
    in.HoleES = esMm;
    in.HoleEI = eiMm;
    in.HoleGaugeRow = FindGaugeRow(in.HoleGrade, in.NominalSize);
}

inline void SetShaft(GaugeInputs& in, std::string_view letter, int gradeNumber, double esMm,
                     double eiMm) {
    in.ShaftLetter = LetterIndex(letter, Side::Shaft);
    in.ShaftGrade = GradeIndexOfNumber(gradeNumber);
    in.ShaftEs = esMm;
    in.ShaftEi = eiMm;
    in.ShaftGaugeRow = FindGaugeRow(in.ShaftGrade, in.NominalSize);
}

}  // namespace kelvo::test
