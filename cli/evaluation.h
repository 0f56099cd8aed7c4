#pragma once
// Evaluation of one query (a nominal size with a tolerance class or a fit) into a plain result
// record: limit deviations, the fit, and the gauges and setting masters of the sides queried.
// The record holds the model's numbers unrounded, in millimetres; the text report, the JSON and
// the CSV writers only format it.

#include <optional>
#include <string>

#include "cli/input_checks.h"
#include "core/fit.h"
#include "core/limit_deviations.h"
#include "core/tolerance_types.h"
#include "gauges/gauge_dims.h"

namespace kelvo::cli {

struct ClassResult {
    std::string Name;  // "H7", "zc18"
    kelvo::Side PartSide = kelvo::Side::Hole;
    int Letter = kNoSelection;
    int Grade = kNoSelection;
    LimitDeviations Deviations;  // as computed, the not-available sentinel included
    // False wherever the workpiece grid shows "N": no value at the size, a grade not defined
    // there (IT 0), or a size on the limits 0.001 mm or 10000 mm.
    bool Shown = false;
    double UpperLimitMm = 0;  // nominal size + upper deviation
    double LowerLimitMm = 0;  // nominal size + lower deviation
};

struct QueryResult {
    double SizeMm = 0;
    std::optional<ClassResult> Hole;   // present for a hole class and for a fit
    std::optional<ClassResult> Shaft;  // present for a shaft class and for a fit
    bool IsFit = false;
    // Present for a fit whose hole and shaft are both shown.
    std::optional<FitCharacteristics> Fit;
    // Each gauge record is meaningful for the sides present only; its own flags say whether
    // its values exist (size up to 500 mm, class available).
    HoleGauges HoleGaugeSet{};
    ShaftGauges ShaftGaugeSet{};
    SettingMasters MasterSet{};

    std::string DesignationText() const;  // "H7", "g6" or "H7/g6"
};

// The workpiece grid shows a value of a class only strictly inside these sizes.
bool IsShownSize(double sizeMm);

QueryResult EvaluateClass(double sizeMm, const ClassSelection& selection);
QueryResult EvaluateFit(double sizeMm, const FitSelection& selection);
QueryResult Evaluate(double sizeMm, const Designation& designation);

}  // namespace kelvo::cli
