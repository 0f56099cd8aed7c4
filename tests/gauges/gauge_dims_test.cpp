#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>

#include "core/number_format.h"
#include "core/tolerance_types.h"
#include "gauge_inputs_fixture.h"
#include "gauges/gauge_dims.h"
#include "gauges/gauge_tables.h"

namespace kelvo {
namespace {

using test::AtSize;
using test::SetHole;
using test::SetShaft;

// A gauge as the grids show it; wear is nullptr for a gauge without a wear limit.
struct Shown {
    const char* nominal;
    const char* half;
    const char* upper;
    const char* lower;
    const char* wear;
    const char* form;
};

void ExpectShown(const char* name, const GaugeDims& dims, const Shown& expected,
                 bool inchMode = false) {
    SCOPED_TRACE(name);
    EXPECT_EQ(FormatGaugeValue(dims.Nominal, inchMode), expected.nominal);
    EXPECT_EQ(FormatGaugeValue(dims.HalfTolerance, inchMode), expected.half);
    EXPECT_EQ(FormatGaugeValue(dims.Upper, inchMode), expected.upper);
    EXPECT_EQ(FormatGaugeValue(dims.Lower, inchMode), expected.lower);
    EXPECT_EQ(dims.HasWearLimit, expected.wear != nullptr);
    if (expected.wear != nullptr) {
        EXPECT_EQ(FormatGaugeValue(dims.WearLimit, inchMode), expected.wear);
    }
    EXPECT_EQ(FormatGaugeValue(dims.FormTolerance, inchMode), expected.form);
}

TEST(HoleGauges, H7At25Millimetres) {
    GaugeInputs in = AtSize(25);
    SetHole(in, "H", 7, 0.021, 0);
    const HoleGauges gauges = ComputeHoleGauges(in);
    ASSERT_TRUE(gauges.Available);
    ExpectShown("GoPlug", gauges.GoPlug,
                {"25.00300", "0.00200", "25.00500", "25.00100", "24.99700", "0.00250"});
    ExpectShown("NoGoPlug", gauges.NoGoPlug,
                {"25.02100", "0.00200", "25.02300", "25.01900", nullptr, "0.00250"});
    ExpectShown("GoSpherical", gauges.GoSpherical,
                {"25.00300", "0.00125", "25.00425", "25.00175", "24.99700", "0.00150"});
    ExpectShown("NoGoSpherical", gauges.NoGoSpherical,
                {"25.02100", "0.00125", "25.02225", "25.01975", nullptr, "0.00150"});
}

TEST(HoleGauges, H7At25MillimetresInInches) {
    GaugeInputs in = AtSize(25);
    SetHole(in, "H", 7, 0.021, 0);
    const HoleGauges gauges = ComputeHoleGauges(in);
    ASSERT_TRUE(gauges.Available);
    // The same dimensions divided by 25.4, every value with 6 decimals.
    ExpectShown("GoPlug", gauges.GoPlug,
                {"0.984370", "0.000079", "0.984449", "0.984291", "0.984134", "0.000098"}, true);
    ExpectShown("NoGoSpherical", gauges.NoGoSpherical,
                {"0.985079", "0.000049", "0.985128", "0.985030", nullptr, "0.000059"}, true);
}

TEST(HoleGauges, H7At200MillimetresMovesTheNotGoSideInByAlpha) {
    // Row over 180 up to 250 mm: H 10, FormPlug 7, Hs 7, FormSpherical 4.5, Z 7, Y 6, Alpha 3.
    GaugeInputs in = AtSize(200);
    SetHole(in, "H", 7, 0.046, 0);
    const HoleGauges gauges = ComputeHoleGauges(in);
    ASSERT_TRUE(gauges.Available);
    ExpectShown("GoPlug", gauges.GoPlug,
                {"200.00700", "0.00500", "200.01200", "200.00200", "199.99700", "0.00700"});
    ExpectShown("NoGoPlug", gauges.NoGoPlug,
                {"200.04300", "0.00500", "200.04800", "200.03800", nullptr, "0.00700"});
    ExpectShown("GoSpherical", gauges.GoSpherical,
                {"200.00700", "0.00350", "200.01050", "200.00350", "199.99700", "0.00450"});
    ExpectShown("NoGoSpherical", gauges.NoGoSpherical,
                {"200.04300", "0.00350", "200.04650", "200.03950", nullptr, "0.00450"});
}

TEST(HoleGauges, GradesOutsideFiveToSixteenUseTheNearestGradeRows) {
    // H4 at 25 mm (ES 0.006) takes grade 5: H 2.5, Z 2, Y 1.5.
    GaugeInputs fine = AtSize(25);
    SetHole(fine, "H", 4, 0.006, 0);
    const HoleGauges h4 = ComputeHoleGauges(fine);
    ASSERT_TRUE(h4.Available);
    ExpectShown("H4 GoPlug", h4.GoPlug,
                {"25.00200", "0.00125", "25.00325", "25.00075", "24.99850", "0.00150"});

    // H17 (ES 2.1) and H18 (ES 3.3) at 25 mm take grade 16: H 21, FormPlug 9, Z 72, Y 0.
    for (const auto& [grade, es, noGo, noGoUpper] : {std::tuple{17, 2.1, "27.10000", "27.11050"},
                                                     std::tuple{18, 3.3, "28.30000", "28.31050"}}) {
        GaugeInputs coarse = AtSize(25);
        SetHole(coarse, "H", grade, es, 0);
        const HoleGauges gauges = ComputeHoleGauges(coarse);
        ASSERT_TRUE(gauges.Available) << grade;
        ExpectShown("coarse GoPlug", gauges.GoPlug,
                    {"25.07200", "0.01050", "25.08250", "25.06150", "25.00000", "0.00900"});
        EXPECT_EQ(FormatGaugeValue(gauges.NoGoPlug.Nominal, false), noGo) << grade;
        EXPECT_EQ(FormatGaugeValue(gauges.NoGoPlug.Upper, false), noGoUpper) << grade;
    }
}

TEST(HoleGauges, LastRangeAt500MillimetresAndNothingAbove) {
    // Grade-7 row over 400 up to 500 mm: H 15, Z 11, Y 9, Alpha 7.
    GaugeInputs at500 = AtSize(500);
    SetHole(at500, "H", 7, 0.063, 0);
    const HoleGauges gauges = ComputeHoleGauges(at500);
    ASSERT_TRUE(gauges.Available);
    ExpectShown("GoPlug", gauges.GoPlug,
                {"500.01100", "0.00750", "500.01850", "500.00350", "499.99800", "0.01000"});
    EXPECT_EQ(FormatGaugeValue(gauges.NoGoPlug.Nominal, false), "500.05600");

    GaugeInputs above = AtSize(500.001);
    SetHole(above, "H", 7, 0.063, 0);
    EXPECT_EQ(above.HoleGaugeRow, -1);
    EXPECT_FALSE(ComputeHoleGauges(above).Available);
    above.HoleGaugeRow = at500.HoleGaugeRow;  // a stale row does not make the size available
    EXPECT_FALSE(ComputeHoleGauges(above).Available);
}

TEST(HoleGauges, IncompleteClassIsNotAvailable) {
    GaugeInputs complete = AtSize(25);
    SetHole(complete, "H", 7, 0.021, 0);
    ASSERT_TRUE(ComputeHoleGauges(complete).Available);

    GaugeInputs noLetter = complete;
    noLetter.HoleLetter = kNoSelection;
    GaugeInputs noGrade = complete;
    noGrade.HoleGrade = kNoSelection;
    GaugeInputs sentinel = complete;
    sentinel.HoleES = kNotAvailable;
    sentinel.HoleEI = 0;
    GaugeInputs noRow = complete;  // a model whose rows were never looked up
    noRow.HoleGaugeRow = -1;
    GaugeInputs rowOutOfTable = complete;
    rowOutOfTable.HoleGaugeRow = kGaugeRowCount;
    for (const GaugeInputs& in : {noLetter, noGrade, sentinel, noRow, rowOutOfTable}) {
        EXPECT_FALSE(ComputeHoleGauges(in).Available);
    }
}

TEST(ShaftGauges, G6At25Millimetres) {
    // Grade-6 row up to 30 mm: H1 4, FormRing 2.5, Hp 1.5, FormCheckPlug 1.5, Z1 3, Y1 3, Alpha 0.
    GaugeInputs in = AtSize(25);
    SetShaft(in, "g", 6, -0.007, -0.020);
    const ShaftGauges gauges = ComputeShaftGauges(in);
    ASSERT_TRUE(gauges.Available);
    ExpectShown("GoRing", gauges.GoRing,
                {"24.99000", "0.00200", "24.99200", "24.98800", "24.99600", "0.00250"});
    ExpectShown("NoGoRing", gauges.NoGoRing,
                {"24.98000", "0.00200", "24.98200", "24.97800", nullptr, "0.00250"});
    ExpectShown("GoCheckPlug", gauges.GoCheckPlug,
                {"24.99000", "0.00075", "24.99075", "24.98925", nullptr, "0.00150"});
    ExpectShown("WearCheckPlug", gauges.WearCheckPlug,
                {"24.99600", "0.00075", "24.99675", "24.99525", nullptr, "0.00150"});
    ExpectShown("NoGoCheckPlug", gauges.NoGoCheckPlug,
                {"24.98000", "0.00075", "24.98075", "24.97925", nullptr, "0.00150"});

    EXPECT_EQ(FormatGaugeValue(gauges.GoRing.WearLimit, true), "0.984094");
    // The grid writes the wear check plug with 5 decimals in inches as well.
    EXPECT_EQ(FormatD5(gauges.WearCheckPlug.Nominal / kMmPerInch), "0.98409");
}

TEST(ShaftGauges, H7ShaftAt200MillimetresMovesTheNotGoSideInByAlpha) {
    // Row over 180 up to 250 mm: H1 10, FormRing 7, Hp 4.5, FormCheckPlug 4.5, Z1 7, Y1 6, Alpha 3.
    GaugeInputs in = AtSize(200);
    SetShaft(in, "h", 7, 0, -0.046);
    const ShaftGauges gauges = ComputeShaftGauges(in);
    ASSERT_TRUE(gauges.Available);
    ExpectShown("GoRing", gauges.GoRing,
                {"199.99300", "0.00500", "199.99800", "199.98800", "200.00300", "0.00700"});
    ExpectShown("NoGoRing", gauges.NoGoRing,
                {"199.95700", "0.00500", "199.96200", "199.95200", nullptr, "0.00700"});
    ExpectShown("GoCheckPlug", gauges.GoCheckPlug,
                {"199.99300", "0.00225", "199.99525", "199.99075", nullptr, "0.00450"});
    ExpectShown("WearCheckPlug", gauges.WearCheckPlug,
                {"200.00300", "0.00225", "200.00525", "200.00075", nullptr, "0.00450"});
    ExpectShown("NoGoCheckPlug", gauges.NoGoCheckPlug,
                {"199.95700", "0.00225", "199.95925", "199.95475", nullptr, "0.00450"});

    EXPECT_EQ(FormatGaugeValue(gauges.GoRing.WearLimit, true), "7.874134");
    EXPECT_EQ(FormatGaugeValue(gauges.NoGoCheckPlug.Nominal, true), "7.872323");
}

TEST(ShaftGauges, IncompleteClassOrSizeAbove500IsNotAvailable) {
    GaugeInputs complete = AtSize(25);
    SetShaft(complete, "g", 6, -0.007, -0.020);
    ASSERT_TRUE(ComputeShaftGauges(complete).Available);

    GaugeInputs noLetter = complete;
    noLetter.ShaftLetter = kNoSelection;
    GaugeInputs noGrade = complete;
    noGrade.ShaftGrade = kNoSelection;
    GaugeInputs sentinel = complete;
    sentinel.ShaftEs = kNotAvailable;
    sentinel.ShaftEi = 0;
    GaugeInputs noRow = complete;
    noRow.ShaftGaugeRow = -1;
    GaugeInputs above = AtSize(500.001);
    SetShaft(above, "g", 6, -0.068, -0.108);
    for (const GaugeInputs& in : {noLetter, noGrade, sentinel, noRow, above}) {
        EXPECT_FALSE(ComputeShaftGauges(in).Available);
    }
}

TEST(SettingMasters, H7G6At25Millimetres) {
    GaugeInputs in = AtSize(25);
    SetHole(in, "H", 7, 0.021, 0);
    SetShaft(in, "g", 6, -0.007, -0.020);
    const SettingMasters masters = ComputeSettingMasters(in);
    ASSERT_TRUE(masters.RingAvailable);
    ASSERT_TRUE(masters.PlugAvailable);
    ExpectShown("SettingRing", masters.SettingRing,
                {"25.00000", "0.00200", "25.00200", "24.99800", nullptr, "0.00060"});
    ExpectShown("SettingPlug", masters.SettingPlug,
                {"25.00000", "0.00075", "25.00075", "24.99925", nullptr, "0.00150"});
    ExpectShown("SettingRing in inches", masters.SettingRing,
                {"0.984252", "0.000079", "0.984331", "0.984173", nullptr, "0.000024"}, true);
}

TEST(SettingMasters, PlugFollowsTheShaftGradeAndRingTheSizeOnly) {
    GaugeInputs in = AtSize(25);
    SetHole(in, "H", 7, 0.021, 0);
    SetShaft(in, "h", 11, 0, -0.130);  // grade 11: Hp = IT2 = 2.5, FormCheckPlug = IT1 = 1.5
    const SettingMasters masters = ComputeSettingMasters(in);
    ASSERT_TRUE(masters.PlugAvailable);
    EXPECT_EQ(FormatGaugeValue(masters.SettingPlug.HalfTolerance, false), "0.00125");
    EXPECT_EQ(FormatGaugeValue(masters.SettingRing.HalfTolerance, false), "0.00200");
}

TEST(SettingMasters, RingRangeChangesJustAbove180Millimetres) {
    const struct {
        double nominalMm;
        const char *half, *form;
    } cases[] = {{180, "0.00400", "0.00120"}, {180.001, "0.00500", "0.00140"}};
    for (const auto& c : cases) {
        GaugeInputs in = AtSize(c.nominalMm);
        SetHole(in, "H", 7, 0.040, 0);
        const SettingMasters masters = ComputeSettingMasters(in);
        ASSERT_TRUE(masters.RingAvailable) << c.nominalMm;
        EXPECT_EQ(FormatGaugeValue(masters.SettingRing.HalfTolerance, false), c.half);
        EXPECT_EQ(FormatGaugeValue(masters.SettingRing.FormTolerance, false), c.form);
    }
}

TEST(SettingMasters, EachSideNeedsItsOwnCompleteClass) {
    GaugeInputs in = AtSize(25);
    SetHole(in, "H", 7, 0.021, 0);
    SetShaft(in, "g", 6, kNotAvailable, 0);
    SettingMasters masters = ComputeSettingMasters(in);
    EXPECT_TRUE(masters.RingAvailable);
    EXPECT_FALSE(masters.PlugAvailable);

    in.HoleLetter = kNoSelection;
    SetShaft(in, "g", 6, -0.007, -0.020);
    masters = ComputeSettingMasters(in);
    EXPECT_FALSE(masters.RingAvailable);
    EXPECT_TRUE(masters.PlugAvailable);
}

TEST(SettingMasters, LastRangeAt500MillimetresAndNothingAbove) {
    GaugeInputs at500 = AtSize(500);
    SetHole(at500, "H", 7, 0.063, 0);
    SetShaft(at500, "g", 6, -0.020, -0.060);
    SettingMasters masters = ComputeSettingMasters(at500);
    ASSERT_TRUE(masters.RingAvailable && masters.PlugAvailable);
    EXPECT_EQ(FormatGaugeValue(masters.SettingRing.HalfTolerance, false), "0.00750");
    EXPECT_EQ(FormatGaugeValue(masters.SettingPlug.HalfTolerance, false), "0.00400");

    GaugeInputs above = AtSize(500.001);
    SetHole(above, "H", 7, 0.063, 0);
    SetShaft(above, "g", 6, -0.020, -0.060);
    masters = ComputeSettingMasters(above);
    EXPECT_FALSE(masters.RingAvailable);
    EXPECT_FALSE(masters.PlugAvailable);
}

TEST(FormatGaugeValue, FiveDecimalsInMillimetresSixInInches) {
    EXPECT_EQ(FormatGaugeValue(25.003, false), "25.00300");
    EXPECT_EQ(FormatGaugeValue(25.003, true), "0.984370");
    EXPECT_EQ(FormatGaugeValue(25.003, false, ','), "25,00300");
    EXPECT_EQ(FormatGaugeValue(25.003, true, ','), "0,984370");
    EXPECT_EQ(FormatGaugeValue(0.000125, false), "0.00013");  // halves away from zero
    EXPECT_EQ(FormatGaugeValue(-0.000125, false), "-0.00013");
    EXPECT_EQ(FormatGaugeValue(-0.000001, false), "0.00000");  // no "-0.00000"
    EXPECT_EQ(FormatGaugeValue(0.0000127, true), "0.000001");  // 0.0000005 in: half rounds up
}

}  // namespace
}  // namespace kelvo
