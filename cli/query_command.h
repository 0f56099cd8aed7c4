#pragma once
// What the single-query commands ("class", "fit") share: their options and the writing of one
// result as a text report or as JSON.

#include <memory>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/evaluation.h"

namespace kelvo::cli {

struct QueryOptions {
    std::string Designation;
    std::string SizeText;  // millimetres; checked by ParseNominalSizeMm for a clear message
    bool InchMode = false;
    bool Json = false;
};

// Adds the positional designation and --size, --inch, --json to a command. The options live as
// long as the returned pointer, which the command's callback keeps.
std::shared_ptr<QueryOptions> AddQueryOptions(CLI::App& command,
                                              const std::string& designationHelp);

// The size of the options, or an error reported on the context (then empty).
std::optional<double> CheckedSize(CommandContext& context, const QueryOptions& options);

// Writes the result: JSON (always millimetres) or the text report in the unit asked for.
void WriteQueryResult(CommandContext& context, const QueryOptions& options,
                      const QueryResult& query);

}  // namespace kelvo::cli
