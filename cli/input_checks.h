#pragma once
// Checks of what a user types on the command line or in a batch file: a nominal size in
// millimetres and a designation (a tolerance class such as "H7", "zc18", "JS0", or a fit such as
// "H7/g6"). Every failure carries a one-line message that names the offending input.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "design/class_names.h"

namespace kelvo::cli {

// A value, or the message that says why there is none.
template <typename T>
struct Checked {
    std::optional<T> Value;
    std::string Error;  // set exactly when Value is empty

    static Checked Ok(T value) { return Checked{std::move(value), {}}; }
    static Checked Fail(std::string message) { return Checked{std::nullopt, std::move(message)}; }
};

// A class of either side, or a fit of a hole class and a shaft class.
using Designation = std::variant<ClassSelection, FitSelection>;

// Inputs longer than this are quoted shortened in messages, so that a message stays one line.
inline constexpr std::size_t kMaxQuotedInput = 40;

// The input in double quotes for a message: control characters shown as "?", and cut to
// kMaxQuotedInput characters with "..." when longer.
std::string QuoteInput(std::string_view text);

// Blanks (spaces, tabs, CR, LF) removed at both ends.
std::string_view TrimBlanks(std::string_view text);

// A nominal size in millimetres: a plain decimal number ("10", "12.5", "1e2"), blanks around it
// allowed, from kMinNominalMm to kMaxNominalMm inclusive.
Checked<double> ParseNominalSizeMm(std::string_view text);

// A class name checked against the 28 letters of its side and the 20 grades.
Checked<ClassSelection> ParseClassDesignation(std::string_view text);

// A fit name: a hole class, "/" and a shaft class.
Checked<FitSelection> ParseFitDesignation(std::string_view text);

// A class or, when the text holds a "/", a fit.
Checked<Designation> ParseDesignation(std::string_view text);

}  // namespace kelvo::cli
