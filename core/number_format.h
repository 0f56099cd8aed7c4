#pragma once
// Number texts of the window: display rounding (fixed-point, halves away from zero), the rounding
// of values the program writes into input fields (halves to even), the general form of a size and
// the reading of a typed field.
//
// Both roundings first take the value to 15 significant decimal digits, so that a value whose
// binary form lies a hair beside a decimal half (0.00015, 1.00005, 2.675) is rounded as the
// decimal number it stands for, not as its binary approximation.

#include <string>
#include <string_view>

namespace kelvo {

// Fixed-point text with exactly `decimals` decimals (negative counts as 0), halves away from zero,
// a sign only when the shown value is negative (never "-0.0000"), no thousands separator.
std::string FormatFixed(double value, int decimals, char decimalSeparator = '.');

// Workpiece values: 4 decimals (millimetres) and 5 decimals (inches).
std::string FormatD4(double valueMm, char decimalSeparator = '.');
std::string FormatD5(double value, char decimalSeparator = '.');

// Rounding of a value written into an input field: to `decimals` decimals (negative counts as 0),
// halves to the even neighbour. Non-finite values are returned unchanged.
double RoundField(double value, int decimals);

// Up to 15 significant digits without trailing zeros; fixed notation for magnitudes from 1e-6 up to
// (not including) 1e15, otherwise a mantissa and "E" with the exponent ("1.5E-7", "2E15").
std::string FormatGeneral(double value, char decimalSeparator = '.');

// The value of a typed numeric field. "." or "," serves as the decimal separator and surrounding
// blanks are ignored; an empty text, a lone "-", a text that is not a number and a non-finite
// result ("1e999", "nan", "inf") all read as 0.
double ParseFieldNumber(std::string_view text);

}  // namespace kelvo
