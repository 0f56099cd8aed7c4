#pragma once
// zuzivodi-cli report: the text that the window's Copy puts on the clipboard, for a fit set up
// through the window model as a user would set it up in the window.
//
//   zuzivodi-cli report H7/g6 --size 10 [--lang en|de|bg] [--inch]
//       [--method limit-sizes|limit-deviations --hole U,L --shaft U,L]
//       [--standard iso286|isor1938]
//
// Sizes, limits and deviations are typed in millimetres; --inch switches the window's display to
// inches, which changes only the fit designation (the nominal size as the window shows it): every
// value of the report stays in millimetres.

#include <optional>
#include <string>

#include "cli/commands.h"
#include "model/main_model.h"

namespace kelvo::cli {

// The inputs of the window that the report and the print command share.
struct WindowInputOptions {
    std::string Fit;       // "H7/g6": the classes selected before any non-standard input
    std::string SizeText;  // millimetres
    std::string Language = "en";
    bool InchMode = false;
    std::string Method;       // empty (standard tolerance), limit-sizes or limit-deviations
    std::string HoleLimits;   // "U,L": upper and lower limit size or deviation, mm
    std::string ShaftLimits;  // the same for the shaft
    std::string Standard;     // empty, iso286 or isor1938: how a non-standard grade is assigned
};

// Adds the options above, FIT as the command's next positional argument.
void AddWindowInputOptions(CLI::App& command, WindowInputOptions& options);

// Sets the language (in a settings store of its own, never the user's) and runs the window model
// through the inputs in the order a user would: size, classes, input method and its fields,
// Calculate, then the unit. Empty, with the reason in `error`, when an input is not valid.
std::optional<MainWindowModel> ModelForInputs(const WindowInputOptions& options,
                                              std::string& error);

// Adds the "report" subcommand; cli_app.cpp registers it beside the others.
void AddReportCommand(CLI::App& app, CommandContext& context);

}  // namespace kelvo::cli
