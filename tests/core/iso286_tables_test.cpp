// The ISO 286-1:1988 tables: row finding, the rows the standard prints, and the
// standard's own rules that tie the tables together (hole deviations mirror the
// shaft deviations, Δ = ITn - ITn-1), checked cell by cell.

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "core/iso286_tables.h"

namespace kelvo {
namespace {

constexpr int N = kNoValueUm;

int HoleRow(double nominalMm) {
    return FindSizeRow(Iso286Table::HoleDeviation, nominalMm);
}
int ShaftRow(double nominalMm) {
    return FindSizeRow(Iso286Table::ShaftDeviation, nominalMm);
}
int ItRow(double nominalMm) {
    return FindSizeRow(Iso286Table::StandardTolerance, nominalMm);
}
int DeltaRow(double nominalMm) {
    return FindSizeRow(Iso286Table::Delta, nominalMm);
}

TEST(Iso286SizeRow, SizeOnABoundBelongsToTheRangeThatEndsThere) {
    struct Case {
        Iso286Table table;
        double nominalMm;
        int row;
    };
    const Case cases[] = {
        {Iso286Table::StandardTolerance, 0.5, 0},
        {Iso286Table::StandardTolerance, 3.0, 0},
        {Iso286Table::StandardTolerance, 3.0001, 1},
        {Iso286Table::StandardTolerance, 10.0, 2},
        {Iso286Table::StandardTolerance, 500.0, 12},
        {Iso286Table::StandardTolerance, 500.001, 13},
        {Iso286Table::StandardTolerance, 10000.0, 25},
        {Iso286Table::StandardTolerance, 20000.0, 25},
        {Iso286Table::HoleDeviation, 10.0, 2},
        {Iso286Table::HoleDeviation, 10.001, 3},
        {Iso286Table::HoleDeviation, 14.0, 3},
        {Iso286Table::HoleDeviation, 14.001, 4},
        {Iso286Table::HoleDeviation, 500.0, 24},
        {Iso286Table::HoleDeviation, 3150.0, 40},
        {Iso286Table::HoleDeviation, 3150.5, 41},
        {Iso286Table::ShaftDeviation, 0.001, 0},
        {Iso286Table::ShaftDeviation, 10000.0, 50},
        {Iso286Table::Delta, 3.0, 0},
        {Iso286Table::Delta, 450.0, 23},
        {Iso286Table::Delta, 500.0, 24},
        {Iso286Table::Delta, 600.0, 24},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindSizeRow(c.table, c.nominalMm), c.row)
            << "table " << static_cast<int>(c.table) << " at " << c.nominalMm << " mm";
    }
}

TEST(Iso286SizeRow, RowBoundsAscendAndMatchTheStandardsSizeSteps) {
    const std::array<double, 26> itBoundsMm = {3,    6,    10,   18,   30,   50,   80,   120,  180,
                                               250,  315,  400,  500,  630,  800,  1000, 1250, 1600,
                                               2000, 2500, 3150, 4000, 5000, 6300, 8000, 10000};
    const std::array<double, 51> deviationBoundsMm = {
        3,    6,    10,   14,   18,   24,   30,   40,   50,   65,   80,   100,  120,
        140,  160,  180,  200,  225,  250,  280,  315,  355,  400,  450,  500,  560,
        630,  710,  800,  900,  1000, 1120, 1250, 1400, 1600, 1800, 2000, 2240, 2500,
        2800, 3150, 3550, 4000, 4500, 5000, 5600, 6300, 7100, 8000, 9000, 10000};
    ASSERT_EQ(SizeRowCount(Iso286Table::StandardTolerance), 26);
    ASSERT_EQ(SizeRowCount(Iso286Table::HoleDeviation), 51);
    ASSERT_EQ(SizeRowCount(Iso286Table::ShaftDeviation), 51);
    ASSERT_EQ(SizeRowCount(Iso286Table::Delta), 25);
    for (int row = 0; row < 26; ++row) {
        EXPECT_EQ(SizeRowUpperBoundMm(Iso286Table::StandardTolerance, row), itBoundsMm[row]);
    }
    for (int row = 0; row < 51; ++row) {
        EXPECT_EQ(SizeRowUpperBoundMm(Iso286Table::HoleDeviation, row), deviationBoundsMm[row]);
        EXPECT_EQ(SizeRowUpperBoundMm(Iso286Table::ShaftDeviation, row), deviationBoundsMm[row]);
    }
    for (int row = 0; row < 25; ++row) {
        EXPECT_EQ(SizeRowUpperBoundMm(Iso286Table::Delta, row), deviationBoundsMm[row]);
    }
}

TEST(Iso286StandardTolerance, PrintedRowsMatch) {
    const std::array<double, 20> upTo3 = {0.3, 0.5, 0.8, 1.2, 2,   3,   4,   6,   10,   14,
                                          25,  40,  60,  100, 140, 250, 400, 600, 1000, 1400};
    const std::array<double, 20> over180To250 = {2,   3,    4.5,  7,    10,   14,  20,
                                                 29,  46,   72,   115,  185,  290, 460,
                                                 720, 1150, 1850, 2900, 4600, 7200};
    const std::array<double, 20> over2500To3150 = {13,   18,   26,   36,    50,    68,   96,
                                                   135,  210,  330,  540,   860,   1350, 2100,
                                                   3300, 5400, 8600, 13500, 21000, 33000};
    for (int grade = 0; grade < 20; ++grade) {
        EXPECT_EQ(StandardToleranceUm(ItRow(2), grade), upTo3[grade]) << grade;
        EXPECT_EQ(StandardToleranceUm(ItRow(200), grade), over180To250[grade]) << grade;
        EXPECT_EQ(StandardToleranceUm(ItRow(3000), grade), over2500To3150[grade]) << grade;
    }
}

TEST(Iso286StandardTolerance, ValuesBeyondThePublishedTable) {
    // IT01 and IT0 over 500 mm.
    const double it01Um[] = {4.5, 5, 5.5, 6.5, 8, 9, 11, 13};
    const double it0Um[] = {6, 7, 8, 9, 11, 13, 15, 18};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(StandardToleranceUm(13 + i, 0), it01Um[i]);
        EXPECT_EQ(StandardToleranceUm(13 + i, 1), it0Um[i]);
    }
    // Over 3150 mm: IT5 to IT16 only.
    const int row = ItRow(4500);
    EXPECT_EQ(StandardToleranceUm(row, 6), 130);     // IT5
    EXPECT_EQ(StandardToleranceUm(row, 8), 320);     // IT7
    EXPECT_EQ(StandardToleranceUm(row, 9), 500);     // IT8
    EXPECT_EQ(StandardToleranceUm(row, 17), 20000);  // IT16
    for (int grade : {0, 1, 2, 3, 4, 5, 18, 19}) {
        EXPECT_EQ(StandardToleranceUm(row, grade), 0) << grade;
    }
    EXPECT_EQ(StandardToleranceUm(ItRow(10000), 6), 240);
    EXPECT_EQ(StandardToleranceUm(ItRow(10000), 17), 38000);
}

