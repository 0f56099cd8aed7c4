#include "model/design_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "core/fit.h"
#include "core/limit_deviations.h"
#include "core/number_format.h"
#include "design/class_catalogues.h"
#include "design/class_names.h"
#include "i18n/language_state.h"
#include "model/design_grid.h"
#include "model/model_fixture.h"

namespace kelvo {
namespace {

using testing::ModelTest;

std::vector<std::string> NamesOf(const std::vector<DesignResult>& results) {
    std::vector<std::string> names;
    for (const DesignResult& result : results) {
        names.push_back(result.Name);
    }
    return names;
}

std::vector<std::string> NamesOf(const std::vector<DesignCandidate>& candidates) {
    std::vector<std::string> names;
    for (const DesignCandidate& candidate : candidates) {
        names.push_back(candidate.Name());
    }
    return names;
}

class DesignSearchTest : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        SelectFit("H7/g6", 40);
        OpenDesignPanel(panel, model);
    }

    // The panel as the user leaves it before pressing Search.
    void Prepare(DesignBasisKind basis, FitType type, std::string_view maxText,
                 std::string_view minText) {
        ChooseDesignBasis(panel, basis, model.NominalSize);
        ChooseDesignType(panel, type, model);
        model.OnDesignLimitEdited(true, maxText);
        model.OnDesignLimitEdited(false, minText);
    }

    void SelectGrades(std::string from, std::string to) {
        ChooseApplicationArea(panel, 5, model.NominalSize);
        panel.GradeFrom = std::move(from);
        panel.GradeTo = std::move(to);
    }

    DesignSearchStatus Search() { return RunDesignSearch(model, panel, &view); }

    std::string Cell(int row, int column) const {
        return DesignGridCell(model, panel, row, column).Caption;
    }

    DesignPanelState panel;
};

// The ranking, transcribed literally from the procedure of the search: Hoare's quicksort on the
// scores, the middle record's score as the pivot, scores compared in whole nanometres.
struct Ranked {
    std::string name;
    double score;
};

