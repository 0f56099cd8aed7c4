#pragma once
// A model with a recording view and the English table loaded, as the window has it
// after start-up.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "i18n/language_state.h"
#include "i18n/settings_store.h"
#include "model/main_model.h"

namespace kelvo::testing {

class RecordingView : public ModelView {
  public:
    void RefreshViews() override { ++refreshCount; }
    void RefreshDesignGrid() override { ++designGridRefreshCount; }
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }

    int refreshCount = 0;
    int designGridRefreshCount = 0;
    std::vector<std::string> messages;
};

class ModelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetLanguage(3, store);
        model.SetView(&view);
    }

    // Select a fit by name and size the way the window's selectors do.
    void SelectFit(std::string_view fit, double sizeMm) {
        model.NominalSize = sizeMm;
        model.NominalText = std::to_string(sizeMm);
        ASSERT_TRUE(model.SetClassesFromFit(fit)) << fit;
        model.CalculateStandard();
    }

    // The nominal field typed as the user types it, then the fit picked and calculated.
    void Select(std::string_view fit, std::string_view nominalText) {
        model.OnNominalTextChanged(nominalText);
        ASSERT_TRUE(model.SetClassesFromFit(fit)) << fit;
        model.CalculateStandard();
    }

    MemorySettingsStore store;
    RecordingView view;
    MainWindowModel model;
};

}  // namespace kelvo::testing
