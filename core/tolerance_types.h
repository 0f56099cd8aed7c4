#pragma once
// Letters, grades and markers shared by every subsystem (ISO 286-1:1988 naming).

#include <array>
#include <string_view>

namespace kelvo {

// Upper deviation (mm) that marks a tolerance class without a value at a size;
// the lower deviation and the IT value are then 0.
inline constexpr double kNotAvailable = 100000.0;

// The only unit conversion factor of the program: 1 in = 25.4 mm exactly.
inline constexpr double kMmPerInch = 25.4;

// Nominal sizes that the calculation accepts, mm.
inline constexpr double kMinNominalMm = 0.001;
inline constexpr double kMaxNominalMm = 10000.0;

inline constexpr int kLetterCount = 28;
inline constexpr int kGradeCount = 20;
inline constexpr int kNoSelection = -1;

// Fundamental deviation letters in the order of the letter selectors; the index
// into these arrays is the letter index of the model (HoleLetter, ShaftLetter).
inline constexpr std::array<std::string_view, kLetterCount> kHoleLetters = {
    "A", "B", "C", "CD", "D", "E", "EF", "F", "FG", "G",  "H",  "JS", "J",  "K",
    "M", "N", "P", "R",  "S", "T", "U",  "V", "X",  "Y", "Z", "ZA", "ZB", "ZC"};
inline constexpr std::array<std::string_view, kLetterCount> kShaftLetters = {
    "a", "b", "c", "cd", "d", "e", "ef", "f", "fg", "g",  "h",  "js", "j",  "k",
    "m", "n", "p", "r",  "s", "t", "u",  "v", "x",  "y", "z", "za", "zb", "zc"};

// Grade texts in the order of the grade selectors: index 0 = IT01, 1 = IT0,
// k = IT(k-1).
inline constexpr std::array<std::string_view, kGradeCount> kGradeTexts = {
    "01", "0", "1", "2", "3", "4", "5", "6", "7", "8",
    "9", "10", "11", "12", "13", "14", "15", "16", "17", "18"};

// Letter indexes named where a rule singles a letter out.
namespace letter {
inline constexpr int kG = 9;
inline constexpr int kH = 10;
inline constexpr int kJS = 11;
inline constexpr int kJ = 12;
inline constexpr int kK = 13;
inline constexpr int kM = 14;
inline constexpr int kN = 15;
inline constexpr int kP = 16;
}  // namespace letter

enum class Side { Hole, Shaft };

// The order of every fit-type list of the window.
enum class FitType { Clearance = 0, Transition = 1, Interference = 2 };

// Grade number of a grade index: IT01 gives -1, IT0 gives 0, IT7 gives 7.
constexpr int GradeNumber(int gradeIndex) { return gradeIndex - 1; }
constexpr int GradeIndexOfNumber(int gradeNumber) { return gradeNumber + 1; }

// Readers treat any upper deviation of 100000 or more as "not available".
constexpr bool IsNotAvailable(double upperDeviationMm) { return upperDeviationMm >= kNotAvailable; }

const std::array<std::string_view, kLetterCount>& Letters(Side side);

// Index of a letter text ("JS", "zc") among the letters of a side, or -1.
int LetterIndex(std::string_view text, Side side);

// Index of a grade text ("01", "0", "7", "18") in the grade list, or -1.
int GradeIndex(std::string_view text);

}  // namespace kelvo
