#include "design/class_names.h"

#include <algorithm>
#include <charconv>

namespace kelvo {
namespace {

bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr std::string_view kFitSeparator = "/";

}  // namespace

ClassNameParts SplitClassName(std::string_view name, Side side) {
    const std::size_t letterLength =
        name.size() >= 2 && LetterIndex(name.substr(0, 2), side) != kNoSelection ? 2 : 1;
    const std::size_t split = std::min(letterLength, name.size());
    return {std::string(name.substr(0, split)), std::string(name.substr(split))};
}

int ClassGrade(std::string_view name) {
    // Letters are alphabetic and grade texts are digits, so the grade starts
    // at the first digit whichever side the name belongs to.
    const auto first = std::find_if(name.begin(), name.end(), IsAsciiDigit);
    const char* begin = name.data() + (first - name.begin());
    const char* end = name.data() + name.size();
    int grade = -1;
    const auto [stop, error] = std::from_chars(begin, end, grade);
    if (error != std::errc() || stop != end) {
        return -1;
    }
    return grade;
}

FitNameParts SplitFitName(std::string_view fit) {
    const std::size_t slash = fit.find(kFitSeparator);
    FitNameParts parts;
    parts.HoleClass = std::string(fit.substr(0, slash));
    if (slash != std::string_view::npos) {
        parts.ShaftClass = std::string(fit.substr(slash + kFitSeparator.size()));
    }
    parts.Hole = SplitClassName(parts.HoleClass, Side::Hole);
    parts.Shaft = SplitClassName(parts.ShaftClass, Side::Shaft);
    return parts;
}

std::optional<ClassSelection> ParseClassName(std::string_view name) {
    const auto gradeStart = std::find_if(name.begin(), name.end(), IsAsciiDigit);
    const std::string_view letterText = name.substr(0, gradeStart - name.begin());
    const std::string_view gradeText = name.substr(letterText.size());
    const int grade = GradeIndex(gradeText);
    if (grade == kNoSelection) {
        return std::nullopt;
    }
    for (const Side side : {Side::Hole, Side::Shaft}) {
        const int letter = LetterIndex(letterText, side);
        if (letter != kNoSelection) {
            return ClassSelection{side, letter, grade};
        }
    }
    return std::nullopt;
}

std::optional<FitSelection> ParseFitName(std::string_view fit) {
    const std::size_t slash = fit.find(kFitSeparator);
    if (slash == std::string_view::npos) {
        return std::nullopt;
    }
    const auto hole = ParseClassName(fit.substr(0, slash));
    const auto shaft = ParseClassName(fit.substr(slash + kFitSeparator.size()));
    if (!hole || !shaft || hole->Side != Side::Hole || shaft->Side != Side::Shaft) {
        return std::nullopt;
    }
    return FitSelection{hole->Letter, hole->Grade, shaft->Letter, shaft->Grade};
}

}  // namespace kelvo
