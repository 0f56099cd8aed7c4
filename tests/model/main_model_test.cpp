#include <gtest/gtest.h>

#include "core/tolerance_types.h"
#include "model/model_fixture.h"

namespace kelvo {
namespace {

using testing::ModelTest;

constexpr double kTol = 1e-12;

TEST_F(ModelTest, StandardCalculationStoresDeviationsFitAndGaugeRows) {
    SelectFit("H7/g6", 10);
    EXPECT_NEAR(model.HoleIT, 0.015, kTol);
    EXPECT_NEAR(model.HoleES, 0.015, kTol);
    EXPECT_NEAR(model.HoleEI, 0.0, kTol);
    EXPECT_NEAR(model.ShaftIT, 0.009, kTol);
    EXPECT_NEAR(model.ShaftEs, -0.005, kTol);
    EXPECT_NEAR(model.ShaftEi, -0.014, kTol);
    EXPECT_EQ(model.FitKind, FitType::Clearance);
    EXPECT_EQ(model.FitTypeText, "Clearance fit");
    EXPECT_EQ(model.FitMaxLabel, "Max. clearance");
    EXPECT_EQ(model.FitMinLabel, "Min. clearance");
    EXPECT_NEAR(model.FitMaxValue, 0.029, kTol);
    EXPECT_NEAR(model.FitMinValue, 0.005, kTol);
    EXPECT_NEAR(model.FitTolerance, 0.024, kTol);
    EXPECT_EQ(model.HoleGaugeRow, 28);   // grade 7, over 6 up to 10 mm
    EXPECT_EQ(model.ShaftGaugeRow, 15);  // grade 6, over 6 up to 10 mm
    EXPECT_EQ(model.MasterRow, 2);
    EXPECT_EQ(view.refreshCount, 1);
}

TEST_F(ModelTest, ClassWithoutValueGivesSentinelAndNoFit) {
    SelectFit("T7/g6", 10);
    EXPECT_EQ(model.HoleES, kNotAvailable);
    EXPECT_EQ(model.HoleEI, 0);
    EXPECT_EQ(model.HoleIT, 0);
    EXPECT_FALSE(model.FitKind.has_value());
    EXPECT_EQ(model.FitTypeText, "");
    EXPECT_EQ(model.FitMaxLabel, "Max.");
    EXPECT_EQ(model.FitMinLabel, "Min.");
    EXPECT_EQ(model.FitMaxValue, 0);
}

TEST_F(ModelTest, UnselectedHoleClassifiesNoFit) {
    SelectFit("H7/g6", 10);
    model.OnLetterChanged(Side::Hole, kNoSelection);  // no item: nothing recalculates
    EXPECT_EQ(model.FitKind, FitType::Clearance);
    model.OnGradeChanged(Side::Shaft, GradeIndex("7"));
    EXPECT_EQ(model.HoleES, 0);
    EXPECT_FALSE(model.FitKind.has_value());
    EXPECT_EQ(model.FitMaxLabel, "Max.");
}

TEST_F(ModelTest, NominalFieldDrivesTheSizeOnlyWhileLiveAndInRange) {
    SelectFit("H7/g6", 10);
    model.OnNominalTextChanged("25");
    EXPECT_EQ(model.NominalSize, 25);
    EXPECT_NEAR(model.HoleES, 0.021, kTol);

    // Out of range: the size follows, the results stay those of 25 mm.
    model.OnNominalTextChanged("20000");
    EXPECT_EQ(model.NominalSize, 20000);
    EXPECT_NEAR(model.HoleES, 0.021, kTol);
    model.OnNominalEditingFinished();  // clamps onto the field's upper limit
    EXPECT_EQ(model.NominalText, "10000");
    EXPECT_EQ(model.NominalSize, 10000);

    // Either decimal separator; empty and "-" read as 0 and do not calculate.
    model.OnNominalTextChanged("12,5");
    EXPECT_EQ(model.NominalSize, 12.5);
    model.OnNominalTextChanged("");
    EXPECT_EQ(model.NominalSize, 0);
    model.OnNominalEditingFinished();
    EXPECT_EQ(model.NominalText, "0.001");

    model.NominalEditLive = false;
    model.OnNominalTextChanged("40");
    EXPECT_EQ(model.NominalSize, 0.001);
}

TEST_F(ModelTest, MethodOnePrefillsLimitSizesAndCalculates) {
    SelectFit("H7/g6", 10);
    model.NominalText = "10";
    model.OnMethodChanged(1);
    EXPECT_EQ(model.NonStdText(NonStdField::HoleUpperLimit), "10.015");
    EXPECT_EQ(model.NonStdText(NonStdField::HoleLowerLimit), "10");
    EXPECT_EQ(model.NonStdText(NonStdField::ShaftUpperLimit), "9.995");
    EXPECT_EQ(model.NonStdText(NonStdField::ShaftLowerLimit), "9.986");
    EXPECT_EQ(model.NonStdDesignation, "(non-standard)");
    EXPECT_NEAR(model.HoleES, 0.015, 1e-9);
    EXPECT_NEAR(model.HoleEI, 0.0, 1e-9);
    EXPECT_EQ(model.HoleGrade, GradeIndex("7"));
    EXPECT_EQ(model.ShaftGrade, GradeIndex("6"));
    EXPECT_EQ(model.FitKind, FitType::Clearance);
    EXPECT_TRUE(view.messages.empty());

    // Back to the classes: recomputed from the selectors, designation emptied.
    model.OnMethodChanged(0);
    EXPECT_TRUE(model.NonStdDesignation.empty());
    EXPECT_NEAR(model.ShaftEs, -0.005, kTol);
}

TEST_F(ModelTest, GradeAssignmentUnderBothStandards) {
    model.NominalSize = 10;
    struct Case {
        double toleranceMm;
        int standard;
        const char* grade;
    };
    const Case cases[] = {
        {0.015, 0, "7"}, {0.015, 1, "6"}, {0.012, 0, "7"},   {0.012, 1, "6"},
        {0.009, 0, "6"}, {0.009, 1, "5"}, {0.0002, 0, "18"}, {100.0, 0, "18"},
    };
    for (const Case& c : cases) {
        model.ToleranceStandard = c.standard;
        EXPECT_EQ(model.AssignGrade(c.toleranceMm), GradeIndex(c.grade))
            << c.toleranceMm << " standard " << c.standard;
    }
    model.NominalSize = 2;  // first size row: IT7 = 10 um
    model.ToleranceStandard = 0;
    EXPECT_EQ(model.AssignGrade(0.010), GradeIndex("7"));
}

TEST_F(ModelTest, UserChangeOfTheStandardRecalculatesANonStandardTolerance) {
    SelectFit("H7/g6", 10);
    model.NominalText = "10";
    model.OnMethodChanged(1);
    ASSERT_EQ(model.HoleGrade, GradeIndex("7"));
    const int rowIt7 = model.HoleGaugeRow;

    model.OnStandardChanged(1, /*byUser=*/false);
    EXPECT_EQ(model.HoleGrade, GradeIndex("7"));

    model.OnStandardChanged(1, /*byUser=*/true);
    EXPECT_EQ(model.HoleGrade, GradeIndex("6"));
    EXPECT_EQ(model.HoleGaugeRow, rowIt7 - 13);  // the grade-6 rows precede the grade-7 rows
}

TEST_F(ModelTest, ReversedLimitsGiveMessageAndSentinelOnThatSideOnly) {
    SelectFit("H7/g6", 10);
    model.NominalText = "10";
    model.OnMethodChanged(1);
    model.OnNonStdFieldEdited(NonStdField::HoleUpperLimit, "10");
    EXPECT_EQ(model.HoleES, kNotAvailable);  // typing invalidates until Calculate
    EXPECT_EQ(model.ShaftEs, kNotAvailable);
    model.OnCalculate();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], "Upper limit of size has to be greater than lower limit of size!");
    EXPECT_EQ(model.HoleES, kNotAvailable);
    EXPECT_NEAR(model.ShaftEs, -0.005, 1e-9);
    EXPECT_FALSE(model.FitKind.has_value());

