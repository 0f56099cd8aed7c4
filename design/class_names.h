#pragma once
// Splitting and parsing of tolerance class names ("H7", "JS10", "zc11") and
// fit names ("H7/g6").

#include <optional>
#include <string>
#include <string_view>

#include "core/tolerance_types.h"

namespace kelvo {

struct ClassNameParts {
    std::string Letter;  // "JS", "h"; may be a text that is no letter at all
    std::string Grade;   // "7", "01"; the rest of the name, unchecked
};

// The letter is the first two characters when they form a letter of that side
// (hole names against the hole letters, shaft names against the shaft
// letters), else the first character; the grade is the rest of the name.
ClassNameParts SplitClassName(std::string_view name, Side side);

// The grade text of a class read as a decimal integer: "H10" gives 10, "JS1"
// gives 1, "h01" gives 1. A name without digits after its letter gives -1,
// which lies outside every grade range.
int ClassGrade(std::string_view name);

struct FitNameParts {
    std::string HoleClass, ShaftClass;  // the texts before and after the first "/"
    ClassNameParts Hole, Shaft;
};

// Without a "/" the whole text is the hole class and the shaft class is empty.
FitNameParts SplitFitName(std::string_view fit);

// Strict parsing for the command line and the model: one of the 28 letters
// followed by one of the 20 grade texts ("A01", "zc18", "JS0"). The letter's
// case decides the side.
struct ClassSelection {
    kelvo::Side Side;
    int Letter;  // letter index, [0, 27]
    int Grade;   // grade index, [0, 19]
};
std::optional<ClassSelection> ParseClassName(std::string_view name);

// A hole class (upper case), "/", a shaft class (lower case); nothing more.
struct FitSelection {
    int HoleLetter, HoleGrade, ShaftLetter, ShaftGrade;  // letter and grade indexes
};
std::optional<FitSelection> ParseFitName(std::string_view fit);

}  // namespace kelvo
