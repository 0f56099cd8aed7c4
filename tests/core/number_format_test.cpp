#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/number_format.h"
#include "core/tolerance_types.h"

namespace kelvo {
namespace {

struct FixedCase {
    double value;
    int decimals;
    const char* expected;
};

TEST(FormatFixed, RoundsTheDecimalValueHalfAwayFromZero) {
    const FixedCase cases[] = {
        {0.00015, 4, "0.0002"},  // JS01 at 3 mm: +-0.00015 mm, stored a hair below the half
        {-0.00015, 4, "-0.0002"},
        {1.00005, 4, "1.0001"},
        {0.000125, 5, "0.00013"},
        {-2.5, 0, "-3"},
        {2.5, 0, "3"},
        {0.5, 0, "1"},
        {2.675, 2, "2.68"},      // binary 2.67499999...
        {1.0049999, 2, "1.00"},  // below the half stays down
        {0.015, 4, "0.0150"},
        {-0.014, 4, "-0.0140"},
        {9.99995, 4, "10.0000"},  // carry through every digit
        {-9.99995, 4, "-10.0000"},
        {123456.789, 2, "123456.79"},  // no thousands separator
        {0, 4, "0.0000"},
        {0.3937007874015748, 5, "0.39370"},
        {1e20, 1, "100000000000000000000.0"},
        {7.25, -1, "7"},  // a negative count of decimals counts as 0
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFixed(c.value, c.decimals), c.expected) << c.value << " / " << c.decimals;
    }
}

TEST(FormatFixed, ValuesThatRoundToZeroCarryNoSign) {
    EXPECT_EQ(FormatFixed(-0.0, 4), "0.0000");
    EXPECT_EQ(FormatFixed(-0.00004, 4), "0.0000");
    EXPECT_EQ(FormatFixed(-1e-300, 5), "0.00000");
    EXPECT_EQ(FormatFixed(-0.4, 0), "0");
    EXPECT_EQ(FormatFixed(-0.00005, 4), "-0.0001");  // a half rounds away, so the sign stays
}

TEST(FormatFixed, BinaryNoiseBeyondFifteenDigitsDoesNotDecide) {
    // 0.1 + 0.2 is 0.30000000000000004 in binary, 1.015 is 1.01499999999999990...
    EXPECT_EQ(FormatFixed(0.1 + 0.2, 16), "0.3000000000000000");
    EXPECT_EQ(FormatFixed(1.015, 2), "1.02");
    EXPECT_EQ(FormatFixed(-1.015, 2), "-1.02");
    EXPECT_EQ(FormatFixed(1.0 / 3.0, 20), "0.33333333333333300000");
}

TEST(FormatFixed, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(FormatFixed(-0.00015, 4, ','), "-0,0002");
    EXPECT_EQ(FormatD4(25.021, ','), "25,0210");
    EXPECT_EQ(FormatD5(25.021 / kMmPerInch, ','), "0,98508");
    EXPECT_EQ(FormatFixed(12.0, 0, ','), "12");  // no separator without decimals
}

TEST(FormatFixed, WorkpieceFormatsHaveFourAndFiveDecimals) {
    EXPECT_EQ(FormatD4(0.015), "0.0150");
    EXPECT_EQ(FormatD4(-0.00015), "-0.0002");
    EXPECT_EQ(FormatD5(0.015 / kMmPerInch), "0.00059");
    EXPECT_EQ(FormatD5(10.0 / kMmPerInch), "0.39370");
}

TEST(FormatFixed, NonFiniteValuesGetAText) {
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 4), "inf");
    EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 4), "-inf");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 4), "nan");
}

struct FieldCase {
    double value;
    int decimals;
    double expected;
};

