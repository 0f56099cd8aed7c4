#include "gauges/gauge_schema.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>
#include <vector>

#include "core/tolerance_types.h"
#include "gauge_inputs_fixture.h"
#include "gauges/gauge_tables.h"

namespace kelvo {
namespace {

using test::AtSize;
using test::SetHole;
using test::SetShaft;

// H7 (ES +0.021) and g6 (es -0.007, ei -0.020) at 25 mm, ISO 286-1.
GaugeInputs H7G6At25() {
    GaugeInputs in = AtSize(25);
    SetHole(in, "H", 7, 0.021, 0);
    SetShaft(in, "g", 6, -0.007, -0.020);
    return in;
}

GaugeSchema SchemaOf(ResultPage page, const GaugeInputs& in, bool inchMode = false) {
    const std::optional<GaugeSchema> schema = BuildGaugeSchema(page, in, inchMode);
    EXPECT_TRUE(schema.has_value());
    return schema.value_or(GaugeSchema{});
}

constexpr double kMmTolerance = 1e-9;

// One zone as the schema must draw it.
struct ExpectedZone {
    int chart;  // 0 upper (or single), 1 lower
    double x0, x1;
    double upper, lower;
    HatchTile tile;
    int textKey;
};

void ExpectZones(const GaugeSchema& schema, const std::vector<ExpectedZone>& expected) {
    std::vector<const SchemaZone*> zones;
    std::vector<int> chartOf;
    for (int chart = 0; chart < static_cast<int>(schema.Charts.size()); ++chart) {
        for (const SchemaZone& zone : schema.Charts[chart].Zones) {
            zones.push_back(&zone);
            chartOf.push_back(chart);
        }
    }
    ASSERT_EQ(zones.size(), expected.size());
    for (const ExpectedZone& want : expected) {
        SCOPED_TRACE(testing::Message() << "zone at x " << want.x0 << " in chart " << want.chart);
        bool found = false;
        for (std::size_t i = 0; i < zones.size(); ++i) {
            const SchemaZone& zone = *zones[i];
            if (chartOf[i] != want.chart || zone.X0 != want.x0) {
                continue;
            }
            found = true;
            EXPECT_EQ(zone.X1, want.x1);
            EXPECT_NEAR(zone.UpperSize, want.upper, kMmTolerance);
            EXPECT_NEAR(zone.LowerSize, want.lower, kMmTolerance);
            EXPECT_EQ(zone.Tile, want.tile);
            EXPECT_EQ(zone.TextKey, want.textKey);
        }
        EXPECT_TRUE(found);
    }
}

TEST(GaugeSchema, HolePageH7At25Millimetres) {
    const GaugeSchema schema = SchemaOf(ResultPage::HoleGauges, H7G6At25());
    EXPECT_EQ(schema.TitleKey, 58);
    EXPECT_EQ(schema.LeftCaptionKey, 52);
    EXPECT_EQ(schema.RightCaptionKey, 53);
    ASSERT_EQ(schema.Charts.size(), 2u);
    // The upper chart holds the NOT-GO side against the upper limit of the hole, the lower chart
    // the GO side against its lower limit.
    ASSERT_EQ(schema.Charts[0].Lines.size(), 1u);
    ASSERT_EQ(schema.Charts[1].Lines.size(), 1u);
    EXPECT_NEAR(schema.Charts[0].Lines[0], 25.021, kMmTolerance);
    EXPECT_NEAR(schema.Charts[1].Lines[0], 25.0, kMmTolerance);
    ExpectZones(schema, {
                            {1, 1, 4, 25.005, 24.997, HatchTile::GR_L, 63},
                            {1, 4, 7, 25.005, 25.001, HatchTile::GR_R, 56},
                            {0, 1, 4, 25.023, 25.019, HatchTile::RED_L, 64},
                            {1, 8, 11, 25.00425, 24.997, HatchTile::GR_L, 63},
                            {1, 11, 15, 25.00425, 25.00175, HatchTile::GR_R, 56},
                            {0, 8, 11, 25.02225, 25.01975, HatchTile::RED_L, 64},
                        });
    for (const SchemaChart& chart : schema.Charts) {
        for (const SchemaZone& zone : chart.Zones) {
            EXPECT_FALSE(zone.Collapsed);
            EXPECT_FALSE(zone.ShowsLimitValues);
        }
    }
    EXPECT_EQ(SchemaAxisLabel(schema, 25.005), "25.0050");
    EXPECT_EQ(SchemaAxisLabel(schema, 25.005, ','), "25,0050");
}

TEST(GaugeSchema, HolePageH7At25MillimetresInInches) {
    const GaugeSchema schema = SchemaOf(ResultPage::HoleGauges, H7G6At25(), true);
    EXPECT_TRUE(schema.InchMode);
    // Every size is mm / 25.4 rounded to 6 decimals: 25 / 25.4 = 0.98425196..., 25.005 / 25.4 =
    // 0.98444881..., 25.021 / 25.4 = 0.98507874..., 25.023 / 25.4 = 0.98515748...
    EXPECT_DOUBLE_EQ(schema.Charts[1].Lines[0], 0.984252);
    EXPECT_DOUBLE_EQ(schema.Charts[0].Lines[0], 0.985079);
    const SchemaZone& go = schema.Charts[1].Zones[0];
    ASSERT_EQ(go.TextKey, 63);
    EXPECT_DOUBLE_EQ(go.UpperSize, 0.984449);
    EXPECT_DOUBLE_EQ(go.LowerSize, 0.984134);  // 24.997 / 25.4 = 0.98413385...
    const SchemaZone& notGo = schema.Charts[0].Zones[0];
    ASSERT_EQ(notGo.TextKey, 64);
    EXPECT_DOUBLE_EQ(notGo.UpperSize, 0.985157);
    EXPECT_EQ(SchemaAxisLabel(schema, 0.984449), "0.9844");
}

TEST(GaugeSchema, InchSizesRoundHalvesToEven) {
    // 0.0127 mm is exactly 0.0005 in: 0.0000005 at the seventh decimal goes to the even neighbour.
    EXPECT_DOUBLE_EQ(SchemaSize(0.0127 * 1e-3, true), 0.0);
    EXPECT_DOUBLE_EQ(SchemaSize(3 * 0.0254 * 1e-3 / 2, true), 0.000002);
    EXPECT_DOUBLE_EQ(SchemaSize(25.005, false), 25.005);
}

TEST(GaugeSchema, HolePageH7At200MillimetresEndsAtTheWearLimit) {
    GaugeInputs in = AtSize(200);
    SetHole(in, "H", 7, 0.046, 0);
    const GaugeSchema schema = SchemaOf(ResultPage::HoleGauges, in);
    EXPECT_NEAR(schema.Charts[0].Lines[0], 200.046, kMmTolerance);
    ExpectZones(schema, {
                            {1, 1, 4, 200.012, 199.997, HatchTile::GR_L, 63},
                            {1, 4, 7, 200.012, 200.002, HatchTile::GR_R, 56},
                            {0, 1, 4, 200.048, 200.038, HatchTile::RED_L, 64},
                            {1, 8, 11, 200.0105, 199.997, HatchTile::GR_L, 63},
                            {1, 11, 15, 200.0105, 200.0035, HatchTile::GR_R, 56},
                            {0, 8, 11, 200.0465, 200.0395, HatchTile::RED_L, 64},
                        });
}

TEST(GaugeSchema, ShaftPageG6At25MillimetresPutsTheGoSideOnTop) {
    const GaugeSchema schema = SchemaOf(ResultPage::ShaftGauges, H7G6At25());
    EXPECT_EQ(schema.TitleKey, 59);
    EXPECT_EQ(schema.LeftCaptionKey, 54);
    EXPECT_EQ(schema.RightCaptionKey, 55);
    ASSERT_EQ(schema.Charts.size(), 2u);
    EXPECT_NEAR(schema.Charts[0].Lines[0], 24.993, kMmTolerance);
    EXPECT_NEAR(schema.Charts[1].Lines[0], 24.980, kMmTolerance);
    // The GO ring wears open: its zone runs from the new lower limit up to the wear limit.
    ExpectZones(schema, {
                            {0, 1, 4, 24.996, 24.988, HatchTile::GR_L, 63},
                            {0, 4, 7, 24.992, 24.988, HatchTile::GR_R, 56},
                            {1, 1, 4, 24.982, 24.978, HatchTile::RED_L, 64},
                            {0, 8, 11, 24.99075, 24.98925, HatchTile::GR_L, 65},
                            {0, 11, 15, 24.99675, 24.99525, HatchTile::RED_R, 57},
                            {1, 8, 11, 24.98075, 24.97925, HatchTile::GR_R, 66},
                        });
}

TEST(GaugeSchema, SettingMasterPageWithRingAndPlug) {
    const GaugeSchema schema = SchemaOf(ResultPage::SettingMasters, H7G6At25());
    EXPECT_EQ(schema.TitleKey, 60);
    EXPECT_EQ(schema.LeftCaptionKey, 54);
    EXPECT_EQ(schema.RightCaptionKey, 52);
    ASSERT_EQ(schema.Charts.size(), 1u);
    ASSERT_EQ(schema.Charts[0].Lines.size(), 1u);
    EXPECT_NEAR(schema.Charts[0].Lines[0], 25.0, kMmTolerance);
    ExpectZones(schema, {
                            {0, 2, 6, 25.002, 24.998, HatchTile::BL_L, 0},
                            {0, 9, 13, 25.00075, 24.99925, HatchTile::BL_R, 0},
                        });
    for (const SchemaZone& zone : schema.Charts[0].Zones) {
        EXPECT_TRUE(zone.ShowsLimitValues);
        EXPECT_FALSE(zone.Collapsed);
    }
    EXPECT_EQ(SchemaLimitLabel(25.002), "25.002");
    EXPECT_EQ(SchemaLimitLabel(24.99925, ','), "24,99925");
    EXPECT_EQ(SchemaLimitLabel(25.0), "25");
    EXPECT_EQ(SchemaLimitLabel(-0.000001), "0");
    EXPECT_EQ(SchemaAxisLabel(schema, 25.0015), "25.0015");
    EXPECT_EQ(SchemaAxisLabel(schema, 25.0), "25");
}

TEST(GaugeSchema, SmallestSizeCollapsesEveryZoneButKeepsTheLines) {
    // At 0.001 mm the gauge grids still show values, but the schema draws no zone.
    GaugeInputs in = AtSize(0.001);
    SetHole(in, "H", 7, 0.010, 0);
    SetShaft(in, "g", 6, -0.002, -0.008);
    ASSERT_TRUE(ComputeHoleGauges(in).Available);
    ASSERT_TRUE(ComputeShaftGauges(in).Available);
    for (ResultPage page :
         {ResultPage::HoleGauges, ResultPage::ShaftGauges, ResultPage::SettingMasters}) {
        SCOPED_TRACE(static_cast<int>(page));
        const GaugeSchema schema = SchemaOf(page, in);
        for (const SchemaChart& chart : schema.Charts) {
            EXPECT_EQ(chart.Lines.size(), 1u);
            for (const SchemaZone& zone : chart.Zones) {
                EXPECT_TRUE(zone.Collapsed);
                EXPECT_EQ(zone.UpperSize, 0.001);
                EXPECT_EQ(zone.LowerSize, 0.001);
            }
        }
    }
    const GaugeSchema holes = SchemaOf(ResultPage::HoleGauges, in);
    EXPECT_NEAR(holes.Charts[0].Lines[0], 0.011, kMmTolerance);

    // Just above the smallest size the zones are drawn.
    GaugeInputs larger = AtSize(0.0011);
    SetHole(larger, "H", 7, 0.010, 0);
    EXPECT_FALSE(SchemaOf(ResultPage::HoleGauges, larger).Charts[1].Zones[0].Collapsed);
}

TEST(GaugeSchema, ShaftClassWithoutValueKeepsOnlyTheRingZone) {
    GaugeInputs in = H7G6At25();
    in.ShaftEs = kNotAvailable;
    in.ShaftEi = 0;

    const GaugeSchema shafts = SchemaOf(ResultPage::ShaftGauges, in);
    for (const SchemaChart& chart : shafts.Charts) {
        // Without limits of size both reference lines sit at the nominal size.
        EXPECT_NEAR(chart.Lines[0], 25.0, kMmTolerance);
        for (const SchemaZone& zone : chart.Zones) {
            EXPECT_TRUE(zone.Collapsed);
            EXPECT_EQ(zone.UpperSize, 25.0);
            EXPECT_EQ(zone.LowerSize, 25.0);
        }
    }

    const GaugeSchema masters = SchemaOf(ResultPage::SettingMasters, in);
    ASSERT_EQ(masters.Charts[0].Zones.size(), 2u);
    const SchemaZone& ring = masters.Charts[0].Zones[0];
    const SchemaZone& plug = masters.Charts[0].Zones[1];
    EXPECT_FALSE(ring.Collapsed);
    EXPECT_NEAR(ring.UpperSize, 25.002, kMmTolerance);
    EXPECT_TRUE(plug.Collapsed);
    EXPECT_EQ(plug.UpperSize, 25.0);
    EXPECT_EQ(plug.LowerSize, 25.0);

    // The hole page does not depend on the shaft.
    EXPECT_FALSE(SchemaOf(ResultPage::HoleGauges, in).Charts[1].Zones[0].Collapsed);
}

TEST(GaugeSchema, AboveTheGaugeTablesEveryZoneCollapses) {
    GaugeInputs in = AtSize(630);
    SetHole(in, "H", 7, 0.080, 0);
    SetShaft(in, "g", 6, -0.024, -0.068);
    for (ResultPage page :
         {ResultPage::HoleGauges, ResultPage::ShaftGauges, ResultPage::SettingMasters}) {
        for (const SchemaChart& chart : SchemaOf(page, in).Charts) {
            for (const SchemaZone& zone : chart.Zones) {
                EXPECT_TRUE(zone.Collapsed);
                EXPECT_EQ(zone.UpperSize, 630.0);
            }
        }
    }
    EXPECT_NEAR(SchemaOf(ResultPage::HoleGauges, in).Charts[0].Lines[0], 630.080, kMmTolerance);
}

TEST(GaugeSchema, WorkpiecePageHasNoSchema) {
    EXPECT_FALSE(BuildGaugeSchema(ResultPage::Workpiece, H7G6At25(), false).has_value());
}

TEST(HatchTiles, ColoursAndDiagonals) {
    EXPECT_EQ(kHatchTiles.size(), 6u);
    const HatchTileSpec& green = HatchTileOf(HatchTile::GR_R);
    EXPECT_EQ(green.Name, "GR_R");
    EXPECT_EQ(green.Red, 77);
    EXPECT_EQ(green.Green, 209);
    EXPECT_EQ(green.Blue, 73);
    EXPECT_EQ(HatchTileOf(HatchTile::RED_L).Name, "RED_L");
    EXPECT_EQ(HatchTileOf(HatchTile::RED_L).Green, 155);
    EXPECT_EQ(HatchTileOf(HatchTile::BL_R).Blue, 255);

    // "L" runs from the top-left to the bottom-right corner, "R" from the top-right to the
    // bottom-left; each diagonal sets exactly 6 of the 36 pixels.
    for (HatchTile tile : {HatchTile::GR_L, HatchTile::BL_R}) {
        int set = 0;
        for (int y = 0; y < kHatchTileSizePx; ++y) {
            for (int x = 0; x < kHatchTileSizePx; ++x) {
                set += HatchTilePixelSet(tile, x, y) ? 1 : 0;
            }
        }
        EXPECT_EQ(set, 6);
    }
    EXPECT_TRUE(HatchTilePixelSet(HatchTile::GR_L, 0, 0));
    EXPECT_TRUE(HatchTilePixelSet(HatchTile::GR_L, 5, 5));
    EXPECT_FALSE(HatchTilePixelSet(HatchTile::GR_L, 5, 0));
    EXPECT_TRUE(HatchTilePixelSet(HatchTile::BL_R, 5, 0));
    EXPECT_TRUE(HatchTilePixelSet(HatchTile::BL_R, 0, 5));
    EXPECT_FALSE(HatchTilePixelSet(HatchTile::BL_R, 0, 0));
    EXPECT_FALSE(HatchTilePixelSet(HatchTile::BL_R, 6, -1));
}

bool IsRoundStep(double step) {
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    for (double round : {1.0, 2.0, 5.0, 10.0}) {
        if (std::abs(mantissa - round) < 1e-6) {
            return true;
        }
    }
    return false;
}

TEST(SchemaAxis, HoldsEveryLineAndZoneWithRoundSteps) {
    const struct {
        ResultPage page;
        double nominalMm;
        bool inchMode;
    } cases[] = {
        {ResultPage::HoleGauges, 25, false},    {ResultPage::HoleGauges, 25, true},
        {ResultPage::ShaftGauges, 25, false},   {ResultPage::SettingMasters, 25, false},
        {ResultPage::SettingMasters, 25, true}, {ResultPage::HoleGauges, 0.001, false},
        {ResultPage::ShaftGauges, 630, false},
    };
    for (const auto& c : cases) {
        GaugeInputs in = AtSize(c.nominalMm);
        SetHole(in, "H", 7, 0.021, 0);
        SetShaft(in, "g", 6, -0.007, -0.020);
        const GaugeSchema schema = SchemaOf(c.page, in, c.inchMode);
        for (const SchemaChart& chart : schema.Charts) {
            SCOPED_TRACE(testing::Message() << static_cast<int>(c.page) << " at " << c.nominalMm
                                            << (c.inchMode ? " in" : " mm"));
            const SchemaAxis axis = ScaleSchemaAxis(chart, schema.AxisDecimals);
            EXPECT_TRUE(IsRoundStep(axis.Step)) << axis.Step;
            // Never finer than the labels can tell apart.
            EXPECT_GE(axis.Step, std::pow(10.0, -schema.AxisDecimals) * (1 - 1e-9));
            const double steps = (axis.Max - axis.Min) / axis.Step;
            EXPECT_NEAR(steps, std::round(steps), 1e-6);
            EXPECT_GE(std::round(steps), 3.0);
            EXPECT_LE(std::round(steps), 12.0);
            std::vector<double> values = chart.Lines;
            for (const SchemaZone& zone : chart.Zones) {
                values.push_back(zone.UpperSize);
                values.push_back(zone.LowerSize);
            }
            for (double value : values) {
                EXPECT_LT(axis.Min, value);
                EXPECT_GT(axis.Max, value);
            }
        }
    }
}

}  // namespace
}  // namespace kelvo
