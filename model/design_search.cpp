#include "model/design_search.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <utility>

#include "core/number_format.h"
#include "design/class_catalogues.h"
#include "design/class_names.h"
#include "model/fit_selection.h"
#include "model/language_keys.h"

namespace kelvo {

namespace {

// The basis classes of a hole-basis or shaft-basis search, "H" or "h" followed by the grade
// number: IT0 to IT18 (IT01 is read as grade 1 by the grade range).
constexpr int kMaxGradeNumber = 18;
constexpr std::array<std::string_view, kMaxGradeNumber + 1> kBasisHoles = {
    "H0",  "H1",  "H2",  "H3",  "H4",  "H5",  "H6",  "H7",  "H8", "H9",
    "H10", "H11", "H12", "H13", "H14", "H15", "H16", "H17", "H18"};
constexpr std::array<std::string_view, kMaxGradeNumber + 1> kBasisShafts = {
    "h0",  "h1",  "h2",  "h3",  "h4",  "h5",  "h6",  "h7",  "h8", "h9",
    "h10", "h11", "h12", "h13", "h14", "h15", "h16", "h17", "h18"};

struct GradeRange {
    int From = 0;
    int To = -1;  // empty until read
    bool Contains(int grade) const { return From <= grade && grade <= To; }
};

GradeRange GradeRangeOf(const DesignPanelState& panel) {
    const auto from = GradeValue(panel.GradeFrom);
    const auto to = GradeValue(panel.GradeTo);
    if (!from || !to) {
        return {};
    }
    return {*from, *to};
}

// A tolerance class with the letter and grade indexes its name selects.
struct ResolvedClass {
    std::string_view Name;
    int Letter;
    int Grade;
};

ResolvedClass Resolve(std::string_view name, Side side) {
    const ClassNameParts parts = SplitClassName(name, side);
    return {name, LetterIndex(parts.Letter, side), GradeIndex(parts.Grade)};
}

std::vector<ResolvedClass> ClassesInRange(Side side, SizeBand band, GradeRange range) {
    std::vector<ResolvedClass> classes;
    for (const ClassEntry& entry : ClassCatalogue(side, band)) {
        if (range.Contains(ClassGrade(entry.Name))) {
            classes.push_back(Resolve(entry.Name, side));
        }
    }
    return classes;
}

DesignCandidate MakeCandidate(const ResolvedClass& hole, const ResolvedClass& shaft) {
    return {hole.Name, shaft.Name, hole.Letter, hole.Grade, shaft.Letter, shaft.Grade};
}

ResolvedClass BasisClass(Side side, int gradeNumber) {
    const bool hole = side == Side::Hole;
    return {hole ? kBasisHoles[gradeNumber] : kBasisShafts[gradeNumber], letter::kH,
            GradeIndexOfNumber(gradeNumber)};
}

template <typename Visit>
void ForEachBasisCandidate(Side basisSide, SizeBand band, GradeRange range, Visit& visit) {
    const Side otherSide = basisSide == Side::Hole ? Side::Shaft : Side::Hole;
    const std::vector<ResolvedClass> others = ClassesInRange(otherSide, band, range);
    for (int grade = std::max(range.From, 0); grade <= std::min(range.To, kMaxGradeNumber);
         ++grade) {
        const ResolvedClass basis = BasisClass(basisSide, grade);
        for (const ResolvedClass& other : others) {
            visit(basisSide == Side::Hole ? MakeCandidate(basis, other)
                                          : MakeCandidate(other, basis));
        }
    }
}

template <typename Visit>
void ForEachGivenClassCandidate(const DesignPanelState& panel, Side givenSide, SizeBand band,
                                GradeRange range, Visit& visit) {
    if (panel.GivenClass < 0 || panel.GivenClass >= static_cast<int>(panel.GivenClassList.size())) {
        return;
    }
    const ResolvedClass given = Resolve(panel.GivenClassList[panel.GivenClass].Name, givenSide);
    const Side otherSide = givenSide == Side::Hole ? Side::Shaft : Side::Hole;
    for (const ResolvedClass& other : ClassesInRange(otherSide, band, range)) {
        visit(givenSide == Side::Hole ? MakeCandidate(given, other) : MakeCandidate(other, given));
    }
}

// Every fit of the standard list once: the hole-basis entries that the shaft-basis half repeats
// are met there.
template <typename Visit>
void ForEachStandardCandidate(SizeBand band, GradeRange range, Visit& visit) {
    for (const StandardFitEntry& entry : StandardFitList(band)) {
        const bool holeBasisHalf = entry.Section == FitSection::HoleBasisClearance ||
                                   entry.Section == FitSection::HoleBasisTransition ||
                                   entry.Section == FitSection::HoleBasisInterference;
        if (entry.Section == FitSection::Separator ||
            (holeBasisHalf && IsRepeatedFit(entry.Name))) {
            continue;
        }
        const std::size_t slash = entry.Name.find('/');
        const std::string_view hole = entry.Name.substr(0, slash);
        const std::string_view shaft = entry.Name.substr(slash + 1);
        if (range.Contains(ClassGrade(hole)) && range.Contains(ClassGrade(shaft))) {
            visit(MakeCandidate(Resolve(hole, Side::Hole), Resolve(shaft, Side::Shaft)));
        }
    }
}

template <typename Visit>
void ForEachCandidate(const DesignPanelState& panel, SizeBand band, Visit&& visit) {
    const GradeRange range = GradeRangeOf(panel);
    switch (panel.DesignBasis) {
        case DesignBasisKind::HoleBasis:
            ForEachBasisCandidate(Side::Hole, band, range, visit);
            return;
        case DesignBasisKind::ShaftBasis:
            ForEachBasisCandidate(Side::Shaft, band, range, visit);
            return;
        case DesignBasisKind::GivenHole:
            ForEachGivenClassCandidate(panel, Side::Hole, band, range, visit);
            return;
        case DesignBasisKind::GivenShaft:
            ForEachGivenClassCandidate(panel, Side::Shaft, band, range, visit);
            return;
        case DesignBasisKind::AllCombinations:
            break;
    }
    if (panel.StandardOnly) {
        ForEachStandardCandidate(band, range, visit);
        return;
    }
    const std::vector<ResolvedClass> holes = ClassesInRange(Side::Hole, band, range);
    const std::vector<ResolvedClass> shafts = ClassesInRange(Side::Shaft, band, range);
    for (const ResolvedClass& hole : holes) {
        for (const ResolvedClass& shaft : shafts) {
            visit(MakeCandidate(hole, shaft));
        }
    }
}

// The fits of one part of the standard fit list, as letter and grade indexes, so that a
// candidate is looked up without building and comparing names. The part is chosen by the
// library's own membership test.
class FitIndexSet {
  public:
    template <typename Member>
    FitIndexSet(SizeBand band, Member isMember) {
        for (const StandardFitEntry& entry : StandardFitList(band)) {
            const auto fit = ParseFitName(entry.Name);
            if (fit && isMember(entry.Name)) {
                keys_.push_back(
                    KeyOf(fit->HoleLetter, fit->HoleGrade, fit->ShaftLetter, fit->ShaftGrade));
            }
        }
        std::sort(keys_.begin(), keys_.end());
    }

