// A typed number: ParseFieldNumber on any text, and the same text typed into the nominal field of
// the main window model in millimetres and in inches. The reading is always finite, and whatever
// was typed, the model and the workpiece grid hold no non-finite value and every value cell shows
// a number or "N".

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/number_format.h"
#include "fuzz/fuzz_support.h"
#include "i18n/language_state.h"
#include "i18n/settings_store.h"
#include "model/main_model.h"
#include "model/workpiece_grid.h"
#include "model/zone_chart.h"

namespace {

using kelvo::fuzz::Require;

bool IsNumberText(std::string_view text) {
    if (text.starts_with('-')) {
        text.remove_prefix(1);
    }
    bool digit = false;
    bool separator = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if ((c == '.' || c == ',') && !separator) {
            separator = true;
        } else {
            return false;
        }
    }
    return digit;
}

void CheckModelValues(const kelvo::MainWindowModel& model, std::string_view typed) {
    for (const double value :
         {model.NominalSize, model.HoleIT, model.HoleES, model.HoleEI, model.ShaftIT, model.ShaftEs,
          model.ShaftEi, model.FitMaxValue, model.FitMinValue, model.FitTolerance}) {
        Require(std::isfinite(value), "model values stay finite", typed);
    }
}

void CheckViews(const kelvo::MainWindowModel& model, std::string_view typed) {
    for (int row = 0; row < kelvo::kWorkpieceRows; ++row) {
        for (int column = 0; column < 2; ++column) {
            const kelvo::GridCell cell = kelvo::WorkpieceCell(model, row, column);
            if (cell.Layout == kelvo::CellLayout::CaptionValue && !cell.Value.empty() &&
                row != 10 && row != 11) {
                Require(cell.Value == "N" || IsNumberText(cell.Value),
                        "a workpiece value is a number or N", cell.Value);
            }
        }
    }
    const kelvo::ZoneChart chart = kelvo::ZoneChartOf(model);
    for (const double y : {chart.Hole.Y0, chart.Hole.Y1, chart.Shaft.Y0, chart.Shaft.Y1,
                           chart.AxisMin, chart.AxisMax}) {
        Require(std::isfinite(y), "chart coordinates stay finite", typed);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = kelvo::fuzz::AsText(data, size);
    const double value = kelvo::ParseFieldNumber(text);
    Require(std::isfinite(value), "a field reads as a finite number", text);
    Require(!std::signbit(value) || value != 0, "a field never reads as minus zero", text);

    static kelvo::MemorySettingsStore store;
    static const bool languageSet = (kelvo::SetLanguage(kelvo::kEnglish, store), true);
    (void)languageSet;

    for (const bool inchMode : {false, true}) {
        kelvo::MainWindowModel model;
        model.InchMode = inchMode;
        model.SetClassesFromFit("H7/g6");
        model.OnNominalTextChanged("10");
        model.OnNominalTextChanged(text);
        Require(inchMode || model.NominalSize == value, "the nominal size is the field's value",
                text);
        CheckModelValues(model, text);
        model.OnNominalEditingFinished();
        const double shown = model.NominalSize / (inchMode ? kelvo::kMmPerInch : 1.0);
        Require(
            shown >= kelvo::kMinNominalMm * 0.999999 && shown <= kelvo::kMaxNominalMm * 1.000001,
            "leaving the field puts the value inside its limits", text);
        CheckModelValues(model, text);
        CheckViews(model, text);
    }
    return 0;
}
