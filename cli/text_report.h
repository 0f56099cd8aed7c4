#pragma once
// The readable report of a query for the terminal, in the program's number formats: workpiece
// values with 4 decimals in millimetres or 5 in inches, gauge values through FormatGaugeValue,
// "N" for every value that is not available.

#include <string>

#include "cli/evaluation.h"

namespace kelvo::cli {

std::string FormatTextReport(const QueryResult& query, bool inchMode);

}  // namespace kelvo::cli