TEST(Iso286StandardTolerance, GradesAscendWithinARowAndSizesAscendWithinAGrade) {
    for (int row = 0; row < SizeRowCount(Iso286Table::StandardTolerance); ++row) {
        double previousUm = 0;
        for (int grade = 0; grade < 20; ++grade) {
            const double valueUm = StandardToleranceUm(row, grade);
            if (valueUm == 0) {
                continue;  // not defined at this size
            }
            EXPECT_GT(valueUm, previousUm) << "row " << row << " grade " << grade;
            previousUm = valueUm;
        }
    }
    for (int grade = 0; grade < 20; ++grade) {
        for (int row = 1; row < SizeRowCount(Iso286Table::StandardTolerance); ++row) {
            const double valueUm = StandardToleranceUm(row, grade);
            if (valueUm != 0) {
                EXPECT_GE(valueUm, StandardToleranceUm(row - 1, grade))
                    << "row " << row << " grade " << grade;
            }
        }
    }
}

TEST(Iso286HoleDeviation, PrintedRowsMatch) {
    const std::array<int, 31> upTo3 = {+270, +140, +60, +34, +20, +14, +10, +6,  +4, +2,  +2,
                                       +4,   +6,   0,   0,   -2,  -2,  -4,  -4,  -6, -10, -14,
                                       N,    -18,  N,   -20, N,   -26, -32, -40, -60};
    const std::array<int, 31> over10To14 = {+290, +150, +95, N,   +50, +32, N,   +16, N,   +6,  +6,
                                            +10,  +15,  -1,  N,   -7,  -7,  -12, 0,   -18, -23, -28,
                                            N,    -33,  N,   -40, N,   -50, -64, -90, -130};
    const std::array<int, 31> over500To560 = {
        N,   N,   N,   N,   +260, +145, N,    +76,  N, +22, N, N, N, 0, N, -26,
        -26, -44, -44, -78, -150, -280, -400, -600, N, N,   N, N, N, N, N};
    for (int column = 1; column <= 31; ++column) {
        EXPECT_EQ(HoleDeviationCell(HoleRow(3), column), upTo3[column - 1]) << column;
        EXPECT_EQ(HoleDeviationCell(HoleRow(12), column), over10To14[column - 1]) << column;
        EXPECT_EQ(HoleDeviationCell(HoleRow(530), column), over500To560[column - 1]) << column;
    }
}

