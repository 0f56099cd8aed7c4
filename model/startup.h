#pragma once
// The program's start, the window's first showing and its closing, as functions that
// the window and the tests both run.

#include <string_view>

#include "i18n/settings.h"
#include "i18n/settings_store.h"
#include "model/main_model.h"

namespace kelvo {

// The two texts shown when the settings store cannot be written; they exist before
// any language table is trusted, so they are not language texts.
inline constexpr std::string_view kNoRegistryAccessText = "You don't have access to registry";
inline constexpr std::string_view kStartErrorCaption = "Error start program";

// Process start: the language table first, then the probe of the settings store.
// False means: show the message above and end without creating a window.
bool StartProcess(SettingsStore& store);

// The model's part of the window's first showing: stored settings, the default fit
// H7/g6 at 10 mm, the calculation and the stored language. Returns the window
// settings read (result count, standard-only flag) for the design panel.
WindowSettings ShowWindowFirstTime(MainWindowModel& model, SettingsStore& store);

// A language command: load and store the language, then recalculate so that the
// texts kept in the model follow it.
void ApplyLanguage(MainWindowModel& model, int languageNumber, SettingsStore& store);

// Closing the window writes the unit, the result count and the standard-only flag.
void CloseWindow(const MainWindowModel& model, const WindowSettings& panel, SettingsStore& store);

}  // namespace kelvo
