#include "model/fit_selection.h"

#include "model/language_keys.h"

namespace kelvo {

FitHalf HalfOf(FitSystem system) {
    return system == FitSystem::HoleBasis ? FitHalf::HoleBasis : FitHalf::ShaftBasis;
}

int FitTypeTextKey(FitType type) {
    switch (type) {
        case FitType::Clearance:
            return key::kClearanceFit;
        case FitType::Transition:
            return key::kTransitionFit;
        case FitType::Interference:
            break;
    }
    return key::kInterferenceFit;
}

std::vector<std::string> FitSystemItemTexts() {
    return {LangText(panel_key::kHoleBasisSystem), LangText(panel_key::kShaftBasisSystem)};
}

std::vector<std::string> FitTypeItemTexts() {
    std::vector<std::string> texts;
    for (const FitType type : {FitType::Clearance, FitType::Transition, FitType::Interference}) {
        texts.push_back(LangText(FitTypeTextKey(type)));
    }
    return texts;
}

std::string PanelButtonCaption(int textKey, bool panelOpen) {
    return LangText(textKey) + (panelOpen ? " <<" : " >>");
}

void StandardFitsPanel::BuildChoices(double nominalMm) {
    if (!SelectedSystem || !SelectedType) {
        return;
    }
    StandardFitChoices.clear();
    SelectedChoice = kNoSelection;
    const FitSection section = *SectionOf(HalfOf(*SelectedSystem), *SelectedType);
    for (const StandardFitEntry& entry : StandardFitSection(section, SizeBandOf(nominalMm))) {
        StandardFitChoices.emplace_back(entry.Name);
    }
}

void StandardFitsPanel::OnSystemChanged(std::optional<FitSystem> system, double nominalMm) {
    SelectedSystem = system;
    BuildChoices(nominalMm);
}

void StandardFitsPanel::OnTypeChanged(std::optional<FitType> type, double nominalMm) {
    SelectedType = type;
    BuildChoices(nominalMm);
}

FitChoiceLook StandardFitsPanel::DrawChoice(int index, double nominalMm) const {
    if (index < 0 || index >= static_cast<int>(StandardFitChoices.size())) {
        return {};
    }
    const std::string& name = StandardFitChoices[index];
    std::optional<FitHalf> half;
    if (SelectedSystem) {
        half = HalfOf(*SelectedSystem);
    }
    return {" " + name, IsPreferredFit(name, half, SelectedType, SizeBandOf(nominalMm))};
}

bool StandardFitsPanel::LoadChoice(MainWindowModel& model, int index) {
    if (index < 0 || index >= static_cast<int>(StandardFitChoices.size())) {
        return false;
    }
    SelectedChoice = index;
    model.SetClassesFromFit(StandardFitChoices[index]);
    model.CalculateStandard();
    return true;
}

}  // namespace kelvo
