#pragma once
// The batch run: CSV lines "size,designation" in, one result per line out (JSON Lines or a flat
// CSV). A bad row gives an error record and the run goes on with the next row.
//
// Input rules: blank lines and lines starting with "#" are skipped; the first other line is a
// header and skipped when its first field holds no digit; fields may be quoted ("10","H7/g6");
// a UTF-8 byte order mark at the start is ignored; lines end with LF or CR LF.

#include <cstddef>
#include <iosfwd>
#include <string_view>

#include "cli/input_checks.h"

namespace kelvo::cli {

enum class BatchFormat { JsonLines, Csv };

// Longer lines are not read into memory whole; they are reported as errors.
inline constexpr std::size_t kMaxBatchLineLength = 1000;

struct BatchRow {
    double SizeMm = 0;
    Designation Query;
};

struct BatchSummary {
    long long Rows = 0;    // rows evaluated or failed; blank, comment and header lines excluded
    long long Failed = 0;  // rows that gave an error record
};

// One data line (without its line end): exactly two fields, a size in mm and a designation.
Checked<BatchRow> ParseBatchLine(std::string_view line);

// True for the header line that a CSV file may start with: its first field holds no digit.
bool IsHeaderLine(std::string_view line);

BatchSummary RunBatch(std::istream& in, std::ostream& out, BatchFormat format);

}  // namespace kelvo::cli
