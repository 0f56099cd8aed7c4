// zuzivodi-cli class H7 --size 10: limits of one tolerance class with the gauges of its side.

#include "cli/commands.h"
#include "cli/query_command.h"

namespace kelvo::cli {

void AddClassCommand(CLI::App& app, CommandContext& context) {
    CLI::App* command = app.add_subcommand(
        "class",
        "Limits of one tolerance class, with the gauges and the setting master of its "
        "side (a hole: plug gauges and setting ring; a shaft: ring gauges, check plugs "
        "and setting plug)");
    auto options = AddQueryOptions(*command,
                                   "Tolerance class: a letter A to ZC (hole) or a to zc "
                                   "(shaft) and a grade 01, 0, 1 to 18, e.g. H7, g6");
    command->callback([options, &context] {
        const Checked<ClassSelection> selection = ParseClassDesignation(options->Designation);
        if (!selection.Value) {
            ReportInputError(context, selection.Error);
            return;
        }
        const std::optional<double> sizeMm = CheckedSize(context, *options);
        if (!sizeMm) {
            return;
        }
        WriteQueryResult(context, *options, EvaluateClass(*sizeMm, *selection.Value));
    });
}

}  // namespace kelvo::cli
