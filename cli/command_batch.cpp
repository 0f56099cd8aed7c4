// zuzivodi-cli batch [FILE] [--csv]: a whole drawing's dimensions at once, one CSV line
// "size,designation" per dimension, results as JSON Lines or a flat CSV.

#include <fstream>
#include <memory>
#include <ostream>
#include <string>

#include "cli/batch.h"
#include "cli/commands.h"

namespace kelvo::cli {
namespace {

struct BatchOptions {
    std::string File;  // empty: standard input
    bool Csv = false;
};

void RunBatchCommand(CommandContext& context, const BatchOptions& options) {
    const BatchFormat format = options.Csv ? BatchFormat::Csv : BatchFormat::JsonLines;
    BatchSummary summary;
    if (options.File.empty() || options.File == "-") {
        summary = RunBatch(context.In, context.Out, format);
    } else {
        std::ifstream file(options.File, std::ios::binary);
        if (!file) {
            ReportInputError(context, "cannot open " + QuoteInput(options.File));
            return;
        }
        summary = RunBatch(file, context.Out, format);
    }
    if (summary.Failed > 0) {
        ReportInputError(context, std::to_string(summary.Failed) + " of " +
                                      std::to_string(summary.Rows) + " rows failed");
    }
}

}  // namespace

void AddBatchCommand(CLI::App& app, CommandContext& context) {
    CLI::App* command = app.add_subcommand(
        "batch",
        "Evaluate CSV lines \"size,designation\" (size in mm; a class or a fit) and "
        "print one JSON object per line; a header line, blank lines and # comments "
        "are allowed");
    auto options = std::make_shared<BatchOptions>();
    command->add_option("file", options->File, "CSV file; standard input when omitted or \"-\"");
    command->add_flag("--csv", options->Csv, "Write a flat CSV instead of JSON Lines");
    command->callback([options, &context] { RunBatchCommand(context, *options); });
}

}  // namespace kelvo::cli
