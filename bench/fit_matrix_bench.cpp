// Every hole class against every shaft class of the catalogues up to 500 mm (201 x 202 = 40,602
// fits) at one nominal size: both limit deviations and ClassifyFit per fit (aim: below 2 ms).

#include <benchmark/benchmark.h>

#include "bench/bench_sizes.h"
#include "core/fit.h"
#include "core/limit_deviations.h"

namespace kelvo::bench {
namespace {

void BM_AllCatalogueFitsAtOneSize(benchmark::State& state) {
    const double sizeMm = static_cast<double>(state.range(0));
    const std::vector<ClassSelection> holes = CatalogueSelections(Side::Hole, SizeBand::UpTo500);
    const std::vector<ClassSelection> shafts = CatalogueSelections(Side::Shaft, SizeBand::UpTo500);
    for (auto _ : state) {
        for (const ClassSelection& hole : holes) {
            for (const ClassSelection& shaft : shafts) {
                const LimitDeviations h = HoleLimitDeviations(sizeMm, hole.Letter, hole.Grade);
                const LimitDeviations s = ShaftLimitDeviations(sizeMm, shaft.Letter, shaft.Grade);
                if (h.Available && s.Available) {
                    benchmark::DoNotOptimize(
                        ClassifyFit(h.UpperMm, h.LowerMm, s.UpperMm, s.LowerMm));
                }
            }
        }
    }
    const auto fits = static_cast<long long>(holes.size() * shafts.size());
    state.SetItemsProcessed(state.iterations() * fits);
    state.counters["fits"] = static_cast<double>(fits);
}
BENCHMARK(BM_AllCatalogueFitsAtOneSize)->Arg(10)->Arg(400)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelvo::bench