TEST(Iso286HoleDeviation, SingleCells) {
    EXPECT_EQ(HoleDeviationCell(HoleRow(10), 23), N);      // T up to 10 mm
    EXPECT_EQ(HoleDeviationCell(HoleRow(60), 5), +100);    // D over 50 to 80
    EXPECT_EQ(HoleDeviationCell(HoleRow(60), 18), -20);    // N up to IT8 over 50 to 65
    EXPECT_EQ(HoleDeviationCell(HoleRow(190), 24), -236);  // U over 180 to 200
    EXPECT_EQ(HoleDeviationCell(HoleRow(3300), 5), +580);  // D beyond the table
    EXPECT_EQ(HoleDeviationCell(HoleRow(9500), 24), -10000);
    EXPECT_EQ(HoleDeviationCell(HoleRow(9500), 15), N);  // K above IT8
    EXPECT_EQ(HoleDeviationCell(HoleRow(9500), 25), N);  // V
    // Arguments out of range read as "no value".
    EXPECT_EQ(HoleDeviationCell(0, 0), N);
    EXPECT_EQ(HoleDeviationCell(0, 32), N);
    EXPECT_EQ(HoleDeviationCell(-1, 1), N);
    EXPECT_EQ(HoleDeviationCell(51, 1), N);
}

TEST(Iso286ShaftDeviation, PrintedRowsMatch) {
    const std::array<int, 29> upTo3 = {-270, -140, -60, -34, -20, -14, -10, -6,  -4,  -2,
                                       -2,   -4,   -6,  0,   0,   +2,  +4,  +6,  +10, +14,
                                       N,    +18,  N,   +20, N,   +26, +32, +40, +60};
    const std::array<int, 29> over3To6 = {-270, -140, -70, -46, -30, -20, -14, -10, -6,  -4,
                                          -2,   -4,   N,   +1,  0,   +4,  +8,  +12, +15, +19,
                                          N,    +23,  N,   +28, N,   +35, +42, +50, +80};
    const std::array<int, 29> over2800To3150 = {
        N,   N,    N,    N,    -520,  -290,  N,     -145, N, -38, N, N, N, 0, 0,
        +76, +135, +240, +580, +1400, +2100, +3200, N,    N, N,   N, N, N, N};
    for (int column = 1; column <= 29; ++column) {
        EXPECT_EQ(ShaftDeviationCell(ShaftRow(2), column), upTo3[column - 1]) << column;
        EXPECT_EQ(ShaftDeviationCell(ShaftRow(5), column), over3To6[column - 1]) << column;
        EXPECT_EQ(ShaftDeviationCell(ShaftRow(3000), column), over2800To3150[column - 1]) << column;
    }
    EXPECT_EQ(ShaftDeviationCell(ShaftRow(5), 14), +1);  // k IT4 to IT7
    EXPECT_EQ(ShaftDeviationCell(ShaftRow(5), 15), 0);   // k other grades
    EXPECT_EQ(ShaftDeviationCell(ShaftRow(9500), 29), N);
    EXPECT_EQ(ShaftDeviationCell(ShaftRow(9500), 22), +10000);
    EXPECT_EQ(ShaftDeviationCell(0, 30), N);
    EXPECT_EQ(ShaftDeviationCell(51, 1), N);
}

