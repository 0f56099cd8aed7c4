#include "core/limit_deviations.h"

#include "core/iso286_tables.h"
#include "core/tolerance_types.h"

namespace kelvo {
namespace {

// Arithmetic runs on the table's micrometres and converts once at the end, so
// that equal deviations of a hole and a shaft come out as equal millimetres.
constexpr double kUmPerMm = 1000.0;

constexpr int kIt3 = GradeIndexOfNumber(3);
constexpr int kIt4 = GradeIndexOfNumber(4);
constexpr int kIt5 = GradeIndexOfNumber(5);
constexpr int kIt6 = GradeIndexOfNumber(6);
constexpr int kIt7 = GradeIndexOfNumber(7);
constexpr int kIt8 = GradeIndexOfNumber(8);

// Hole table columns (ISO 286-1:1988, Table 3, as laid out in iso286_hole_deviations.h).
constexpr int kHoleJ6Column = 11;
constexpr int kHoleKUpToIt8Column = 14;
constexpr int kHoleMUpToIt8Column = 16;
constexpr int kHoleNUpToIt8Column = 18;
constexpr int kHolePColumnOffset = 4;  // P (letter 16) is column 20

// Shaft table columns (ISO 286-1:1988, Table 2, as laid out in iso286_shaft_deviations.h).
constexpr int kShaftJ5J6Column = 11;
constexpr int kShaftJ7Column = 12;
constexpr int kShaftJ8Column = 13;
constexpr int kShaftKIt4ToIt7Column = 14;
constexpr int kShaftKOtherColumn = 15;
constexpr int kShaftMColumnOffset = 2;  // m (letter 14) is column 16

// Δ is tabulated over 3 up to 500 mm.
constexpr double kDeltaFromMm = 3.0;
constexpr double kDeltaUpToMm = 500.0;

// ISO 286-1:1988, Table 3, footnote: M6 over 250 up to 315 mm has ES = -9 µm
// instead of -20 + Δ.
constexpr double kM6SpecialFromMm = 250.0;
constexpr double kM6SpecialUpToMm = 315.0;
constexpr double kM6SpecialUpperUm = -9.0;

constexpr LimitDeviations kUnavailable{0.0, kNotAvailable, 0.0, false};

LimitDeviations FromUpperUm(double upperUm, double itUm) {
    return {itUm / kUmPerMm, upperUm / kUmPerMm, (upperUm - itUm) / kUmPerMm, true};
}

LimitDeviations FromLowerUm(double lowerUm, double itUm) {
    return {itUm / kUmPerMm, (lowerUm + itUm) / kUmPerMm, lowerUm / kUmPerMm, true};
}

// JS and js: symmetric, exact half of IT without rounding to whole micrometres.
LimitDeviations SymmetricUm(double itUm) {
    const double halfUm = itUm / 2.0;
    return {itUm / kUmPerMm, halfUm / kUmPerMm, -halfUm / kUmPerMm, true};
}

bool IndexesInRange(int letterIndex, int gradeIndex) {
    return letterIndex >= 0 && letterIndex < kLetterCount && gradeIndex >= 0 &&
           gradeIndex < kGradeCount;
}

double StandardToleranceAtUm(double nominalMm, int gradeIndex) {
    return StandardToleranceUm(FindSizeRow(Iso286Table::StandardTolerance, nominalMm), gradeIndex);
}

double HoleDeltaUm(double nominalMm, int gradeIndex) {
    const bool tabulatedGrade = gradeIndex >= kIt3 && gradeIndex <= kIt8;
    const bool tabulatedSize = nominalMm > kDeltaFromMm && nominalMm <= kDeltaUpToMm;
    if (!tabulatedGrade || !tabulatedSize) {
        return 0.0;
    }
    const int deltaColumn = gradeIndex - kIt3 + 1;  // IT3 in column 1 ... IT8 in column 6
    return DeltaUm(FindSizeRow(Iso286Table::Delta, nominalMm), deltaColumn);
}

bool IsM6Special(double nominalMm, int letterIndex, int gradeIndex) {
    return letterIndex == letter::kM && gradeIndex == kIt6 && nominalMm > kM6SpecialFromMm &&
           nominalMm <= kM6SpecialUpToMm;
}

// K, M, N: one column up to IT8 (plus Δ) and one above IT8.
LimitDeviations HoleKmn(double nominalMm, int row, int letterIndex, int gradeIndex, double itUm) {
    if (IsM6Special(nominalMm, letterIndex, gradeIndex)) {
        return FromUpperUm(kM6SpecialUpperUm, itUm);
    }
    static constexpr int kUpToIt8Columns[] = {kHoleKUpToIt8Column, kHoleMUpToIt8Column,
                                              kHoleNUpToIt8Column};
    const bool upToIt8 = gradeIndex <= kIt8;
    const int column = kUpToIt8Columns[letterIndex - letter::kK] + (upToIt8 ? 0 : 1);
    const int cellUm = HoleDeviationCell(row, column);
    if (cellUm == kNoValueUm) {
        return kUnavailable;
    }
    const double deltaUm = upToIt8 ? HoleDeltaUm(nominalMm, gradeIndex) : 0.0;
    return FromUpperUm(cellUm + deltaUm, itUm);
}

LimitDeviations HoleJ(int row, int gradeIndex, double itUm) {
    if (gradeIndex < kIt6 || gradeIndex > kIt8) {
        return kUnavailable;
    }
    const int cellUm = HoleDeviationCell(row, kHoleJ6Column + (gradeIndex - kIt6));
    if (cellUm == kNoValueUm) {
        return kUnavailable;
    }
    return FromUpperUm(cellUm, itUm);
}

// P to ZC: the table holds the value above IT7; grades up to IT7 add Δ.
LimitDeviations HolePToZc(double nominalMm, int row, int letterIndex, int gradeIndex, double itUm) {
    const int cellUm = HoleDeviationCell(row, letterIndex + kHolePColumnOffset);
    if (cellUm == kNoValueUm) {
        return kUnavailable;
    }
    const double deltaUm = gradeIndex <= kIt7 ? HoleDeltaUm(nominalMm, gradeIndex) : 0.0;
    return FromUpperUm(cellUm + deltaUm, itUm);
}

int ShaftJColumn(int gradeIndex) {
    switch (gradeIndex) {
        case kIt5:
        case kIt6:
            return kShaftJ5J6Column;
        case kIt7:
            return kShaftJ7Column;
        case kIt8:
            return kShaftJ8Column;
        default:
            return 0;  // j exists only for IT5 to IT8
    }
}

int ShaftColumn(int letterIndex, int gradeIndex) {
    if (letterIndex <= letter::kG) {
        return letterIndex + 1;
    }
    if (letterIndex == letter::kJ) {
        return ShaftJColumn(gradeIndex);
    }
    if (letterIndex == letter::kK) {
        const bool it4ToIt7 = gradeIndex >= kIt4 && gradeIndex <= kIt7;
        return it4ToIt7 ? kShaftKIt4ToIt7Column : kShaftKOtherColumn;
    }
    return letterIndex + kShaftMColumnOffset;
}

}  // namespace

LimitDeviations HoleLimitDeviations(double nominalMm, int letterIndex, int gradeIndex) {
    if (!IndexesInRange(letterIndex, gradeIndex)) {
        return kUnavailable;
    }
    const double itUm = StandardToleranceAtUm(nominalMm, gradeIndex);
    const int row = FindSizeRow(Iso286Table::HoleDeviation, nominalMm);

    if (letterIndex <= letter::kG) {
        const int lowerUm = HoleDeviationCell(row, letterIndex + 1);
        return lowerUm == kNoValueUm ? kUnavailable : FromLowerUm(lowerUm, itUm);
    }
    switch (letterIndex) {
        case letter::kH:
            return FromLowerUm(0.0, itUm);
        case letter::kJS:
            return SymmetricUm(itUm);
        case letter::kJ:
            return HoleJ(row, gradeIndex, itUm);
        case letter::kK:
        case letter::kM:
        case letter::kN:
            return HoleKmn(nominalMm, row, letterIndex, gradeIndex, itUm);
        default:
            return HolePToZc(nominalMm, row, letterIndex, gradeIndex, itUm);
    }
}

LimitDeviations ShaftLimitDeviations(double nominalMm, int letterIndex, int gradeIndex) {
    if (!IndexesInRange(letterIndex, gradeIndex)) {
        return kUnavailable;
    }
    const double itUm = StandardToleranceAtUm(nominalMm, gradeIndex);
    if (letterIndex == letter::kH) {
        return FromUpperUm(0.0, itUm);
    }
    if (letterIndex == letter::kJS) {
        return SymmetricUm(itUm);
    }
    const int column = ShaftColumn(letterIndex, gradeIndex);
    const int cellUm =
        ShaftDeviationCell(FindSizeRow(Iso286Table::ShaftDeviation, nominalMm), column);
    if (cellUm == kNoValueUm) {
        return kUnavailable;  // also the j grades outside IT5 to IT8 (column 0)
    }
    // a to g give the upper deviation es, all other letters the lower deviation ei.
    return letterIndex <= letter::kG ? FromUpperUm(cellUm, itUm) : FromLowerUm(cellUm, itUm);
}

}  // namespace kelvo
