// The sweep: every tolerance class of both sides (the 28 x 20 letter and grade pairs, which hold
// every class of both catalogues) at the bounds and midpoints of every size row from 0.001 to
// 10000 mm, through the main window model, the four result grids, the tolerance-zone chart, the
// clipboard report and the print record. Whatever the class and the size, no view may show a
// non-finite number, every value is a number or "N", the fit extremes are never negative and the
// limit sizes agree with the deviations.
//
// Each hole class meets every shaft class's turn once per size (shaft = a permutation of the
// hole index), and the six display settings (mm and inches in Bulgarian, German and English)
// take turns over the pairs, so that each setting sees every class at a sixth of the sizes. Under
// AddressSanitizer, which runs the checks several times slower, only every fourth pair is taken.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/iso286_tables.h"
#include "core/tolerance_types.h"
#include "design/class_catalogues.h"
#include "design/class_names.h"
#include "gauges/gauge_tables.h"
#include "i18n/language_state.h"
#include "i18n/settings_store.h"
#include "model/hole_gauge_grid.h"
#include "model/main_model.h"
#include "model/master_grid.h"
#include "model/shaft_gauge_grid.h"
#include "model/workpiece_grid.h"
#include "model/zone_chart.h"
#include "output/clipboard_report.h"
#include "output/print_record.h"

#if defined(__SANITIZE_ADDRESS__)
#define KELVO_SWEEP_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KELVO_SWEEP_UNDER_ASAN 1
#endif
#endif

namespace kelvo {
namespace {

#ifdef KELVO_SWEEP_UNDER_ASAN
constexpr int kPairStride = 4;
#else
constexpr int kPairStride = 1;
#endif

constexpr int kPairCount = kLetterCount * kGradeCount;  // 560 classes per side
// Coprime to 560, so that hole pair i meets shaft pair (i * kShaftStep + offset) % 560 and the
// shaft pairs run through all 560 at every size.
constexpr int kShaftStep = 17;

// Every bound of the ISO 286 size rows, of the gauge tables and of the setting-master table,
// with 0.001 and 10000 mm; then the bounds and the midpoints between neighbouring bounds.
std::vector<double> SweepSizesMm() {
    std::set<double> bounds = {kMinNominalMm, kMaxNominalMm};
    for (const Iso286Table table :
         {Iso286Table::StandardTolerance, Iso286Table::HoleDeviation, Iso286Table::Delta}) {
        for (int row = 0; row < SizeRowCount(table); ++row) {
            bounds.insert(SizeRowUpperBoundMm(table, row));
        }
    }
    for (const GaugeToleranceRow& row : GaugeToleranceTable()) {
        bounds.insert(row.SizeBound);
    }
    for (const SettingMasterRow& row : SettingMasterTable()) {
        bounds.insert(row.SizeBound);
    }
    std::vector<double> sizes(bounds.begin(), bounds.end());
    for (auto it = bounds.begin(); std::next(it) != bounds.end(); ++it) {
        sizes.push_back((*it + *std::next(it)) / 2);
    }
    std::sort(sizes.begin(), sizes.end());
    return sizes;
}

struct DisplaySetting {
    int Language;
    bool InchMode;
    char DecimalSeparator;
};

constexpr DisplaySetting kSettings[] = {
    {kBulgarian, false, ','}, {kGerman, false, ','}, {kEnglish, false, '.'},
    {kBulgarian, true, ','},  {kGerman, true, ','},  {kEnglish, true, '.'},
};

// "-12.3450" with the given separator: an optional minus, digits, and exactly `decimals` decimals
// (any number of decimals when `decimals` is negative).
bool IsNumberText(std::string_view text, char separator, int decimals = -1) {
    if (text.starts_with('-')) {
        text.remove_prefix(1);
    }
    const std::size_t point = text.find(separator);
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto allDigits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.empty() || !allDigits(whole) || !allDigits(fraction)) {
        return false;
    }
    if (point != std::string_view::npos && fraction.empty()) {
        return false;
    }
    return decimals < 0 || static_cast<int>(fraction.size()) == decimals;
}

double NumberOf(std::string_view text, char separator) {
    std::string copy(text);
    std::replace(copy.begin(), copy.end(), separator, '.');
    return std::stod(copy);
}

bool SpellsNonFinite(std::string_view text) {
    return text.find("nan") != std::string_view::npos || text.find("inf") != std::string_view::npos;
}

// Collects what went wrong, with the case it went wrong in, and keeps the first few.
class Findings {
  public:
    void Add(const std::string& what) {
        ++count_;
        if (kept_.size() < 20) {
            kept_.push_back(context_ + ": " + what);
        }
    }
    void SetContext(std::string context) { context_ = std::move(context); }
    int Count() const { return count_; }
    std::string Summary() const {
        std::ostringstream out;
        out << count_ << " finding(s)";
        for (const std::string& line : kept_) {
            out << "\n  " << line;
        }
        return out.str();
    }