// ISO 286-1:1988, general rule: a hole's fundamental deviation is the shaft's of
// the same letter with the opposite sign (EI = -es for A to G, ES = -ei for K to
// ZC); for K, M, N up to IT8 and P to ZC up to IT7 the standard adds Δ to that
// value, and the tables store it without Δ. K takes the k value of IT4 to IT7.
// The one exception: N above IT8 is 0 over 3 up to 500 mm.
TEST(Iso286Rules, HoleDeviationsMirrorTheShaftDeviations) {
    const auto expectMirror = [](int row, int holeColumn, int shaftColumn) {
        const int shaftUm = ShaftDeviationCell(row, shaftColumn);
        const int expectedUm = shaftUm == N ? N : -shaftUm;
        EXPECT_EQ(HoleDeviationCell(row, holeColumn), expectedUm)
            << "row " << row << " hole column " << holeColumn;
    };
    for (int row = 0; row < SizeRowCount(Iso286Table::HoleDeviation); ++row) {
        for (int column = 1; column <= 10; ++column) {
            expectMirror(row, column, column);  // A..G and a..g
        }
        expectMirror(row, 14, 14);  // K up to IT8 and k for IT4 to IT7
        expectMirror(row, 16, 16);  // M up to IT8 and m
        expectMirror(row, 17, 16);  // M above IT8 and m
        expectMirror(row, 18, 17);  // N up to IT8 and n
        for (int column = 20; column <= 31; ++column) {
            expectMirror(row, column, column - 2);  // P..ZC and p..zc
        }
        const double upToMm = SizeRowUpperBoundMm(Iso286Table::HoleDeviation, row);
        if (upToMm > 3 && upToMm <= 500) {
            EXPECT_EQ(HoleDeviationCell(row, 19), 0) << "N above IT8, row " << row;
        } else {
            expectMirror(row, 19, 17);
        }
    }
}

TEST(Iso286Rules, KAboveIt8HasAValueOnlyUpTo3Mm) {
    EXPECT_EQ(HoleDeviationCell(0, 15), 0);
    for (int row = 1; row < SizeRowCount(Iso286Table::HoleDeviation); ++row) {
        EXPECT_EQ(HoleDeviationCell(row, 15), N) << row;
    }
}

TEST(Iso286Rules, LettersWithValuesOnlyUpTo10MmOrUpTo500Mm) {
    for (int row = 0; row < SizeRowCount(Iso286Table::HoleDeviation); ++row) {
        const double upToMm = SizeRowUpperBoundMm(Iso286Table::HoleDeviation, row);
        for (int column : {4, 7, 9}) {  // CD, EF, FG (cd, ef, fg by the mirror rule)
            EXPECT_EQ(HoleDeviationCell(row, column) != N, upToMm <= 10) << row;
        }
        for (int column : {1, 2, 3, 11, 12}) {  // A, B, C, J6, J7
            EXPECT_EQ(HoleDeviationCell(row, column) != N, upToMm <= 500) << row;
        }
        for (int column : {11, 12}) {  // j5/j6, j7
            EXPECT_EQ(ShaftDeviationCell(row, column) != N, upToMm <= 500) << row;
        }
        EXPECT_EQ(ShaftDeviationCell(row, 13) != N, upToMm <= 3) << row;   // j8
        EXPECT_EQ(HoleDeviationCell(row, 13) != N, upToMm <= 500) << row;  // J8
        for (int column = 23; column <= 29; ++column) {                    // v..zc
            if (upToMm > 500) {
                EXPECT_EQ(ShaftDeviationCell(row, column), N) << row << " " << column;
            }
        }
    }
    // t from 24 mm, v from 14 mm, y from 18 mm.
    EXPECT_EQ(ShaftDeviationCell(ShaftRow(24), 21), N);
    EXPECT_EQ(ShaftDeviationCell(ShaftRow(25), 21), +41);
    EXPECT_EQ(ShaftDeviationCell(ShaftRow(14), 23), N);
    EXPECT_EQ(ShaftDeviationCell(ShaftRow(15), 23), +39);
    EXPECT_EQ(ShaftDeviationCell(ShaftRow(18), 25), N);
    EXPECT_EQ(ShaftDeviationCell(ShaftRow(19), 25), +63);
}

