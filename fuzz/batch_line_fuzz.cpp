// The command-line tool's batch input: any line parses to a checked row or to a one-line error
// message, and a whole batch of such lines runs to its end with one result or error per row.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <variant>

#include "cli/batch.h"
#include "core/tolerance_types.h"
#include "fuzz/fuzz_support.h"

namespace {

using kelvo::fuzz::Require;

bool ValidClass(int letter, int grade) {
    return letter >= 0 && letter < kelvo::kLetterCount && grade >= 0 && grade < kelvo::kGradeCount;
}

void CheckLine(std::string_view line) {
    const kelvo::cli::Checked<kelvo::cli::BatchRow> row = kelvo::cli::ParseBatchLine(line);
    if (!row.Value) {
        Require(!row.Error.empty(), "a refused line says why");
        Require(row.Error.find_first_of("\r\n") == std::string::npos,
                "an error message is one line", row.Error);
        return;
    }
    Require(row.Error.empty(), "an accepted line carries no error");
    const double size = row.Value->SizeMm;
    Require(std::isfinite(size) && size >= kelvo::kMinNominalMm && size <= kelvo::kMaxNominalMm,
            "an accepted size lies within the limits", line);
    if (const auto* one = std::get_if<kelvo::ClassSelection>(&row.Value->Query)) {
        Require(ValidClass(one->Letter, one->Grade), "an accepted class is in range", line);
    } else {
        const auto& fit = std::get<kelvo::FitSelection>(row.Value->Query);
        Require(ValidClass(fit.HoleLetter, fit.HoleGrade) &&
                    ValidClass(fit.ShaftLetter, fit.ShaftGrade),
                "an accepted fit is in range", line);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = kelvo::fuzz::AsText(data, size);
    CheckLine(text);
    (void)kelvo::cli::IsHeaderLine(text);

    // The same bytes as a batch file: every line that counts gives one output line.
    std::istringstream in{std::string(text)};
    std::ostringstream out;
    const kelvo::cli::BatchSummary summary =
        kelvo::cli::RunBatch(in, out, kelvo::cli::BatchFormat::JsonLines);
    Require(summary.Failed >= 0 && summary.Failed <= summary.Rows, "failed rows are rows");
    const std::string written = out.str();
    Require(std::count(written.begin(), written.end(), '\n') == summary.Rows,
            "one JSON line per row");
    return 0;
}
