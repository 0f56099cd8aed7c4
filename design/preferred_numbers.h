#pragma once
// Series of preferred numbers (ISO 3 basic series and their rounded series)
// and the six-decade table of the preferred numbers picker.

#include <array>
#include <span>
#include <string_view>

namespace kelvo {

// The order of the series selector: (all), R5, R10, R20, R40, R'10, R'20,
// R'40, R"5, R"10, R"20.
enum class PreferredSeries {
    All,
    R5,
    R10,
    R20,
    R40,
    R10Rounded,   // R'10
    R20Rounded,   // R'20
    R40Rounded,   // R'40
    R5Rounded2,   // R"5
    R10Rounded2,  // R"10
    R20Rounded2,  // R"20
};
inline constexpr int kPreferredSeriesCount = 11;

// The series' numbers from 10 to 100 inclusive, ascending; All is the union of
// the ten series, each value once.
std::span<const double> PreferredSeriesValues(PreferredSeries series);

// "R5" ... "R\"20"; All gives "" because its caption is a language text.
std::string_view PreferredSeriesName(PreferredSeries series);

// Columns of the table: the series value times these factors, 0.01 mm to 10000 mm.
inline constexpr std::array<double, 6> kDecadeFactors = {0.001, 0.01, 0.1, 1, 10, 100};
inline constexpr std::array<std::string_view, 6> kDecadeHeaders = {"x0,001", "x0,01", "x0,1",
                                                                   "x1",     "x10",   "x100"};

// Value (mm) of a table cell: the row's series value times the column's factor,
// multiplied in extended precision and stored as a double. A row or column
// outside the table gives 0, which no caller takes as a choice.
double PreferredNumberCell(PreferredSeries series, int row, int column);

}  // namespace kelvo
