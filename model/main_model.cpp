#include "model/main_model.h"

#include "core/fit.h"
#include "core/limit_deviations.h"
#include "core/number_format.h"
#include "design/class_names.h"
#include "gauges/gauge_tables.h"
#include "model/language_keys.h"

namespace kelvo {

namespace {

bool InCalculationRange(double nominalMm) {
    return nominalMm >= kMinNominalMm && nominalMm <= kMaxNominalMm;
}

}  // namespace

void MainWindowModel::RefreshViews() {
    if (view_ != nullptr) {
        view_->RefreshViews();
    }
}

std::string MainWindowModel::TextOrN(std::string_view text, double number) {
    return number != 0 ? std::string(text) : std::string("N");
}

void MainWindowModel::StoreLangText(std::string& target, CachedText& cache, int key) {
    const unsigned generation = GlobalLanguageState().Generation();
    if (cache.Key == key && cache.Generation == generation) {
        return;
    }
    target = LangText(key);
    cache = {key, generation};
}

void MainWindowModel::ClearText(std::string& target, CachedText& cache) {
    target.clear();
    cache = {};
}

void MainWindowModel::ResetFit() {
    FitTolerance = 0;
    ClearText(FitTypeText, fitTypeCache_);
    FitKind.reset();
    StoreLangText(FitMaxLabel, fitMaxCache_, key::kMax);
    StoreLangText(FitMinLabel, fitMinCache_, key::kMin);
    FitMaxValue = 0;
    FitMinValue = 0;
}

void MainWindowModel::ClassifyFit() {
    const FitCharacteristics fit = kelvo::ClassifyFit(HoleES, HoleEI, ShaftEs, ShaftEi);
    FitKind = fit.Type;
    StoreLangText(FitTypeText, fitTypeCache_, fit.TypeKey);
    StoreLangText(FitMaxLabel, fitMaxCache_, fit.MaxLabelKey);
    StoreLangText(FitMinLabel, fitMinCache_, fit.MinLabelKey);
    FitMaxValue = fit.MaxValueMm;
    FitMinValue = fit.MinValueMm;
    FitTolerance = fit.ToleranceMm;
}

void MainWindowModel::InvalidateResults() {
    HoleIT = ShaftIT = 0;
    HoleES = ShaftEs = kNotAvailable;
    HoleEI = ShaftEi = 0;
    ClearText(FitTypeText, fitTypeCache_);
    FitKind.reset();
    ClearText(FitMaxLabel, fitMaxCache_);
    ClearText(FitMinLabel, fitMinCache_);
    FitMaxValue = FitMinValue = FitTolerance = 0;
}

GaugeInputs MainWindowModel::GaugeInputsOf() const {
    GaugeInputs in;
    in.NominalSize = NominalSize;
    in.HoleLetter = HoleLetter;
    in.HoleGrade = HoleGrade;
    in.HoleES = HoleES;
    in.HoleEI = HoleEI;
    in.ShaftLetter = ShaftLetter;
    in.ShaftGrade = ShaftGrade;
    in.ShaftEs = ShaftEs;
    in.ShaftEi = ShaftEi;
    in.HoleGaugeRow = HoleGaugeRow;
    in.ShaftGaugeRow = ShaftGaugeRow;
    in.MasterRow = MasterRow;
    return in;
}

void MainWindowModel::UpdateGaugeRows() {
    HoleGaugeRow = FindGaugeRow(HoleGrade, NominalSize);
    ShaftGaugeRow = FindGaugeRow(ShaftGrade, NominalSize);
    MasterRow = FindMasterRow(NominalSize);
}

void MainWindowModel::CalculateStandard() {
    // On the non-standard pages the class selectors do not drive the results.
    if (InputMethod > 0 || NominalSize <= 0) {
        return;
    }
    HoleIT = HoleES = HoleEI = 0;
    ShaftIT = ShaftEs = ShaftEi = 0;
    // The fit's texts are set below, by ClassifyFit or ResetFit, before anything reads them.
    FitTolerance = 0;
    FitKind.reset();
    FitMaxValue = FitMinValue = 0;

    const bool holeSelected = HoleLetter >= 0 && HoleGrade >= 0;
    if (holeSelected) {
        const LimitDeviations hole = HoleLimitDeviations(NominalSize, HoleLetter, HoleGrade);
        HoleIT = hole.Available ? hole.ItMm : 0;
        HoleES = hole.Available ? hole.UpperMm : kNotAvailable;
        HoleEI = hole.Available ? hole.LowerMm : 0;
    }
    bool shaftAvailable = false;
    if (ShaftLetter >= 0 && ShaftGrade >= 0) {
        const LimitDeviations shaft = ShaftLimitDeviations(NominalSize, ShaftLetter, ShaftGrade);
        shaftAvailable = shaft.Available;
        ShaftIT = shaft.Available ? shaft.ItMm : 0;
        ShaftEs = shaft.Available ? shaft.UpperMm : kNotAvailable;
        ShaftEi = shaft.Available ? shaft.LowerMm : 0;
    }
    UpdateGaugeRows();
    // A fit needs both classes: an unselected hole leaves zero deviations that are not
    // a tolerance, so no fit is classified against them.
    if (holeSelected && shaftAvailable && !IsNotAvailable(HoleES) && !IsNotAvailable(ShaftEs)) {
        ClassifyFit();
    } else {
        ResetFit();
    }
    if (!RefreshSuppressed) {
        RefreshViews();
    }
}

void MainWindowModel::CalculateNonStandard() {
    if (InputMethod == static_cast<int>(InputMethodKind::LimitSizes)) {
        AcceptLimitSizes(Side::Hole);
        AcceptLimitSizes(Side::Shaft);
    } else if (InputMethod == static_cast<int>(InputMethodKind::LimitDeviations)) {
        AcceptLimitDeviations(Side::Hole);
        AcceptLimitDeviations(Side::Shaft);
    }
    if (!IsNotAvailable(HoleES) && !IsNotAvailable(ShaftEs)) {
        ClassifyFit();
    } else {
        ResetFit();
    }
    RefreshViews();
}

// Events ---------------------------------------------------------------------

void MainWindowModel::OnMethodChanged(int method) {
    InputMethod = method;
    ToleranceStandard = 0;
    if (InputMethod == 0) {
        if (!NominalText.empty()) {
            CalculateStandard();
        }
        NonStdDesignation.clear();
        return;
    }
    PrefillNonStandard();
    CalculateNonStandard();
    RefreshViews();
}

void MainWindowModel::OnLetterChanged(Side side, int letter) {
    (side == Side::Hole ? HoleLetter : ShaftLetter) = letter;
    if (letter >= 0) {
        CalculateStandard();
    }
}

void MainWindowModel::OnGradeChanged(Side side, int grade) {
    (side == Side::Hole ? HoleGrade : ShaftGrade) = grade;
    if (grade >= 0) {
        CalculateStandard();
    }
}

void MainWindowModel::OnStandardChanged(int standard, bool byUser) {
    ToleranceStandard = standard;
    if (standard < 0) {
        return;
    }
    // A change the user makes recalculates a non-standard tolerance at once, so the
    // assigned grade follows the chosen standard; a change the program makes does not.
    if (InputMethod > 0 && byUser) {
        CalculateNonStandard();
    } else {
        CalculateStandard();
    }
}

double MainWindowModel::ReadNominalField() const {
    return ParseFieldNumber(NominalText);
}

void MainWindowModel::OnNominalTextChanged(std::string_view text) {
    NominalText = std::string(text);
    if (NominalEditLive) {
        NominalSize = ReadNominalField() * (InchMode ? kMmPerInch : 1.0);
    }
    if (InCalculationRange(NominalSize) && !NominalText.empty()) {
        CalculateStandard();
    }
}

void MainWindowModel::WriteNominalField(std::string text) {
    OnNominalTextChanged(text);
}

void MainWindowModel::OnNominalEditingFinished() {
    // The field's limits hold in whatever unit it shows.
    const double value = ReadNominalField();
    if (value < kMinNominalMm) {
        WriteNominalField(FormatGeneral(kMinNominalMm, DecimalSeparator));
    } else if (value > kMaxNominalMm) {
        WriteNominalField(FormatGeneral(kMaxNominalMm, DecimalSeparator));
    }
}

void MainWindowModel::OnNonStdFieldEdited(NonStdField field, std::string_view text) {
    NonStdTexts[static_cast<int>(field)] = std::string(text);
    InvalidateResults();
    RefreshViews();
}

void MainWindowModel::OnDesignLimitEdited(bool maxField, std::string_view text) {
    const double valueMm = ParseFieldNumber(text) * (InchMode ? kMmPerInch : 1.0);
    if (maxField) {
        DesignMaxText = std::string(text);
        DesignMaxLimit = valueMm;
    } else {
        DesignMinText = std::string(text);
        DesignMinLimit = valueMm;
    }
}

void MainWindowModel::PickClass(Side side, std::string_view className) {
    const ClassNameParts parts = SplitClassName(className, side);
    (side == Side::Hole ? HoleLetter : ShaftLetter) = LetterIndex(parts.Letter, side);
    (side == Side::Hole ? HoleGrade : ShaftGrade) = GradeIndex(parts.Grade);
    CalculateStandard();
}

bool MainWindowModel::SetClassesFromFit(std::string_view fitName) {
    const FitNameParts parts = SplitFitName(fitName);
    HoleLetter = LetterIndex(parts.Hole.Letter, Side::Hole);
    HoleGrade = GradeIndex(parts.Hole.Grade);
    ShaftLetter = LetterIndex(parts.Shaft.Letter, Side::Shaft);
    ShaftGrade = GradeIndex(parts.Shaft.Grade);
    return HoleLetter >= 0 && HoleGrade >= 0 && ShaftLetter >= 0 && ShaftGrade >= 0;
}

void MainWindowModel::ApplyPreferredNumber(double valueMm) {
    if (!(valueMm > 0)) {
        return;
    }
    NominalEditLive = false;
    NominalSize = valueMm;
    WriteNominalField(InchMode
                          ? FormatGeneral(RoundField(valueMm / kMmPerInch, 5), DecimalSeparator)
                          : FormatGeneral(valueMm, DecimalSeparator));
    NominalEditLive = true;
    RefreshViews();
}

}  // namespace kelvo
