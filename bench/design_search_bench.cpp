// The fit design search at its largest: all combinations below 500 mm with grades 01 to 18,
// 201 hole classes times 202 shaft classes, each calculated through the window model.

#include <benchmark/benchmark.h>

#include "i18n/language_state.h"
#include "model/design_search.h"

namespace kelvo {
namespace {

constexpr int kEnglish = 3;

// A view that repaints nothing, as the window's grids are not part of the search.
class SilentView : public ModelView {
  public:
    void RefreshViews() override {}
    void ShowMessage(std::string_view) override {}
};

struct SearchSetup {
    SilentView view;
    MainWindowModel model{&view};
    DesignPanelState panel;

    SearchSetup(FitType type, double sizeMm) {
        GlobalLanguageState().ReplaceTable(LoadLanguageTable(kEnglish));
        GlobalLanguageState().SetCurrentNumber(kEnglish);
        model.NominalSize = sizeMm;
        model.NominalText = "40";
        OpenDesignPanel(panel, model);
        ChooseApplicationArea(panel, kApplicationAreaCount - 1, sizeMm);  // grades 01 to 18
        ChooseDesignBasis(panel, DesignBasisKind::AllCombinations, sizeMm);
        ChooseDesignType(panel, type, model);
        const bool interference = type == FitType::Interference;
        model.OnDesignLimitEdited(true, interference ? "-0.05" : "0.05");
        model.OnDesignLimitEdited(false, type == FitType::Clearance ? "0.02" : "-0.02");
        panel.ResultLimit = kAllResultsLimit;
    }
};

void BM_DesignSearchAllCombinations(benchmark::State& state) {
    const auto type = static_cast<FitType>(state.range(0));
    SearchSetup setup(type, 40);
    for (auto _ : state) {
        RunDesignSearch(setup.model, setup.panel, &setup.view);
        benchmark::DoNotOptimize(setup.model.DesignResults.data());
    }
    const auto candidates = DesignCandidates(setup.panel, SizeBand::UpTo500).size();
    state.counters["candidates"] = static_cast<double>(candidates);
    state.counters["accepted"] = static_cast<double>(setup.model.DesignResults.size());
    state.counters["ns_per_candidate"] = benchmark::Counter(
        static_cast<double>(candidates) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DesignSearchAllCombinations)
    ->Arg(static_cast<int>(FitType::Clearance))
    ->Arg(static_cast<int>(FitType::Transition))
    ->Arg(static_cast<int>(FitType::Interference))
    ->Unit(benchmark::kMillisecond);

// The per-candidate step alone: one standard calculation without a repaint.
void BM_CalculateStandardSuppressed(benchmark::State& state) {
    SearchSetup setup(FitType::Clearance, 40);
    const auto candidates = DesignCandidates(setup.panel, SizeBand::UpTo500);
    setup.model.RefreshSuppressed = true;
    std::size_t next = 0;
    for (auto _ : state) {
        const DesignCandidate& candidate = candidates[next];
        next = next + 1 == candidates.size() ? 0 : next + 1;
        setup.model.HoleLetter = candidate.HoleLetter;
        setup.model.HoleGrade = candidate.HoleGrade;
        setup.model.ShaftLetter = candidate.ShaftLetter;
        setup.model.ShaftGrade = candidate.ShaftGrade;
        setup.model.CalculateStandard();
        benchmark::DoNotOptimize(setup.model.FitMaxValue);
    }
}
BENCHMARK(BM_CalculateStandardSuppressed);

// The language lookups that the fit classification stores per candidate.
void BM_ThreeLanguageTexts(benchmark::State& state) {
    SearchSetup setup(FitType::Clearance, 40);
    std::string type, maxLabel, minLabel;
    for (auto _ : state) {
        type = LangText(16);
        maxLabel = LangText(21);
        minLabel = LangText(22);
        benchmark::DoNotOptimize(type.data());
        benchmark::DoNotOptimize(maxLabel.data());
        benchmark::DoNotOptimize(minLabel.data());
    }
}
BENCHMARK(BM_ThreeLanguageTexts);

}  // namespace
}  // namespace kelvo
