// Building the clipboard report and the print record from the window model: both run on the
// user-interface thread at every Copy (and whenever the Edit menu opens), so they must stay far
// below what a user can notice; the aim is under 100 µs for the report.

#include <benchmark/benchmark.h>

#include <string>

#include "i18n/language_state.h"
#include "i18n/settings_store.h"
#include "model/main_model.h"
#include "output/clipboard_report.h"
#include "output/print_record.h"

namespace kelvo {
namespace {

// A model after the user picked `fit` at `nominalText` mm, labels in `language`.
MainWindowModel ModelFor(int language, const char* nominalText, const char* fit) {
    MemorySettingsStore store;
    SetLanguage(language, store);
    MainWindowModel model;
    model.OnNominalTextChanged(nominalText);
    model.SetClassesFromFit(fit);
    model.CalculateStandard();
    return model;
}

// Arguments: language number (1 Bulgarian, 2 German, 3 English).
void BM_CopyReportText(benchmark::State& state) {
    const MainWindowModel model = ModelFor(static_cast<int>(state.range(0)), "25", "H7/g6");
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string report = CopyReportText(model);
        bytes += report.size();
        benchmark::DoNotOptimize(report.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(BM_CopyReportText)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

// Above 500 mm every gauge value is "N": the report without the gauge arithmetic.
void BM_CopyReportTextWithoutGauges(benchmark::State& state) {
    const MainWindowModel model = ModelFor(3, "600", "H7/g6");
    for (auto _ : state) {
        benchmark::DoNotOptimize(CopyReportText(model));
    }
}
BENCHMARK(BM_CopyReportTextWithoutGauges)->Unit(benchmark::kMicrosecond);

void BM_BuildPrintRecord(benchmark::State& state) {
    const MainWindowModel model = ModelFor(1, "25", "H7/g6");
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildPrintRecord(model));
    }
}
BENCHMARK(BM_BuildPrintRecord)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kelvo
