#include "cli/input_checks.h"

#include <charconv>
#include <cmath>

#include "core/number_format.h"
#include "core/tolerance_types.h"

namespace kelvo::cli {
namespace {

constexpr std::string_view kBlanks = " \t\r\n";

const std::string kClassRule =
    "expected a letter A to ZC (hole) or a to zc (shaft) followed by a grade 01, 0, 1 to 18";

std::string ClassError(std::string_view text) {
    return "unknown tolerance class " + QuoteInput(text) + ": " + kClassRule;
}

// Says which half of a fit name is wrong, or why the whole is.
std::string FitError(std::string_view text) {
    const std::string prefix = "invalid fit " + QuoteInput(text) + ": ";
    const std::size_t slash = text.find('/');
    const std::string_view holePart = text.substr(0, slash);
    const std::string_view shaftPart =
        slash == std::string_view::npos ? std::string_view{} : text.substr(slash + 1);
    if (holePart.empty() || shaftPart.empty() || shaftPart.find('/') != std::string_view::npos) {
        return prefix + "expected a hole class, \"/\" and a shaft class, for example H7/g6";
    }
    const std::optional<ClassSelection> hole = ParseClassName(holePart);
    if (!hole || hole->Side != Side::Hole) {
        return prefix + QuoteInput(holePart) + " is not a hole class (upper-case letter)";
    }
    const std::optional<ClassSelection> shaft = ParseClassName(shaftPart);
    if (!shaft || shaft->Side != Side::Shaft) {
        return prefix + QuoteInput(shaftPart) + " is not a shaft class (lower-case letter)";
    }
    return prefix + "expected a hole class, \"/\" and a shaft class, for example H7/g6";
}

}  // namespace

std::string QuoteInput(std::string_view text) {
    const bool cut = text.size() > kMaxQuotedInput;
    std::string quoted = "\"";
    for (const char character : text.substr(0, kMaxQuotedInput)) {
        const auto code = static_cast<unsigned char>(character);
        quoted += (code < 0x20 || code == 0x7f) ? '?' : character;
    }
    quoted += cut ? "...\"" : "\"";
    return quoted;
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

Checked<double> ParseNominalSizeMm(std::string_view text) {
    const std::string_view number = TrimBlanks(text);
    if (number.empty()) {
        return Checked<double>::Fail("missing nominal size");
    }
    double sizeMm = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, sizeMm);
    if (error != std::errc{} || stop != end || !std::isfinite(sizeMm)) {
        return Checked<double>::Fail("invalid nominal size " + QuoteInput(text) +
                                     ": expected a number of millimetres");
    }
    if (sizeMm < kMinNominalMm || sizeMm > kMaxNominalMm) {
        return Checked<double>::Fail("nominal size " + QuoteInput(text) + " is outside " +
                                     FormatGeneral(kMinNominalMm) + " to " +
                                     FormatGeneral(kMaxNominalMm) + " mm");
    }
    return Checked<double>::Ok(sizeMm);
}

Checked<ClassSelection> ParseClassDesignation(std::string_view text) {
    const std::string_view name = TrimBlanks(text);
    if (name.empty()) {
        return Checked<ClassSelection>::Fail("missing tolerance class");
    }
    if (name.find('/') != std::string_view::npos) {
        return Checked<ClassSelection>::Fail(QuoteInput(name) +
                                             " is a fit, not a tolerance class: use \"fit\"");
    }
    std::optional<ClassSelection> selection = ParseClassName(name);
    if (!selection) {
        return Checked<ClassSelection>::Fail(ClassError(name));
    }
    return Checked<ClassSelection>::Ok(*selection);
}

Checked<FitSelection> ParseFitDesignation(std::string_view text) {
    const std::string_view name = TrimBlanks(text);
    if (name.empty()) {
        return Checked<FitSelection>::Fail("missing fit");
    }
    std::optional<FitSelection> selection = ParseFitName(name);
    if (!selection) {
        return Checked<FitSelection>::Fail(FitError(name));
    }
    return Checked<FitSelection>::Ok(*selection);
}

Checked<Designation> ParseDesignation(std::string_view text) {
    const std::string_view name = TrimBlanks(text);
    if (name.empty()) {
        return Checked<Designation>::Fail("missing tolerance class or fit");
    }
    if (name.find('/') != std::string_view::npos) {
        Checked<FitSelection> fit = ParseFitDesignation(name);
        return fit.Value ? Checked<Designation>::Ok(*fit.Value)
                         : Checked<Designation>::Fail(std::move(fit.Error));
    }
    Checked<ClassSelection> toleranceClass = ParseClassDesignation(name);
    return toleranceClass.Value ? Checked<Designation>::Ok(*toleranceClass.Value)
                                : Checked<Designation>::Fail(std::move(toleranceClass.Error));
}

}  // namespace kelvo::cli
