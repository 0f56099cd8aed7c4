#pragma once
// The main window model: the inputs and results of the window and the operations
// that every user event runs. It never draws; a window (or a test) implements the
// small view and message interfaces below.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/tolerance_types.h"
#include "gauges/gauge_dims.h"

namespace kelvo {

// What the model needs of the window: repaint and tell the user.
class ModelView {
  public:
    virtual ~ModelView() = default;
    // Repaint the workpiece grid, the three gauge grids, then the tolerance-zone chart.
    virtual void RefreshViews() = 0;
    // Repaint the design result grid (after a unit switch).
    virtual void RefreshDesignGrid() {}
    // Modal message box with an OK button; text and caption are UTF-8.
    virtual void ShowMessage(std::string_view text) = 0;
};

// The eight non-standard input fields, in the order the unit switch writes them.
enum class NonStdField {
    HoleUpperLimit,   // edMaxR_o
    HoleLowerLimit,   // edMinR_o
    HoleUpperDev,     // edGO_o
    HoleLowerDev,     // edDO_o
    ShaftUpperLimit,  // edMaxR_v
    ShaftLowerLimit,  // edMinR_v
    ShaftUpperDev,    // edGO_v
    ShaftLowerDev,    // edDO_v
};
inline constexpr int kNonStdFieldCount = 8;

enum class InputMethodKind { Standard = 0, LimitSizes = 1, LimitDeviations = 2 };
enum class ToleranceStandardKind { Iso286 = 0, IsoR1938 = 1 };

// One accepted candidate of the fit design search (TSglobka).
struct DesignResult {
    double Score = 0;  // mm
    std::string Name;  // "H7/g6"
    double FitMaxValue = 0;
    double FitMinValue = 0;
    double FitTolerance = 0;
    bool Preferred = false;
};

struct MainModelFields {
    // Inputs. Lengths in mm whatever the display unit.
    double NominalSize = 10;
    bool InchMode = false;
    bool NominalEditLive = true;
    int InputMethod = 0;        // 0 standard, 1 limit sizes, 2 limit deviations
    int ToleranceStandard = 0;  // 0 ISO 286-1:1988, 1 ISO/R 1938:1971
    int HoleLetter = kNoSelection;
    int HoleGrade = kNoSelection;
    int ShaftLetter = kNoSelection;
    int ShaftGrade = kNoSelection;
    double HoleUpperLimitMem = 0, HoleLowerLimitMem = 0;
    double ShaftUpperLimitMem = 0, ShaftLowerLimitMem = 0;
    double HoleUpperDevMem = 0, HoleLowerDevMem = 0;
    double ShaftUpperDevMem = 0, ShaftLowerDevMem = 0;
    double DesignMinLimit = 0, DesignMaxLimit = 0;

    // Results, mm.
    double HoleIT = 0, HoleES = 0, HoleEI = 0;
    double ShaftIT = 0, ShaftEs = 0, ShaftEi = 0;
    // Written only through the model's operations (they keep the texts cached).
    std::string FitTypeText;  // language text of the fit type, empty when none
    std::string FitMaxLabel;
    std::string FitMinLabel;
    double FitMaxValue = 0, FitMinValue = 0, FitTolerance = 0;
    // The classified type beside its text, so that logic never compares translated text.
    std::optional<FitType> FitKind;
    int HoleGaugeRow = kNoSelection;
    int ShaftGaugeRow = kNoSelection;
    int MasterRow = kNoSelection;
    std::string NonStdDesignation;
    std::vector<DesignResult> DesignResults;

    // Texts of the input fields as the window shows them (UTF-8).
    std::string NominalText;
    std::array<std::string, kNonStdFieldCount> NonStdTexts;
    std::string DesignMinText = "0";
    std::string DesignMaxText = "0";
    // The user's decimal separator for everything the program writes.
    char DecimalSeparator = '.';
};

class MainWindowModel : public MainModelFields {
  public:
    explicit MainWindowModel(ModelView* view = nullptr) : view_(view) {}
    void SetView(ModelView* view) { view_ = view; }

    // Calculations and their parts.
    void CalculateStandard();
    void CalculateNonStandard();
    void ClassifyFit();
    void ResetFit();
    void InvalidateResults();
    void RefreshViews();
    ModelView* View() const { return view_; }
    static std::string TextOrN(std::string_view text, double number);

    // What the gauge computations read from the model.
    GaugeInputs GaugeInputsOf() const;
    void UpdateGaugeRows();

    // Events of the window.
    void OnMethodChanged(int method);
    void OnLetterChanged(Side side, int letter);
    void OnGradeChanged(Side side, int grade);
    void OnStandardChanged(int standard, bool byUser);
    void OnNominalTextChanged(std::string_view text);
    void OnNominalEditingFinished();
    void OnEnterKey() { CalculateNonStandard(); }
    void OnCalculate() { CalculateNonStandard(); }
    void OnNonStdFieldEdited(NonStdField field, std::string_view text);
    void OnDesignLimitEdited(bool maxField, std::string_view text);
    void PickClass(Side side, std::string_view className);
    bool SetClassesFromFit(std::string_view fitName);
    void ApplyPreferredNumber(double valueMm);
    void SwitchUnits();

    // Programmatic writes of field texts (the nominal one runs its change rule).
    void WriteNominalField(std::string text);
    void WriteNonStdField(NonStdField field, double valueMm);
    const std::string& NonStdText(NonStdField field) const {
        return NonStdTexts[static_cast<int>(field)];
    }

    // Non-standard tolerances.
    void PrefillNonStandard();
    int AssignGrade(double toleranceMm) const;

    // Whether the next CalculateStandard should repaint (off during the design search).
    bool RefreshSuppressed = false;

    // The note line's unit suffix: " [mm]." or " [in].".
    std::string_view NoteUnit() const { return InchMode ? " [in]." : " [mm]."; }

    double ReadNominalField() const;

  private:
    void AcceptLimitSizes(Side side);
    void AcceptLimitDeviations(Side side);
    bool CheckEnteredOrder(Side side, double upper, double lower, int messageKey);
    void StoreEnteredTolerance(Side side, double upperDevMm, double lowerDevMm);
    void PrefillSide(Side side);
    double& Mem(NonStdField field);
    double FieldValueMm(NonStdField field) const;
    std::string FieldText(double valueMm) const;

    // The key and language table behind a stored text: the design search classifies
    // tens of thousands of fits, and most of them carry the texts of the one before.
    struct CachedText {
        int Key = 0;  // 0: no text stored
        unsigned Generation = 0;
    };
    void StoreLangText(std::string& target, CachedText& cache, int key);
    static void ClearText(std::string& target, CachedText& cache);

    ModelView* view_ = nullptr;
    CachedText fitTypeCache_, fitMaxCache_, fitMinCache_;
};

}  // namespace kelvo
