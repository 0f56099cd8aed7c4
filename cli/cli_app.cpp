#include "cli/cli_app.h"

#include <algorithm>
#include <exception>
#include <functional>
#include <iostream>
#include <optional>

#include "cli/command_design.h"
#include "cli/commands.h"
#include "cli/input_checks.h"
#include "cli/print_command.h"
#include "cli/report_command.h"

namespace kelvo::cli {
namespace {

// "class, fit or batch": the subcommands as the user may type them.
std::string CommandList(CLI::App& app) {
    const std::vector<CLI::App*> commands = app.get_subcommands(std::function<bool(CLI::App*)>{});
    std::string list;
    for (std::size_t index = 0; index < commands.size(); ++index) {
        if (index > 0) {
            list += index + 1 == commands.size() ? " or " : ", ";
        }
        list += commands[index]->get_name();
    }
    return list;
}

// CLI11 would only say that a subcommand is required; name what was typed and what exists.
std::optional<std::string> CommandError(CLI::App& app, const std::vector<std::string>& arguments) {
    const std::string hint = ": use " + CommandList(app) + " (see --help)";
    if (arguments.empty()) {
        return "missing command" + hint;
    }
    const std::string& first = arguments.front();
    if (first.starts_with('-')) {
        return std::nullopt;  // an option such as --help
    }
    try {
        app.get_subcommand(first);
    } catch (const CLI::OptionNotFound&) {
        return "unknown command " + QuoteInput(first) + hint;
    }
    return std::nullopt;
}

}  // namespace

void ReportInputError(CommandContext& context, std::string_view message) {
    context.Err << kProgramName << ": error: " << message << '\n';
    context.ExitCode = kExitInputError;
}

int RunCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err) {
    CLI::App app{
        "KELVO Tolerances and gauges: ISO 286 limits and fits, workshop gauges and setting "
        "masters. Sizes are given in millimetres.",
        kProgramName};
    app.require_subcommand(1);
    CommandContext context{in, out, err};
    AddClassCommand(app, context);
    AddFitCommand(app, context);
    AddBatchCommand(app, context);
    AddDesignCommand(app, context);
    AddReportCommand(app, context);
    AddPrintCommand(app, context);

    if (const std::optional<std::string> error = CommandError(app, arguments)) {
        ReportInputError(context, *error);
        return context.ExitCode;
    }
    // CLI11 reads the arguments from the back of the vector.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
            return app.exit(error, out, err);  // --help
        }
        ReportInputError(context, error.what());
    } catch (const std::exception& error) {
        err << kProgramName << ": internal error: " << error.what() << '\n';
        return kExitFailure;
    }
    return context.ExitCode;
}

}  // namespace kelvo::cli
