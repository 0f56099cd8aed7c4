#pragma once
// A main window model in a chosen language, set up the way the window's selectors do it, for the
// clipboard report and print record tests.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "i18n/language_state.h"
#include "i18n/settings_store.h"
#include "model/main_model.h"

namespace kelvo::test {

inline constexpr int kBulgarian = 1;
inline constexpr int kGerman = 2;
inline constexpr int kEnglish = 3;

class ReportModelTest : public ::testing::Test {
  protected:
    void SetUp() override { SetLanguage(kEnglish, store); }
    void TearDown() override { GlobalLanguageState().Reset(); }

    // A fit ("H7/g6") or a hole class alone ("H7") at a size typed in millimetres.
    void Select(int language, std::string_view nominalText, std::string_view fit) {
        SetLanguage(language, store);
        model.OnNominalTextChanged(nominalText);
        const std::size_t slash = fit.find('/');
        model.PickClass(Side::Hole, fit.substr(0, slash));
        if (slash == std::string_view::npos) {
            model.ShaftLetter = kNoSelection;
            model.ShaftGrade = kNoSelection;
            model.CalculateStandard();
        } else {
            model.PickClass(Side::Shaft, fit.substr(slash + 1));
        }
    }

    // The non-standard input by limit deviations (mm), as typed into the four fields.
    void EnterLimitDeviations(double holeUpper, double holeLower, double shaftUpper,
                              double shaftLower) {
        model.OnMethodChanged(static_cast<int>(InputMethodKind::LimitDeviations));
        model.WriteNonStdField(NonStdField::HoleUpperDev, holeUpper);
        model.WriteNonStdField(NonStdField::HoleLowerDev, holeLower);
        model.WriteNonStdField(NonStdField::ShaftUpperDev, shaftUpper);
        model.WriteNonStdField(NonStdField::ShaftLowerDev, shaftLower);
        model.CalculateNonStandard();
    }

    MemorySettingsStore store;
    MainWindowModel model;
};

// Lines of a text whose lines end with CR LF, without their ends.
inline std::vector<std::string> SplitCrLfLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

inline std::vector<std::string> SplitCells(std::string_view line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        cells.emplace_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos) {
            return cells;
        }
        start = tab + 1;
    }
}

}  // namespace kelvo::test
