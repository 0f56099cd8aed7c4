#include "design/preferred_numbers.h"

#include <iterator>

namespace kelvo {
namespace {

// ISO 3 basic series.
constexpr double kR5[] = {10, 16, 25, 40, 63, 100};
constexpr double kR10[] = {10, 12.5, 16, 20, 25, 31.5, 40, 50, 63, 80, 100};
constexpr double kR20[] = {10,   11.2, 12.5, 14, 16, 18, 20, 22.4, 25, 28, 31.5,
                           35.5, 40,   45,   50, 56, 63, 71, 80,   90, 100};
constexpr double kR40[] = {10,   10.6, 11.2, 11.8, 12.5, 13.2, 14,   15, 16, 17,   18,
                           19,   20,   21.2, 22.4, 23.6, 25,   26.5, 28, 30, 31.5, 33.5,
                           35.5, 37.5, 40,   42.5, 45,   47.5, 50,   53, 56, 60,   63,
                           67,   71,   75,   80,   85,   90,   95,   100};

// Rounded series R' and R".
constexpr double kR10Rounded[] = {10, 12.5, 16, 20, 25, 32, 40, 50, 63, 80, 100};
constexpr double kR20Rounded[] = {10, 11, 12.5, 14, 16, 18, 20, 22, 25, 28, 32,
                                  36, 40, 45,   50, 56, 63, 71, 80, 90, 100};
constexpr double kR40Rounded[] = {10, 10.5, 11, 12, 12.5, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                                  22, 24,   25, 26, 28,   30, 32, 34, 36, 38, 40, 42, 45, 48,
                                  50, 53,   56, 60, 63,   67, 71, 75, 80, 85, 90, 95, 100};
constexpr double kR5Rounded2[] = {10, 15, 25, 40, 60, 100};
constexpr double kR10Rounded2[] = {10, 12, 15, 20, 25, 30, 40, 50, 60, 80, 100};
constexpr double kR20Rounded2[] = {10, 11, 12, 14, 16, 18, 20, 22, 25, 28, 30,
                                   35, 40, 45, 50, 55, 60, 70, 80, 90, 100};

// The union of the ten series above, ascending.
constexpr double kAllSeries[] = {10, 10.5, 10.6, 11,   11.2, 11.8, 12,   12.5, 13,   13.2, 14, 15,
                                 16, 17,   18,   19,   20,   21,   21.2, 22,   22.4, 23.6, 24, 25,
                                 26, 26.5, 28,   30,   31.5, 32,   33.5, 34,   35,   35.5, 36, 37.5,
                                 38, 40,   42,   42.5, 45,   47.5, 48,   50,   53,   55,   56, 60,
                                 63, 67,   70,   71,   75,   80,   85,   90,   95,   100};
static_assert(std::size(kAllSeries) == 58);

static_assert(std::size(kR5) == 6 && std::size(kR10) == 11 && std::size(kR20) == 21 &&
              std::size(kR40) == 41);
static_assert(std::size(kR10Rounded) == 11 && std::size(kR20Rounded) == 21 &&
              std::size(kR40Rounded) == 41);
static_assert(std::size(kR5Rounded2) == 6 && std::size(kR10Rounded2) == 11 &&
              std::size(kR20Rounded2) == 21);

struct SeriesData {
    std::string_view Name;
    std::span<const double> Values;
};

// Indexed by PreferredSeries.
constexpr SeriesData kSeries[kPreferredSeriesCount] = {
    {"", kAllSeries},        {"R5", kR5},
    {"R10", kR10},           {"R20", kR20},
    {"R40", kR40},           {"R'10", kR10Rounded},
    {"R'20", kR20Rounded},   {"R'40", kR40Rounded},
    {"R\"5", kR5Rounded2},   {"R\"10", kR10Rounded2},
    {"R\"20", kR20Rounded2},
};

const SeriesData& DataOf(PreferredSeries series) {
    return kSeries[static_cast<std::size_t>(series)];
}

}  // namespace

std::span<const double> PreferredSeriesValues(PreferredSeries series) {
    return DataOf(series).Values;
}

std::string_view PreferredSeriesName(PreferredSeries series) {
    return DataOf(series).Name;
}

double PreferredNumberCell(PreferredSeries series, int row, int column) {
    const auto values = PreferredSeriesValues(series);
    if (row < 0 || static_cast<std::size_t>(row) >= values.size() || column < 0 ||
        static_cast<std::size_t>(column) >= kDecadeFactors.size()) {
        return 0.0;
    }
    const long double product =
        static_cast<long double>(values[row]) * static_cast<long double>(kDecadeFactors[column]);
    return static_cast<double>(product);
}

}  // namespace kelvo