  private:
    std::string context_;
    std::vector<std::string> kept_;
    int count_ = 0;
};

class Sweep {
  public:
    Sweep(Findings& findings, const DisplaySetting& setting)
        : findings_(findings), setting_(setting) {}

    void CheckModel(const MainWindowModel& m) {
        for (const double value :
             {m.NominalSize, m.HoleIT, m.HoleES, m.HoleEI, m.ShaftIT, m.ShaftEs, m.ShaftEi,
              m.FitMaxValue, m.FitMinValue, m.FitTolerance}) {
            if (!std::isfinite(value)) {
                findings_.Add("a model value is not finite");
            }
        }
        if (m.FitMaxValue < 0 || m.FitMinValue < 0 || m.FitTolerance < 0) {
            findings_.Add("a fit extreme or the fit tolerance is negative");
        }
        if (m.FitKind) {
            const double sum = (m.HoleES - m.HoleEI) + (m.ShaftEs - m.ShaftEi);
            if (std::fabs(m.FitTolerance - sum) > 1e-9) {
                findings_.Add("the fit tolerance is not the sum of the two tolerances");
            }
        }
    }

    void CheckWorkpieceGrid(const MainWindowModel& m) {
        const int decimals = setting_.InchMode ? 5 : 4;
        for (int row = 0; row < kWorkpieceRows; ++row) {
            for (int column = 0; column < 2; ++column) {
                const GridCell cell = WorkpieceCell(m, row, column);
                if (cell.Layout != CellLayout::CaptionValue || row == 10 || row == 11) {
                    continue;  // captions, designations and the fit type are texts
                }
                if (cell.Value != kNotAvailableText &&
                    !IsNumberText(cell.Value, setting_.DecimalSeparator, decimals)) {
                    findings_.Add("workpiece cell (" + std::to_string(row) + ", " +
                                  std::to_string(column) + ") shows \"" + cell.Value + "\"");
                }
            }
        }
        for (int column = 0; column < 2; ++column) {
            CheckLimitSizes(m, column);
        }
    }

    void CheckGaugeGrids(const MainWindowModel& m) {
        for (int column = 0; column < 2; ++column) {
            for (int row = 0; row < kHoleGaugeRows; ++row) {
                CheckGaugeCell(HoleGaugeCell(m, row, column), false);
            }
            for (int row = 0; row < kShaftGaugeRows; ++row) {
                // Split cells of column 1 hold a value in both parts.
                CheckGaugeCell(ShaftGaugeCell(m, row, column), column == 1);
            }
            for (int row = 0; row < kMasterRows; ++row) {
                CheckGaugeCell(MasterCell(m, row, column), false);
            }
        }
    }

    void CheckChart(const MainWindowModel& m) {
        const ZoneChart chart = ZoneChartOf(m);
        const double ys[] = {chart.Hole.Y0, chart.Hole.Y1, chart.Shaft.Y0, chart.Shaft.Y1};
        for (const double y : ys) {
            if (!std::isfinite(y) || y < chart.AxisMin || y > chart.AxisMax) {
                findings_.Add("a chart zone is not finite or lies outside the axis");
            }
        }
        if (!(chart.AxisMin <= 0 && chart.AxisMax >= 0)) {
            findings_.Add("the chart axis leaves out the zero line");
        }
        for (const ToleranceZone* zone : {&chart.Hole, &chart.Shaft}) {
            for (const ChartLabel& label : zone->Labels) {
                // Chart labels are plain numbers in the program's own notation.
                if (!IsNumberText(label.Text, '.') && !IsNumberText(label.Text, ',')) {
                    findings_.Add("a chart label reads \"" + label.Text + "\"");
                }
            }
        }
    }

    void CheckReport(const MainWindowModel& m) {
        const std::string report = CopyReportText(m);
        if (SpellsNonFinite(report)) {
            findings_.Add("the clipboard report spells a non-finite number");
        }
        std::size_t start = 0;
        while (start < report.size()) {
            const std::size_t end = report.find("\r\n", start);
            if (end == std::string::npos) {
                findings_.Add("a report line does not end with CR LF");
                break;
            }
            CheckReportLine(std::string_view(report).substr(start, end - start));
            start = end + 2;
        }
    }

