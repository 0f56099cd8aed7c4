#pragma once
// Every value the program keeps in the settings store, in one place: keys, value names, types,
// defaults and the checks applied when a value is read back. A stored value of the wrong type or
// out of range reads as the default, so a damaged store never leaves the window without texts or
// with a selector pointing nowhere.

#include <string_view>

#include "i18n/settings_store.h"

namespace kelvo {

// The program's own key, under the per-user root.
inline constexpr std::string_view kProgramSettingsKey = "\\Software\\Dravenik\\Karvenit\\Default\\";
inline constexpr std::string_view kInchModeValue = "mm_in";     // boolean
inline constexpr std::string_view kResultCountValue = "ResCn";  // integer, item of cbPart
inline constexpr std::string_view kStandardOnlyValue = "Prep";  // boolean, chbDSel
inline constexpr std::string_view kLanguageValue = "Lang";      // integer, 1 BG, 2 DE, 3 EN

// The print list's default template: key and subkey under the per-user root. The dialog writes the
// value as "DEFAULT"; the store does not tell the two spellings apart.
inline constexpr std::string_view kPrintListSettingsKey = "Software\\Kelvo\\PrintList";
inline constexpr std::string_view kPrintListFormKey = "frmPrgRezbi";
inline constexpr std::string_view kDefaultTemplateValue = "DEFAULT";  // integer

// Keys that the start-up probe creates and deletes again.
inline constexpr std::string_view kProbeClassesKey = "\\.dravenik";           // classes root
inline constexpr std::string_view kProbeUserKey = "\\Software\\DravenikLtd";  // per-user root

// Language numbers.
inline constexpr int kBulgarian = 1;
inline constexpr int kGerman = 2;
inline constexpr int kEnglish = 3;
inline constexpr int kDefaultLanguage = kEnglish;

// Items of the result count selector: 10, 20, 50, 100, all.
inline constexpr int kResultCountItemCount = 5;

bool IsLanguageNumber(int number);

// The values the main window reads when it is first shown and writes when it closes.
struct WindowSettings {
    bool inchMode = false;
    int resultCountIndex = 0;  // [0, 4]
    bool standardOnly = false;
};

class Settings {
  public:
    explicit Settings(SettingsStore& store) : store_(store) {}

    // The stored language; English when the key or the value is missing, when the value is not an
    // integer or when it is not one of 1 to 3.
    int Language() const;
    // Creates the program's key if needed; false when it can be neither opened nor created.
    bool WriteLanguage(int languageNumber);

    // Defaults for whatever is missing, of the wrong type or out of range.
    WindowSettings ReadWindowSettings() const;
    bool WriteWindowSettings(const WindowSettings& settings);

    // The index of the default print template; 0 when it cannot be read or is negative (an index
    // past the end of the list is the print list's to handle).
    int DefaultTemplateIndex() const;
    bool WriteDefaultTemplateIndex(int index);

    // The start-up probe: create and delete a key under the classes root, then one under the
    // per-user root (the second is not tried when the first fails). True when both could be
    // created.
    bool ProbeWritable();

  private:
    std::optional<SettingsKey> OpenProgramKey(OpenMode mode) const;
    std::optional<SettingsKey> OpenPrintListKey(OpenMode mode) const;
    bool ProbeKey(SettingsRoot root, std::string_view path);

    SettingsStore& store_;
};

}  // namespace kelvo
