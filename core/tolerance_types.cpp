#include "core/tolerance_types.h"

namespace kelvo {

const std::array<std::string_view, kLetterCount>& Letters(Side side) {
    return side == Side::Hole ? kHoleLetters : kShaftLetters;
}

int LetterIndex(std::string_view text, Side side) {
    const auto& letters = Letters(side);
    for (int index = 0; index < kLetterCount; ++index) {
        if (letters[index] == text) {
            return index;
        }
    }
    return kNoSelection;
}

int GradeIndex(std::string_view text) {
    for (int index = 0; index < kGradeCount; ++index) {
        if (kGradeTexts[index] == text) {
            return index;
        }
    }
    return kNoSelection;
}

}  // namespace kelvo