    // The hole's sentinel prefills its deviation fields with 0 and 0: the switch
    // itself reports them.
    model.OnMethodChanged(2);
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[1], "Upper deviation has to be greater than lower deviation!");
    view.messages.clear();
    model.OnNonStdFieldEdited(NonStdField::HoleUpperDev, "0.02");
    model.OnCalculate();
    EXPECT_TRUE(view.messages.empty());
    EXPECT_NEAR(model.HoleES, 0.02, 1e-12);
    model.OnNonStdFieldEdited(NonStdField::HoleUpperDev, "-0.02");
    model.OnNonStdFieldEdited(NonStdField::ShaftLowerDev, "0");
    model.OnCalculate();
    ASSERT_EQ(view.messages.size(), 2u);  // hole first, then shaft
    EXPECT_EQ(view.messages[0], view.messages[1]);
    EXPECT_EQ(model.HoleES, kNotAvailable);
    EXPECT_EQ(model.ShaftEs, kNotAvailable);
}

TEST_F(ModelTest, LimitDeviationsInInchesAreTakenTimes25Point4) {
    SelectFit("H7/g6", 10);
    model.NominalText = "10";
    model.SwitchUnits();
    model.OnMethodChanged(2);
    model.OnNonStdFieldEdited(NonStdField::HoleUpperDev, "0.0006");
    model.OnNonStdFieldEdited(NonStdField::HoleLowerDev, "0");
    model.OnCalculate();
    EXPECT_NEAR(model.HoleES, 0.01524, 1e-12);
    EXPECT_NEAR(model.HoleEI, 0.0, 1e-12);
}

