#pragma once
// Lookups into the ISO 286-1:1988 tables: standard tolerances, fundamental
// deviations of holes and shafts, and the Δ values of holes K to ZC.
// All table values are micrometres; callers divide by 1000 for millimetres.

#include <cstddef>

namespace kelvo {

enum class Iso286Table { StandardTolerance, HoleDeviation, ShaftDeviation, Delta };

// Cell value of a class that has no fundamental deviation at a size ("N").
inline constexpr int kNoValueUm = 100000;

// Row of a nominal size (mm): the row whose range runs over the previous bound up
// to and including its own bound; sizes up to the first bound take the first
// row, sizes at or over the last bound the last row.
int FindSizeRow(Iso286Table table, double nominalMm);

int SizeRowCount(Iso286Table table);
// Upper bound of a row's size range, mm; 0 for a row out of range.
double SizeRowUpperBoundMm(Iso286Table table, int row);

// IT value (µm) of grade index 0..19 (IT01, IT0, IT1 ... IT18); 0 where the
// grade is not defined at the size or the arguments are out of range.
double StandardToleranceUm(int row, int gradeIndex);

// Fundamental deviation (µm) in column 1..31 of the hole table:
//   1..10 EI of A, B, C, CD, D, E, EF, F, FG, G;  11..13 ES of J for IT6, IT7, IT8;
//   14, 15 ES of K up to IT8 (without Δ) and above IT8;  16, 17 the same for M;
//   18, 19 the same for N;  20..31 ES of P, R, S, T, U, V, X, Y, Z, ZA, ZB, ZC
//   for grades above IT7 (without Δ).
// kNoValueUm where the standard gives no value or the arguments are out of range.
int HoleDeviationCell(int row, int column);

// Fundamental deviation (µm) in column 1..29 of the shaft table:
//   1..10 es of a, b, c, cd, d, e, ef, f, fg, g;  11..13 ei of j for IT5 and IT6,
//   for IT7, for IT8;  14, 15 ei of k for IT4 to IT7 and for all other grades;
//   16..29 ei of m, n, p, r, s, t, u, v, x, y, z, za, zb, zc.
// kNoValueUm where the standard gives no value or the arguments are out of range.
int ShaftDeviationCell(int row, int column);

// Δ (µm) in column 1..6 = IT3..IT8; 0 for arguments out of range.
double DeltaUm(int row, int column);

namespace iso286 {

// The "N" cell of the deviation tables, spelled as the standard's tables mark
// a missing value so that the data can be read against the printed page.
inline constexpr int N = kNoValueUm;

// Guard for the static_asserts of the table headers: size range bounds strictly
// ascending.
template <class Rows>
constexpr bool BoundsAscend(const Rows& rows) {
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (!(rows[i - 1].upToMm < rows[i].upToMm)) {
            return false;
        }
    }
    return true;
}

}  // namespace iso286
}  // namespace kelvo
