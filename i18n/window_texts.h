#pragma once
// The texts of the main window that are data rather than single language keys: the fixed captions
// of the language commands, the print list's own texts, the entries of the selectors and the texts
// composed of a language text and a fixed suffix. The window applies them; nothing here draws.
// All texts are UTF-8; those taken from the language tables are in the current language.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo {

// The three language commands in menu order. Their captions are never translated.
struct LanguageCommand {
    int languageNumber;  // 1 Bulgarian, 2 German, 3 English
    std::string_view caption;
    int flagImageIndex;  // into the main window's image list
};
inline constexpr std::array<LanguageCommand, 3> kLanguageCommands = {{
    {3, "English", 7},
    {2, "Deutsch", 6},
    {1, "Български", 5},
}};

// The print list's own texts: thirteen slots per language. Slots 2 and 3 hold no text.
//   1 "Templates" menu item      4 dialog title      5-9 hints of Add, Delete, Default, Edit and
//   the file-choice button       10, 11 labels of the name and file fields   12, 13 OK and Cancel
inline constexpr int kPrintListTextCount = 13;
using PrintListTextSet = std::array<std::string_view, kPrintListTextCount>;  // slot n at [n - 1]

// The text of a slot in a language; empty for a slot other than 1 to 13 or a language other
// than 1 to 3.
std::string_view PrintListText(int slot, int languageNumber);
PrintListTextSet PrintListTexts(int languageNumber);
// The print list keeps the slot number as the key of each text: a key that is not a whole number
// (or names no slot) gives the empty text.
std::string_view TranslatePrintListSlot(std::string_view slotKey, int languageNumber);

// Selector entries in item order, in the current language.
std::vector<std::string> InputMethodItems();  // cbMetodi: standard, by limit sizes, by deviations
std::vector<std::string> FitSystemItems();    // cbSystem: hole basis, shaft basis
std::vector<std::string> FitTypeItems();      // cbType and cbDType, in FitType order
std::vector<std::string> ApplicationAreaItems();  // cbIT: the five areas and the user's own range
std::vector<std::string> DesignBasisItems();      // cbDSystem
std::vector<std::string> ResultCountItems();      // cbPart: "10", "20", "50", "100", all

// The note line: "Values and tolerances in" and the unit, " [in]." or " [mm].".
std::string UnitNote(bool inchMode);

// The captions of the two limit fields of the design panel for the selected type of fit
// (-1 none, 0 clearance, 1 transition, 2 interference).
struct DesignLimitLabels {
    std::string maxLabel;  // lblMax
    std::string minLabel;  // lblMin
};
DesignLimitLabels DesignLimitLabelsFor(int fitTypeIndex);

// A control's text: a language key and a fixed suffix.
enum class TextProperty { Caption, Hint };
struct ControlText {
    std::string_view control;  // component name of the main window
    TextProperty property;
    int key;
    std::string_view suffix;
};

// The captions and hints of the main window, its menus, its input labels and its side panels, in
// the order they are applied. Selector entries, the note line and the design limit labels are
// above; the language commands keep their fixed captions.
std::span<const ControlText> MainWindowControlTexts();
std::string ComposeText(const ControlText& text);

// The text without its first and last character (whole characters, not bytes): "all" from "(all)".
std::string WithoutEnclosingCharacters(std::string_view text);

}  // namespace kelvo
