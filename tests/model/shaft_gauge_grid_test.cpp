#include "model/shaft_gauge_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/model_fixture.h"

namespace kelvo {
namespace {

using Texts = std::vector<std::string>;

constexpr int kRingRows[] = {2, 3, 4, 5, 6, 7};
constexpr int kCheckPlugRows[] = {10, 11, 12, 13, 14};

class ShaftGaugeGridTest : public testing::ModelTest {
  protected:
    Texts Values(int column, std::span<const int> rows) const {
        Texts values;
        for (int row : rows) {
            values.push_back(ShaftGaugeCell(model, row, column).Value);
        }
        return values;
    }

    // The check plugs: GO is the right part of column 0, wear the left part of column 1,
    // NOT-GO the right part of column 1.
    Texts GoCheckPlug() const { return Values(0, kCheckPlugRows); }
    Texts NoGoCheckPlug() const { return Values(1, kCheckPlugRows); }
    Texts WearCheckPlug() const {
        Texts values;
        for (int row : kCheckPlugRows) {
            values.push_back(ShaftGaugeCell(model, row, 1).Caption);
        }
        return values;
    }
};

TEST_F(ShaftGaugeGridTest, G6At25Millimetres) {
    Select("H7/g6", "25");
    EXPECT_EQ(Values(0, kRingRows),
              (Texts{"24.99000", "\u00B1 0.00200", "24.99200", "24.98800", "24.99600", "0.00250"}));
    EXPECT_EQ(Values(1, kRingRows),
              (Texts{"24.98000", "\u00B1 0.00200", "24.98200", "24.97800", "", "0.00250"}));
    EXPECT_EQ(GoCheckPlug(),
              (Texts{"24.99000", "\u00B1 0.00075", "24.99075", "24.98925", "0.00150"}));
    EXPECT_EQ(WearCheckPlug(),
              (Texts{"24.99600", "\u00B1 0.00075", "24.99675", "24.99525", "0.00150"}));
    EXPECT_EQ(NoGoCheckPlug(),
              (Texts{"24.98000", "\u00B1 0.00075", "24.98075", "24.97925", "0.00150"}));
}

TEST_F(ShaftGaugeGridTest, H7At200MillimetresTakesTheSafetyZone) {
    Select("H7/h7", "200");
    EXPECT_EQ(Values(0, std::vector<int>{2, 4, 5, 6}),
              (Texts{"199.99300", "199.99800", "199.98800", "200.00300"}));
    EXPECT_EQ(Values(1, std::vector<int>{2, 4, 5}), (Texts{"199.95700", "199.96200", "199.95200"}));
    EXPECT_EQ(Values(0, std::vector<int>{10, 12, 13}),
              (Texts{"199.99300", "199.99525", "199.99075"}));
    EXPECT_EQ(WearCheckPlug()[0], "200.00300");
    EXPECT_EQ(WearCheckPlug()[2], "200.00525");
    EXPECT_EQ(WearCheckPlug()[3], "200.00075");
    EXPECT_EQ(Values(1, std::vector<int>{10, 12, 13}),
              (Texts{"199.95700", "199.95925", "199.95475"}));
}

TEST_F(ShaftGaugeGridTest, InchesGiveSixDecimalsExceptTheWearCheckPlug) {
    Select("H7/h7", "200");
    model.SwitchUnits();
    EXPECT_EQ(ShaftGaugeCell(model, 6, 0).Value, "7.874134");
    EXPECT_EQ(ShaftGaugeCell(model, 10, 1).Value, "7.872323");

    model.SwitchUnits();  // back to millimetres
    Select("H7/g6", "25");
    model.SwitchUnits();
    ASSERT_TRUE(model.InchMode);
    EXPECT_EQ(ShaftGaugeCell(model, 6, 0).Value, "0.984094");
    EXPECT_EQ(ShaftGaugeCell(model, 3, 0).Value, "\u00B1 0.000079");
    EXPECT_EQ(WearCheckPlug(),
              (Texts{"0.98409", "\u00B1 0.00003", "0.98412", "0.98406", "0.00006"}));
    EXPECT_EQ(GoCheckPlug()[0], "0.983858");
    EXPECT_EQ(NoGoCheckPlug()[1], "\u00B1 0.000030");
}

TEST_F(ShaftGaugeGridTest, UnavailableGaugesShowNWhileRowNineKeepsItsTexts) {
    const Texts n5 = {"N", "N", "N", "N", "N"};
    struct Case {
        const char* Fit;
        const char* Size;
    };
    // Above 500 mm; a shaft class without a value at the size (t starts above 24 mm).
    for (const Case& c : {Case{"H7/g6", "500.001"}, Case{"H7/t6", "10"}}) {
        SCOPED_TRACE(c.Fit);
        Select(c.Fit, c.Size);
        EXPECT_EQ(Values(0, kRingRows), (Texts{"N", "N", "N", "N", "N", "N"}));
        EXPECT_EQ(Values(1, kRingRows), (Texts{"N", "N", "N", "N", "", "N"}));
        EXPECT_EQ(GoCheckPlug(), n5);
        EXPECT_EQ(WearCheckPlug(), n5);
        EXPECT_EQ(NoGoCheckPlug(), n5);
        const GridCell left = ShaftGaugeCell(model, 9, 0);
        const GridCell right = ShaftGaugeCell(model, 9, 1);
        EXPECT_EQ(left.Caption, "Type of gauge");
        EXPECT_EQ(left.Value, "GO Ch. Plug");
        EXPECT_EQ(right.Caption, "Wear Ch. Plug");
        EXPECT_EQ(right.Value, "NOT-GO Ch. Plug");
        EXPECT_EQ(ShaftGaugeCell(model, 12, 0).Caption, "Upper limit of size");
        EXPECT_EQ(ShaftGaugeCell(model, 6, 1).Style, CellStyle::Empty);
    }
}

TEST_F(ShaftGaugeGridTest, LabelsStylesAndSplitCells) {
    Select("H7/g6", "25");
    struct Expected {
        int Row, Column;
        CellStyle Style;
        CellLayout Layout;
        const char* Caption;
    };
    const Expected cases[] = {
        {0, 0, CellStyle::Title, CellLayout::Whole, "Workshop gauges acc. ISO/R 1938, DIN 7150-2"},
        {1, 0, CellStyle::Header, CellLayout::Whole, "GO Ring Gauge"},
        {1, 1, CellStyle::Header, CellLayout::Whole, "NOT-GO Ring Gauge"},
        {4, 0, CellStyle::Body, CellLayout::CaptionValue, "Upper limit of size (new)"},
        {4, 1, CellStyle::Body, CellLayout::CaptionValue, "Upper limit of size"},
        {5, 0, CellStyle::Body, CellLayout::CaptionValue, "Lower limit of size"},
        {6, 0, CellStyle::Body, CellLayout::CaptionValue, "Upper wear limit of size"},
        {8, 0, CellStyle::Title, CellLayout::Whole,
         "Checking plugs for snap gauge acc. ISO/R 1938, DIN 7150-2"},
        {9, 0, CellStyle::Header, CellLayout::Split, "Type of gauge"},
        {10, 0, CellStyle::Body, CellLayout::Split, "Nominal size"},
        {11, 0, CellStyle::Body, CellLayout::Split, "Limit deviations"},
        {13, 0, CellStyle::Body, CellLayout::Split, "Lower limit of size"},
        {14, 0, CellStyle::Body, CellLayout::Split, "Form tolerance"},
        {15, 0, CellStyle::Body, CellLayout::Split, ""},
        {15, 1, CellStyle::Body, CellLayout::Split, ""},
    };
    for (const Expected& e : cases) {
        SCOPED_TRACE(::testing::Message() << "row " << e.Row << " column " << e.Column);
        const GridCell cell = ShaftGaugeCell(model, e.Row, e.Column);
        EXPECT_EQ(cell.Style, e.Style);
        EXPECT_EQ(cell.Layout, e.Layout);
        EXPECT_EQ(cell.Caption, e.Caption);
    }
    EXPECT_EQ(ShaftGaugeCell(model, 15, 1).Value, "");
    EXPECT_EQ(ShaftGaugeCell(model, 8, 1).ColumnSpan, 0);
    EXPECT_TRUE(ShaftGaugeCell(model, 9, 1).Bold);
}

}  // namespace
}  // namespace kelvo
