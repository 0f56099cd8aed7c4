#pragma once
// Limit deviations of a tolerance class (fundamental deviation letter and
// standard tolerance grade) at a nominal size, by the rules of ISO 286-1:1988.

namespace kelvo {

struct LimitDeviations {
    double ItMm = 0;     // standard tolerance
    double UpperMm = 0;  // ES or es; kNotAvailable when !Available
    double LowerMm = 0;  // EI or ei
    bool Available = false;
};

// letterIndex 0..27 (A ... ZC), gradeIndex 0..19 (IT01 ... IT18), nominal size in mm.
// A class without a value at the size, or an index out of range, gives the
// not-available sentinel: Upper kNotAvailable, Lower 0, It 0, Available false.
// A grade not defined at the size (IT 0) is still available, with IT 0.
LimitDeviations HoleLimitDeviations(double nominalMm, int letterIndex, int gradeIndex);
LimitDeviations ShaftLimitDeviations(double nominalMm, int letterIndex, int gradeIndex);

}  // namespace kelvo
