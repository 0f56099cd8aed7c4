#pragma once
// zuzivodi-cli print: fills a print template (RTF, or text in 8-bit, UTF-8 or UTF-16) with the
// window's print record for a fit, through the same template engine as the window's Print, and
// writes the document to standard output or to a file.
//
//   zuzivodi-cli print fit_report.rtf H7/g6 --size 10 [--lang en|de|bg] [--inch]
//       [--method ... --hole U,L --shaft U,L] [--standard ...] [-o OUT]

#include <string>
#include <string_view>

#include "cli/commands.h"
#include "model/main_model.h"

namespace kelvo::cli {

struct FilledDocument {
    std::string Bytes;
    std::string Error;  // empty when the template was filled to its end
};

// Fills the template's bytes with one record of the model, as the window's print callback hands
// it over; `rtf` chooses the RTF filling, otherwise the text filling.
FilledDocument FillTemplateForModel(std::string_view templateBytes, bool rtf,
                                    const MainWindowModel& model);

// Adds the "print" subcommand; cli_app.cpp registers it beside the others.
void AddPrintCommand(CLI::App& app, CommandContext& context);

}  // namespace kelvo::cli
