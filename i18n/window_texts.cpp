#include "i18n/window_texts.h"

#include <charconv>

#include "i18n/language_state.h"

namespace kelvo {

namespace {

// The print list's texts, one row per slot, columns English, German, Bulgarian. They are not in
// the language tables: the print list carries them itself.
constexpr std::array<std::array<std::string_view, 3>, kPrintListTextCount> kPrintListTable = {{
    {"Templates", "Vorlagen", "Бланки"},
    {"", "", ""},
    {"", "", ""},
    {"Report templates", "Druckvorlagen", "Бланки за печат"},
    {"Add template", "Vorlage einfuegen", "Добавяне на бланка за печат"},
    {"Delete template", "Vorlage loeschen", "Изтриване на бланката"},
    {"Set template as default", "Voreinstellung", "Маркиране на бланката за печат по подразбиране"},
    {"Open template", "Vorlage oeffnen", "Отваряне на бланката"},
    {"Search file", "Vorlagedatei auswaehlen", "Избор на файл за бланката"},
    {"Name", "Name", "Име"},
    {"File", "Datei", "Файл"},
    {"OK", "OK", "OK"},
    {"Cancel", "Abbruch", "Отказ"},
}};

int PrintListColumn(int languageNumber) {
    switch (languageNumber) {
        case 3:
            return 0;
        case 2:
            return 1;
        case 1:
            return 2;
        default:
            return -1;
    }
}

// Language keys of the selector entries, in item order.
constexpr int kInputMethodKeys[] = {78, 79, 80};
constexpr std::string_view kStandardToleranceSuffix = " (ISO 286:1988)";  // after item 0
constexpr int kFitSystemKeys[] = {26, 27};
constexpr int kFitTypeKeys[] = {16, 18, 17};  // clearance, transition, interference
constexpr int kApplicationAreaKeys[] = {100, 99, 101, 102, 103, 89};
constexpr int kDesignBasisKeys[] = {26, 27, 104, 105, 106};
constexpr std::string_view kResultCounts[] = {"10", "20", "50", "100"};
constexpr int kAllResultsKey = 91;  // "(all)", shown without its brackets

constexpr int kUnitNoteKey = 76;

// Design limit labels by type of fit: clearance, transition, interference.
constexpr int kDesignMaxKeys[] = {107, 107, 109};
constexpr int kDesignMinKeys[] = {108, 109, 110};

constexpr ControlText kMainWindowTexts[] = {
    // Main window and tool bar.
    {"frmZuzivOdi", TextProperty::Caption, 67, ""},
    {"btnCalk", TextProperty::Hint, 68, ""},
    {"btnCopy", TextProperty::Hint, 69, ""},
    {"btnLang", TextProperty::Hint, 70, ""},
    {"btnExit", TextProperty::Hint, 71, ""},
    {"btnHelp", TextProperty::Hint, 72, ""},
    {"btnPrint", TextProperty::Hint, 92, ""},
    // Main menu: Edit, Help, Calculation, Copy, Exit, help topic, About, Language, Print.
    {"N1", TextProperty::Caption, 73, ""},
    {"N2", TextProperty::Caption, 72, ""},
    {"N3", TextProperty::Caption, 68, ""},
    {"N4", TextProperty::Caption, 69, ""},
    {"N7", TextProperty::Caption, 71, ""},
    {"N8", TextProperty::Caption, 74, ""},
    {"N9", TextProperty::Caption, 75, ""},
    {"N10", TextProperty::Caption, 70, ""},
    {"mnPrint", TextProperty::Caption, 92, ""},
    // Input area.
    {"GroupBox2", TextProperty::Caption, 77, ""},
    {"Label1", TextProperty::Caption, 81, ""},
    {"GroupBox3", TextProperty::Caption, 82, ""},
    {"Label22", TextProperty::Caption, 1, ""},
    {"Label23", TextProperty::Caption, 2, ""},
    {"bbnSglobka", TextProperty::Caption, 3, " >>"},
    // Result pages and the input labels of the non-standard pages.
    {"TabSheet1", TextProperty::Caption, 84, ""},
    {"TabSheet2", TextProperty::Caption, 58, ""},
    {"TabSheet3", TextProperty::Caption, 59, ""},
    {"TabSheet4", TextProperty::Caption, 60, ""},
    {"Label24", TextProperty::Caption, 9, ""},
    {"Label26", TextProperty::Caption, 10, ""},
    {"ULabel7", TextProperty::Caption, 9, ""},
    {"ULabel8", TextProperty::Caption, 10, ""},
    {"Label25", TextProperty::Caption, 85, ""},
    {"Label33", TextProperty::Caption, 1, ""},
    {"Label34", TextProperty::Caption, 2, ""},
    {"Label35", TextProperty::Caption, 1, ""},
    {"Label36", TextProperty::Caption, 2, ""},
    {"Label29", TextProperty::Caption, 7, " (ES)"},
    {"Label31", TextProperty::Caption, 8, " (EI)"},
    {"Label30", TextProperty::Caption, 7, " (es)"},
    {"Label32", TextProperty::Caption, 8, " (ei)"},
    // Side panels: design, then standard fits.
    {"bbnDesign", TextProperty::Caption, 93, " >>"},
    {"ULabel3", TextProperty::Caption, 94, ""},
    {"ULabel4", TextProperty::Caption, 24, ""},
    {"chbDSel", TextProperty::Caption, 95, ""},
    {"ULabel6", TextProperty::Caption, 12, ""},
    {"btnShow", TextProperty::Caption, 97, ""},
    {"ULabel5", TextProperty::Caption, 98, ""},
    {"ULabel1", TextProperty::Caption, 24, ""},
    {"Label2", TextProperty::Caption, 12, ""},
    {"ULabel2", TextProperty::Caption, 3, ""},
};

std::vector<std::string> TextsOf(std::span<const int> keys) {
    std::vector<std::string> texts;
    texts.reserve(keys.size());
    for (const int key : keys) {
        texts.push_back(LangText(key));
    }
    return texts;
}

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string_view PrintListText(int slot, int languageNumber) {
    const int column = PrintListColumn(languageNumber);
    if (slot < 1 || slot > kPrintListTextCount || column < 0) {
        return {};
    }
    return kPrintListTable[static_cast<std::size_t>(slot - 1)][static_cast<std::size_t>(column)];
}

PrintListTextSet PrintListTexts(int languageNumber) {
    PrintListTextSet texts{};
    for (int slot = 1; slot <= kPrintListTextCount; ++slot) {
        texts[static_cast<std::size_t>(slot - 1)] = PrintListText(slot, languageNumber);
    }
    return texts;
}

std::string_view TranslatePrintListSlot(std::string_view slotKey, int languageNumber) {
    int slot = 0;
    const auto [end, error] =
        std::from_chars(slotKey.data(), slotKey.data() + slotKey.size(), slot);
    if (error != std::errc() || end != slotKey.data() + slotKey.size()) {
        return {};
    }
    return PrintListText(slot, languageNumber);
}

std::vector<std::string> InputMethodItems() {
    auto items = TextsOf(kInputMethodKeys);
    items[0] += kStandardToleranceSuffix;
    return items;
}

std::vector<std::string> FitSystemItems() {
    return TextsOf(kFitSystemKeys);
}

std::vector<std::string> FitTypeItems() {
    return TextsOf(kFitTypeKeys);
}

std::vector<std::string> ApplicationAreaItems() {
    return TextsOf(kApplicationAreaKeys);
}

std::vector<std::string> DesignBasisItems() {
    return TextsOf(kDesignBasisKeys);
}

std::vector<std::string> ResultCountItems() {
    std::vector<std::string> items(std::begin(kResultCounts), std::end(kResultCounts));
    items.push_back(WithoutEnclosingCharacters(LangText(kAllResultsKey)));
    return items;
}

std::string UnitNote(bool inchMode) {
    return LangText(kUnitNoteKey) + (inchMode ? " [in]." : " [mm].");
}

DesignLimitLabels DesignLimitLabelsFor(int fitTypeIndex) {
    // No selection reads as clearance.
    const std::size_t row = fitTypeIndex >= 1 && fitTypeIndex <= 2 ? fitTypeIndex : 0;
    return {LangText(kDesignMaxKeys[row]), LangText(kDesignMinKeys[row])};
}

std::span<const ControlText> MainWindowControlTexts() {
    return kMainWindowTexts;
}

std::string ComposeText(const ControlText& text) {
    return LangText(text.key) + std::string(text.suffix);
}

std::string WithoutEnclosingCharacters(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    std::size_t first = 1;
    while (first < text.size() && IsUtf8Continuation(text[first])) {
        ++first;
    }
    std::size_t last = text.size() - 1;
    while (last > first && IsUtf8Continuation(text[last])) {
        --last;
    }
    return last > first ? std::string(text.substr(first, last - first)) : std::string();
}

}  // namespace kelvo
