#pragma once
// The program's start before the event loop: the language table, the probe of the settings store
// and its message, then the main window.

#include <QString>
#include <functional>
#include <memory>

#include "i18n/settings_store.h"

namespace kelvo {

class TfrmZuzivOdi;

// The modal error box shown when the settings store cannot be written (before any window).
void ShowStartError();

// Runs the start of the process against `store`. When the probe fails, `showError` is called
// and no window is created (nullptr); otherwise the main window, not yet shown.
std::unique_ptr<TfrmZuzivOdi> StartMainWindow(
    SettingsStore& store, const std::function<void()>& showError = ShowStartError);

// The names under which the program keeps its settings (QSettings organisation and application).
void SetProgramNames();

}  // namespace kelvo
