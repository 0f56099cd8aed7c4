#pragma once
// The fit design panel and its search. The search uses the main window model as its calculator:
// every candidate fit is loaded into the model and calculated, the fits of the wanted type are
// kept, ranked by how far their two extremes lie from the requested ones, and the best is loaded.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/tolerance_types.h"
#include "design/size_band.h"
#include "design/standard_fits.h"
#include "model/main_model.h"

namespace kelvo {

// The basis selector cbDSystem; its item index is the enumerator's value.
enum class DesignBasisKind {
    HoleBasis = 0,
    ShaftBasis = 1,
    GivenHole = 2,
    GivenShaft = 3,
    AllCombinations = 4,
};
inline constexpr int kDesignBasisCount = 5;

// The half of the standard fit list that the membership tests of a basis look at.
FitHalf HalfOf(DesignBasisKind basis);

// Language keys of the design panel's texts.
namespace panel_key {
inline constexpr int kFit = 25;               // grid header of the fit column
inline constexpr int kResultsAll = 91;        // "(all)"; shown without its brackets
inline constexpr int kDesign = 93;            // the panel button
inline constexpr int kGradeRange = 94;        // label of the area selector
inline constexpr int kOnlyStandardFits = 95;  // the check box
inline constexpr int kDeviation = 96;         // grid header of the score column
inline constexpr int kSearch = 97;            // the search button
inline constexpr int kResults = 98;           // label of the result limit selector
inline constexpr int kHoleTolerance = 104;    // cbDSystem item 2
inline constexpr int kShaftTolerance = 105;   // cbDSystem item 3
inline constexpr int kAllCombinations = 106;  // cbDSystem item 4
inline constexpr int kMaxClearance = 107;     // "Max. clear."
inline constexpr int kMinClearance = 108;     // "Min. clear."
inline constexpr int kMaxInterference = 109;  // "Max. interf."
inline constexpr int kMinInterference = 110;  // "Min. interf."
}  // namespace panel_key

// An application area and the tolerance grades it stands for.
struct ApplicationAreaRow {
    int TextKey;
    std::string_view GradeFrom;  // a text of the grade list
    std::string_view GradeTo;
    bool GradeSelectorsEnabled;  // only the last area lets the user set the grades
};
inline constexpr int kApplicationAreaCount = 6;
inline constexpr std::array<ApplicationAreaRow, kApplicationAreaCount> kApplicationAreas = {{
    {100, "5", "12", false},   // precision and general engineering
    {99, "01", "6", false},    // gauges and measuring instruments
    {101, "11", "16", false},  // semi-products
    {102, "16", "18", false},  // structures
    {103, "11", "18", false},  // non-tolerated dimensions
    {89, "01", "18", true},    // select
}};

// The result count selector cbPart: 10, 20, 50, 100 records or all of them.
inline constexpr int kResultLimitCount = 5;
inline constexpr int kAllResultsLimit = 4;
inline constexpr std::array<std::size_t, kAllResultsLimit> kResultLimitSizes = {10, 20, 50, 100};

// Number of records the result grid shows for `recordCount` records under a result limit index.
std::size_t ShownResultCount(std::size_t recordCount, int resultLimit);

// A grade text of the grade list read as a decimal integer: "01" and "1" give 1, "0" gives 0.
// Empty for a text that is not a number.
std::optional<int> GradeValue(std::string_view gradeText);

struct GivenClassEntry {
    std::string_view Name;  // a catalogue entry; static storage
    bool Bold = false;      // a preferred class of the catalogue
};

// The inputs of the design panel and the state of its result grid. The Max and Min fields are the
// model's DesignMaxText and DesignMinText.
struct DesignPanelState {
    int ApplicationArea = 0;
    std::string GradeFrom = "5";
    std::string GradeTo = "12";
    bool GradeSelectorsEnabled = false;
    DesignBasisKind DesignBasis = DesignBasisKind::HoleBasis;
    std::vector<GivenClassEntry> GivenClassList;
    bool GivenClassListShown = false;
    int GivenClass = kNoSelection;  // index into GivenClassList
    FitType DesignType = FitType::Clearance;
    bool StandardOnly = false;
    int ResultLimit = 0;  // [0, 4]: 10, 20, 50, 100, all

    // The result grid as the last search left it.
    std::size_t ShownResults = 0;  // data rows holding a record
    int SelectedRow = 1;           // grid row; row 0 is the header
};

// The item texts of the selectors, in item order.
std::vector<std::string> ApplicationAreaItemTexts();
std::vector<std::string> DesignBasisItemTexts();
std::vector<std::string> ResultLimitItemTexts();

// Captions of the Max and Min fields for a fit type (language keys and texts).
int MaxFieldCaptionKey(FitType type);
int MinFieldCaptionKey(FitType type);
std::string MaxFieldCaption(FitType type);
std::string MinFieldCaption(FitType type);

// Opening the panel: area 0, hole basis, clearance (captions set, both fields 0).
void OpenDesignPanel(DesignPanelState& panel, MainWindowModel& model);

// Sets the grade range of the area, enables the grade selectors for the last area only, and
// rebuilds the given-class list when it is shown.
void ChooseApplicationArea(DesignPanelState& panel, int area, double nominalMm);

// Sets the basis and rebuilds the given-class list.
void ChooseDesignBasis(DesignPanelState& panel, DesignBasisKind basis, double nominalMm);

// Fills the given-class list with the classes in range of the catalogue that the basis names
// (hole or shaft) in the band of `nominalMm`, and selects the first; other bases hide it.
void RebuildGivenClassList(DesignPanelState& panel, double nominalMm);

// Sets the type and writes 0 into both limit fields.
void ChooseDesignType(DesignPanelState& panel, FitType type, MainWindowModel& model);

// One candidate fit of a search: the two classes with their letter and grade indexes.
struct DesignCandidate {
    std::string_view HoleClass;  // static storage
    std::string_view ShaftClass;
    int HoleLetter, HoleGrade, ShaftLetter, ShaftGrade;

    std::string Name() const;  // "H7/g6"
};

// The candidates of the panel's basis and grade range in the band, in search order, before the
// standard-fit filter of the bases other than AllCombinations.
std::vector<DesignCandidate> DesignCandidates(const DesignPanelState& panel, SizeBand band);

// Sorts by ascending score with the quicksort that fixes the order of equal scores. Scores are
// compared rounded to kScoreResolutionMm, so that mathematically equal scores compare equal.
inline constexpr double kScoreResolutionMm = 1e-9;
void SortDesignResults(std::vector<DesignResult>& results);

enum class DesignSearchStatus {
    Completed,         // DesignResults holds the accepted fits (possibly none)
    LimitsOutOfOrder,  // message 61 shown; results kept from the previous search
};

// The search button. Normalises the signs of the two limit fields, checks their order, calculates
// every candidate in the model with the views' refresh suppressed, keeps the fits of the wanted
// type in model.DesignResults, ranks them, sets the grid's shown count and selects its first data
// row, and loads and calculates the best fit (with a refresh). `view` receives message 61.
DesignSearchStatus RunDesignSearch(MainWindowModel& model, DesignPanelState& panel,
                                   ModelView* view);

}  // namespace kelvo
