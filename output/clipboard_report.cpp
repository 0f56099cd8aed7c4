#include "output/clipboard_report.h"

#include <array>
#include <initializer_list>
#include <string_view>

#include "i18n/language_state.h"
#include "i18n/window_texts.h"
#include "model/grid_cell.h"
#include "output/report_values.h"

namespace kelvo {
namespace {

// Language keys of the report's labels.
namespace text {
constexpr int kHole = 1;
constexpr int kShaft = 2;
constexpr int kStandFits = 3;
constexpr int kLimitDeviations = 4;
constexpr int kLimitSizes = 5;
constexpr int kTolerance = 6;
constexpr int kUpperDeviation = 7;
constexpr int kLowerDeviation = 8;
constexpr int kUpperLimit = 9;
constexpr int kLowerLimit = 10;
constexpr int kDesignation = 11;
constexpr int kFitType = 12;
constexpr int kFitTolerance = 13;
constexpr int kWorkshopGauges = 28;
constexpr int kSphericalGauges = 29;
constexpr int kGoPlug = 30;
constexpr int kNoGoPlug = 31;
constexpr int kGoSpherical = 32;
constexpr int kNoGoSpherical = 33;
constexpr int kNominalSize = 34;
constexpr int kGaugeDeviations = 35;
constexpr int kGaugeUpperLimit = 36;
constexpr int kGaugeLowerLimit = 37;
constexpr int kGaugeLowerLimitNew = 38;
constexpr int kLowerWearLimit = 39;
constexpr int kFormTolerance = 40;
constexpr int kGaugeUpperLimitNew = 41;
constexpr int kUpperWearLimit = 42;
constexpr int kCheckPlugs = 43;
constexpr int kGoRing = 44;
constexpr int kNoGoRing = 45;
constexpr int kGaugeType = 46;
constexpr int kGoCheckPlug = 47;
constexpr int kWearCheckPlug = 48;
constexpr int kNoGoCheckPlug = 49;
constexpr int kSettingRings = 50;
constexpr int kSettingPlug = 51;
constexpr int kHoleGauges = 58;
constexpr int kShaftGauges = 59;
constexpr int kSettingMasters = 60;
}  // namespace text

// Which value of a gauge a row shows.
using GaugeField = std::string GaugeTexts::*;

// A row of a GO / NOT-GO pair: label and value of the left gauge, then of the right one.
// RightKey 0: the row has the left pair only (the wear limit of the GO gauge).
struct PairRow {
    int LeftKey;
    GaugeField Field;
    int RightKey;
};

// Plug and spherical plug gauges (ISO/R 1938): the GO gauge's lower limit is "new", and only the
// GO gauge has a wear limit, below its lower limit.
constexpr std::array<PairRow, 6> kPlugRows = {{
    {text::kNominalSize, &GaugeTexts::Nominal, text::kNominalSize},
    {text::kGaugeDeviations, &GaugeTexts::HalfTolerance, text::kGaugeDeviations},
    {text::kGaugeUpperLimit, &GaugeTexts::Upper, text::kGaugeUpperLimit},
    {text::kGaugeLowerLimitNew, &GaugeTexts::Lower, text::kGaugeLowerLimit},
    {text::kLowerWearLimit, &GaugeTexts::WearLimit, 0},
    {text::kFormTolerance, &GaugeTexts::FormTolerance, text::kFormTolerance},
}};

// Ring gauges: the GO ring wears outwards, so its upper limit is "new" and it has an upper wear
// limit.
constexpr std::array<PairRow, 6> kRingRows = {{
    {text::kNominalSize, &GaugeTexts::Nominal, text::kNominalSize},
    {text::kGaugeDeviations, &GaugeTexts::HalfTolerance, text::kGaugeDeviations},
    {text::kGaugeUpperLimitNew, &GaugeTexts::Upper, text::kGaugeUpperLimit},
    {text::kGaugeLowerLimit, &GaugeTexts::Lower, text::kGaugeLowerLimit},
    {text::kUpperWearLimit, &GaugeTexts::WearLimit, 0},
    {text::kFormTolerance, &GaugeTexts::FormTolerance, text::kFormTolerance},
}};

// Setting ring (left) and setting plug (right): no wear limit.
constexpr std::array<PairRow, 5> kMasterRows = {{
    {text::kNominalSize, &GaugeTexts::Nominal, text::kNominalSize},
    {text::kGaugeDeviations, &GaugeTexts::HalfTolerance, text::kGaugeDeviations},
    {text::kGaugeUpperLimit, &GaugeTexts::Upper, text::kGaugeUpperLimit},
    {text::kGaugeLowerLimit, &GaugeTexts::Lower, text::kGaugeLowerLimit},
    {text::kFormTolerance, &GaugeTexts::FormTolerance, text::kFormTolerance},
}};

// The check plugs of a snap gauge: label, then GO, wear and NOT-GO side by side.
constexpr std::array<std::pair<int, GaugeField>, 5> kCheckPlugRows = {{
    {text::kNominalSize, &GaugeTexts::Nominal},
    {text::kGaugeDeviations, &GaugeTexts::HalfTolerance},
    {text::kGaugeUpperLimit, &GaugeTexts::Upper},
    {text::kGaugeLowerLimit, &GaugeTexts::Lower},
    {text::kFormTolerance, &GaugeTexts::FormTolerance},
}};

// The setting masters keep the "± " in front of an "N"; the gauge blocks drop it.
enum class SignBeforeN { Dropped, Kept };

class ReportWriter {
  public:
    ReportWriter() { text_.reserve(4096); }

