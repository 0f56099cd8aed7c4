// zuzivodi-cli design: the fits closest to a wanted clearance or interference.

#include "cli/command_design.h"

#include <charconv>
#include <cmath>
#include <memory>
#include <ostream>

#include "cli/input_checks.h"
#include "cli/json_output.h"
#include "cli/text_table.h"
#include "core/number_format.h"
#include "i18n/language_state.h"
#include "model/design_grid.h"

namespace kelvo::cli {
namespace {

constexpr int kEnglish = 3;

// The view of a run without a window: nothing to repaint, messages kept for the error report.
class MessageCollector : public ModelView {
  public:
    void RefreshViews() override {}
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    std::vector<std::string> messages;
};

// Grid headers and message 61 are language texts; the tool speaks English.
void EnsureLanguageTable() {
    if (GlobalLanguageState().Table().empty()) {
        GlobalLanguageState().ReplaceTable(LoadLanguageTable(kEnglish));
        GlobalLanguageState().SetCurrentNumber(kEnglish);
    }
}

std::optional<FitType> ParseFitType(std::string_view text) {
    for (const FitType type : {FitType::Clearance, FitType::Transition, FitType::Interference}) {
        if (text == FitTypeName(type)) {
            return type;
        }
    }
    return std::nullopt;
}

// A limit as a plain decimal number ("0.05", "-0.02"), so that a typing error is not read as 0.
bool IsPlainNumber(std::string_view text) {
    const std::string_view number = TrimBlanks(text);
    double value = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    return !number.empty() && error == std::errc{} && stop == end && std::isfinite(value);
}

struct GradeTexts {
    std::string From, To;
};

// "5-12", "01-6", "0-18": two texts of the grade list.
std::optional<GradeTexts> ParseGrades(std::string_view text) {
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view from = text.substr(0, dash);
    const std::string_view to = text.substr(dash + 1);
    if (GradeIndex(from) == kNoSelection || GradeIndex(to) == kNoSelection) {
        return std::nullopt;
    }
    return GradeTexts{std::string(from), std::string(to)};
}

struct BasisChoice {
    DesignBasisKind Basis;
    std::string GivenClass;  // for given-hole: and given-shaft:
};

std::optional<BasisChoice> ParseBasis(std::string_view text) {
    if (text == "hole") {
        return BasisChoice{DesignBasisKind::HoleBasis, {}};
    }
    if (text == "shaft") {
        return BasisChoice{DesignBasisKind::ShaftBasis, {}};
    }
    if (text == "all") {
        return BasisChoice{DesignBasisKind::AllCombinations, {}};
    }
    for (const auto& [prefix, basis] :
         {std::pair{std::string_view("given-hole:"), DesignBasisKind::GivenHole},
          std::pair{std::string_view("given-shaft:"), DesignBasisKind::GivenShaft}}) {
        if (text.starts_with(prefix) && text.size() > prefix.size()) {
            return BasisChoice{basis, std::string(text.substr(prefix.size()))};
        }
    }
    return std::nullopt;
}

std::optional<int> ParseLimit(std::string_view text) {
    const std::vector<std::string> items = {"10", "20", "50", "100", "all"};
    for (int index = 0; index < kResultLimitCount; ++index) {
        if (text == items[index]) {
            return index;
        }
    }
    return std::nullopt;
}

// Selects the given class in the panel's list, as the user picks it in the window.
bool SelectGivenClass(DesignPanelState& panel, std::string_view name) {
    for (std::size_t index = 0; index < panel.GivenClassList.size(); ++index) {
        if (panel.GivenClassList[index].Name == name) {
            panel.GivenClass = static_cast<int>(index);
            return true;
        }
    }
    return false;
}

// The panel inputs of the options; false with the reason in `error`.
bool ApplyPanelOptions(const DesignOptions& options, MainWindowModel& model,
                       DesignPanelState& panel, std::string& error) {
    const std::optional<FitType> type = ParseFitType(options.Type);
    if (!type) {
        error = "invalid fit type " + QuoteInput(options.Type) +
                ": expected clearance, transition or interference";
        return false;
    }
    const std::optional<BasisChoice> basis = ParseBasis(options.Basis);
    if (!basis) {
        error = "invalid basis " + QuoteInput(options.Basis) +
                ": expected hole, shaft, given-hole:<class>, given-shaft:<class> or all";
        return false;
    }
    const std::optional<int> limit = ParseLimit(options.Limit);
    if (!limit) {
        error = "invalid result limit " + QuoteInput(options.Limit) +
                ": expected 10, 20, 50, 100 or all";
        return false;
    }
    for (const auto& [name, text] :
         {std::pair{"--max", &options.MaxText}, std::pair{"--min", &options.MinText}}) {
        if (!IsPlainNumber(*text)) {
            error =
                std::string("invalid ") + name + " " + QuoteInput(*text) + ": expected a number";
            return false;
        }
    }

    OpenDesignPanel(panel, model);
    if (!options.Grades.empty()) {
        const std::optional<GradeTexts> grades = ParseGrades(options.Grades);
        if (!grades) {
            error = "invalid grade range " + QuoteInput(options.Grades) +
                    ": expected two grades of 01, 0, 1 to 18, for example 5-12";
            return false;
        }
        ChooseApplicationArea(panel, kApplicationAreaCount - 1, model.NominalSize);
        panel.GradeFrom = grades->From;
        panel.GradeTo = grades->To;
    } else if (options.Area) {
        if (*options.Area < 0 || *options.Area >= kApplicationAreaCount) {
            error = "invalid application area " + std::to_string(*options.Area) +
                    ": expected 0 to " + std::to_string(kApplicationAreaCount - 1);
            return false;
        }
        ChooseApplicationArea(panel, *options.Area, model.NominalSize);
    }
    ChooseDesignBasis(panel, basis->Basis, model.NominalSize);
    if (panel.GivenClassListShown && !SelectGivenClass(panel, basis->GivenClass)) {
        error = "class " + QuoteInput(basis->GivenClass) + " is not in the list of " +
                (basis->Basis == DesignBasisKind::GivenHole ? "hole" : "shaft") +
                " classes of grades " + panel.GradeFrom + " to " + panel.GradeTo + " at " +
                FormatGeneral(model.NominalSize) + " mm";
        return false;
    }
    ChooseDesignType(panel, *type, model);
    panel.StandardOnly = options.StandardOnly;
    panel.ResultLimit = *limit;
    model.OnDesignLimitEdited(true, TrimBlanks(options.MaxText));
    model.OnDesignLimitEdited(false, TrimBlanks(options.MinText));
    return true;
}

}  // namespace

std::optional<DesignRun> RunDesign(const DesignOptions& options, std::string& error) {
    const Checked<double> size = ParseNominalSizeMm(options.SizeText);
    if (!size.Value) {
        error = size.Error;
        return std::nullopt;
    }
    EnsureLanguageTable();
    DesignRun run;
    MainWindowModel& model = run.Model;
    model.NominalSize = *size.Value;
    model.NominalText = FormatGeneral(*size.Value);
    model.InchMode = options.InchMode;
    if (!ApplyPanelOptions(options, model, run.Panel, error)) {
        return std::nullopt;
    }
    MessageCollector messages;
    if (RunDesignSearch(model, run.Panel, &messages) != DesignSearchStatus::Completed) {
        error = "--max " + model.DesignMaxText + ", --min " + model.DesignMinText + ": " +
                (messages.messages.empty() ? std::string("limits in the wrong order")
                                           : messages.messages.front());
        return std::nullopt;
    }
    run.Found = model.DesignResults.size();
    run.Shown.assign(model.DesignResults.begin(),
                     model.DesignResults.begin() + static_cast<long>(run.Panel.ShownResults));
    return run;
}

std::string DesignResultsJson(const DesignRun& run) {
    Json results = Json::array();
    for (const DesignResult& result : run.Shown) {
        results.push_back({{"fit", result.Name},
                           {"max_mm", result.FitMaxValue},
                           {"min_mm", result.FitMinValue},
                           {"score_mm", result.Score},
                           {"preferred", result.Preferred}});
    }
    return results.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string DesignResultsText(const DesignRun& run) {
    const char* unit = run.Model.InchMode ? "in" : "mm";
    std::string text = std::to_string(run.Found) + " fits found, " +
                       std::to_string(run.Shown.size()) + " shown; values in " + unit +
                       ", * preferred fit\n";
    TextTable table;
    for (int row = 0; row < DesignGridRowCount(run.Panel); ++row) {
        if (row > 0 && DesignGridRecord(run.Model, run.Panel, row) == nullptr) {
            break;  // the empty row of a search without results
        }
        std::vector<std::string> cells;
        for (int column = 0; column < kDesignGridColumns; ++column) {
            cells.push_back(DesignGridCell(run.Model, run.Panel, row, column).Caption);
        }
        cells.push_back(row > 0 && run.Shown[row - 1].Preferred ? "*" : "");
        table.AddRow(std::move(cells));
    }
    return text + table.Render();
}

void AddDesignCommand(CLI::App& app, CommandContext& context) {
    CLI::App* command = app.add_subcommand(
        "design", "The fits closest to a wanted clearance or interference, best first");
    auto options = std::make_shared<DesignOptions>();
    command->add_option("-s,--size", options->SizeText, "Nominal size in millimetres")->required();
    command->add_option("--type", options->Type, "clearance, transition or interference")
        ->required();
    command->add_option("--max", options->MaxText,
                        "Max. clearance (clearance, transition) or max. interference "
                        "(interference); in inches with --inch");
    command->add_option("--min", options->MinText,
                        "Min. clearance, max. interference (transition) or min. interference; "
                        "in inches with --inch");
    command->add_option("--basis", options->Basis,
                        "hole, shaft, given-hole:<class>, given-shaft:<class> or all "
                        "(default hole)");
    auto* area = command->add_option("--area", options->Area,
                                     "Application area 0 to 5 (default 0: grades 5 to 12)");
    auto* grades =
        command->add_option("--grades", options->Grades, "Grade range, e.g. 5-12 or 01-6");
    area->excludes(grades);
    command->add_flag("--standard-only", options->StandardOnly, "Only standard fits");
    command->add_option("--limit", options->Limit, "Results shown: 10, 20, 50, 100 or all");
    command->add_flag("--inch", options->InchMode,
                      "--max, --min and the report in inches (the size stays in millimetres)");
    command->add_flag("--json", options->Json,
                      "Print a JSON array instead, in millimetres whatever --inch says");
    command->callback([options, &context] {
        std::string error;
        const std::optional<DesignRun> run = RunDesign(*options, error);
        if (!run) {
            ReportInputError(context, error);
            return;
        }
        context.Out << (options->Json ? DesignResultsJson(*run) : DesignResultsText(*run));
    });
}

}  // namespace kelvo::cli