// The fundamental deviations grow with the size in every column, and with the
// letter away from h: a > b > c ... > g and m < n < p ... < zc in magnitude.
TEST(Iso286Rules, DeviationsGrowWithSizeAndWithTheLetter) {
    const int rows = SizeRowCount(Iso286Table::ShaftDeviation);
    const auto magnitudesGrowDownColumn = [rows](auto cell, int column) {
        int previousUm = 0;
        for (int row = 0; row < rows; ++row) {
            const int valueUm = cell(row, column);
            if (valueUm == N || valueUm == 0) {
                continue;
            }
            EXPECT_GE(std::abs(valueUm), std::abs(previousUm))
                << "column " << column << " row " << row;
            previousUm = valueUm;
        }
    };
    for (int column = 1; column <= 29; ++column) {
        magnitudesGrowDownColumn(ShaftDeviationCell, column);
    }
    for (int column = 1; column <= 31; ++column) {
        magnitudesGrowDownColumn(HoleDeviationCell, column);
    }
    for (int row = 0; row < rows; ++row) {
        int previousUm = -100000;
        for (int column = 1; column <= 10; ++column) {  // a..g: es negative, towards 0
            const int valueUm = ShaftDeviationCell(row, column);
            if (valueUm == N) {
                continue;
            }
            EXPECT_LT(valueUm, 0);
            EXPECT_GT(valueUm, previousUm) << "row " << row << " column " << column;
            previousUm = valueUm;
        }
        previousUm = 0;
        for (int column = 16; column <= 29; ++column) {  // m..zc: ei positive, growing
            const int valueUm = ShaftDeviationCell(row, column);
            if (valueUm == N) {
                continue;
            }
            EXPECT_GT(valueUm, previousUm) << "row " << row << " column " << column;
            previousUm = valueUm;
        }
    }
}

TEST(Iso286Delta, PrintedRowsMatch) {
    const std::array<double, 6> over3To6 = {1, 1.5, 1, 3, 4, 6};
    const std::array<double, 6> over450To500 = {5, 5, 7, 13, 23, 34};
    for (int column = 1; column <= 6; ++column) {
        EXPECT_EQ(DeltaUm(DeltaRow(2), column), 0) << column;
        EXPECT_EQ(DeltaUm(DeltaRow(5), column), over3To6[column - 1]) << column;
        EXPECT_EQ(DeltaUm(DeltaRow(480), column), over450To500[column - 1]) << column;
    }
    EXPECT_EQ(DeltaUm(0, 0), 0);
    EXPECT_EQ(DeltaUm(0, 7), 0);
    EXPECT_EQ(DeltaUm(25, 1), 0);
}

// ISO 286-1:1988, Table 3: Δ = ITn - ITn-1 for IT3 to IT8.
TEST(Iso286Rules, DeltaIsTheStepFromTheNextFinerGrade) {
    for (int row = 1; row < SizeRowCount(Iso286Table::Delta); ++row) {
        const double upToMm = SizeRowUpperBoundMm(Iso286Table::Delta, row);
        const int itRow = ItRow(upToMm);
        for (int gradeNumber = 3; gradeNumber <= 8; ++gradeNumber) {
            const int gradeIndex = gradeNumber + 1;
            const double stepUm =
                StandardToleranceUm(itRow, gradeIndex) - StandardToleranceUm(itRow, gradeIndex - 1);
            EXPECT_EQ(DeltaUm(row, gradeNumber - 2), stepUm)
                << "up to " << upToMm << " mm, IT" << gradeNumber;
        }
    }
}

TEST(Iso286StandardTolerance, OutOfRangeArgumentsGiveNotDefined) {
    EXPECT_EQ(StandardToleranceUm(0, -1), 0);
    EXPECT_EQ(StandardToleranceUm(0, 20), 0);
    EXPECT_EQ(StandardToleranceUm(-1, 8), 0);
    EXPECT_EQ(StandardToleranceUm(26, 8), 0);
    EXPECT_EQ(SizeRowUpperBoundMm(Iso286Table::Delta, 25), 0);
}

}  // namespace
}  // namespace kelvo