    void CheckRecord(const MainWindowModel& m) {
        const PrintRecord record = BuildPrintRecord(m);
        for (int field = 0; field < kPrintFieldCount; ++field) {
            const std::string& value = record.Fields[field];
            const std::string_view code = kPrintFields[field].Code;
            if (SpellsNonFinite(value)) {
                findings_.Add(std::string(code) + " spells a non-finite number");
            }
            if (IsNumericRecordField(code) && value != kNotAvailableText &&
                !IsNumberText(value, m.DecimalSeparator)) {
                findings_.Add(std::string(code) + " holds \"" + value + "\"");
            }
        }
    }

  private:
    // Rows 2, 4, 5, 7 and 8 of a column: the tolerance, both deviations, both limit sizes.
    void CheckLimitSizes(const MainWindowModel& m, int column) {
        const GridCell it = WorkpieceCell(m, 2, column);
        const GridCell upperDev = WorkpieceCell(m, 4, column);
        const GridCell lowerDev = WorkpieceCell(m, 5, column);
        const GridCell upper = WorkpieceCell(m, 7, column);
        const GridCell lower = WorkpieceCell(m, 8, column);
        const std::vector<const GridCell*> cells = {&it, &upperDev, &lowerDev, &upper, &lower};
        const auto shown = [](const GridCell* cell) { return cell->Value != kNotAvailableText; };
        const long shownCount = std::count_if(cells.begin(), cells.end(), shown);
        if (shownCount != 0 && shownCount != 5) {
            findings_.Add("a column shows some of its values and \"N\" for others");
            return;
        }
        if (shownCount == 0) {
            return;
        }
        const char separator = setting_.DecimalSeparator;
        const double unitMm = setting_.InchMode ? kMmPerInch : 1.0;
        // Half the last shown decimal, and room for the binary error of a sum near 10000 mm.
        const double halfStep = (setting_.InchMode ? 0.5e-5 : 0.5e-4) + 1e-9;
        const double es = column == 0 ? m.HoleES : m.ShaftEs;
        const double ei = column == 0 ? m.HoleEI : m.ShaftEi;
        const double upperShown = NumberOf(upper.Value, separator);
        const double lowerShown = NumberOf(lower.Value, separator);
        if (std::fabs(upperShown - (m.NominalSize + es) / unitMm) > halfStep ||
            std::fabs(lowerShown - (m.NominalSize + ei) / unitMm) > halfStep ||
            std::fabs(NumberOf(upperDev.Value, separator) - es / unitMm) > halfStep ||
            std::fabs(NumberOf(lowerDev.Value, separator) - ei / unitMm) > halfStep) {
            findings_.Add("a limit size or deviation is not the model's value: " + upper.Value +
                          " " + lower.Value + " " + upperDev.Value + " " + lowerDev.Value);
        }
        // Upper minus lower limit is the tolerance, give or take the rounding of three values.
        if (lowerShown > upperShown ||
            std::fabs((upperShown - lowerShown) - NumberOf(it.Value, separator)) > 3 * halfStep) {
            findings_.Add("the limit sizes disagree with the tolerance");
        }
    }

    void CheckGaugeCell(const GridCell& cell, bool captionIsValue) {
        if (cell.Layout == CellLayout::Whole || cell.Style != CellStyle::Body) {
            return;  // titles and headings hold labels only
        }
        CheckGaugeValue(cell.Value);
        if (cell.Layout == CellLayout::Split && captionIsValue) {
            CheckGaugeValue(cell.Caption);
        }
    }

    void CheckGaugeValue(std::string_view value) {
        if (value.empty() || value == kNotAvailableText) {
            return;
        }
        if (value.starts_with(kPlusMinusPrefix)) {
            value.remove_prefix(kPlusMinusPrefix.size());
        }
        if (!IsNumberText(value, setting_.DecimalSeparator)) {
            findings_.Add("a gauge cell shows \"" + std::string(value) + "\"");
        }
    }

