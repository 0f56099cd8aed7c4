// zuzivodi-cli print TEMPLATE H7/g6 --size 10: a filled print template.

#include "cli/print_command.h"

#include <exception>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/input_checks.h"
#include "cli/report_command.h"
#include "output/file_io.h"
#include "output/print_record.h"
#include "output/rtf_template.h"
#include "output/template_engine.h"
#include "output/text_template.h"

namespace kelvo::cli {
namespace {

struct PrintOptions {
    std::string TemplatePath;
    WindowInputOptions Inputs;
    std::string OutputPath;  // empty: standard output
};

}  // namespace

FilledDocument FillTemplateForModel(std::string_view templateBytes, bool rtf,
                                    const MainWindowModel& model) {
    const CodeTable codes = MainWindowCodeTable();
    MainWindowPrintHost host(model);
    FillResult filled;
    try {
        if (rtf) {
            // The engine calls the host itself, after it has read the template.
            const std::string cleaned = CleanTokens(templateBytes);
            PrintJob job;
            host.Print(job);
            filled = FillRtfTemplate(cleaned, job, codes, &host);
        } else {
            PrintJob job;
            host.Print(job);
            filled = FillTextTemplate(templateBytes, job, codes);
        }
    } catch (const std::exception& error) {
        filled.Error = error.what();
    }
    return {std::move(filled.Output), filled.Error.value_or(std::string())};
}

void AddPrintCommand(CLI::App& app, CommandContext& context) {
    CLI::App* command = app.add_subcommand(
        "print",
        "Fill a print template with the window's print record of a fit (codes A01 to A81, "
        "values in millimetres)");
    auto options = std::make_shared<PrintOptions>();
    command
        ->add_option("template", options->TemplatePath,
                     "Template file: .rtf is filled as RTF, anything else as text")
        ->required();
    AddWindowInputOptions(*command, options->Inputs);
    command->add_option("-o,--output", options->OutputPath,
                        "Write the document to this file instead of standard output");
    command->callback([options, &context] {
        std::string error;
        const std::optional<MainWindowModel> model = ModelForInputs(options->Inputs, error);
        if (!model) {
            ReportInputError(context, error);
            return;
        }
        const std::filesystem::path templatePath(options->TemplatePath);
        const FileReadResult read = ReadFileBytes(templatePath);
        if (!read.Bytes) {
            ReportInputError(context, read.Error);
            return;
        }
        const FilledDocument document =
            FillTemplateForModel(*read.Bytes, IsRtfTemplate(templatePath), *model);
        // A document that stopped half-way is not written: it would pass for a whole one.
        if (!document.Error.empty()) {
            ReportInputError(
                context, "template " + QuoteInput(options->TemplatePath) + ": " + document.Error);
            return;
        }
        if (options->OutputPath.empty()) {
            context.Out << document.Bytes;
            return;
        }
        if (const std::string writeError = WriteFileAtomically(options->OutputPath, document.Bytes);
            !writeError.empty()) {
            ReportInputError(context, writeError);
        }
    });
}

}  // namespace kelvo::cli
