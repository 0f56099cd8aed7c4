#pragma once
// The standard fits panel (lbSgl_sel with its selectors cbSystem and cbType): a fit system and a
// fit type pick one section of the standard fit list of the size band, the preferred fits of that
// section are drawn bold, and a click on a listed fit loads it into the main window.

#include <optional>
#include <string>
#include <vector>

#include "core/tolerance_types.h"
#include "design/size_band.h"
#include "design/standard_fits.h"
#include "model/main_model.h"

namespace kelvo {

// The fit system selector cbSystem; its item index is the enumerator's value.
enum class FitSystem { HoleBasis = 0, ShaftBasis = 1 };

FitHalf HalfOf(FitSystem system);

// Language keys of the panel's texts.
namespace panel_key {
inline constexpr int kStandardFits = 3;       // "Stand. fits": the list and the panel button
inline constexpr int kTypeOfFit = 12;         // label of the type selectors
inline constexpr int kSystemOfFit = 24;       // label of the system selectors
inline constexpr int kHoleBasisSystem = 26;   // cbSystem item 0
inline constexpr int kShaftBasisSystem = 27;  // cbSystem item 1
}  // namespace panel_key

// Language key of a fit type's item text (16 clearance, 18 transition, 17 interference).
int FitTypeTextKey(FitType type);

// The item texts of cbSystem and of every fit type selector, in item order.
std::vector<std::string> FitSystemItemTexts();
std::vector<std::string> FitTypeItemTexts();

// The caption of a side panel's button: its text followed by " >>" while the panel is closed and
// " <<" while it is open.
std::string PanelButtonCaption(int textKey, bool panelOpen);

// How a listed fit is drawn: one space and the name, bold when preferred.
struct FitChoiceLook {
    std::string Text;
    bool Bold = false;
};

struct StandardFitsPanel {
    // No value: the selector has no item selected; the list is then left as it is.
    std::optional<FitSystem> SelectedSystem = FitSystem::HoleBasis;
    std::optional<FitType> SelectedType = FitType::Clearance;
    // The fit names listed, copied from the standard fit list when the list was built.
    std::vector<std::string> StandardFitChoices;
    int SelectedChoice = kNoSelection;  // index into StandardFitChoices

    // Rebuilds the list for the size band of `nominalMm`. Runs on a change of either selector and
    // on every press of the panel button; a later change of size does not rebuild it.
    void BuildChoices(double nominalMm);
    void OnSystemChanged(std::optional<FitSystem> system, double nominalMm);
    void OnTypeChanged(std::optional<FitType> type, double nominalMm);

    // The look of entry `index`, judged in the band of `nominalMm` at drawing time.
    FitChoiceLook DrawChoice(int index, double nominalMm) const;

    // A click on entry `index`: its classes become the main window's, which then calculates.
    // False (and nothing changes) when there is no such entry.
    bool LoadChoice(MainWindowModel& model, int index);
};

}  // namespace kelvo
