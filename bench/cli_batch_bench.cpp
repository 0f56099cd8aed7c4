// 100,000 batch rows through the command-line tool's code, in memory and end to end: read and
// check the line, evaluate the class or fit with its gauges, write the JSON line or CSV row
// (aim: below 1 s).

#include <benchmark/benchmark.h>

#include <sstream>
#include <streambuf>
#include <string>

#include "bench/bench_sizes.h"
#include "cli/batch.h"

namespace kelvo::bench {
namespace {

constexpr int kBatchRows = 100000;

// Counts what the batch writes and keeps nothing, as a pipe to the next program would: the
// benchmark then measures the tool's work, not the growth of a 250 MB string.
class CountingSink : public std::streambuf {
  public:
    long long Bytes() const { return bytes_; }

  protected:
    std::streamsize xsputn(const char*, std::streamsize count) override {
        bytes_ += count;
        return count;
    }
    int_type overflow(int_type character) override {
        ++bytes_;
        return traits_type::not_eof(character);
    }

  private:
    long long bytes_ = 0;
};

// A drawing-like mix: every tenth row a fit, the others classes of both catalogues, sizes from
// 1 mm to 600 mm so that some rows have no gauges.
std::string BatchInput() {
    const std::vector<ClassSelection> holes = CatalogueSelections(Side::Hole, SizeBand::UpTo500);
    const std::vector<ClassSelection> shafts = CatalogueSelections(Side::Shaft, SizeBand::UpTo500);
    const auto name = [](const ClassSelection& selection) {
        return std::string(Letters(selection.Side)[selection.Letter]) +
               std::string(kGradeTexts[selection.Grade]);
    };
    std::string input = "size,designation\n";
    for (int row = 0; row < kBatchRows; ++row) {
        const double sizeMm = 1 + (row * 7) % 600 + 0.5 * (row % 2);
        const ClassSelection& hole = holes[row % holes.size()];
        const ClassSelection& shaft = shafts[(row * 3) % shafts.size()];
        std::string designation = row % 2 == 0 ? name(hole) : name(shaft);
        if (row % 10 == 0) {
            designation = name(hole) + "/" + name(shaft);
        }
        input += std::to_string(sizeMm) + "," + designation + "\n";
    }
    return input;
}

void BM_Batch100000Rows(benchmark::State& state) {
    const auto format = static_cast<cli::BatchFormat>(state.range(0));
    const std::string input = BatchInput();
    for (auto _ : state) {
        std::istringstream in(input);
        CountingSink sink;
        std::ostream out(&sink);
        const cli::BatchSummary summary = cli::RunBatch(in, out, format);
        if (summary.Rows != kBatchRows || summary.Failed != 0) {
            state.SkipWithError("the batch input did not evaluate cleanly");
            break;
        }
        state.counters["output_MB"] = static_cast<double>(sink.Bytes()) / 1e6;
    }
    state.SetItemsProcessed(state.iterations() * kBatchRows);
    state.SetLabel(format == cli::BatchFormat::Csv ? "CSV" : "JSON Lines");
}
BENCHMARK(BM_Batch100000Rows)
    ->Arg(static_cast<int>(cli::BatchFormat::JsonLines))
    ->Arg(static_cast<int>(cli::BatchFormat::Csv))
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelvo::bench