void ReferenceSort(std::vector<Ranked>& a, int l, int r) {
    const auto key = [](const Ranked& x) { return std::round(x.score * 1e9); };
    int i;
    do {
        i = l;
        int j = r;
        const double p = key(a[(l + r) / 2]);
        do {
            while (key(a[i]) < p) {
                ++i;
            }
            while (key(a[j]) > p) {
                --j;
            }
            if (i <= j) {
                std::swap(a[i], a[j]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (l < j) {
            ReferenceSort(a, l, j);
        }
        l = i;
    } while (i < r);
}

TEST_F(DesignSearchTest, HoleBasisClearanceAt40mmRanksByTheDistanceOfBothExtremes) {
    Prepare(DesignBasisKind::HoleBasis, FitType::Clearance, "0.05", "0.02");
    const int refreshes = view.refreshCount;
    ASSERT_EQ(Search(), DesignSearchStatus::Completed);

    // Holes H5 to H12 against every shaft class of grades 5 to 12, in search order, computed from
    // the deviation tables without the model.
    std::vector<Ranked> expected;
    for (int grade = 5; grade <= 12; ++grade) {
        const LimitDeviations hole = HoleLimitDeviations(40, letter::kH, GradeIndexOfNumber(grade));
        for (const ClassEntry& shaftClass : ShaftClassCatalogue(SizeBand::UpTo500)) {
            const int shaftGrade = ClassGrade(shaftClass.Name);
            if (shaftGrade < 5 || shaftGrade > 12) {
                continue;
            }
            const auto parsed = ParseClassName(shaftClass.Name);
            ASSERT_TRUE(parsed.has_value());
            const LimitDeviations shaft = ShaftLimitDeviations(40, parsed->Letter, parsed->Grade);
            if (!hole.Available || !shaft.Available) {
                continue;
            }
            const FitCharacteristics fit =
                ClassifyFit(hole.UpperMm, hole.LowerMm, shaft.UpperMm, shaft.LowerMm);
            if (fit.Type == FitType::Clearance) {
                expected.push_back(
                    {"H" + std::to_string(grade) + "/" + std::string(shaftClass.Name),
                     std::abs(fit.MinValueMm - 0.02) + std::abs(fit.MaxValueMm - 0.05)});
            }
        }
    }
    ASSERT_GT(expected.size(), 100u);
    const double bestScore =
        std::min_element(expected.begin(), expected.end(), [](const auto& a, const auto& b) {
            return a.score < b.score;
        })->score;
    ReferenceSort(expected, 0, static_cast<int>(expected.size()) - 1);

    ASSERT_EQ(model.DesignResults.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(model.DesignResults[i].Name, expected[i].name) << "rank " << i;
        ASSERT_NEAR(model.DesignResults[i].Score, expected[i].score, 1e-12) << "rank " << i;
    }
    // H5/f6 and H6/f5 both give 0.052 and 0.025 mm and tie at the best score of 0.007 mm; the
    // quicksort puts H6/f5 first, where a stable sort would keep H5/f6 (met first) in front.
    EXPECT_NEAR(bestScore, 0.007, 1e-12);
    EXPECT_EQ(model.DesignResults[0].Name, "H6/f5");
    EXPECT_EQ(model.DesignResults[1].Name, "H5/f6");

    // The best fit is loaded and shown once; the candidates were calculated without repaints.
    EXPECT_EQ(view.refreshCount, refreshes + 1);
    EXPECT_FALSE(model.RefreshSuppressed);
    EXPECT_EQ(model.HoleGrade, GradeIndex("6"));
    EXPECT_EQ(model.ShaftLetter, LetterIndex("f", Side::Shaft));
    EXPECT_EQ(model.ShaftGrade, GradeIndex("5"));
    EXPECT_NEAR(model.FitMaxValue, 0.052, 1e-12);
    EXPECT_EQ(panel.ShownResults, 10u);
    EXPECT_EQ(panel.SelectedRow, 1);
}

TEST_F(DesignSearchTest, PreferredMarksAgreeWithTheStandardFitList) {
    for (const DesignBasisKind basis : {DesignBasisKind::HoleBasis, DesignBasisKind::ShaftBasis,
                                        DesignBasisKind::AllCombinations}) {
        for (const FitType type :
             {FitType::Clearance, FitType::Transition, FitType::Interference}) {
            Prepare(basis, type, "0", "0");
            SelectGrades("01", "18");
            ASSERT_EQ(Search(), DesignSearchStatus::Completed);
            int preferred = 0;
            for (const DesignResult& result : model.DesignResults) {
                ASSERT_EQ(result.Preferred,
                          IsPreferredFit(result.Name, HalfOf(basis), type, SizeBand::UpTo500))
                    << result.Name;
                preferred += result.Preferred ? 1 : 0;
            }
            EXPECT_GE(preferred, basis == DesignBasisKind::AllCombinations ? 6 : 3);
        }
    }
}

TEST_F(DesignSearchTest, SignsAreNormalisedAndWrittenBackIntoTheFields) {
    struct SignCase {
        FitType type;
        std::string max, min;
        std::string shownMax, shownMin;
        bool inOrder;
    };
    const std::vector<SignCase> cases = {
        {FitType::Interference, "0.05", "0.02", "-0.05", "-0.02", true},
        {FitType::Interference, "0.02", "0.05", "-0.02", "-0.05", false},
        {FitType::Interference, "-0,05", "0,02", "-0,05", "-0.02", true},
        {FitType::Clearance, "-0.05", "-0.02", "0.05", "0.02", true},
        {FitType::Clearance, "0.02", "0.05", "0.02", "0.05", false},
        {FitType::Transition, "0.05", "0.02", "0.05", "-0.02", true},
        {FitType::Transition, "-0.01", "0.3", "0.01", "-0.3", true},
        {FitType::Transition, "0", "0", "0", "0", true},
    };
    for (const SignCase& c : cases) {
        SCOPED_TRACE(c.max + " " + c.min);
        Prepare(DesignBasisKind::GivenHole, c.type, c.max, c.min);
        view.messages.clear();
        const auto status = Search();
        EXPECT_EQ(model.DesignMaxText, c.shownMax);
        EXPECT_EQ(model.DesignMinText, c.shownMin);
        EXPECT_DOUBLE_EQ(model.DesignMaxLimit, ParseFieldNumber(c.shownMax));
        EXPECT_DOUBLE_EQ(model.DesignMinLimit, ParseFieldNumber(c.shownMin));
        EXPECT_EQ(status == DesignSearchStatus::Completed, c.inOrder);
        EXPECT_EQ(view.messages.size(), c.inOrder ? 0u : 1u);
    }
}

TEST_F(DesignSearchTest, LimitsOutOfOrderShowMessage61AndKeepThePreviousResults) {
    Prepare(DesignBasisKind::HoleBasis, FitType::Interference, "0.05", "0.02");
    ASSERT_EQ(Search(), DesignSearchStatus::Completed);
    const std::vector<std::string> previous = NamesOf(model.DesignResults);
    ASSERT_FALSE(previous.empty());
    const MainModelFields before = model;
    const int refreshes = view.refreshCount;

    model.OnDesignLimitEdited(true, "0.02");
    model.OnDesignLimitEdited(false, "0.05");
    EXPECT_EQ(Search(), DesignSearchStatus::LimitsOutOfOrder);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], "Upper limit of size has to be greater than lower limit of size!");
    EXPECT_EQ(NamesOf(model.DesignResults), previous);
    EXPECT_EQ(model.HoleGrade, before.HoleGrade);
    EXPECT_EQ(model.ShaftLetter, before.ShaftLetter);
    EXPECT_EQ(view.refreshCount, refreshes);
}

TEST_F(DesignSearchTest, ReversedGradeRangeGivesNoCandidatesAndOneEmptyRow) {
    Prepare(DesignBasisKind::HoleBasis, FitType::Clearance, "0.05", "0.02");
    SelectGrades("6", "5");
    EXPECT_TRUE(DesignCandidates(panel, SizeBand::UpTo500).empty());
    const MainModelFields before = model;
    const int refreshes = view.refreshCount;
    ASSERT_EQ(Search(), DesignSearchStatus::Completed);
    EXPECT_TRUE(model.DesignResults.empty());
    EXPECT_EQ(DesignGridRowCount(panel), 2);
    for (int column = 0; column < kDesignGridColumns; ++column) {
        EXPECT_EQ(Cell(1, column), "");
    }
    EXPECT_FALSE(ClickDesignRow(model, panel, 1));
    // No final calculation: the window keeps what it showed.
    EXPECT_EQ(model.HoleGrade, before.HoleGrade);
    EXPECT_EQ(view.refreshCount, refreshes);
}

TEST_F(DesignSearchTest, GradeZeroMakesH0AndH1TheBasisWhile01ReadsAsGrade1) {
    Prepare(DesignBasisKind::HoleBasis, FitType::Clearance, "0", "0");
    SelectGrades("0", "1");
    EXPECT_EQ(NamesOf(DesignCandidates(panel, SizeBand::UpTo500)),
              (std::vector<std::string>{"H0/h1", "H0/js1", "H1/h1", "H1/js1"}));
    panel.GradeFrom = "01";
    EXPECT_EQ(NamesOf(DesignCandidates(panel, SizeBand::UpTo500)),
              (std::vector<std::string>{"H1/h1", "H1/js1"}));
    ChooseDesignBasis(panel, DesignBasisKind::ShaftBasis, model.NominalSize);
    panel.GradeFrom = "0";
    const auto candidates = DesignCandidates(panel, SizeBand::UpTo500);
    ASSERT_FALSE(candidates.empty());
    EXPECT_EQ(candidates.front().Name(), "H1/h0");

    // H0/h1 is a clearance fit with zero minimum clearance.
    ChooseDesignBasis(panel, DesignBasisKind::HoleBasis, model.NominalSize);
    ASSERT_EQ(Search(), DesignSearchStatus::Completed);
    const auto names = NamesOf(model.DesignResults);
    EXPECT_NE(std::find(names.begin(), names.end(), "H0/h1"), names.end());
}

TEST_F(DesignSearchTest, StandardOnlyLooksInTheHalfOfTheBasis) {
    Prepare(DesignBasisKind::GivenHole, FitType::Clearance, "0.05", "0.02");
    const auto& list = panel.GivenClassList;
    const auto f8 = std::find_if(list.begin(), list.end(),
                                 [](const GivenClassEntry& entry) { return entry.Name == "F8"; });
    ASSERT_NE(f8, list.end());
    panel.GivenClass = static_cast<int>(f8 - list.begin());
    ASSERT_EQ(Search(), DesignSearchStatus::Completed);
    EXPECT_FALSE(model.DesignResults.empty());  // F8/h7, F8/h9 and more without the filter

    panel.StandardOnly = true;
    ASSERT_EQ(Search(), DesignSearchStatus::Completed);
    EXPECT_TRUE(model.DesignResults.empty());

    // The same filter keeps exactly the listed H7 clearance fits of the hole-basis half.
    const auto h7 = std::find_if(list.begin(), list.end(),
                                 [](const GivenClassEntry& entry) { return entry.Name == "H7"; });
    panel.GivenClass = static_cast<int>(h7 - list.begin());
    ASSERT_EQ(Search(), DesignSearchStatus::Completed);
    std::set<std::string> found;
    for (const auto& name : NamesOf(model.DesignResults)) {
        found.insert(name);
    }
    EXPECT_EQ(found, (std::set<std::string>{"H7/c8", "H7/d8", "H7/e7", "H7/e8", "H7/f6", "H7/f7",
                                            "H7/g6", "H7/h6"}));
}

TEST_F(DesignSearchTest, AllCombinationsWithStandardOnlyMeetsEachListedFitOnce) {
    Prepare(DesignBasisKind::AllCombinations, FitType::Clearance, "0.05", "0.02");
    SelectGrades("01", "18");
    panel.StandardOnly = true;
    const auto candidates = NamesOf(DesignCandidates(panel, SizeBand::UpTo500));
    EXPECT_EQ(candidates.size(), 159u - 1u - 13u);  // no separator, no repeated hole-basis entry
    EXPECT_EQ(std::count(candidates.begin(), candidates.end(), "H7/h6"), 1);
    EXPECT_EQ(std::set<std::string>(candidates.begin(), candidates.end()).size(),
              candidates.size());
    // H7/h6 is met in the shaft-basis half, after the last hole-basis fit.
    EXPECT_GT(std::find(candidates.begin(), candidates.end(), "H7/h6"),
              std::find(candidates.begin(), candidates.end(), "H8/z8"));

    ASSERT_EQ(Search(), DesignSearchStatus::Completed);
    const auto names = NamesOf(model.DesignResults);
    EXPECT_EQ(std::count(names.begin(), names.end(), "H7/h6"), 1);

    // Both classes must lie in the grade range: grades 5 to 12 drop the fits with a grade-4 shaft.
    panel.GradeFrom = "5";
    panel.GradeTo = "12";
    const auto ranged = NamesOf(DesignCandidates(panel, SizeBand::UpTo500));
    EXPECT_EQ(std::find(ranged.begin(), ranged.end(), "H5/g4"), ranged.end());
    EXPECT_EQ(std::find(ranged.begin(), ranged.end(), "G5/h4"), ranged.end());
    EXPECT_NE(std::find(ranged.begin(), ranged.end(), "H6/f5"), ranged.end());
}

TEST_F(DesignSearchTest, ResultLimitSetsTheShownRows) {
    // Hole M7 against every shaft class of grades 5 to 12 gives 25 transition fits at 40 mm.
    Prepare(DesignBasisKind::GivenHole, FitType::Transition, "0.02", "0.01");
    const auto& list = panel.GivenClassList;
    const auto m7 = std::find_if(list.begin(), list.end(),
                                 [](const GivenClassEntry& entry) { return entry.Name == "M7"; });
    ASSERT_NE(m7, list.end());
    panel.GivenClass = static_cast<int>(m7 - list.begin());
    struct LimitCase {
        int limit;
        int rows;
    };
    for (const LimitCase& c :
         {LimitCase{0, 11}, LimitCase{1, 21}, LimitCase{2, 26}, LimitCase{kAllResultsLimit, 26}}) {
        panel.ResultLimit = c.limit;
        ASSERT_EQ(Search(), DesignSearchStatus::Completed);
        ASSERT_EQ(model.DesignResults.size(), 25u);
        EXPECT_EQ(DesignGridRowCount(panel), c.rows) << c.limit;
        EXPECT_NE(Cell(c.rows - 1, 0), "");
        EXPECT_EQ(DesignGridCell(model, panel, c.rows, 0).Style, CellStyle::Empty);
    }
    EXPECT_EQ(ShownResultCount(150, 3), 100u);
    EXPECT_EQ(ShownResultCount(150, kAllResultsLimit), 150u);
    EXPECT_EQ(ShownResultCount(0, 0), 0u);
}

TEST_F(DesignSearchTest, InchModeRanksAlikeWithDeviations25Point4TimesSmaller) {
    // 0.002 in and 0.001 in are 0.0508 mm and 0.0254 mm.
    Prepare(DesignBasisKind::ShaftBasis, FitType::Clearance, "0.0508", "0.0254");
    ASSERT_EQ(Search(), DesignSearchStatus::Completed);
    const std::vector<DesignResult> millimetres = model.DesignResults;
    std::vector<std::string> mmDeviations;
    for (int row = 1; row <= 10; ++row) {
        mmDeviations.push_back(Cell(row, 3));
    }

    model.SwitchUnits();
    Prepare(DesignBasisKind::ShaftBasis, FitType::Clearance, "0.002", "0.001");
    ASSERT_EQ(Search(), DesignSearchStatus::Completed);
    ASSERT_EQ(NamesOf(model.DesignResults), NamesOf(millimetres));
    for (int row = 1; row <= 10; ++row) {
        const DesignResult& mm = millimetres[row - 1];
        EXPECT_NEAR(model.DesignResults[row - 1].Score, mm.Score, 1e-12);
        EXPECT_EQ(Cell(row, 3), FormatD5(mm.Score / 25.4)) << mm.Name;
        EXPECT_EQ(Cell(row, 1), FormatD5(mm.FitMaxValue / 25.4)) << mm.Name;
        EXPECT_EQ(mmDeviations[row - 1], FormatD4(mm.Score));
    }
}

TEST_F(DesignSearchTest, Over500ShaftBasisUsesTheCataloguesOfThatBand) {
    SelectFit("H7/g6", 630);
    Prepare(DesignBasisKind::ShaftBasis, FitType::Clearance, "0.5", "0.2");
    SelectGrades("01", "18");
    const auto candidates = DesignCandidates(panel, SizeBand::Over500);
    EXPECT_EQ(candidates.size(), 18u * 82u);  // h1 to h18 against every hole class
    ASSERT_EQ(Search(), DesignSearchStatus::Completed);
    ASSERT_FALSE(model.DesignResults.empty());
    for (const DesignResult& result : model.DesignResults) {
        const char letter = result.Name[0];
        EXPECT_TRUE(letter != 'A' && letter != 'B' && letter != 'C') << result.Name;
    }
    EXPECT_TRUE(
        IsStandardFit("D10/h9", FitHalf::ShaftBasis, FitType::Clearance, SizeBand::Over500));
    const auto d10 = std::find_if(model.DesignResults.begin(), model.DesignResults.end(),
                                  [](const DesignResult& r) { return r.Name == "D10/h9"; });
    ASSERT_NE(d10, model.DesignResults.end());
    EXPECT_FALSE(d10->Preferred);
}

TEST_F(DesignSearchTest, FitTypeIsJudgedByItsKindNotByItsText) {
    // With no language table every type text is empty; the search must still tell them apart.
    Prepare(DesignBasisKind::HoleBasis, FitType::Transition, "0.02", "0.01");
    ASSERT_EQ(Search(), DesignSearchStatus::Completed);
    const std::vector<std::string> withTexts = NamesOf(model.DesignResults);
    ASSERT_FALSE(withTexts.empty());

    GlobalLanguageState().Reset();
    ASSERT_EQ(LangText(16), LangText(18));
    ASSERT_EQ(Search(), DesignSearchStatus::Completed);
    EXPECT_EQ(NamesOf(model.DesignResults), withTexts);
}

TEST_F(DesignSearchTest, SearchOffTheStandardPageJudgesNoCandidate) {
    // The standard calculation does nothing there, so no candidate has results of its own.
    Prepare(DesignBasisKind::HoleBasis, FitType::Clearance, "0.05", "0.02");
    model.NominalSize = 0;
    ASSERT_EQ(Search(), DesignSearchStatus::Completed);
    EXPECT_TRUE(model.DesignResults.empty());
}

TEST_F(DesignSearchTest, ApplicationAreaSetsTheGradeRange) {
    struct AreaCase {
        int area;
        std::string from, to;
        bool enabled;
    };
    for (const AreaCase& c : std::vector<AreaCase>{{0, "5", "12", false},
                                                   {1, "01", "6", false},
                                                   {2, "11", "16", false},
                                                   {3, "16", "18", false},
                                                   {4, "11", "18", false},
                                                   {5, "01", "18", true}}) {
        ChooseApplicationArea(panel, c.area, model.NominalSize);
        EXPECT_EQ(panel.GradeFrom, c.from) << c.area;
        EXPECT_EQ(panel.GradeTo, c.to) << c.area;
        EXPECT_EQ(panel.GradeSelectorsEnabled, c.enabled) << c.area;
    }
    EXPECT_EQ(ApplicationAreaItemTexts()[0], "Precision and general engineering");
    EXPECT_EQ(ApplicationAreaItemTexts()[5], "Select");
    EXPECT_EQ(DesignBasisItemTexts()[4], "All combinations");
    EXPECT_EQ(ResultLimitItemTexts(), (std::vector<std::string>{"10", "20", "50", "100", "all"}));
}

TEST_F(DesignSearchTest, GivenClassListFollowsBasisAreaAndBand) {
    ChooseDesignBasis(panel, DesignBasisKind::GivenHole, model.NominalSize);
    ASSERT_TRUE(panel.GivenClassListShown);
    ASSERT_FALSE(panel.GivenClassList.empty());
    EXPECT_EQ(panel.GivenClass, 0);
    EXPECT_EQ(panel.GivenClassList.front().Name, "A9");  // grades 5 to 12, catalogue order
    std::set<std::string> bold;
    for (const GivenClassEntry& entry : panel.GivenClassList) {
        const int grade = ClassGrade(entry.Name);
        EXPECT_TRUE(grade >= 5 && grade <= 12) << entry.Name;
        if (entry.Bold) {
            bold.insert(std::string(entry.Name));
        }
    }
    EXPECT_EQ(bold, (std::set<std::string>{"A11", "B11", "C11", "D10", "E9", "F8", "G7", "H7", "H8",
                                           "H9", "H11", "JS7", "K7", "N7", "P7", "R7", "S7"}));

    // A grade typed by hand waits for the next rebuild; a new area rebuilds at once.
    panel.GivenClass = 3;
    panel.GradeFrom = "16";
    EXPECT_EQ(panel.GivenClassList.front().Name, "A9");
    ChooseApplicationArea(panel, 3, model.NominalSize);
    EXPECT_EQ(panel.GivenClassList.front().Name, "H16");
    EXPECT_EQ(panel.GivenClass, 0);

    ChooseDesignBasis(panel, DesignBasisKind::GivenShaft, 630);
    EXPECT_EQ(panel.GivenClassList.front().Name, "h16");
    EXPECT_EQ(panel.GivenClassList.size(), 6u);  // h16 to h18, js16 to js18 above 500 mm

    ChooseDesignBasis(panel, DesignBasisKind::AllCombinations, model.NominalSize);
    EXPECT_FALSE(panel.GivenClassListShown);
    EXPECT_TRUE(panel.GivenClassList.empty());
    EXPECT_EQ(panel.GivenClass, kNoSelection);
    ChooseApplicationArea(panel, 0, model.NominalSize);
    EXPECT_TRUE(panel.GivenClassList.empty());

    // An empty list leaves a given-class search without candidates.
    ChooseDesignBasis(panel, DesignBasisKind::GivenHole, model.NominalSize);
    panel.GradeFrom = "01";
    panel.GradeTo = "0";
    RebuildGivenClassList(panel, model.NominalSize);
    EXPECT_TRUE(panel.GivenClassList.empty());
    EXPECT_TRUE(DesignCandidates(panel, SizeBand::UpTo500).empty());
}

TEST_F(DesignSearchTest, DesignTypeSetsCaptionsAndZeroesBothFields) {
    struct CaptionCase {
        FitType type;
        std::string max, min;
    };
    for (const CaptionCase& c :
         std::vector<CaptionCase>{{FitType::Clearance, "Max. clear.", "Min. clear."},
                                  {FitType::Transition, "Max. clear.", "Max. interf."},
                                  {FitType::Interference, "Max. interf.", "Min. interf."}}) {
        model.OnDesignLimitEdited(true, "0.3");
        model.OnDesignLimitEdited(false, "0.1");
        ChooseDesignType(panel, c.type, model);
        EXPECT_EQ(MaxFieldCaption(c.type), c.max);
        EXPECT_EQ(MinFieldCaption(c.type), c.min);
        EXPECT_EQ(model.DesignMaxText, "0");
        EXPECT_EQ(model.DesignMinText, "0");
        EXPECT_EQ(model.DesignMaxLimit, 0);
        EXPECT_EQ(model.DesignMinLimit, 0);
        // The grid's headers follow the type at drawing time.
        EXPECT_EQ(Cell(0, 0), "Fit");
        EXPECT_EQ(Cell(0, 1), c.max);
        EXPECT_EQ(Cell(0, 2), c.min);
        EXPECT_EQ(Cell(0, 3), "Deviation");
        EXPECT_EQ(DesignGridCell(model, panel, 0, 1).Style, CellStyle::Heading);
    }
}

TEST_F(DesignSearchTest, GridShowsRecordsInTheDisplayFormatAndClicksLoadThem) {
    Prepare(DesignBasisKind::HoleBasis, FitType::Clearance, "0.05", "0.02");
    model.DecimalSeparator = ',';
    ASSERT_EQ(Search(), DesignSearchStatus::Completed);
    ASSERT_EQ(DesignGridRowCount(panel), 11);
    EXPECT_EQ(DesignGridGeometry(panel).Columns, 4);
    // Row 1: H6/f5, 0.052 and 0.025 mm, 0.007 mm from the request.
    EXPECT_EQ(Cell(1, 0), "H6/f5");
    EXPECT_EQ(Cell(1, 1), "0,0520");
    EXPECT_EQ(Cell(1, 2), "0,0250");
    EXPECT_EQ(Cell(1, 3), "0,0070");
    EXPECT_EQ(DesignGridCell(model, panel, 1, 0).Align, HAlign::Center);
    EXPECT_EQ(DesignGridCell(model, panel, 1, 3).Align, HAlign::Right);
    for (int row = 1; row < DesignGridRowCount(panel); ++row) {
        const DesignResult& record = model.DesignResults[row - 1];
        for (int column = 0; column < kDesignGridColumns; ++column) {
            EXPECT_EQ(DesignGridCell(model, panel, row, column).Bold, record.Preferred);
        }
    }
    // H7/g6 is the first preferred fit in the list.
    const auto g6 = std::find_if(model.DesignResults.begin(), model.DesignResults.begin() + 10,
                                 [](const DesignResult& r) { return r.Name == "H7/g6"; });
    ASSERT_NE(g6, model.DesignResults.begin() + 10);
    const int g6Row = static_cast<int>(g6 - model.DesignResults.begin()) + 1;
    EXPECT_TRUE(DesignGridCell(model, panel, g6Row, 0).Bold);

    const int refreshes = view.refreshCount;
    ASSERT_TRUE(ClickDesignRow(model, panel, g6Row));
    EXPECT_EQ(panel.SelectedRow, g6Row);
    EXPECT_EQ(model.HoleGrade, GradeIndex("7"));
    EXPECT_EQ(model.ShaftLetter, LetterIndex("g", Side::Shaft));
    EXPECT_EQ(model.ShaftGrade, GradeIndex("6"));
    EXPECT_NEAR(model.FitMaxValue, g6->FitMaxValue, 1e-15);
    EXPECT_EQ(view.refreshCount, refreshes + 1);
    EXPECT_FALSE(ClickDesignRow(model, panel, 0));
    EXPECT_FALSE(ClickDesignRow(model, panel, 11));
    EXPECT_EQ(panel.SelectedRow, g6Row);
}

// The tie order of the ranking, traced by hand through the quicksort.
TEST(SortDesignResults, EqualScoresComeOutInTheQuicksortOrder) {
    struct SortCase {
        std::vector<std::pair<std::string, double>> records;
        std::vector<std::string> order;
    };
    const std::vector<SortCase> cases = {
        {{{"a", 1}, {"b", 1}, {"c", 1}}, {"c", "b", "a"}},
        {{{"a", 3}, {"b", 1}, {"c", 2}, {"d", 1}, {"e", 3}}, {"b", "d", "c", "e", "a"}},
        // 0.3 and 0.1 + 0.2 differ in their last bit only: they tie, and the tie swaps them.
        {{{"y", 0.3}, {"x", 0.1 + 0.2}}, {"x", "y"}},
        {{{"only", 0.5}}, {"only"}},
    };
    for (const SortCase& c : cases) {
        std::vector<DesignResult> results;
        for (const auto& [name, score] : c.records) {
            DesignResult result;
            result.Name = name;
            result.Score = score;
            results.push_back(result);
        }
        SortDesignResults(results);
        EXPECT_EQ(NamesOf(results), c.order);
    }
    std::vector<DesignResult> none;
    SortDesignResults(none);
    EXPECT_TRUE(none.empty());
}

}  // namespace
}  // namespace kelvo
