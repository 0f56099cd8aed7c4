// zuzivodi-cli fit H7/g6 --size 10: hole, shaft, the fit and the gauges of both sides.

#include "cli/commands.h"
#include "cli/query_command.h"

namespace kelvo::cli {

void AddFitCommand(CLI::App& app, CommandContext& context) {
    CLI::App* command = app.add_subcommand(
        "fit",
        "Limits of a hole and a shaft class and their fit, with all gauges and setting "
        "masters");
    auto options =
        AddQueryOptions(*command, "Fit: a hole class, \"/\" and a shaft class, e.g. H7/g6");
    command->callback([options, &context] {
        const Checked<FitSelection> selection = ParseFitDesignation(options->Designation);
        if (!selection.Value) {
            ReportInputError(context, selection.Error);
            return;
        }
        const std::optional<double> sizeMm = CheckedSize(context, *options);
        if (!sizeMm) {
            return;
        }
        WriteQueryResult(context, *options, EvaluateFit(*sizeMm, *selection.Value));
    });
}

}  // namespace kelvo::cli