TEST(RoundField, RoundsHalvesToEvenOnTheDecimalValue) {
    const FieldCase cases[] = {
        {0.125, 2, 0.12},   // exact binary half
        {0.375, 2, 0.38},   // exact binary half, odd neighbour below
        {2.675, 2, 2.68},   // binary 2.67499999...: the decimal half goes to the even 8
        {0.145, 2, 0.14},   // binary 0.14499999...: the decimal half goes to the even 4
        {1.00005, 4, 1.0},  // binary 1.0000500000000001: still the decimal half, to even
        {1.00015, 4, 1.0002},
        {-2.5, 0, -2.0},
        {-3.5, 0, -4.0},
        {0.5, 0, 0.0},
        {1.2346, 3, 1.235},  // not a half: nearest
        {1.2344, 3, 1.234},
        {10.0, 4, 10.0},
        {99.999995, 5, 99.99999 + 0.00001},  // half to even carries into the integer part
        {7.25, -1, 7.0},                     // a negative count of decimals counts as 0
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(RoundField(c.value, c.decimals), c.expected)
            << c.value << " / " << c.decimals;
    }
}

TEST(RoundField, ConvertsSizesForTheInchFields) {
    EXPECT_DOUBLE_EQ(RoundField(10.0 / kMmPerInch, 5), 0.3937);
    EXPECT_DOUBLE_EQ(RoundField(25.0 / kMmPerInch, 5), 0.98425);
    EXPECT_EQ(FormatGeneral(RoundField(10.0 / kMmPerInch, 5)), "0.3937");
    EXPECT_EQ(FormatGeneral(RoundField(25.0 / kMmPerInch, 5)), "0.98425");
    EXPECT_EQ(FormatGeneral(RoundField(12.34567, 4)), "12.3457");
}

TEST(RoundField, KeepsSignAndZero) {
    EXPECT_DOUBLE_EQ(RoundField(-0.98425196, 5), -0.98425);
    EXPECT_EQ(RoundField(-0.000001, 4), 0.0);
    EXPECT_FALSE(std::signbit(RoundField(-0.000001, 4)));
    EXPECT_TRUE(std::isinf(RoundField(std::numeric_limits<double>::infinity(), 4)));
}

TEST(FormatGeneral, WritesUpToFifteenSignificantDigitsWithoutTrailingZeros) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {10.0, "10"},
        {25.4, "25.4"},
        {0.001, "0.001"},
        {10000.0, "10000"},
        {-12.5, "-12.5"},
        {0.0, "0"},
        {-0.0, "0"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {123456789.123456789, "123456789.123457"},
        {0.000001, "0.000001"},
        {0.0000001, "1E-7"},
        {-0.00000015, "-1.5E-7"},
        {999999999999999.0, "999999999999999"},
        {1e15, "1E15"},
        {2.5e20, "2.5E20"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatGeneral(c.value), c.expected) << c.value;
    }
    EXPECT_EQ(FormatGeneral(25.4, ','), "25,4");
    EXPECT_EQ(FormatGeneral(-1.5e-7, ','), "-1,5E-7");
}

TEST(ParseFieldNumber, AcceptsBothSeparatorsAndSurroundingBlanks) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"25", 25.0},       {"0.3937", 0.3937},  {"0,3937", 0.3937}, {"  12.5\t", 12.5},
        {"-0,014", -0.014}, {"+7", 7.0},         {".5", 0.5},        {"5.", 5.0},
        {"1e3", 1000.0},    {"-1,5E-2", -0.015},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(ParseFieldNumber(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(ParseFieldNumber, ReadsEverythingElseAsZero) {
    const char* const texts[] = {"",       " ",     "-",     "+",    ",",        "abc",  "12abc",
                                 "1 2",    "1.2.3", "1,2.3", "+-5",  "--5",      "1e",   "1e999",
                                 "-1e999", "nan",   "inf",   "-inf", "infinity", "0x10", "- 5"};
    for (const char* text : texts) {
        EXPECT_EQ(ParseFieldNumber(text), 0.0) << '"' << text << '"';
    }
    EXPECT_FALSE(std::signbit(ParseFieldNumber("-0")));
}

}  // namespace
}  // namespace kelvo
