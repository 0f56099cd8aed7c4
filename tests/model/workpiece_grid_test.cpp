#include "model/workpiece_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/tolerance_types.h"
#include "model/model_fixture.h"

namespace kelvo {
namespace {

// Value rows of a side and of the fit, top to bottom.
constexpr int kSideValueRows[] = {2, 4, 5, 7, 8};
constexpr int kFitRows[] = {10, 11, 12, 13, 14};

class WorkpieceGridTest : public testing::ModelTest {
  protected:
    std::vector<std::string> Values(int column, std::span<const int> rows) const {
        std::vector<std::string> values;
        for (int row : rows) {
            values.push_back(WorkpieceCell(model, row, column).Value);
        }
        return values;
    }

    std::string Caption(int row, int column) const {
        return WorkpieceCell(model, row, column).Caption;
    }
};

using Texts = std::vector<std::string>;
const Texts kAllN(5, "N");

TEST_F(WorkpieceGridTest, H7g6At10MillimetresFillsBothColumnsAndTheFit) {
    Select("H7/g6", "10");
    EXPECT_EQ(Values(0, kSideValueRows),
              (Texts{"0.0150", "0.0150", "0.0000", "10.0150", "10.0000"}));
    EXPECT_EQ(Values(1, kSideValueRows),
              (Texts{"0.0090", "-0.0050", "-0.0140", "9.9950", "9.9860"}));
    EXPECT_EQ(Values(0, kFitRows),
              (Texts{"10 H7/g6", "Clearance fit", "0.0290", "0.0050", "0.0240"}));
    EXPECT_EQ(WorkpieceCell(model, 1, 0).Caption, "10 H7");
    EXPECT_EQ(WorkpieceCell(model, 1, 1).Caption, "10 g6");
    EXPECT_EQ(Caption(12, 0), "Max. clearance");
    EXPECT_EQ(Caption(13, 0), "Min. clearance");
}

TEST_F(WorkpieceGridTest, H7g6At10InInchesKeepsRowOneInMillimetres) {
    Select("H7/g6", "10");
    model.SwitchUnits();
    ASSERT_EQ(model.NominalText, "0.3937");
    EXPECT_EQ(Values(0, kSideValueRows),
              (Texts{"0.00059", "0.00059", "0.00000", "0.39429", "0.39370"}));
    EXPECT_EQ(Values(1, kSideValueRows),
              (Texts{"0.00035", "-0.00020", "-0.00055", "0.39350", "0.39315"}));
    EXPECT_EQ(Values(0, kFitRows),
              (Texts{"0.3937 H7/g6", "Clearance fit", "0.00114", "0.00020", "0.00094"}));
    EXPECT_EQ(WorkpieceCell(model, 1, 0).Caption, "10 H7");
    EXPECT_EQ(WorkpieceCell(model, 1, 1).Caption, "10 g6");
}

TEST_F(WorkpieceGridTest, DesignationShowsTheSizeInItsShortestForm) {
    Select("JS10/zc11", "12.5");
    EXPECT_EQ(WorkpieceCell(model, 1, 0).Caption, "12.5 JS10");
    EXPECT_EQ(WorkpieceCell(model, 1, 1).Caption, "12.5 zc11");
    EXPECT_EQ(WorkpieceCell(model, 10, 0).Value, "12.5 JS10/zc11");
}

TEST_F(WorkpieceGridTest, HoleWithoutValueShowsNInItsColumnAndTheFit) {
    Select("T7/g6", "10");
    ASSERT_EQ(model.HoleES, kNotAvailable);
    EXPECT_EQ(Values(0, kSideValueRows), kAllN);
    EXPECT_EQ(WorkpieceCell(model, 1, 0).Caption, "");
    EXPECT_EQ(Values(0, kFitRows), kAllN);
    EXPECT_EQ(Caption(12, 0), "Max.");
    EXPECT_EQ(Caption(13, 0), "Min.");
    // Captions stay and the shaft is untouched.
    EXPECT_EQ(Caption(2, 0), "Tolerance");
    EXPECT_EQ(Caption(10, 0), "Designation");
    EXPECT_EQ(Values(1, kSideValueRows)[0], "0.0090");
    EXPECT_EQ(WorkpieceCell(model, 1, 1).Caption, "10 g6");
}

TEST_F(WorkpieceGridTest, GradeWithoutITValueShowsNWithoutSentinel) {
    Select("H3/h6", "5000");
    ASSERT_FALSE(IsNotAvailable(model.HoleES));
    ASSERT_EQ(model.HoleIT, 0);
    EXPECT_EQ(Values(0, kSideValueRows), kAllN);
    EXPECT_EQ(Values(0, kFitRows), kAllN);
    EXPECT_NE(Values(1, kSideValueRows), kAllN);
}

TEST_F(WorkpieceGridTest, SizesOnTheBoundsOrOutsideShowNEverywhere) {
    for (const char* size : {"10000", "0.001"}) {
        SCOPED_TRACE(size);
        Select("H7/g6", size);
        ASSERT_FALSE(IsNotAvailable(model.HoleES));
        EXPECT_EQ(Values(0, kSideValueRows), kAllN);
        EXPECT_EQ(Values(1, kSideValueRows), kAllN);
        EXPECT_EQ(Values(0, kFitRows), kAllN);
    }
    // A size typed beyond the limits recalculates nothing; the grid still refuses the old values.
    Select("H7/g6", "10");
    model.OnNominalTextChanged("20000");
    EXPECT_EQ(Values(0, kSideValueRows), kAllN);
    model.OnNominalTextChanged("9999.9");
    EXPECT_NE(Values(0, kSideValueRows), kAllN);
}

TEST_F(WorkpieceGridTest, NonStandardInputDesignatesByAssignedGrade) {
    Select("H7/g6", "10");
    model.OnMethodChanged(1);
    EXPECT_EQ(WorkpieceCell(model, 1, 0).Caption, "10 (IT7)");
    EXPECT_EQ(WorkpieceCell(model, 1, 1).Caption, "10 (IT6)");
    EXPECT_EQ(WorkpieceCell(model, 10, 0).Value, "(non-standard)");
    EXPECT_EQ(Values(0, kSideValueRows),
              (Texts{"0.0150", "0.0150", "0.0000", "10.0150", "10.0000"}));
}

TEST_F(WorkpieceGridTest, EditingANonStandardFieldInvalidatesEveryValue) {
    Select("H7/g6", "10");
    model.OnMethodChanged(2);
    model.OnNonStdFieldEdited(NonStdField::HoleUpperDev, "0.02");
    EXPECT_EQ(Values(0, kSideValueRows), kAllN);
    EXPECT_EQ(Values(0, kFitRows), kAllN);
    EXPECT_EQ(WorkpieceCell(model, 1, 0).Caption, "");
    model.OnCalculate();
    EXPECT_EQ(WorkpieceCell(model, 4, 0).Value, "0.0200");
    EXPECT_EQ(WorkpieceCell(model, 1, 0).Caption, "10 (IT8)");  // 20 µm lies over IT7 at 10 mm
}

TEST_F(WorkpieceGridTest, UserDecimalSeparatorIsUsed) {
    model.DecimalSeparator = ',';
    Select("H7/g6", "12,5");
    EXPECT_EQ(WorkpieceCell(model, 7, 0).Value, "12,5180");
    EXPECT_EQ(WorkpieceCell(model, 1, 0).Caption, "12,5 H7");
}

TEST_F(WorkpieceGridTest, CaptionsHeadingsAndSections) {
    Select("H7/g6", "10");
    struct Expected {
        int Row, Column;
        CellStyle Style;
        const char* Caption;
        int Span;
    };
    const Expected cases[] = {
        {0, 0, CellStyle::Heading, "Hole", 1},
        {0, 1, CellStyle::Heading, "Shaft", 1},
        {3, 0, CellStyle::Section, "Limit deviations", 2},
        {3, 1, CellStyle::Section, "", 0},
        {4, 0, CellStyle::Body, "Upper deviation (ES)", 1},
        {4, 1, CellStyle::Body, "Upper deviation (es)", 1},
        {5, 0, CellStyle::Body, "Lower deviation (EI)", 1},
        {5, 1, CellStyle::Body, "Lower deviation (ei)", 1},
        {6, 0, CellStyle::Section, "Limit sizes", 2},
        {7, 1, CellStyle::Body, "Upper limit of size", 1},
        {8, 1, CellStyle::Body, "Lower limit of size", 1},
        {9, 0, CellStyle::Heading, "Stand. fits", 1},
        {11, 0, CellStyle::Body, "Type of fit", 1},
        {14, 0, CellStyle::Body, "Tolerance of the fit", 1},
        {12, 1, CellStyle::Empty, "", 1},
        {15, 0, CellStyle::Empty, "", 1},
    };
    for (const Expected& e : cases) {
        SCOPED_TRACE(::testing::Message() << "row " << e.Row << " column " << e.Column);
        const GridCell cell = WorkpieceCell(model, e.Row, e.Column);
        EXPECT_EQ(cell.Style, e.Style);
        EXPECT_EQ(cell.Caption, e.Caption);
        EXPECT_EQ(cell.ColumnSpan, e.Span);
    }
    EXPECT_TRUE(WorkpieceCell(model, 0, 0).Bold);
    EXPECT_FALSE(WorkpieceCell(model, 1, 0).Bold);
    EXPECT_EQ(WorkpieceCell(model, 16, 0).Style, CellStyle::Empty);
}

TEST_F(WorkpieceGridTest, ChartCaptionCarriesTheUnit) {
    Select("H7/g6", "10");
    const GridCell cell = WorkpieceCell(model, 9, 1);
    EXPECT_EQ(cell.Style, CellStyle::ChartCaption);
    EXPECT_EQ(cell.Caption, "Hole [\u00B5m]            Shaft [\u00B5m]");
    model.SwitchUnits();
    EXPECT_EQ(WorkpieceCell(model, 9, 1).Caption, "Hole [milli in]            Shaft [milli in]");
}

TEST_F(WorkpieceGridTest, CaptionsFollowTheLanguage) {
    Select("H7/g6", "10");
    SetLanguage(2, store);  // German, without recalculating
    EXPECT_NE(Caption(0, 0), "Hole");
    EXPECT_FALSE(Caption(0, 0).empty());
    EXPECT_EQ(Caption(0, 0), LangText(1));
}

}  // namespace
}  // namespace kelvo
