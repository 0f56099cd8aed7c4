#include "model/preferred_numbers_picker.h"

#include <gtest/gtest.h>

#include "core/number_format.h"
#include "model/model_fixture.h"

namespace kelvo {
namespace {

using testing::ModelTest;

// Series selector items in their order, with the row count of each series.
struct SeriesCase {
    int index;
    const char* item;
    int rows;
};
constexpr SeriesCase kSeries[] = {
    {0, "(all)", 58}, {1, "R5", 6},     {2, "R10", 11},    {3, "R20", 21},
    {4, "R40", 41},   {5, "R'10", 11},  {6, "R'20", 21},   {7, "R'40", 41},
    {8, "R\"5", 6},   {9, "R\"10", 11}, {10, "R\"20", 21},
};

TEST_F(ModelTest, PickerSelectorListsElevenSeriesWithTheirTables) {
    const std::vector<std::string> items = PreferredNumbersPicker::SeriesItems();
    ASSERT_EQ(items.size(), 11u);
    PreferredNumbersPicker picker;
    for (const SeriesCase& c : kSeries) {
        SCOPED_TRACE(c.item);
        EXPECT_EQ(items[c.index], c.item);
        picker.SelectSeries(c.index);
        EXPECT_EQ(picker.SeriesIndex(), c.index);
        ASSERT_EQ(picker.RowCount(), c.rows);
        // Every series runs from 10 to 100 in column x1.
        EXPECT_EQ(picker.Rows().front()[3], "10");
        EXPECT_EQ(picker.Rows().back()[3], "100");
    }
    EXPECT_EQ(PreferredNumbersPicker::ColumnHeaders()[0], "x0,001");
    EXPECT_EQ(PreferredNumbersPicker::ColumnHeaders()[5], "x100");
}

TEST_F(ModelTest, PickerAllSeriesItemFollowsTheLanguage) {
    SetLanguage(2, store);
    EXPECT_EQ(PreferredNumbersPicker::SeriesItems()[0], "(alle)");
    SetLanguage(1, store);
    EXPECT_EQ(PreferredNumbersPicker::SeriesItems()[0], "(всички)");
}

TEST(PreferredNumbersPicker, SelectAtOnceChoosesTheFirstCellOfAll) {
    PreferredNumbersPicker picker;
    EXPECT_EQ(picker.SeriesIndex(), 0);
    EXPECT_EQ(picker.CurrentRow(), 0);
    EXPECT_EQ(picker.CurrentColumn(), 0);
    EXPECT_EQ(picker.ChosenValueMm(), 0);
    EXPECT_EQ(picker.Rows()[0][0], "0.01");
    picker.Select();
    EXPECT_TRUE(picker.Closed());
    EXPECT_DOUBLE_EQ(picker.ChosenValueMm(), 0.01);
}

TEST(PreferredNumbersPicker, R5HundredTimesHundredIsTheLargestSize) {
    PreferredNumbersPicker picker;
    picker.SelectSeries(1);
    const PreferredNumbersPicker::RowTexts expected = {"0.1", "1", "10", "100", "1000", "10000"};
    EXPECT_EQ(picker.Rows()[5], expected);
    picker.SetCurrentCell(5, 5);
    picker.Select();
    EXPECT_EQ(picker.ChosenValueMm(), 10000);
}

TEST(PreferredNumbersPicker, R40CellsInGeneralFormatWithTheDecimalSeparator) {
    PreferredNumbersPicker picker;
    picker.SelectSeries(4);
    const PreferredNumbersPicker::RowTexts expected = {"0.0106", "0.106", "1.06",
                                                       "10.6",   "106",   "1060"};
    EXPECT_EQ(picker.Rows()[1], expected);
    picker.SetCurrentCell(1, 0);
    picker.Select();
    EXPECT_NEAR(picker.ChosenValueMm(), 0.0106, 1e-15);
    EXPECT_EQ(FormatGeneral(picker.ChosenValueMm()), "0.0106");

    PreferredNumbersPicker comma(',');
    comma.SelectSeries(4);
    EXPECT_EQ(comma.Rows()[1][0], "0,0106");
    EXPECT_EQ(comma.Rows()[16][2], "2,5");  // R40 row 25
}

TEST(PreferredNumbersPicker, NewSeriesMakesTheFirstRowCurrentAndKeepsTheColumn) {
    PreferredNumbersPicker picker;
    picker.SetCurrentCell(40, 4);
    picker.SelectSeries(1);
    EXPECT_EQ(picker.CurrentRow(), 0);
    EXPECT_EQ(picker.CurrentColumn(), 4);
    picker.Select();
    EXPECT_EQ(picker.ChosenValueMm(), 100);  // R5 row 10, column x10
}

TEST(PreferredNumbersPicker, CellsOutsideTheTableAndSelectorAreIgnored) {
    PreferredNumbersPicker picker;
    picker.SelectSeries(1);  // R5: 6 rows
    picker.SetCurrentCell(2, 3);
    picker.SetCurrentCell(6, 3);
    picker.SetCurrentCell(2, 6);
    picker.SetCurrentCell(-1, 0);
    EXPECT_EQ(picker.CurrentRow(), 2);
    EXPECT_EQ(picker.CurrentColumn(), 3);
    picker.SelectSeries(11);
    picker.SelectSeries(-1);
    EXPECT_EQ(picker.SeriesIndex(), 1);
    EXPECT_EQ(picker.CellValue(6, 0), 0);
    picker.Select();
    EXPECT_EQ(picker.ChosenValueMm(), 25);
}

TEST_F(ModelTest, PickedNumberInInchModeSetsMillimetresAndTheFieldInInches) {
    SelectFit("H7/g6", 10);
    model.NominalText = "10";
    model.SwitchUnits();
    ASSERT_TRUE(model.InchMode);

    PreferredNumbersPicker picker;
    picker.SelectSeries(1);       // R5
    picker.SetCurrentCell(2, 3);  // 25, column x1
    picker.Select();
    model.ApplyPreferredNumber(picker.ChosenValueMm());
    EXPECT_EQ(model.NominalSize, 25);
    EXPECT_EQ(model.NominalText, "0.98425");
    EXPECT_NEAR(model.HoleES, 0.021, 1e-12);  // recalculated at 25 mm
}

TEST_F(ModelTest, CancelledPickerChangesNothing) {
    SelectFit("H7/g6", 10);
    model.NominalText = "10";
    const MainModelFields before = model;
    const int refreshes = view.refreshCount;

    PreferredNumbersPicker picker;
    picker.SetCurrentCell(10, 3);
    picker.Cancel();
    EXPECT_TRUE(picker.Closed());
    EXPECT_EQ(picker.ChosenValueMm(), 0);
    model.ApplyPreferredNumber(picker.ChosenValueMm());
    EXPECT_EQ(model.NominalSize, before.NominalSize);
    EXPECT_EQ(model.NominalText, before.NominalText);
    EXPECT_EQ(model.HoleES, before.HoleES);
    EXPECT_EQ(model.ShaftEi, before.ShaftEi);
    EXPECT_EQ(model.FitMaxValue, before.FitMaxValue);
    EXPECT_EQ(view.refreshCount, refreshes);
}

}  // namespace
}  // namespace kelvo
