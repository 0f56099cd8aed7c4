#include "cli/query_command.h"

#include <ostream>

#include "cli/json_output.h"
#include "cli/text_report.h"

namespace kelvo::cli {

std::shared_ptr<QueryOptions> AddQueryOptions(CLI::App& command,
                                              const std::string& designationHelp) {
    auto options = std::make_shared<QueryOptions>();
    command.add_option("designation", options->Designation, designationHelp)->required();
    command.add_option("-s,--size", options->SizeText, "Nominal size in millimetres")->required();
    command.add_flag("--inch", options->InchMode,
                     "Show the report in inches (the size stays in millimetres)");
    command.add_flag("--json", options->Json,
                     "Print one JSON object instead, in millimetres whatever --inch says");
    return options;
}

std::optional<double> CheckedSize(CommandContext& context, const QueryOptions& options) {
    Checked<double> size = ParseNominalSizeMm(options.SizeText);
    if (!size.Value) {
        ReportInputError(context, size.Error);
    }
    return size.Value;
}

void WriteQueryResult(CommandContext& context, const QueryOptions& options,
                      const QueryResult& query) {
    if (options.Json) {
        context.Out << QueryToJson(query).dump(2, ' ', false, Json::error_handler_t::replace)
                    << '\n';
    } else {
        context.Out << FormatTextReport(query, options.InchMode);
    }
}

}  // namespace kelvo::cli
