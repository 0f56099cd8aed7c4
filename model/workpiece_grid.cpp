#include "model/workpiece_grid.h"

#include <array>

#include "core/number_format.h"
#include "core/tolerance_types.h"
#include "i18n/language_state.h"

namespace kelvo {

namespace {

// Language keys of the grid's captions.
constexpr int kHoleKey = 1;
constexpr int kShaftKey = 2;
constexpr int kStandFitsKey = 3;
constexpr int kLimitDeviationsKey = 4;
constexpr int kLimitSizesKey = 5;
constexpr int kToleranceKey = 6;
constexpr int kUpperDeviationKey = 7;
constexpr int kLowerDeviationKey = 8;
constexpr int kUpperLimitKey = 9;
constexpr int kLowerLimitKey = 10;
constexpr int kDesignationKey = 11;
constexpr int kFitTypeKey = 12;
constexpr int kFitToleranceKey = 13;

constexpr std::array<int, 4> kLinesUnderRows = {0, 3, 6, 9};

// Pixel split of caption and value parts.
constexpr int kValuePartPx = 115;
constexpr int kValueMarginPx = 5;

std::string Text(int key) {
    return std::string(LangText(key));
}

// The results of one side of the fit as the grid reads them.
struct SideResults {
    int Letter, Grade;
    double It, Upper, Lower;  // mm
};

SideResults ResultsOf(const MainWindowModel& m, Side side) {
    if (side == Side::Hole) {
        return {m.HoleLetter, m.HoleGrade, m.HoleIT, m.HoleES, m.HoleEI};
    }
    return {m.ShaftLetter, m.ShaftGrade, m.ShaftIT, m.ShaftEs, m.ShaftEi};
}

bool ClassSelected(const SideResults& s) {
    return s.Letter >= 0 && s.Grade >= 0;
}

// Both bounds excluded: at exactly 0.001 mm or 10000 mm no value is shown.
bool SizeShowsValues(double nominalMm) {
    return nominalMm > kMinNominalMm && nominalMm < kMaxNominalMm;
}

// A grade whose IT value is not defined at the size (IT 0) shows "N" as a missing class does.
bool SideShowsValues(const MainWindowModel& m, const SideResults& s) {
    return SizeShowsValues(m.NominalSize) && s.It > 0 && ClassSelected(s) &&
           !IsNotAvailable(s.Upper);
}

bool FitShowsValues(const MainWindowModel& m) {
    return SideShowsValues(m, ResultsOf(m, Side::Hole)) &&
           SideShowsValues(m, ResultsOf(m, Side::Shaft));
}

std::string ClassDesignation(const MainWindowModel& m, Side side) {
    const SideResults s = ResultsOf(m, side);
    if (!ClassSelected(s) || IsNotAvailable(s.Upper) || s.Letter >= kLetterCount ||
        s.Grade >= kGradeCount) {
        return {};
    }
    // Always the size in mm, also in inch mode.
    std::string text = FormatGeneral(m.NominalSize, m.DecimalSeparator);
    const std::string_view grade = kGradeTexts[s.Grade];
    if (m.InputMethod == static_cast<int>(InputMethodKind::Standard)) {
        return text + " " + std::string(Letters(side)[s.Letter]) + std::string(grade);
    }
    return text + " (IT" + std::string(grade) + ")";
}

// Rows 2, 4, 5, 7 and 8 of a side: caption key, the suffix naming the deviation, and the value.
struct SideRow {
    int Row;
    int CaptionKey;
    std::string_view HoleSuffix, ShaftSuffix;
    double (*ValueMm)(double nominalMm, const SideResults&);
};

constexpr std::array<SideRow, 5> kSideRows = {{
    {2, kToleranceKey, "", "", [](double, const SideResults& s) { return s.It; }},
    {4, kUpperDeviationKey, " (ES)", " (es)", [](double, const SideResults& s) { return s.Upper; }},
    {5, kLowerDeviationKey, " (EI)", " (ei)", [](double, const SideResults& s) { return s.Lower; }},
    // Limit sizes are not stored: nominal size plus the deviation, added here.
    {7, kUpperLimitKey, "", "", [](double n, const SideResults& s) { return n + s.Upper; }},
    {8, kLowerLimitKey, "", "", [](double n, const SideResults& s) { return n + s.Lower; }},
}};

GridCell SideValueCell(const MainWindowModel& m, const SideRow& spec, Side side) {
    const SideResults s = ResultsOf(m, side);
    const std::string_view suffix = side == Side::Hole ? spec.HoleSuffix : spec.ShaftSuffix;
    const std::string value =
        SideShowsValues(m, s)
            ? FormatWorkpieceValue(spec.ValueMm(m.NominalSize, s), m.InchMode, m.DecimalSeparator)
            : std::string(kNotAvailableText);
    return BodyCell(Text(spec.CaptionKey) + std::string(suffix), value);
}

GridCell FitCell(const MainWindowModel& m, int row) {
    const bool shown = FitShowsValues(m);
    const auto number = [&](double valueMm) {
        return shown ? FormatWorkpieceValue(valueMm, m.InchMode, m.DecimalSeparator)
                     : std::string(kNotAvailableText);
    };
    const auto text = [&](const std::string& value) {
        return shown ? value : std::string(kNotAvailableText);
    };
    switch (row) {
        case 10:
            return BodyCell(Text(kDesignationKey), text(FitDesignation(m)));
        case 11:
            return BodyCell(Text(kFitTypeKey), text(m.FitTypeText));
        case 12:
            return BodyCell(m.FitMaxLabel, number(m.FitMaxValue));
        case 13:
            return BodyCell(m.FitMinLabel, number(m.FitMinValue));
        case 14:
            return BodyCell(Text(kFitToleranceKey), number(m.FitTolerance));
        default:
            return EmptyCell();
    }
}

GridCell HeadingCell(std::string text) {
    return {CellStyle::Heading, CellLayout::Whole, std::move(text), {}, HAlign::Center, true, 1};
}

GridCell SectionCell(int key) {
    return {CellStyle::Section, CellLayout::Whole, Text(key), {}, HAlign::Center, true, 2};
}

GridCell DesignationCell(std::string text) {
    return {
        CellStyle::Designation, CellLayout::Whole, std::move(text), {}, HAlign::Center, false, 1};
}

GridCell ChartCaptionCell(bool inchMode) {
    return {CellStyle::ChartCaption,
            CellLayout::Whole,
            ChartCaption(inchMode),
            {},
            HAlign::Center,
            true,
            1};
}

GridCell HoleOrShaftCell(const MainWindowModel& m, int row, Side side) {
    switch (row) {
        case 0:
            return HeadingCell(Text(side == Side::Hole ? kHoleKey : kShaftKey));
        case 1:
            return DesignationCell(ClassDesignation(m, side));
        case 3:
            return side == Side::Hole ? SectionCell(kLimitDeviationsKey)
                                      : CoveredCell(CellStyle::Section);
        case 6:
            return side == Side::Hole ? SectionCell(kLimitSizesKey)
                                      : CoveredCell(CellStyle::Section);
        default:
            break;
    }
    for (const SideRow& spec : kSideRows) {
        if (spec.Row == row) {
            return SideValueCell(m, spec, side);
        }
    }
    return EmptyCell();
}

}  // namespace

GridGeometry WorkpieceGridGeometry() {
    return {kWorkpieceRows, 2, kLinesUnderRows, kValuePartPx, kValueMarginPx, true};
}

std::string FormatWorkpieceValue(double valueMm, bool inchMode, char decimalSeparator) {
    return inchMode ? FormatFixed(valueMm / kMmPerInch, 5, decimalSeparator)
                    : FormatFixed(valueMm, 4, decimalSeparator);
}

std::string HoleDesignation(const MainWindowModel& m) {
    return ClassDesignation(m, Side::Hole);
}

std::string ShaftDesignation(const MainWindowModel& m) {
    return ClassDesignation(m, Side::Shaft);
}

std::string FitDesignation(const MainWindowModel& m) {
    const SideResults hole = ResultsOf(m, Side::Hole);
    const SideResults shaft = ResultsOf(m, Side::Shaft);
    if (!ClassSelected(hole) || !ClassSelected(shaft) || IsNotAvailable(hole.Upper) ||
        IsNotAvailable(shaft.Upper)) {
        return {};
    }
    if (m.InputMethod != static_cast<int>(InputMethodKind::Standard)) {
        return m.NonStdDesignation;
    }
    if (hole.Letter >= kLetterCount || hole.Grade >= kGradeCount || shaft.Letter >= kLetterCount ||
        shaft.Grade >= kGradeCount) {
        return {};
    }
    // The nominal field's text as typed, so in inches while the window shows inches.
    return m.NominalText + " " + std::string(kHoleLetters[hole.Letter]) +
           std::string(kGradeTexts[hole.Grade]) + "/" + std::string(kShaftLetters[shaft.Letter]) +
           std::string(kGradeTexts[shaft.Grade]);
}

std::string ChartCaption(bool inchMode) {
    const std::string unit = inchMode ? " [milli in]" : " [\u00B5m]";
    return Text(kHoleKey) + unit + std::string(12, ' ') + Text(kShaftKey) + unit;
}

GridCell WorkpieceCell(const MainWindowModel& m, int row, int column) {
    if (row < 0 || row >= kWorkpieceRows || column < 0 || column > 1) {
        return EmptyCell();
    }
    if (row <= 8) {
        return HoleOrShaftCell(m, row, column == 0 ? Side::Hole : Side::Shaft);
    }
    if (row == 9) {
        return column == 0 ? HeadingCell(Text(kStandFitsKey)) : ChartCaptionCell(m.InchMode);
    }
    // Column 1 of rows 10 to 15 lies under the chart.
    return column == 0 ? FitCell(m, row) : EmptyCell();
}

}  // namespace kelvo
