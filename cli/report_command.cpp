// zuzivodi-cli report H7/g6 --size 10: the clipboard report of the window.

#include "cli/report_command.h"

#include <array>
#include <charconv>
#include <cmath>
#include <memory>
#include <ostream>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/input_checks.h"
#include "core/number_format.h"
#include "i18n/language_state.h"
#include "i18n/settings_store.h"
#include "model/startup.h"
#include "output/clipboard_report.h"

namespace kelvo::cli {
namespace {

struct NamedChoice {
    std::string_view Name;
    int Value;
};

// Language numbers of the language commands.
constexpr std::array<NamedChoice, 3> kLanguages = {{{"bg", 1}, {"de", 2}, {"en", 3}}};
constexpr std::array<NamedChoice, 2> kMethods = {{
    {"limit-sizes", static_cast<int>(InputMethodKind::LimitSizes)},
    {"limit-deviations", static_cast<int>(InputMethodKind::LimitDeviations)},
}};
constexpr std::array<NamedChoice, 2> kStandards = {{
    {"iso286", static_cast<int>(ToleranceStandardKind::Iso286)},
    {"isor1938", static_cast<int>(ToleranceStandardKind::IsoR1938)},
}};

template <std::size_t N>
std::optional<int> Choose(const std::array<NamedChoice, N>& choices, std::string_view text) {
    for (const NamedChoice& choice : choices) {
        if (choice.Name == text) {
            return choice.Value;
        }
    }
    return std::nullopt;
}

// The view of a run without a window: nothing to repaint; a message would have been a box.
class MessageCollector : public ModelView {
  public:
    void RefreshViews() override {}
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    std::vector<std::string> messages;
};

struct LimitPair {
    double UpperMm, LowerMm;
};

std::optional<double> PlainNumber(std::string_view text) {
    text = TrimBlanks(text);
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// "U,L": two numbers in millimetres, the upper one greater, as the window demands before it
// accepts a non-standard tolerance.
Checked<LimitPair> ParseLimitPair(std::string_view option, std::string_view text) {
    const std::string prefix = "invalid " + std::string(option) + " " + QuoteInput(text) + ": ";
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) {
        return Checked<LimitPair>::Fail(prefix + "expected the upper and the lower value, U,L");
    }
    const std::optional<double> upper = PlainNumber(text.substr(0, comma));
    const std::optional<double> lower = PlainNumber(text.substr(comma + 1));
    if (!upper || !lower) {
        return Checked<LimitPair>::Fail(prefix + "expected two numbers in millimetres, U,L");
    }
    if (!(*lower < *upper)) {
        return Checked<LimitPair>::Fail(prefix + "the upper value must be greater than the lower");
    }
    return Checked<LimitPair>::Ok({*upper, *lower});
}

struct NonStandardInput {
    int Method;
    int Standard;
    LimitPair Hole, Shaft;
};

// The non-standard options, checked together: nothing, or a method with both sides.
Checked<std::optional<NonStandardInput>> ParseNonStandard(const WindowInputOptions& options) {
    using Result = Checked<std::optional<NonStandardInput>>;
    if (options.Method.empty()) {
        if (!options.HoleLimits.empty() || !options.ShaftLimits.empty() ||
            !options.Standard.empty()) {
            return Result::Fail("--hole, --shaft and --standard need --method");
        }
        return Result::Ok(std::nullopt);
    }
    const std::optional<int> method = Choose(kMethods, options.Method);
    if (!method) {
        return Result::Fail("invalid method " + QuoteInput(options.Method) +
                            ": expected limit-sizes or limit-deviations");
    }
    const std::optional<int> standard =
        options.Standard.empty() ? std::optional<int>(0) : Choose(kStandards, options.Standard);
    if (!standard) {
        return Result::Fail("invalid standard " + QuoteInput(options.Standard) +
                            ": expected iso286 or isor1938");
    }
    if (options.HoleLimits.empty() || options.ShaftLimits.empty()) {
        return Result::Fail("--method needs --hole U,L and --shaft U,L");
    }
    const Checked<LimitPair> hole = ParseLimitPair("--hole", options.HoleLimits);
    if (!hole.Value) {
        return Result::Fail(hole.Error);
    }
    const Checked<LimitPair> shaft = ParseLimitPair("--shaft", options.ShaftLimits);
    if (!shaft.Value) {
        return Result::Fail(shaft.Error);
    }
    return Result::Ok(NonStandardInput{*method, *standard, *hole.Value, *shaft.Value});
}

// The eight fields as the user fills them: the pair of the chosen method as given, the other
// pair of the same side consistent with it.
void EnterNonStandardFields(MainWindowModel& m, const NonStandardInput& input) {
    const double n = m.NominalSize;
    const bool bySizes = input.Method == static_cast<int>(InputMethodKind::LimitSizes);
    const auto sizes = [&](const LimitPair& p) {
        return bySizes ? p : LimitPair{n + p.UpperMm, n + p.LowerMm};
    };
    const auto deviations = [&](const LimitPair& p) {
        return bySizes ? LimitPair{p.UpperMm - n, p.LowerMm - n} : p;
    };
    const LimitPair holeSizes = sizes(input.Hole), holeDevs = deviations(input.Hole);
    const LimitPair shaftSizes = sizes(input.Shaft), shaftDevs = deviations(input.Shaft);
    m.HoleUpperLimitMem = holeSizes.UpperMm;
    m.HoleLowerLimitMem = holeSizes.LowerMm;
    m.HoleUpperDevMem = holeDevs.UpperMm;
    m.HoleLowerDevMem = holeDevs.LowerMm;
    m.ShaftUpperLimitMem = shaftSizes.UpperMm;
    m.ShaftLowerLimitMem = shaftSizes.LowerMm;
    m.ShaftUpperDevMem = shaftDevs.UpperMm;
    m.ShaftLowerDevMem = shaftDevs.LowerMm;
    const std::pair<NonStdField, double> fields[] = {
        {NonStdField::HoleUpperLimit, holeSizes.UpperMm},
        {NonStdField::HoleLowerLimit, holeSizes.LowerMm},
        {NonStdField::HoleUpperDev, holeDevs.UpperMm},
        {NonStdField::HoleLowerDev, holeDevs.LowerMm},
        {NonStdField::ShaftUpperLimit, shaftSizes.UpperMm},
        {NonStdField::ShaftLowerLimit, shaftSizes.LowerMm},
        {NonStdField::ShaftUpperDev, shaftDevs.UpperMm},
        {NonStdField::ShaftLowerDev, shaftDevs.LowerMm},
    };
    for (const auto& [field, valueMm] : fields) {
        m.WriteNonStdField(field, valueMm);
    }
}

}  // namespace

void AddWindowInputOptions(CLI::App& command, WindowInputOptions& options) {
    command
        .add_option("fit", options.Fit, "Fit: a hole class, \"/\" and a shaft class, e.g. H7/g6")
        ->required();
    command.add_option("-s,--size", options.SizeText, "Nominal size in millimetres")->required();
    command.add_option("--lang", options.Language, "Language of the labels: en, de or bg");
    command.add_flag("--inch", options.InchMode,
                     "Display inches as the window does: the fit designation shows the size in "
                     "inches, every value stays in millimetres");
    command.add_option("--method", options.Method,
                       "Non-standard input: limit-sizes or limit-deviations (needs --hole and "
                       "--shaft)");
    command.add_option("--hole", options.HoleLimits,
                       "Upper and lower limit size or deviation of the hole in millimetres, U,L "
                       "(write --hole=-0.01,-0.03 for a negative first value)");
    command.add_option("--shaft", options.ShaftLimits,
                       "Upper and lower limit size or deviation of the shaft in millimetres, U,L");
    command.add_option("--standard", options.Standard,
                       "Standard that assigns the grade of a non-standard tolerance: iso286 "
                       "(default) or isor1938");
}

std::optional<MainWindowModel> ModelForInputs(const WindowInputOptions& options,
                                              std::string& error) {
    const Checked<FitSelection> fit = ParseFitDesignation(options.Fit);
    if (!fit.Value) {
        error = fit.Error;
        return std::nullopt;
    }
    const Checked<double> size = ParseNominalSizeMm(options.SizeText);
    if (!size.Value) {
        error = size.Error;
        return std::nullopt;
    }
    const std::optional<int> language = Choose(kLanguages, options.Language);
    if (!language) {
        error = "invalid language " + QuoteInput(options.Language) + ": expected en, de or bg";
        return std::nullopt;
    }
    const Checked<std::optional<NonStandardInput>> nonStandard = ParseNonStandard(options);
    if (!nonStandard.Value) {
        error = nonStandard.Error;
        return std::nullopt;
    }

    // A store of its own: the language command stores the language, and the user's settings
    // must not change because a report was printed.
    MemorySettingsStore store;
    SetLanguage(*language, store);
    MessageCollector view;
    MainWindowModel model(&view);
    ShowWindowFirstTime(model, store);
    model.OnNominalTextChanged(FormatGeneral(*size.Value));
    model.HoleLetter = fit.Value->HoleLetter;
    model.HoleGrade = fit.Value->HoleGrade;
    model.ShaftLetter = fit.Value->ShaftLetter;
    model.ShaftGrade = fit.Value->ShaftGrade;
    model.CalculateStandard();
    if (const std::optional<NonStandardInput>& input = *nonStandard.Value) {
        model.OnMethodChanged(input->Method);
        // Switching the method calculates from the prefilled fields at once; only the
        // calculation of the fields entered here counts.
        view.messages.clear();
        EnterNonStandardFields(model, *input);
        model.ToleranceStandard = input->Standard;
        model.CalculateNonStandard();
    }
    if (options.InchMode) {
        model.SwitchUnits();
    }
    model.SetView(nullptr);
    if (!view.messages.empty()) {
        error = view.messages.front();
        return std::nullopt;
    }
    return model;
}

void AddReportCommand(CLI::App& app, CommandContext& context) {
    CLI::App* command = app.add_subcommand(
        "report",
        "The window's clipboard report of a fit: tab-separated lines ending in CR LF, values "
        "in millimetres");
    auto options = std::make_shared<WindowInputOptions>();
    AddWindowInputOptions(*command, *options);
    command->callback([options, &context] {
        std::string error;
        const std::optional<MainWindowModel> model = ModelForInputs(*options, error);
        if (!model) {
            ReportInputError(context, error);
            return;
        }
        context.Out << CopyReportText(*model);
    });
}

}  // namespace kelvo::cli