    void Line(std::initializer_list<std::string_view> cells) {
        bool first = true;
        for (std::string_view cell : cells) {
            if (!first) {
                text_ += '\t';
            }
            text_ += cell;
            first = false;
        }
        text_ += "\r\n";
    }
    void EmptyLine() { text_ += "\r\n"; }
    std::string Take() { return std::move(text_); }

  private:
    std::string text_;
};

std::string Label(int key) {
    return LangText(key);
}

std::string Suffixed(int key, std::string_view suffix) {
    return LangText(key) + std::string(suffix);
}

std::string CellOf(const GaugeTexts& gauge, GaugeField field, SignBeforeN sign) {
    const std::string& value = gauge.*field;
    const bool signed_ =
        field == &GaugeTexts::HalfTolerance && (gauge.Available || sign == SignBeforeN::Kept);
    return signed_ ? std::string(kPlusMinusPrefix) + value : value;
}

template <std::size_t N>
void PairRows(ReportWriter& out, const std::array<PairRow, N>& rows, const GaugeTexts& left,
              const GaugeTexts& right, SignBeforeN sign) {
    for (const PairRow& row : rows) {
        if (row.RightKey == 0) {
            out.Line({Label(row.LeftKey), CellOf(left, row.Field, sign)});
        } else {
            out.Line({Label(row.LeftKey), CellOf(left, row.Field, sign), Label(row.RightKey),
                      CellOf(right, row.Field, sign)});
        }
    }
}

void WorkpieceBlock(ReportWriter& out, const MainWindowModel& m) {
    const WorkpieceTexts t = WorkpieceValueTexts(m);
    out.Line({Label(text::kHole), "", Label(text::kShaft)});
    out.Line({t.HoleDesignation, "", t.ShaftDesignation});
    out.EmptyLine();
    const std::string tolerance = Label(text::kTolerance);
    out.Line({tolerance, t.HoleIT, tolerance, t.ShaftIT});
    out.EmptyLine();
    const std::string deviations = Label(text::kLimitDeviations);
    out.Line({deviations, "", deviations});
    out.Line({Suffixed(text::kUpperDeviation, " (ES)"), t.HoleES,
              Suffixed(text::kUpperDeviation, " (es)"), t.ShaftEs});
    out.Line({Suffixed(text::kLowerDeviation, " (EI)"), t.HoleEI,
              Suffixed(text::kLowerDeviation, " (ei)"), t.ShaftEi});
    out.EmptyLine();
    const std::string sizes = Label(text::kLimitSizes);
    out.Line({sizes, "", sizes});
    const std::string upper = Label(text::kUpperLimit);
    out.Line({upper, t.HoleUpperLimit, upper, t.ShaftUpperLimit});
    const std::string lower = Label(text::kLowerLimit);
    out.Line({lower, t.HoleLowerLimit, lower, t.ShaftLowerLimit});
    out.EmptyLine();
    out.Line({Label(text::kStandFits)});
    out.Line({Label(text::kDesignation), t.FitDesignation});
    out.Line({Label(text::kFitType), t.FitType});
    out.Line({t.FitMaxLabel, t.FitMaxValue});
    out.Line({t.FitMinLabel, t.FitMinValue});
    out.Line({Label(text::kFitTolerance), t.FitTolerance});
    out.EmptyLine();
}

void HoleGaugesBlock(ReportWriter& out, const GaugeSetTexts& g) {
    out.Line({Label(text::kHoleGauges)});
    out.Line({Label(text::kWorkshopGauges)});
    out.Line({Label(text::kGoPlug), "", Label(text::kNoGoPlug)});
    PairRows(out, kPlugRows, g.GoPlug, g.NoGoPlug, SignBeforeN::Dropped);
    out.Line({Label(text::kSphericalGauges)});
    out.Line({Label(text::kGoSpherical), "", Label(text::kNoGoSpherical)});
    PairRows(out, kPlugRows, g.GoSpherical, g.NoGoSpherical, SignBeforeN::Dropped);
    out.EmptyLine();
}

void ShaftGaugesBlock(ReportWriter& out, const GaugeSetTexts& g) {
    out.Line({Label(text::kShaftGauges)});
    out.Line({Label(text::kWorkshopGauges)});
    out.Line({Label(text::kGoRing), "", Label(text::kNoGoRing)});
    PairRows(out, kRingRows, g.GoRing, g.NoGoRing, SignBeforeN::Dropped);
    out.Line({Label(text::kCheckPlugs)});
    out.Line({Label(text::kGaugeType), Label(text::kGoCheckPlug), Label(text::kWearCheckPlug),
              Label(text::kNoGoCheckPlug)});
    for (const auto& [key, field] : kCheckPlugRows) {
        // Only the first of the three tolerances carries the "± ".
        out.Line({Label(key), CellOf(g.GoCheckPlug, field, SignBeforeN::Dropped),
                  g.WearCheckPlug.*field, g.NoGoCheckPlug.*field});
    }
    out.EmptyLine();
}

void SettingMastersBlock(ReportWriter& out, const GaugeSetTexts& g) {
    out.Line({Label(text::kSettingMasters)});
    out.Line({Label(text::kSettingRings), "", Label(text::kSettingPlug)});
    PairRows(out, kMasterRows, g.SettingRing, g.SettingPlug, SignBeforeN::Kept);
    out.EmptyLine();
}

}  // namespace

std::string CopyReportText(const MainWindowModel& model) {
    ReportWriter out;
    WorkpieceBlock(out, model);
    const GaugeSetTexts gauges = GaugeSetValueTexts(model);
    HoleGaugesBlock(out, gauges);
    ShaftGaugesBlock(out, gauges);
    SettingMastersBlock(out, gauges);
    // Every value above is in millimetres, so the note names millimetres also while the window
    // shows inches (where the window's own note line names inches).
    out.Line({UnitNote(false)});
    return out.Take();
}

}  // namespace kelvo