    bool Contains(const DesignCandidate& c) const {
        return std::binary_search(keys_.begin(), keys_.end(),
                                  KeyOf(c.HoleLetter, c.HoleGrade, c.ShaftLetter, c.ShaftGrade));
    }

  private:
    static std::int32_t KeyOf(int holeLetter, int holeGrade, int shaftLetter, int shaftGrade) {
        return ((holeLetter * kGradeCount + holeGrade) * kLetterCount + shaftLetter) * kGradeCount +
               shaftGrade;
    }

    std::vector<std::int32_t> keys_;
};

// Interference amounts are entered as negative numbers, clearances as positive ones: a field of
// the wrong sign is rewritten with its negation.
void NormaliseLimitSigns(MainWindowModel& model, FitType type) {
    const auto normalise = [&model](bool maxField, bool wantNonNegative) {
        const std::string& text = maxField ? model.DesignMaxText : model.DesignMinText;
        const double value = ParseFieldNumber(text);
        if (wantNonNegative ? value < 0 : value > 0) {
            model.OnDesignLimitEdited(maxField, FormatGeneral(-value, model.DecimalSeparator));
        }
    };
    normalise(true, type != FitType::Interference);
    normalise(false, type == FitType::Clearance);
}

bool LimitsInOrder(FitType type, double maxEntry, double minEntry) {
    return type == FitType::Interference ? minEntry >= maxEntry : maxEntry >= minEntry;
}

// Drops the first and the last UTF-8 character of a text ("(all)" gives "all").
std::string WithoutEnclosingCharacters(const std::string& text) {
    const auto isContinuation = [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
    };
    std::size_t begin = text.empty() ? 0 : 1;
    while (begin < text.size() && isContinuation(text[begin])) {
        ++begin;
    }
    std::size_t end = text.size();
    if (end > begin) {
        --end;
        while (end > begin && isContinuation(text[end])) {
            --end;
        }
    }
    return text.substr(begin, end - begin);
}

}  // namespace

// Panel inputs -----------------------------------------------------------------

FitHalf HalfOf(DesignBasisKind basis) {
    switch (basis) {
        case DesignBasisKind::HoleBasis:
        case DesignBasisKind::GivenHole:
            return FitHalf::HoleBasis;
        case DesignBasisKind::ShaftBasis:
        case DesignBasisKind::GivenShaft:
            return FitHalf::ShaftBasis;
        case DesignBasisKind::AllCombinations:
            break;
    }
    return FitHalf::WholeList;
}

std::size_t ShownResultCount(std::size_t recordCount, int resultLimit) {
    if (resultLimit == kAllResultsLimit) {
        return recordCount;
    }
    const bool known = resultLimit >= 0 && resultLimit < kAllResultsLimit;
    return std::min(recordCount, kResultLimitSizes[known ? resultLimit : 0]);
}

std::optional<int> GradeValue(std::string_view gradeText) {
    int value = 0;
    const char* end = gradeText.data() + gradeText.size();
    const auto [stop, error] = std::from_chars(gradeText.data(), end, value);
    if (gradeText.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string> ApplicationAreaItemTexts() {
    std::vector<std::string> texts;
    for (const ApplicationAreaRow& area : kApplicationAreas) {
        texts.push_back(LangText(area.TextKey));
    }
    return texts;
}

std::vector<std::string> DesignBasisItemTexts() {
    return {LangText(panel_key::kHoleBasisSystem), LangText(panel_key::kShaftBasisSystem),
            LangText(panel_key::kHoleTolerance), LangText(panel_key::kShaftTolerance),
            LangText(panel_key::kAllCombinations)};
}

std::vector<std::string> ResultLimitItemTexts() {
    return {"10", "20", "50", "100", WithoutEnclosingCharacters(LangText(panel_key::kResultsAll))};
}

int MaxFieldCaptionKey(FitType type) {
    return type == FitType::Interference ? panel_key::kMaxInterference : panel_key::kMaxClearance;
}

int MinFieldCaptionKey(FitType type) {
    switch (type) {
        case FitType::Clearance:
            return panel_key::kMinClearance;
        case FitType::Transition:
            return panel_key::kMaxInterference;
        case FitType::Interference:
            break;
    }
    return panel_key::kMinInterference;
}

std::string MaxFieldCaption(FitType type) {
    return LangText(MaxFieldCaptionKey(type));
}
std::string MinFieldCaption(FitType type) {
    return LangText(MinFieldCaptionKey(type));
}

void OpenDesignPanel(DesignPanelState& panel, MainWindowModel& model) {
    ChooseApplicationArea(panel, 0, model.NominalSize);
    ChooseDesignBasis(panel, DesignBasisKind::HoleBasis, model.NominalSize);
    ChooseDesignType(panel, FitType::Clearance, model);
}

void ChooseApplicationArea(DesignPanelState& panel, int area, double nominalMm) {
    if (area < 0 || area >= kApplicationAreaCount) {
        return;
    }
    const ApplicationAreaRow& row = kApplicationAreas[area];
    panel.ApplicationArea = area;
    panel.GradeFrom = std::string(row.GradeFrom);
    panel.GradeTo = std::string(row.GradeTo);
    panel.GradeSelectorsEnabled = row.GradeSelectorsEnabled;
    if (panel.GivenClassListShown) {
        RebuildGivenClassList(panel, nominalMm);
    }
}

void ChooseDesignBasis(DesignPanelState& panel, DesignBasisKind basis, double nominalMm) {
    panel.DesignBasis = basis;
    RebuildGivenClassList(panel, nominalMm);
}

void RebuildGivenClassList(DesignPanelState& panel, double nominalMm) {
    panel.GivenClassList.clear();
    panel.GivenClass = kNoSelection;
    const bool givenHole = panel.DesignBasis == DesignBasisKind::GivenHole;
    panel.GivenClassListShown = givenHole || panel.DesignBasis == DesignBasisKind::GivenShaft;
    if (!panel.GivenClassListShown) {
        return;
    }
    const GradeRange range = GradeRangeOf(panel);
    for (const ClassEntry& entry :
         ClassCatalogue(givenHole ? Side::Hole : Side::Shaft, SizeBandOf(nominalMm))) {
        if (range.Contains(ClassGrade(entry.Name))) {
            panel.GivenClassList.push_back({entry.Name, entry.Preferred});
        }
    }
    if (!panel.GivenClassList.empty()) {
        panel.GivenClass = 0;
    }
}

void ChooseDesignType(DesignPanelState& panel, FitType type, MainWindowModel& model) {
    panel.DesignType = type;
    model.OnDesignLimitEdited(true, "0");
    model.OnDesignLimitEdited(false, "0");
}

// Candidates and ranking ---------------------------------------------------------

std::string DesignCandidate::Name() const {
    std::string name;
    name.reserve(HoleClass.size() + 1 + ShaftClass.size());
    name.append(HoleClass).append("/").append(ShaftClass);
    return name;
}

std::vector<DesignCandidate> DesignCandidates(const DesignPanelState& panel, SizeBand band) {
    std::vector<DesignCandidate> candidates;
    ForEachCandidate(panel, band,
                     [&candidates](const DesignCandidate& c) { candidates.push_back(c); });
    return candidates;
}

namespace {

struct RankedRecord {
    double Key;  // the score in units of kScoreResolutionMm, rounded
    std::size_t Index;
};

// Hoare's quicksort with the middle record as pivot. Records of equal key are not kept in their
// first order, but come out in the order this exact procedure gives.
void QuickSort(std::vector<RankedRecord>& records, std::ptrdiff_t left, std::ptrdiff_t right) {
    std::ptrdiff_t i = left;
    do {
        i = left;
        std::ptrdiff_t j = right;
        const double pivot = records[(left + right) / 2].Key;
        do {
            while (records[i].Key < pivot) {
                ++i;
            }
            while (records[j].Key > pivot) {
                --j;
            }
            if (i <= j) {
                std::swap(records[i], records[j]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (left < j) {
            QuickSort(records, left, j);
        }
        left = i;
    } while (i < right);
}

}  // namespace

void SortDesignResults(std::vector<DesignResult>& results) {
    if (results.empty()) {
        return;
    }
    std::vector<RankedRecord> ranked;
    ranked.reserve(results.size());
    for (std::size_t index = 0; index < results.size(); ++index) {
        ranked.push_back({std::round(results[index].Score / kScoreResolutionMm), index});
    }
    QuickSort(ranked, 0, static_cast<std::ptrdiff_t>(ranked.size()) - 1);
    std::vector<DesignResult> sorted;
    sorted.reserve(results.size());
    for (const RankedRecord& record : ranked) {
        sorted.push_back(std::move(results[record.Index]));
    }
    results = std::move(sorted);
}

// The search ------------------------------------------------------------------------

namespace {

void EvaluateCandidates(MainWindowModel& model, const DesignPanelState& panel, SizeBand band,
                        double maxEntry, double minEntry) {
    const FitType type = panel.DesignType;
    const FitHalf half = HalfOf(panel.DesignBasis);
    const bool standardFilter =
        panel.StandardOnly && panel.DesignBasis != DesignBasisKind::AllCombinations;
    const FitIndexSet standard(
        band, [&](std::string_view fit) { return IsStandardFit(fit, half, type, band); });
    const FitIndexSet preferred(
        band, [&](std::string_view fit) { return IsPreferredFit(fit, half, type, band); });
    // The score is in mm: the typed amounts are inches in inch mode.
    const double unitMm = model.InchMode ? kMmPerInch : 1.0;
    const double wantedMaxMm = std::abs(maxEntry) * unitMm;
    const double wantedMinMm = std::abs(minEntry) * unitMm;

    ForEachCandidate(panel, band, [&](const DesignCandidate& candidate) {
        if (standardFilter && !standard.Contains(candidate)) {
            return;
        }
        model.HoleLetter = candidate.HoleLetter;
        model.HoleGrade = candidate.HoleGrade;
        model.ShaftLetter = candidate.ShaftLetter;
        model.ShaftGrade = candidate.ShaftGrade;
        model.CalculateStandard();
        // The classified type, never its translated text: an incomplete language table would
        // make the texts of different types equal.
        if (model.FitKind != type) {
            return;
        }
        DesignResult& result = model.DesignResults.emplace_back();
        result.Name = candidate.Name();
        result.FitMaxValue = model.FitMaxValue;
        result.FitMinValue = model.FitMinValue;
        result.FitTolerance = model.FitTolerance;
        result.Preferred = preferred.Contains(candidate);
        result.Score =
            std::abs(model.FitMinValue - wantedMinMm) + std::abs(model.FitMaxValue - wantedMaxMm);
    });
}

}  // namespace

DesignSearchStatus RunDesignSearch(MainWindowModel& model, DesignPanelState& panel,
                                   ModelView* view) {
    NormaliseLimitSigns(model, panel.DesignType);
    const double maxEntry = ParseFieldNumber(model.DesignMaxText);
    const double minEntry = ParseFieldNumber(model.DesignMinText);
    if (!LimitsInOrder(panel.DesignType, maxEntry, minEntry)) {
        if (view != nullptr) {
            view->ShowMessage(LangText(key::kLimitSizeOrder));
        }
        return DesignSearchStatus::LimitsOutOfOrder;
    }

    const SizeBand band = SizeBandOf(model.NominalSize);
    model.DesignResults.clear();
    // The standard calculation does nothing off the standard page or without a positive size;
    // a candidate would then be judged by the results of the one before it.
    const bool calculates = model.InputMethod == 0 && model.NominalSize > 0;
    if (calculates) {
        const bool refreshWasSuppressed = model.RefreshSuppressed;
        model.RefreshSuppressed = true;
        EvaluateCandidates(model, panel, band, maxEntry, minEntry);
        model.RefreshSuppressed = refreshWasSuppressed;
    }
    SortDesignResults(model.DesignResults);

    panel.ShownResults = ShownResultCount(model.DesignResults.size(), panel.ResultLimit);
    panel.SelectedRow = 1;
    if (!model.DesignResults.empty()) {
        model.SetClassesFromFit(model.DesignResults.front().Name);
        const bool refreshWasSuppressed = model.RefreshSuppressed;
        model.RefreshSuppressed = false;
        model.CalculateStandard();
        model.RefreshSuppressed = refreshWasSuppressed;
    }
    return DesignSearchStatus::Completed;
}

}  // namespace kelvo