TEST_F(ModelTest, SwitchUnitsRewritesFieldsAndKeepsMillimetres) {
    SelectFit("H7/g6", 10);
    model.NominalText = "10";
    model.SwitchUnits();
    EXPECT_TRUE(model.InchMode);
    EXPECT_EQ(model.NominalText, "0.3937");
    EXPECT_EQ(model.NominalSize, 10);
    EXPECT_NEAR(model.HoleES, 0.015, kTol);
    EXPECT_EQ(view.designGridRefreshCount, 1);
    model.SwitchUnits();
    EXPECT_EQ(model.NominalText, "10");

    model.OnNominalTextChanged("25");
    model.SwitchUnits();
    EXPECT_EQ(model.NominalText, "0.98425");
    EXPECT_EQ(model.NominalSize, 25);

    model.OnNominalTextChanged("1");  // typed in inches
    EXPECT_DOUBLE_EQ(model.NominalSize, 25.4);
    model.SwitchUnits();
    EXPECT_EQ(model.NominalText, "25.4");
}

TEST_F(ModelTest, LimitSizesTypedInInchesSurviveARoundTrip) {
    SelectFit("H7/g6", 10);
    model.NominalText = "10";
    model.SwitchUnits();
    model.OnMethodChanged(1);
    model.OnNonStdFieldEdited(NonStdField::HoleUpperLimit, "0.394");
    model.OnNonStdFieldEdited(NonStdField::HoleLowerLimit, "0.3937");
    model.OnCalculate();
    const double upperMem = model.HoleUpperLimitMem;
    EXPECT_DOUBLE_EQ(upperMem, 0.394 * 25.4);
    model.SwitchUnits();
    EXPECT_EQ(model.HoleUpperLimitMem, upperMem);
    EXPECT_EQ(model.NonStdText(NonStdField::HoleUpperLimit), "10.0076");
    model.SwitchUnits();
    EXPECT_EQ(model.NonStdText(NonStdField::HoleUpperLimit), "0.394");
}

TEST_F(ModelTest, PreferredNumberBecomesTheSizeInMillimetres) {
    SelectFit("H7/g6", 10);
    model.NominalText = "10";
    model.SwitchUnits();
    const int before = view.refreshCount;
    model.ApplyPreferredNumber(25);
    EXPECT_EQ(model.NominalSize, 25);
    EXPECT_EQ(model.NominalText, "0.98425");
    EXPECT_NEAR(model.HoleES, 0.021, kTol);
    EXPECT_GT(view.refreshCount, before);

    model.ApplyPreferredNumber(0);  // cancelled picker
    EXPECT_EQ(model.NominalSize, 25);
}

TEST_F(ModelTest, PickClassSplitsTwoLetterNames) {
    SelectFit("H7/g6", 10);
    model.PickClass(Side::Hole, "EF10");
    EXPECT_EQ(model.HoleLetter, LetterIndex("EF", Side::Hole));
    EXPECT_EQ(model.HoleGrade, GradeIndex("10"));
    model.PickClass(Side::Shaft, "js6");
    EXPECT_EQ(model.ShaftLetter, LetterIndex("js", Side::Shaft));
    EXPECT_EQ(model.FitKind, FitType::Clearance);  // EF10 at 10 mm against js6
}

TEST(TextOrN, ZeroGivesN) {
    EXPECT_EQ(MainWindowModel::TextOrN("0.0150", 0.015), "0.0150");
    EXPECT_EQ(MainWindowModel::TextOrN("0.0000", 0), "N");
}

}  // namespace
}  // namespace kelvo

namespace kelvo {
namespace {

using testing::ModelTest;

TEST_F(ModelTest, AcceptedLimitSizesCarryNoBinaryNoise) {
    SelectFit("H8/g6", 10);
    model.NominalText = "10";
    model.OnMethodChanged(1);
    model.OnNonStdFieldEdited(NonStdField::HoleUpperLimit, "10.022");
    model.OnCalculate();
    EXPECT_EQ(model.HoleES, 0.022);  // not 0.0220000000000002
    EXPECT_EQ(model.HoleIT, 0.022);
    model.OnMethodChanged(2);
    EXPECT_EQ(model.NonStdText(NonStdField::HoleUpperDev), "0.022");
}

}  // namespace
}  // namespace kelvo