    // A cell of the report that starts like a number must be one.
    void CheckReportLine(std::string_view line) {
        std::size_t start = 0;
        for (;;) {
            const std::size_t tab = line.find('\t', start);
            std::string_view cell = line.substr(
                start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
            if (cell.starts_with(kPlusMinusPrefix)) {
                cell.remove_prefix(kPlusMinusPrefix.size());
            }
            const bool looksNumeric =
                !cell.empty() && (std::isdigit(static_cast<unsigned char>(cell[0])) ||
                                  (cell[0] == '-' && cell.size() > 1));
            // Designations ("10 H7", "10 (IT7)") start with the size and go on with a blank.
            if (looksNumeric && cell.find(' ') == std::string_view::npos &&
                !IsNumberText(cell, setting_.DecimalSeparator)) {
                findings_.Add("a report cell reads \"" + std::string(cell) + "\"");
            }
            if (tab == std::string_view::npos) {
                break;
            }
            start = tab + 1;
        }
    }

    // A05-A14, A18, A20, A21 and the gauge fields A22-A79 are values.
    static bool IsNumericRecordField(std::string_view code) {
        const int number = (code[1] - '0') * 10 + (code[2] - '0');
        return (number >= 5 && number <= 14) || number == 18 || number == 20 ||
               (number >= 21 && number <= 79);
    }

    Findings& findings_;
    DisplaySetting setting_;
};

std::string CaseText(double sizeMm, const MainWindowModel& m, const DisplaySetting& setting) {
    std::ostringstream out;
    out << sizeMm << " mm " << kHoleLetters[m.HoleLetter] << kGradeTexts[m.HoleGrade] << "/"
        << kShaftLetters[m.ShaftLetter] << kGradeTexts[m.ShaftGrade] << " language "
        << setting.Language << (setting.InchMode ? " inches" : " mm")
        << (m.InputMethod > 0 ? " non-standard" : "");
    return out.str();
}

void RunAllViews(Sweep& sweep, const MainWindowModel& model) {
    sweep.CheckModel(model);
    sweep.CheckWorkpieceGrid(model);
    sweep.CheckGaugeGrids(model);
    sweep.CheckChart(model);
    sweep.CheckReport(model);
    sweep.CheckRecord(model);
}

TEST(Sweep, EveryClassAtEverySizeRowInBothUnitsAndAllLanguages) {
    const std::vector<double> sizes = SweepSizesMm();
    ASSERT_GT(sizes.size(), 40u);
    MemorySettingsStore store;
    Findings findings;
    long evaluated = 0;
    for (int settingIndex = 0; settingIndex < 6; ++settingIndex) {
        const DisplaySetting& setting = kSettings[settingIndex];
        SetLanguage(setting.Language, store);
        Sweep sweep(findings, setting);
        for (std::size_t sizeIndex = 0; sizeIndex < sizes.size(); ++sizeIndex) {
            MainWindowModel model;
            model.InchMode = setting.InchMode;
            model.DecimalSeparator = setting.DecimalSeparator;
            model.ApplyPreferredNumber(sizes[sizeIndex]);
            for (int hole = 0; hole < kPairCount; ++hole) {
                const int turn = hole + static_cast<int>(sizeIndex);
                if (turn % 6 != settingIndex || (turn / 6) % kPairStride != 0) {
                    continue;
                }
                const int shaft = (hole * kShaftStep + static_cast<int>(sizeIndex)) % kPairCount;
                model.HoleLetter = hole / kGradeCount;
                model.HoleGrade = hole % kGradeCount;
                model.ShaftLetter = shaft / kGradeCount;
                model.ShaftGrade = shaft % kGradeCount;
                model.CalculateStandard();
                findings.SetContext(CaseText(sizes[sizeIndex], model, setting));
                RunAllViews(sweep, model);
                ++evaluated;
                // Every seventh case also goes through the two non-standard input methods, which
                // take the standard results as typed limits and assign a grade of their own.
                if (turn % 7 == 0) {
                    for (const int method : {1, 2}) {
                        model.OnMethodChanged(method);
                        findings.SetContext(CaseText(sizes[sizeIndex], model, setting));
                        RunAllViews(sweep, model);
                    }
                    model.OnMethodChanged(0);
                }
            }
        }
    }
    EXPECT_GE(evaluated, static_cast<long>(sizes.size()) * kPairCount / kPairStride - 6);
    EXPECT_EQ(findings.Count(), 0) << findings.Summary();
}

// The catalogues of the class pick lists name only letter and grade pairs, so the sweep above
// covers every one of them.
TEST(Sweep, EveryCatalogueClassIsALetterAndGradePair) {
    for (const Side side : {Side::Hole, Side::Shaft}) {
        for (const SizeBand band : {SizeBand::UpTo500, SizeBand::Over500}) {
            for (const ClassEntry& entry : ClassCatalogue(side, band)) {
                const std::optional<ClassSelection> parsed = ParseClassName(entry.Name);
                ASSERT_TRUE(parsed.has_value()) << entry.Name;
                EXPECT_EQ(parsed->Side, side) << entry.Name;
            }
        }
    }
}

}  // namespace
}  // namespace kelvo
