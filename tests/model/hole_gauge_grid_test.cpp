#include "model/hole_gauge_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/model_fixture.h"

namespace kelvo {
namespace {

using Texts = std::vector<std::string>;

// Body rows of the plug gauges and of the spherical plug gauges.
constexpr int kPlugRows[] = {2, 3, 4, 5, 6, 7};
constexpr int kSphericalRows[] = {10, 11, 12, 13, 14, 15};

class HoleGaugeGridTest : public testing::ModelTest {
  protected:
    Texts Values(int column, std::span<const int> rows) const {
        Texts values;
        for (int row : rows) {
            values.push_back(HoleGaugeCell(model, row, column).Value);
        }
        return values;
    }

    Texts Labels(int column) const {
        Texts labels;
        for (int row = 0; row < kHoleGaugeRows; ++row) {
            labels.push_back(HoleGaugeCell(model, row, column).Caption);
        }
        return labels;
    }
};

TEST_F(HoleGaugeGridTest, H7At25Millimetres) {
    Select("H7/g6", "25");
    EXPECT_EQ(Values(0, kPlugRows),
              (Texts{"25.00300", "\u00B1 0.00200", "25.00500", "25.00100", "24.99700", "0.00250"}));
    EXPECT_EQ(Values(1, kPlugRows),
              (Texts{"25.02100", "\u00B1 0.00200", "25.02300", "25.01900", "", "0.00250"}));
    EXPECT_EQ(Values(0, kSphericalRows),
              (Texts{"25.00300", "\u00B1 0.00125", "25.00425", "25.00175", "24.99700", "0.00150"}));
    EXPECT_EQ(Values(1, kSphericalRows),
              (Texts{"25.02100", "\u00B1 0.00125", "25.02225", "25.01975", "", "0.00150"}));
}

TEST_F(HoleGaugeGridTest, H7At25InchesHasSixDecimalsEverywhere) {
    Select("H7/g6", "25");
    model.SwitchUnits();
    EXPECT_EQ(HoleGaugeCell(model, 2, 0).Value, "0.984370");
    EXPECT_EQ(HoleGaugeCell(model, 3, 0).Value, "\u00B1 0.000079");
    EXPECT_EQ(HoleGaugeCell(model, 7, 0).Value, "0.000098");          // 0.0025 mm
    EXPECT_EQ(HoleGaugeCell(model, 11, 1).Value, "\u00B1 0.000049");  // 0.00125 mm
}

TEST_F(HoleGaugeGridTest, H7At200MillimetresTakesTheSafetyZone) {
    Select("H7/g6", "200");
    EXPECT_EQ(HoleGaugeCell(model, 2, 0).Value, "200.00700");
    EXPECT_EQ(HoleGaugeCell(model, 4, 0).Value, "200.01200");
    EXPECT_EQ(HoleGaugeCell(model, 5, 0).Value, "200.00200");
    EXPECT_EQ(HoleGaugeCell(model, 6, 0).Value, "199.99700");
    EXPECT_EQ(Values(1, std::vector<int>{2, 4, 5}), (Texts{"200.04300", "200.04800", "200.03800"}));
}

TEST_F(HoleGaugeGridTest, UnavailableGaugesShowNAndKeepEveryLabel) {
    Select("H7/g6", "25");
    const Texts labels0 = Labels(0);
    const Texts labels1 = Labels(1);
    const Texts n6 = {"N", "N", "N", "N", "N", "N"};
    const Texts n5Blank = {"N", "N", "N", "N", "", "N"};

    struct Case {
        const char* Name;
        void (*Apply)(MainWindowModel&);
    };
    const Case cases[] = {
        {"500.001 mm", [](MainWindowModel& m) { m.OnNominalTextChanged("500.001"); }},
        {"class without value",
         [](MainWindowModel& m) {
             m.SetClassesFromFit("T7/g6");  // T starts above 24 mm
             m.OnNominalTextChanged("10");
         }},
        {"no letter", [](MainWindowModel& m) { m.OnLetterChanged(Side::Hole, kNoSelection); }},
        {"no grade", [](MainWindowModel& m) { m.OnGradeChanged(Side::Hole, kNoSelection); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Select("H7/g6", "25");
        c.Apply(model);
        EXPECT_EQ(Values(0, kPlugRows), n6);
        EXPECT_EQ(Values(1, kPlugRows), n5Blank);
        EXPECT_EQ(Values(0, kSphericalRows), n6);
        EXPECT_EQ(Values(1, kSphericalRows), n5Blank);
        EXPECT_EQ(Labels(0), labels0);
        EXPECT_EQ(Labels(1), labels1);
    }
}

TEST_F(HoleGaugeGridTest, LastSizeRangeIncludes500) {
    Select("H7/g6", "500");
    for (int column : {0, 1}) {
        for (const std::string& value : Values(column, kPlugRows)) {
            EXPECT_NE(value, "N");
        }
    }
    // NOT-GO: the upper limit 500.063 less alpha, 7 µm for grade 7 over 400 up to 500 mm.
    EXPECT_EQ(HoleGaugeCell(model, 2, 1).Value, "500.05600");
}

TEST_F(HoleGaugeGridTest, LabelsTitlesAndHeaders) {
    Select("H7/g6", "25");
    EXPECT_EQ(Labels(0),
              (Texts{"Workshop gauges acc. ISO/R 1938, DIN 7150-2", "GO Plug Gauge", "Nominal size",
                     "Limit deviations", "Upper limit of size", "Lower limit of size (new)",
                     "Lower wear limit of size", "Form tolerance",
                     "Spherical plug gauges acc. ISO/R 1938, DIN 7150-2", "GO spherical plug gauge",
                     "Nominal size", "Limit deviations", "Upper limit of size",
                     "Lower limit of size (new)", "Lower wear limit of size", "Form tolerance"}));
    EXPECT_EQ(Labels(1),
              (Texts{"", "NOT-GO Plug Gauge", "Nominal size", "Limit deviations",
                     "Upper limit of size", "Lower limit of size", "", "Form tolerance", "",
                     "NOT-GO spherical plug gauge", "Nominal size", "Limit deviations",
                     "Upper limit of size", "Lower limit of size", "", "Form tolerance"}));
    for (int row : {0, 8}) {
        EXPECT_EQ(HoleGaugeCell(model, row, 0).Style, CellStyle::Title);
        EXPECT_EQ(HoleGaugeCell(model, row, 0).ColumnSpan, 2);
        EXPECT_EQ(HoleGaugeCell(model, row, 1).ColumnSpan, 0);
    }
    for (int row : {1, 9}) {
        EXPECT_EQ(HoleGaugeCell(model, row, 1).Style, CellStyle::Header);
        EXPECT_TRUE(HoleGaugeCell(model, row, 1).Bold);
    }
    EXPECT_EQ(HoleGaugeCell(model, 2, 0).Layout, CellLayout::CaptionValue);
    EXPECT_EQ(HoleGaugeCell(model, 6, 1).Style, CellStyle::Empty);
    EXPECT_EQ(HoleGaugeCell(model, 14, 1).Style, CellStyle::Empty);
}

}  // namespace
}  // namespace kelvo
