// Limit deviations of every class of the hole and the shaft catalogue at every size row of the
// ISO 286 tables; the counter "per_class" is the time of one class (aim: below 50 ns).

#include <benchmark/benchmark.h>

#include "bench/bench_sizes.h"
#include "core/limit_deviations.h"
#include "design/size_band.h"

namespace kelvo::bench {
namespace {

struct SizeWithClasses {
    double SizeMm;
    std::vector<ClassSelection> Holes, Shafts;
};

std::vector<SizeWithClasses> Workload() {
    std::vector<SizeWithClasses> workload;
    for (const double sizeMm : EverySizeRowMm()) {
        const SizeBand band = SizeBandOf(sizeMm);
        workload.push_back({sizeMm, CatalogueSelections(Side::Hole, band),
                            CatalogueSelections(Side::Shaft, band)});
    }
    return workload;
}

void BM_CatalogueDeviationsAtEverySizeRow(benchmark::State& state) {
    const std::vector<SizeWithClasses> workload = Workload();
    long long classes = 0;
    for (const SizeWithClasses& size : workload) {
        classes += static_cast<long long>(size.Holes.size() + size.Shafts.size());
    }
    for (auto _ : state) {
        for (const SizeWithClasses& size : workload) {
            for (const ClassSelection& hole : size.Holes) {
                benchmark::DoNotOptimize(HoleLimitDeviations(size.SizeMm, hole.Letter, hole.Grade));
            }
            for (const ClassSelection& shaft : size.Shafts) {
                benchmark::DoNotOptimize(
                    ShaftLimitDeviations(size.SizeMm, shaft.Letter, shaft.Grade));
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * classes);
    state.counters["classes"] = static_cast<double>(classes);
    state.counters["per_class"] = benchmark::Counter(
        static_cast<double>(classes),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CatalogueDeviationsAtEverySizeRow)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kelvo::bench
