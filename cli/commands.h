#pragma once
// The subcommands of zuzivodi-cli. Each lives in its own file (command_<name>.cpp) and adds
// itself to the application through one Add...Command function; cli_app.cpp lists them.

#include <iosfwd>
#include <string_view>

#include <CLI/CLI.hpp>

namespace kelvo::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;     // a fault of the program itself
inline constexpr int kExitInputError = 2;  // bad arguments or input rows

// Where a command reads and writes, and the exit code it leaves.
struct CommandContext {
    std::istream& In;
    std::ostream& Out;
    std::ostream& Err;
    int ExitCode = kExitSuccess;
};

// Writes "zuzivodi-cli: error: <message>" as one line and sets the input-error exit code.
void ReportInputError(CommandContext& context, std::string_view message);

void AddClassCommand(CLI::App& app, CommandContext& context);
void AddFitCommand(CLI::App& app, CommandContext& context);
void AddBatchCommand(CLI::App& app, CommandContext& context);

}  // namespace kelvo::cli
