#include "model/zone_chart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/tolerance_types.h"
#include "model/model_fixture.h"

namespace kelvo {
namespace {

using Texts = std::vector<std::string>;

class ZoneChartTest : public testing::ModelTest {
  protected:
    static Texts LabelTexts(const ZoneChart& chart) {
        return {chart.Hole.Labels[0].Text, chart.Hole.Labels[1].Text, chart.Shaft.Labels[0].Text,
                chart.Shaft.Labels[1].Text};
    }
};

constexpr double kTol = 1e-9;

void ExpectZone(const ToleranceZone& zone, double x0, double x1, double y0, double y1) {
    EXPECT_EQ(zone.X0, x0);
    EXPECT_EQ(zone.X1, x1);
    EXPECT_NEAR(zone.Y0, y0, kTol);
    EXPECT_NEAR(zone.Y1, y1, kTol);
}

void ExpectAxisHolds(const ZoneChart& chart) {
    for (double y : {0.0, chart.Hole.Y0, chart.Hole.Y1, chart.Shaft.Y0, chart.Shaft.Y1}) {
        EXPECT_LT(chart.AxisMin, y);
        EXPECT_GT(chart.AxisMax, y);
    }
}

TEST_F(ZoneChartTest, H7g6At10InMicrometres) {
    Select("H7/g6", "10");
    const ZoneChart chart = ZoneChartOf(model);
    EXPECT_EQ(chart.ZeroLine[0].X, 0);
    EXPECT_EQ(chart.ZeroLine[1].X, 10);
    EXPECT_EQ(chart.ZeroLine[1].Y, 0);
    ExpectZone(chart.Hole, 1, 4, 15, 0);
    ExpectZone(chart.Shaft, 6, 9, -5, -14);
    EXPECT_EQ(LabelTexts(chart), (Texts{"15", "0", "-5", "-14"}));
    EXPECT_EQ(chart.Hole.Pattern, Hatch::ForwardDiagonal);
    EXPECT_EQ(chart.Shaft.Pattern, Hatch::BackwardDiagonal);
    // Labels sit at the corners: the upper value at (x0, y0), the lower at (x1, y1).
    EXPECT_EQ(chart.Shaft.Labels[0].At.X, 6);
    EXPECT_NEAR(chart.Shaft.Labels[0].At.Y, -5, kTol);
    EXPECT_EQ(chart.Shaft.Labels[1].At.X, 9);
    EXPECT_NEAR(chart.Shaft.Labels[1].At.Y, -14, kTol);
    ExpectAxisHolds(chart);
}

TEST_F(ZoneChartTest, H7g6At10InThousandthsOfAnInchRoundedToHundredths) {
    Select("H7/g6", "10");
    model.SwitchUnits();
    const ZoneChart chart = ZoneChartOf(model);
    ExpectZone(chart.Hole, 1, 4, 0.59, 0);
    ExpectZone(chart.Shaft, 6, 9, -0.2, -0.55);
    EXPECT_EQ(LabelTexts(chart), (Texts{"0.59", "0", "-0.2", "-0.55"}));
    ExpectAxisHolds(chart);
}

TEST_F(ZoneChartTest, InchValuesRoundHalvesToEven) {
    Select("H7/g6", "10");
    model.SwitchUnits();
    // 0.000127 mm is 0.005 thousandths of an inch, 0.000381 mm is 0.015.
    model.HoleES = 0.000381;
    model.HoleEI = 0.000127;
    const ZoneChart chart = ZoneChartOf(model);
    EXPECT_NEAR(chart.Hole.Y0, 0.02, kTol);
    EXPECT_NEAR(chart.Hole.Y1, 0.0, kTol);
}

TEST_F(ZoneChartTest, MicrometreLabelsCarryNoBinaryNoise) {
    Select("H7/g6", "25");  // g6 at 25 mm: es -0.007, ei -0.020
    model.DecimalSeparator = ',';
    const ZoneChart chart = ZoneChartOf(model);
    EXPECT_EQ(chart.Shaft.Labels[0].Text, "-7");
    EXPECT_EQ(chart.Shaft.Labels[1].Text, "-20");
    model.SwitchUnits();
    EXPECT_EQ(ZoneChartOf(model).Shaft.Labels[0].Text, "-0,28");
}

TEST_F(ZoneChartTest, HoleWithoutValueCollapsesOntoTheZeroLine) {
    Select("T7/g6", "10");
    ASSERT_EQ(model.HoleES, kNotAvailable);
    const ZoneChart chart = ZoneChartOf(model);
    ExpectZone(chart.Hole, 1, 4, 0, 0);
    ExpectZone(chart.Shaft, 6, 9, -5, -14);
    EXPECT_EQ(LabelTexts(chart), (Texts{"0", "0", "-5", "-14"}));
    ExpectAxisHolds(chart);
}

TEST_F(ZoneChartTest, SizeRangeDecidesWhetherZonesAreDrawn) {
    // The calculation's own bounds are included: at exactly 10000 mm the zones are drawn.
    Select("H7/h7", "10000");
    ZoneChart chart = ZoneChartOf(model);
    EXPECT_GT(chart.Hole.Y0, 0);
    EXPECT_LT(chart.Shaft.Y1, 0);

    // Beyond the bounds the old deviations stay in the model but both zones collapse.
    for (const char* size : {"10000.5", "0.0009"}) {
        SCOPED_TRACE(size);
        model.OnNominalTextChanged(size);
        ASSERT_FALSE(IsNotAvailable(model.HoleES));
        chart = ZoneChartOf(model);
        ExpectZone(chart.Hole, 1, 4, 0, 0);
        ExpectZone(chart.Shaft, 6, 9, 0, 0);
        // Everything on zero still leaves a visible axis range.
        EXPECT_LT(chart.AxisMin, 0);
        EXPECT_GT(chart.AxisMax, 0);
    }
}

}  // namespace
}  // namespace kelvo
