#pragma once
// The JSON form of a query result: one object, lengths in millimetres as numbers (unrounded),
// null where the program shows "N". The schema is documented in README.md, "Command-line tool".

#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "cli/evaluation.h"

namespace kelvo::cli {

// Keys in the order written, so that a reader sees the size and the designation first.
using Json = nlohmann::ordered_json;

// Appends the query as one compact JSON object; with a line number, "line" is its first member.
void AppendQueryJson(std::string& text, const QueryResult& query,
                     std::optional<long long> lineNumber = std::nullopt);

// The same object as a document, for pretty printing and for readers.
Json QueryToJson(const QueryResult& query);

// A batch row that could not be evaluated: {"line": n, "error": message}.
Json ErrorToJson(long long lineNumber, std::string_view message);

// One line of JSON text; invalid UTF-8 in user input is replaced rather than thrown on.
std::string DumpJsonLine(const Json& json);

std::string_view FitTypeName(FitType type);  // "clearance", "transition", "interference"

}  // namespace kelvo::cli
