#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/tolerance_types.h"
#include "gauges/gauge_tables.h"

namespace kelvo {
namespace {

void ExpectRow(int index, const GaugeToleranceRow& expected) {
    const GaugeToleranceRow& row = GaugeToleranceTable()[index];
    SCOPED_TRACE("row " + std::to_string(index));
    EXPECT_EQ(row.Grade, expected.Grade);
    EXPECT_EQ(row.SizeBound, expected.SizeBound);
    EXPECT_EQ(row.H, expected.H);
    EXPECT_EQ(row.FormPlug, expected.FormPlug);
    EXPECT_EQ(row.Hs, expected.Hs);
    EXPECT_EQ(row.FormSpherical, expected.FormSpherical);
    EXPECT_EQ(row.H1, expected.H1);
    EXPECT_EQ(row.FormRing, expected.FormRing);
    EXPECT_EQ(row.Hp, expected.Hp);
    EXPECT_EQ(row.FormCheckPlug, expected.FormCheckPlug);
    EXPECT_EQ(row.Z, expected.Z);
    EXPECT_EQ(row.Y, expected.Y);
    EXPECT_EQ(row.Alpha, expected.Alpha);
    EXPECT_EQ(row.Z1, expected.Z1);
    EXPECT_EQ(row.Y1, expected.Y1);
}

TEST(GaugeToleranceTable, RowsWrittenOutInFull) {
    // Grade, bound: H, FormPlug, Hs, FormSpherical, H1, FormRing, Hp, FormCheckPlug, Z, Y, Alpha,
    // Z1, Y1 (µm).
    ExpectRow(0, {5, 3, 0.8, 0.8, 1.2, 0.8, 1.2, 1.2, 0.8, 0.8, 1, 1, 0, 1, 1});
    ExpectRow(17, {6, 30, 2.5, 1.5, 2.5, 1.5, 4, 2.5, 1.5, 1.5, 2, 1.5, 0, 3, 3});
    ExpectRow(30, {7, 30, 4, 2.5, 2.5, 1.5, 4, 2.5, 1.5, 1.5, 3, 3, 0, 3, 3});
    ExpectRow(35, {7, 250, 10, 7, 7, 4.5, 10, 7, 4.5, 4.5, 7, 6, 3, 7, 6});
    ExpectRow(103, {12, 500, 27, 20, 20, 15, 27, 20, 10, 8, 70, 0, 35, 70, 0});
    ExpectRow(155, {16, 500, 63, 27, 40, 27, 63, 27, 15, 10, 320, 0, 220, 320, 0});
}

TEST(GaugeToleranceTable, GradesFiveAndSixHaveTheirOwnRingPositions) {
    // Only grades 5 and 6 have z1, y1 that differ from z, y; grade 5 over 400 up to 500 mm.
    ExpectRow(12, {5, 500, 10, 8, 10, 8, 10, 10, 8, 8, 8, 7, 3, 7, 4});
    // Grade 6 over 250 up to 315 mm.
    ExpectRow(23, {6, 315, 8, 6, 8, 6, 12, 8, 6, 6, 6, 5, 3, 8, 6});
}

TEST(SettingMasterTable, HoldsTheSettingRingTolerancesPerRange) {
    const auto& table = SettingMasterTable();
    const struct {
        int row;
        double bound, tolerance, form;
    } cases[] = {
        {0, 3, 2, 0.3}, {4, 30, 4, 0.6}, {8, 180, 8, 1.2}, {9, 250, 10, 1.4}, {12, 500, 15, 2}};
    for (const auto& c : cases) {
        EXPECT_EQ(table[c.row].SizeBound, c.bound) << c.row;
        EXPECT_EQ(table[c.row].RingTolerance, c.tolerance) << c.row;
        EXPECT_EQ(table[c.row].RingForm, c.form) << c.row;
    }
}

constexpr int IT(int gradeNumber) {
    return GradeIndexOfNumber(gradeNumber);
}

TEST(FindGaugeRow, PicksTheGradeAndTheRangeThatEndsAtOrAboveTheSize) {
    const struct {
        int gradeIndex;
        double nominalMm;
        int row;
    } cases[] = {
        {IT(7), 30, 30},   {IT(7), 30.0001, 31}, {IT(7), 3, 26},        {IT(7), 0.001, 26},
        {IT(7), 200, 35},  {IT(7), 25, 30},      {IT(6), 25, 17},       {IT(5), 10, 2},
        {IT(4), 10, 2},    {IT(-1), 10, 2},      {IT(0), 25, 4},        {IT(16), 1, 143},
        {IT(17), 1, 143},  {IT(18), 500, 155},   {IT(12), 450, 103},    {IT(4), 25, 4},
        {IT(17), 25, 147}, {IT(18), 25, 147},    {kNoSelection, 10, 2}, {IT(7), 0, 26},
        {IT(7), -5, 26},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindGaugeRow(c.gradeIndex, c.nominalMm), c.row)
            << "grade index " << c.gradeIndex << " at " << c.nominalMm << " mm";
    }
}

TEST(FindGaugeRow, EveryGradeEndsAt500Millimetres) {
    for (int gradeIndex = kNoSelection; gradeIndex < kGradeCount; ++gradeIndex) {
        const int gradeNumber = std::clamp(GradeNumber(gradeIndex), 5, 16);
        EXPECT_EQ(FindGaugeRow(gradeIndex, 500), (gradeNumber - 5) * 13 + 12) << gradeIndex;
        EXPECT_EQ(FindGaugeRow(gradeIndex, 500.0001), -1) << gradeIndex;
        EXPECT_EQ(FindGaugeRow(gradeIndex, 10000), -1) << gradeIndex;
    }
}

TEST(FindMasterRow, DependsOnTheSizeOnly) {
    const struct {
        double nominalMm;
        int row;
    } cases[] = {{0.001, 0},   {3, 0},     {3.0001, 1}, {25, 4},       {180, 8},
                 {180.001, 9}, {180.5, 9}, {500, 12},   {500.001, -1}, {501, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(FindMasterRow(c.nominalMm), c.row) << c.nominalMm << " mm";
    }
}

}  // namespace
}  // namespace kelvo
