#pragma once
// zuzivodi-cli design: the fit design search of the window, run through the same window model.
//
//   zuzivodi-cli design --size 40 --type clearance --max 0.05 --min 0.02
//                       [--basis hole|shaft|given-hole:F8|given-shaft:h6|all]
//                       [--area 0..5 | --grades 5-12] [--standard-only]
//                       [--limit 10|20|50|100|all] [--inch] [--json]

#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "model/design_search.h"

namespace kelvo::cli {

struct DesignOptions {
    std::string SizeText;  // millimetres, also with --inch
    std::string Type;      // clearance, transition, interference
    std::string MaxText = "0";
    std::string MinText = "0";  // the two limits as typed: inches with --inch
    std::string Basis = "hole";
    std::optional<int> Area;
    std::string Grades;  // "5-12", "01-6"; replaces the area's range
    bool StandardOnly = false;
    std::string Limit = "10";
    bool InchMode = false;
    bool Json = false;
};

// What a design run found: the ranked records that are shown, in millimetres.
struct DesignRun {
    std::vector<DesignResult> Shown;
    std::size_t Found = 0;  // all accepted fits
    MainWindowModel Model;  // the window model after the search
    DesignPanelState Panel;
};

// Runs the search for the options. Empty, with the reason in `error`, for bad options or limits
// in the wrong order.
std::optional<DesignRun> RunDesign(const DesignOptions& options, std::string& error);

// The JSON array of the shown records: {fit, max_mm, min_mm, score_mm, preferred} in rank order.
std::string DesignResultsJson(const DesignRun& run);

// The text report: the result grid in the display unit, with a mark for preferred fits.
std::string DesignResultsText(const DesignRun& run);

// Adds the "design" subcommand; cli_app.cpp registers it beside the others.
void AddDesignCommand(CLI::App& app, CommandContext& context);

}  // namespace kelvo::cli
