#pragma once
// The flat CSV form of query results, one row per query, for spreadsheets: the same values as
// the JSON form, in fixed columns; an empty cell stands for null (not available or not part of
// the query).

#include <string>
#include <string_view>

#include "cli/evaluation.h"

namespace kelvo::cli {

// The header row, ending with "\n".
std::string CsvHeader();

// The row of a query read from the given line of the batch input, ending with "\n".
std::string QueryToCsvRow(long long lineNumber, const QueryResult& query);

// The row of a batch line that could not be evaluated: only "line" and "error" are filled.
std::string ErrorToCsvRow(long long lineNumber, std::string_view message);

// The text as one CSV cell: in double quotes, doubling the quotes inside, when it holds a comma,
// a quote or a line break.
std::string CsvCell(std::string_view text);

}  // namespace kelvo::cli
