#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "design/preferred_numbers.h"

namespace kelvo {
namespace {

constexpr PreferredSeries kTenSeries[] = {
    PreferredSeries::R5,          PreferredSeries::R10,        PreferredSeries::R20,
    PreferredSeries::R40,         PreferredSeries::R10Rounded, PreferredSeries::R20Rounded,
    PreferredSeries::R40Rounded,  PreferredSeries::R5Rounded2, PreferredSeries::R10Rounded2,
    PreferredSeries::R20Rounded2,
};

// How a cell shows its value: up to 15 significant digits, no trailing zeros.
std::string Shown(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

TEST(PreferredSeries, NamesAndCountsInSelectorOrder) {
    struct Case {
        PreferredSeries series;
        std::string_view name;
        std::size_t count;
    };
    const Case cases[] = {
        {PreferredSeries::All, "", 58},
        {PreferredSeries::R5, "R5", 6},
        {PreferredSeries::R10, "R10", 11},
        {PreferredSeries::R20, "R20", 21},
        {PreferredSeries::R40, "R40", 41},
        {PreferredSeries::R10Rounded, "R'10", 11},
        {PreferredSeries::R20Rounded, "R'20", 21},
        {PreferredSeries::R40Rounded, "R'40", 41},
        {PreferredSeries::R5Rounded2, "R\"5", 6},
        {PreferredSeries::R10Rounded2, "R\"10", 11},
        {PreferredSeries::R20Rounded2, "R\"20", 21},
    };
    static_assert(std::size(cases) == kPreferredSeriesCount);
    for (int index = 0; index < kPreferredSeriesCount; ++index) {
        const Case& c = cases[index];
        EXPECT_EQ(static_cast<int>(c.series), index);
        EXPECT_EQ(PreferredSeriesName(c.series), c.name);
        EXPECT_EQ(PreferredSeriesValues(c.series).size(), c.count) << c.name;
    }
}

TEST(PreferredSeries, EverySeriesRisesStrictlyFromTenToOneHundred) {
    for (int index = 0; index < kPreferredSeriesCount; ++index) {
        const auto values = PreferredSeriesValues(static_cast<PreferredSeries>(index));
        ASSERT_FALSE(values.empty());
        EXPECT_EQ(values.front(), 10.0);
        EXPECT_EQ(values.back(), 100.0);
        EXPECT_TRUE(std::adjacent_find(values.begin(), values.end(),
                                       std::greater_equal<double>()) == values.end())
            << "series " << index;
    }
}

TEST(PreferredSeries, AllIsTheUnionOfTheTenSeries) {
    std::set<double> unionOfSeries;
    for (const PreferredSeries series : kTenSeries) {
        const auto values = PreferredSeriesValues(series);
        unionOfSeries.insert(values.begin(), values.end());
    }
    const auto all = PreferredSeriesValues(PreferredSeries::All);
    EXPECT_EQ(std::vector<double>(all.begin(), all.end()),
              std::vector<double>(unionOfSeries.begin(), unionOfSeries.end()));
}

// ISO 3: each basic series takes every other number of the next finer one.
TEST(PreferredSeries, CoarserBasicSeriesAreEveryOtherNumberOfTheFinerOne) {
    const PreferredSeries basic[] = {PreferredSeries::R40, PreferredSeries::R20,
                                     PreferredSeries::R10, PreferredSeries::R5};
    for (int i = 0; i + 1 < 4; ++i) {
        const auto finer = PreferredSeriesValues(basic[i]);
        const auto coarser = PreferredSeriesValues(basic[i + 1]);
        ASSERT_EQ(coarser.size(), (finer.size() + 1) / 2);
        for (std::size_t k = 0; k < coarser.size(); ++k) {
            EXPECT_EQ(coarser[k], finer[2 * k]) << PreferredSeriesName(basic[i + 1]);
        }
    }
}

TEST(PreferredNumberCell, SeriesValueTimesTheDecadeOfTheColumn) {
    // R40, row 10.6, column x0,001.
    const double small = PreferredNumberCell(PreferredSeries::R40, 1, 0);
    EXPECT_DOUBLE_EQ(small, 0.0106);
    EXPECT_EQ(Shown(small), "0.0106");
    // R5, row 100, column x100: the largest nominal size.
    EXPECT_EQ(PreferredNumberCell(PreferredSeries::R5, 5, 5), 10000.0);
    // The first cell of (all).
    EXPECT_EQ(Shown(PreferredNumberCell(PreferredSeries::All, 0, 0)), "0.01");
    EXPECT_EQ(PreferredNumberCell(PreferredSeries::R10, 5, 3), 31.5);
    EXPECT_EQ(Shown(PreferredNumberCell(PreferredSeries::R10, 5, 2)), "3.15");
    EXPECT_EQ(Shown(PreferredNumberCell(PreferredSeries::R20Rounded2, 11, 4)), "350");
}

// Every cell reads back as its series value with the decimal point shifted.
TEST(PreferredNumberCell, EveryCellShowsTheShiftedSeriesValue) {
    for (int index = 0; index < kPreferredSeriesCount; ++index) {
        const auto series = static_cast<PreferredSeries>(index);
        const auto values = PreferredSeriesValues(series);
        for (int row = 0; row < static_cast<int>(values.size()); ++row) {
            for (int column = 0; column < static_cast<int>(kDecadeFactors.size()); ++column) {
                const double cell = PreferredNumberCell(series, row, column);
                char expected[32];
                std::snprintf(expected, sizeof expected, "%.15g",
                              std::stod(Shown(values[row]) + "e" + std::to_string(column - 3)));
                EXPECT_EQ(Shown(cell), expected) << index << ' ' << row << ' ' << column;
            }
        }
    }
}

TEST(PreferredNumberCell, OutsideTheTableGivesZero) {
    EXPECT_EQ(PreferredNumberCell(PreferredSeries::R5, -1, 0), 0.0);
    EXPECT_EQ(PreferredNumberCell(PreferredSeries::R5, 6, 0), 0.0);
    EXPECT_EQ(PreferredNumberCell(PreferredSeries::R5, 0, -1), 0.0);
    EXPECT_EQ(PreferredNumberCell(PreferredSeries::R5, 0, 6), 0.0);
}

TEST(PreferredNumberCell, DecadeHeadersMatchTheirFactors) {
    for (std::size_t column = 0; column < kDecadeHeaders.size(); ++column) {
        std::string header(kDecadeHeaders[column].substr(1));
        std::replace(header.begin(), header.end(), ',', '.');
        EXPECT_EQ(std::stod(header), kDecadeFactors[column]) << kDecadeHeaders[column];
    }
}

}  // namespace
}  // namespace kelvo
