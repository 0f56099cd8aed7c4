#include "model/fit_selection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "model/model_fixture.h"

namespace kelvo {
namespace {

using testing::ModelTest;

struct ListCase {
    FitSystem system;
    FitType type;
    double sizeMm;
    std::size_t count;
    std::string first, last;
    std::set<std::string> bold;  // every bold entry of the list
};

class StandardFitsPanelTest : public ModelTest {
  protected:
    std::set<std::string> BoldEntries(double sizeMm) const {
        std::set<std::string> bold;
        for (int i = 0; i < static_cast<int>(panel.StandardFitChoices.size()); ++i) {
            const FitChoiceLook look = panel.DrawChoice(i, sizeMm);
            if (look.Bold) {
                bold.insert(look.Text);
            }
        }
        return bold;
    }

    int IndexOf(std::string_view fit) const {
        const auto& choices = panel.StandardFitChoices;
        const auto found = std::find(choices.begin(), choices.end(), fit);
        return found == choices.end() ? -1 : static_cast<int>(found - choices.begin());
    }

    StandardFitsPanel panel;
};

TEST_F(StandardFitsPanelTest, ListsTheSectionOfSystemTypeAndBandWithPreferredFitsBold) {
    const std::vector<ListCase> cases = {
        {FitSystem::HoleBasis,
         FitType::Transition,
         40,
         19,
         " H5/js4",
         " H8/r7",
         {" H7/js6", " H7/k6", " H7/n6"}},
        {FitSystem::ShaftBasis,
         FitType::Transition,
         40,
         17,
         " JS5/h4",
         " N8/h7",
         {" JS7/h6", " K7/h6", " N7/h6"}},
        {FitSystem::ShaftBasis,
         FitType::Transition,
         600,
         14,
         " JS5/h4",
         " N8/h7",
         {" JS7/h6", " K7/h6", " N7/h6"}},
        {FitSystem::ShaftBasis,
         FitType::Clearance,
         600,
         37,
         " G5/h4",
         " H12/h12",
         {" G7/h6", " H7/h6", " F8/h7", " H8/h7", " E9/h9", " F8/h9", " H8/h9", " H9/h9"}},
        {FitSystem::HoleBasis,
         FitType::Interference,
         500,
         20,
         " H6/n5",
         " H8/z8",
         {" H7/p6", " H7/r6", " H7/s6"}},
        {FitSystem::HoleBasis,
         FitType::Interference,
         500.001,
         14,
         " H6/n5",
         " H8/u8",
         {" H7/p6", " H7/r6", " H7/s6"}},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(c.system) << " "
                                          << static_cast<int>(c.type) << " " << c.sizeMm);
        panel.OnSystemChanged(c.system, c.sizeMm);
        panel.OnTypeChanged(c.type, c.sizeMm);
        ASSERT_EQ(panel.StandardFitChoices.size(), c.count);
        EXPECT_EQ(panel.DrawChoice(0, c.sizeMm).Text, c.first);
        EXPECT_EQ(panel.DrawChoice(static_cast<int>(c.count) - 1, c.sizeMm).Text, c.last);
        EXPECT_EQ(BoldEntries(c.sizeMm), c.bold);
        EXPECT_EQ(panel.SelectedChoice, kNoSelection);
    }
}

TEST_F(StandardFitsPanelTest, ShaftBasisTransitionOver500HasNoJFits) {
    panel.OnSystemChanged(FitSystem::ShaftBasis, 600);
    panel.OnTypeChanged(FitType::Transition, 600);
    for (const std::string& fit : panel.StandardFitChoices) {
        EXPECT_TRUE(fit.rfind("JS", 0) == 0 || fit[0] != 'J') << fit;  // JS fits stay, J fits go
    }
    EXPECT_EQ(IndexOf("J7/h6"), -1);
    EXPECT_NE(IndexOf("JS7/h6"), -1);
}

TEST_F(StandardFitsPanelTest, BoldnessFollowsTheSelectedHalf) {
    // H8/h9 is preferred in the shaft-basis half only; D10/h9 only up to 500 mm.
    panel.OnTypeChanged(FitType::Clearance, 40);
    panel.OnSystemChanged(FitSystem::HoleBasis, 40);
    ASSERT_NE(IndexOf("H8/h9"), -1);
    EXPECT_FALSE(panel.DrawChoice(IndexOf("H8/h9"), 40).Bold);
    panel.OnSystemChanged(FitSystem::ShaftBasis, 40);
    EXPECT_TRUE(panel.DrawChoice(IndexOf("H8/h9"), 40).Bold);
    EXPECT_TRUE(panel.DrawChoice(IndexOf("D10/h9"), 40).Bold);
    panel.OnSystemChanged(FitSystem::ShaftBasis, 600);
    ASSERT_NE(IndexOf("D10/h9"), -1);
    EXPECT_FALSE(panel.DrawChoice(IndexOf("D10/h9"), 600).Bold);
}

TEST_F(StandardFitsPanelTest, ListKeepsTheBandOfItsBuildUntilRebuilt) {
    panel.OnSystemChanged(FitSystem::ShaftBasis, 40);
    panel.OnTypeChanged(FitType::Clearance, 40);
    ASSERT_EQ(panel.StandardFitChoices.size(), 44u);
    const int b11 = IndexOf("B11/h9");
    ASSERT_NE(b11, -1);

    // The size crosses 500 mm: the list stays, and its entry still loads the fit it names.
    SelectFit("H7/g6", 600);
    ASSERT_TRUE(panel.LoadChoice(model, b11));
    EXPECT_EQ(model.HoleLetter, LetterIndex("B", Side::Hole));
    EXPECT_EQ(model.HoleGrade, GradeIndex("11"));
    EXPECT_EQ(model.ShaftLetter, LetterIndex("h", Side::Shaft));
    EXPECT_EQ(model.ShaftGrade, GradeIndex("9"));
    EXPECT_EQ(panel.StandardFitChoices.size(), 44u);

    panel.BuildChoices(model.NominalSize);  // the panel button
    EXPECT_EQ(panel.StandardFitChoices.size(), 37u);
    EXPECT_EQ(IndexOf("B11/h9"), -1);
}

TEST_F(StandardFitsPanelTest, SelectorWithoutSelectionLeavesTheList) {
    panel.OnSystemChanged(FitSystem::HoleBasis, 40);
    panel.OnTypeChanged(FitType::Transition, 40);
    panel.OnTypeChanged(std::nullopt, 40);
    EXPECT_EQ(panel.StandardFitChoices.size(), 19u);
    panel.OnSystemChanged(FitSystem::ShaftBasis, 40);
    EXPECT_EQ(panel.StandardFitChoices.size(), 19u);
    EXPECT_FALSE(panel.DrawChoice(IndexOf("H7/js6"), 40).Bold);  // no type: nothing is preferred
}

TEST_F(StandardFitsPanelTest, ClickLoadsAndCalculatesTheFit) {
    struct ClickCase {
        FitSystem system;
        std::string fit;
        std::string holeLetter, holeGrade, shaftLetter, shaftGrade;
    };
    const std::vector<ClickCase> cases = {
        {FitSystem::HoleBasis, "H7/js6", "H", "7", "js", "6"},
        {FitSystem::ShaftBasis, "JS7/h6", "JS", "7", "h", "6"},
    };
    SelectFit("H7/g6", 40);
    panel.OnTypeChanged(FitType::Transition, 40);
    for (const ClickCase& c : cases) {
        SCOPED_TRACE(c.fit);
        panel.OnSystemChanged(c.system, 40);
        const int refreshes = view.refreshCount;
        ASSERT_TRUE(panel.LoadChoice(model, IndexOf(c.fit)));
        EXPECT_EQ(panel.SelectedChoice, IndexOf(c.fit));
        EXPECT_EQ(model.HoleLetter, LetterIndex(c.holeLetter, Side::Hole));
        EXPECT_EQ(model.HoleGrade, GradeIndex(c.holeGrade));
        EXPECT_EQ(model.ShaftLetter, LetterIndex(c.shaftLetter, Side::Shaft));
        EXPECT_EQ(model.ShaftGrade, GradeIndex(c.shaftGrade));
        EXPECT_EQ(model.FitKind, FitType::Transition);
        EXPECT_EQ(view.refreshCount, refreshes + 1);
    }
    // H7/js6 at 40 mm: ES +0.025, EI 0, es +0.008, ei -0.008.
    panel.OnSystemChanged(FitSystem::HoleBasis, 40);
    panel.LoadChoice(model, IndexOf("H7/js6"));
    EXPECT_NEAR(model.FitMaxValue, 0.033, 1e-12);
    EXPECT_NEAR(model.FitMinValue, 0.008, 1e-12);

    const MainModelFields before = model;
    EXPECT_FALSE(panel.LoadChoice(model, 19));
    EXPECT_FALSE(panel.LoadChoice(model, -1));
    EXPECT_EQ(model.HoleLetter, before.HoleLetter);
    EXPECT_EQ(model.ShaftGrade, before.ShaftGrade);
}

TEST_F(StandardFitsPanelTest, SelectorAndButtonTextsComeFromTheLanguage) {
    EXPECT_EQ(FitSystemItemTexts(),
              (std::vector<std::string>{"Hole basis system", "Shaft basis system"}));
    EXPECT_EQ(FitTypeItemTexts(),
              (std::vector<std::string>{"Clearance fit", "Transition fit", "Interference fit"}));
    EXPECT_EQ(PanelButtonCaption(panel_key::kStandardFits, false), "Stand. fits >>");
    EXPECT_EQ(PanelButtonCaption(panel_key::kStandardFits, true), "Stand. fits <<");
}

}  // namespace
}  // namespace kelvo
