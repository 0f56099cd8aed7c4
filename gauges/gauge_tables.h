#pragma once
// The two constant tables of the gauge dimensions and the look-ups that pick a row for a grade
// and a nominal size. Both tables end at 500 mm; above that there is no row.

#include <array>

namespace kelvo {

// Largest nominal size that the gauge tables cover, mm.
inline constexpr double kGaugeTableLimitMm = 500;

// One row per tolerance grade (5 to 16) and size range (13 ranges up to 500 mm).
// ISO/R 1938:1971 and DIN 7150-2; SizeBound in mm, every other value in µm.
struct GaugeToleranceRow {
    int Grade;             // tolerance grade number, 5 to 16
    double SizeBound;      // upper bound of the size range, mm
    double H;              // gauge maker's tolerance of plug gauges
    double FormPlug;       // form tolerance of plug gauges
    double Hs;             // gauge maker's tolerance of spherical plug gauges
    double FormSpherical;  // form tolerance of spherical plug gauges
    double H1;             // gauge maker's tolerance of ring gauges
    double FormRing;       // form tolerance of ring gauges
    double Hp;             // gauge maker's tolerance of check plugs (also the setting plug)
    double FormCheckPlug;  // form tolerance of check plugs (also the setting plug)
    double Z;              // GO plug gauge position above the lower limit of the hole
    double Y;              // GO plug gauge wear allowance below the lower limit of the hole
    double Alpha;          // safety zone above 180 mm: alpha for holes, alpha1 for shafts
    double Z1;             // GO ring gauge position below the upper limit of the shaft
    double Y1;             // GO ring gauge wear allowance above the upper limit of the shaft
};

inline constexpr int kGaugeRowCount = 156;

// Rows by grade (5, 6, ... 16), within a grade by ascending size range: row r holds grade
// 5 + r / 13 and size range r % 13.
const std::array<GaugeToleranceRow, kGaugeRowCount>& GaugeToleranceTable();

// Setting rings B, C and FC after DIN 2250:1989, by size range.
struct SettingMasterRow {
    double SizeBound;      // upper bound of the size range, mm
    double RingTolerance;  // gauge maker's tolerance of the setting ring, µm (IT3 of the range)
    double RingForm;       // form tolerance of the setting ring, µm
};

inline constexpr int kMasterRowCount = 13;

const std::array<SettingMasterRow, kMasterRowCount>& SettingMasterTable();

// Row of GaugeToleranceTable for a grade index of the grade list (0 = IT01, 1 = IT0, k = IT(k-1),
// -1 = none) and a nominal size in mm: grades finer than IT5 (and no grade) take the grade-5 rows,
// IT17 and IT18 the grade-16 rows. -1 above 500 mm.
int FindGaugeRow(int gradeIndex, double nominalMm);

// Row of SettingMasterTable for a nominal size in mm; -1 above 500 mm.
int FindMasterRow(double nominalMm);

}  // namespace kelvo
