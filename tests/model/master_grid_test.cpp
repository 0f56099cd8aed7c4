#include "model/master_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/model_fixture.h"

namespace kelvo {
namespace {

using Texts = std::vector<std::string>;

class MasterGridTest : public testing::ModelTest {
  protected:
    Texts Column(int column, bool captions = false) const {
        Texts texts;
        for (int row = 1; row < kMasterRows; ++row) {
            const GridCell cell = MasterCell(model, row, column);
            texts.push_back(captions ? cell.Caption : cell.Value);
        }
        return texts;
    }
};

const Texts kAllN(5, "N");
const Texts kLabels = {"Nominal size", "Limit deviations", "Upper limit of size",
                       "Lower limit of size", "Form tolerance"};

TEST_F(MasterGridTest, SettingRingAndPlugAt25Millimetres) {
    Select("H7/g6", "25");
    EXPECT_EQ(Column(0), (Texts{"25.00000", "\u00B1 0.00200", "25.00200", "24.99800", "0.00060"}));
    EXPECT_EQ(Column(1), (Texts{"25.00000", "\u00B1 0.00075", "25.00075", "24.99925", "0.00150"}));
    EXPECT_EQ(Column(0, true), kLabels);
    EXPECT_EQ(Column(1, true), kLabels);
    const GridCell header = MasterCell(model, 0, 0);
    EXPECT_EQ(header.Style, CellStyle::Header);
    EXPECT_EQ(header.Caption, "Sett. rings B, C , FC acc. DIN 2250:1989");
    EXPECT_EQ(MasterCell(model, 0, 1).Caption, "Setting plug acc. DIN 7150-2");
}

TEST_F(MasterGridTest, InchModeHasSixDecimals) {
    Select("H7/g6", "25");
    model.SwitchUnits();
    EXPECT_EQ(MasterCell(model, 1, 0).Value, "0.984252");
    EXPECT_EQ(MasterCell(model, 2, 0).Value, "\u00B1 0.000079");
    EXPECT_EQ(MasterCell(model, 1, 1).Value, "0.984252");
}

TEST_F(MasterGridTest, EachColumnFollowsItsOwnSide) {
    Select("H7/t6", "10");  // t has no value at 10 mm
    EXPECT_EQ(Column(0)[0], "10.00000");
    EXPECT_EQ(Column(1), kAllN);
    Select("T7/g6", "10");
    EXPECT_EQ(Column(0), kAllN);
    EXPECT_EQ(Column(1)[0], "10.00000");
    // The plug takes the check-plug tolerance of the shaft's grade.
    Select("H7/g6", "25");
    const std::string grade6 = Column(1)[1];
    Select("H7/g9", "25");
    EXPECT_NE(Column(1)[1], grade6);
    EXPECT_EQ(Column(0)[1], "\u00B1 0.00200");
}

TEST_F(MasterGridTest, SettingRingRowChangesAfter180) {
    Select("H7/g6", "180");
    EXPECT_EQ(Column(0)[1], "\u00B1 0.00400");
    EXPECT_EQ(Column(0)[4], "0.00120");
    Select("H7/g6", "180.001");
    EXPECT_EQ(Column(0)[1], "\u00B1 0.00500");
    EXPECT_EQ(Column(0)[4], "0.00140");
}

TEST_F(MasterGridTest, Above500BothColumnsShowNAndKeepLabels) {
    Select("H7/g6", "500.001");
    EXPECT_EQ(Column(0), kAllN);
    EXPECT_EQ(Column(1), kAllN);
    EXPECT_EQ(Column(0, true), kLabels);
    EXPECT_EQ(Column(1, true), kLabels);
}

}  // namespace
}  // namespace kelvo
