#include "output/clipboard_report.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "report_fixture.h"

namespace kelvo {
namespace {

using Cells = std::vector<std::string>;
using test::kBulgarian;
using test::kEnglish;
using test::kGerman;
using test::SplitCells;
using test::SplitCrLfLines;

// Lines of the four blocks and the note: workpiece 20, hole gauges 1 + 17, shaft gauges 1 + 16,
// setting masters 8, note 1.
constexpr std::size_t kReportLines = 64;
constexpr std::size_t kHoleBlockStart = 20;    // "Hole guages"
constexpr std::size_t kShaftBlockStart = 38;   // "Shaft gauges"
constexpr std::size_t kMasterBlockStart = 55;  // "Setting ring and plug gauges"

class ClipboardReportTest : public test::ReportModelTest {
  protected:
    std::vector<std::string> ReportLines() const { return SplitCrLfLines(CopyReportText(model)); }
    Cells LineCells(std::size_t index) const { return SplitCells(ReportLines().at(index)); }
};

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The first line where two reports differ, for a readable failure.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
    const auto want = SplitCrLfLines(expected);
    const auto got = SplitCrLfLines(actual);
    for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
        const std::string w = i < want.size() ? want[i] : "<none>";
        const std::string g = i < got.size() ? got[i] : "<none>";
        if (w != g) {
            return "line " + std::to_string(i + 1) + ": expected \"" + w + "\", got \"" + g + "\"";
        }
    }
    return "line ends differ";
}

struct GoldenCase {
    int Language;
    const char* NominalText;
    const char* Fit;
    const char* File;
};

// Whole reports checked in. Set KELVO_UPDATE_GOLDEN=1 to rewrite them after a deliberate change,
// then review the diff.
TEST_F(ClipboardReportTest, WholeReportsMatchTheGoldenFilesInEachLanguage) {
    const GoldenCase cases[] = {
        {kEnglish, "10", "H7/g6", "report_en_10_H7_g6.txt"},
        {kGerman, "25", "H7/g6", "report_de_25_H7_g6.txt"},
        {kBulgarian, "40", "K7/h6", "report_bg_40_K7_h6.txt"},
        {kEnglish, "600", "H7", "report_en_600_H7_no_shaft.txt"},
    };
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE(c.File);
        Select(c.Language, c.NominalText, c.Fit);
        const std::string actual = CopyReportText(model);
        const std::filesystem::path path = std::filesystem::path(KELVO_TEST_DATA_DIR) / c.File;
        if (std::getenv("KELVO_UPDATE_GOLDEN") != nullptr) {
            std::ofstream(path, std::ios::binary) << actual;
        }
        const std::string expected = ReadFile(path);
        ASSERT_FALSE(expected.empty()) << path;
        EXPECT_TRUE(expected == actual) << FirstDifference(expected, actual);
    }
}

TEST_F(ClipboardReportTest, WorkpieceBlockOfH7g6At10MillimetresInEnglish) {
    Select(kEnglish, "10", "H7/g6");
    const std::vector<std::vector<std::string>> expected = {
        {"Hole", "", "Shaft"},
        {"10 H7", "", "10 g6"},
        {""},
        {"Tolerance", "0.0150", "Tolerance", "0.0090"},
        {""},
        {"Limit deviations", "", "Limit deviations"},
        {"Upper deviation (ES)", "0.0150", "Upper deviation (es)", "-0.0050"},
        {"Lower deviation (EI)", "0.0000", "Lower deviation (ei)", "-0.0140"},
        {""},
        {"Limit sizes", "", "Limit sizes"},
        {"Upper limit of size", "10.0150", "Upper limit of size", "9.9950"},
        {"Lower limit of size", "10.0000", "Lower limit of size", "9.9860"},
        {""},
        {"Stand. fits"},
        {"Designation", "10 H7/g6"},
        {"Type of fit", "Clearance fit"},
        {"Max. clearance", "0.0290"},
        {"Min. clearance", "0.0050"},
        {"Tolerance of the fit", "0.0240"},
        {""},
    };
    const std::vector<std::string> lines = ReportLines();
    ASSERT_EQ(lines.size(), kReportLines);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(SplitCells(lines[i]), expected[i]) << "line " << i + 1;
    }
}

TEST_F(ClipboardReportTest, HoleGaugesBlockOfH7At25Millimetres) {
    Select(kEnglish, "25", "H7/g6");
    const std::vector<std::vector<std::string>> expected = {
        {"Hole guages"},
        {"Workshop gauges acc. ISO/R 1938, DIN 7150-2"},
        {"GO Plug Gauge", "", "NOT-GO Plug Gauge"},
        {"Nominal size", "25.00300", "Nominal size", "25.02100"},
        {"Limit deviations", "\u00B1 0.00200", "Limit deviations", "\u00B1 0.00200"},
        {"Upper limit of size", "25.00500", "Upper limit of size", "25.02300"},
        {"Lower limit of size (new)", "25.00100", "Lower limit of size", "25.01900"},
        {"Lower wear limit of size", "24.99700"},
        {"Form tolerance", "0.00250", "Form tolerance", "0.00250"},
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(LineCells(kHoleBlockStart + i), expected[i]) << "line " << i + 1;
    }
}

TEST_F(ClipboardReportTest, EveryLineEndsWithCrLfAndTheLastIsTheMillimetreNote) {
    Select(kEnglish, "10", "H7/g6");
    const std::string report = CopyReportText(model);
    ASSERT_TRUE(report.ends_with("Values and tolerances in [mm].\r\n"));
    std::size_t lineEnds = 0;
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (report[i] == '\n') {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(report[i - 1], '\r') << "bare LF at byte " << i;
            ++lineEnds;
        }
    }
    EXPECT_EQ(lineEnds, kReportLines);
    EXPECT_EQ(LineCells(kShaftBlockStart)[0], "Shaft gauges");
    EXPECT_EQ(LineCells(kMasterBlockStart)[0], "Setting ring and plug gauges");
}

TEST_F(ClipboardReportTest, OnlyTheFirstCheckPlugToleranceCarriesThePlusMinusSign) {
    Select(kEnglish, "10", "H7/g6");
    EXPECT_EQ(LineCells(kShaftBlockStart + 10),
              (Cells{"Type of gauge", "GO Ch. Plug", "Wear Ch. Plug", "NOT-GO Ch. Plug"}));
    EXPECT_EQ(LineCells(kShaftBlockStart + 12),
              (Cells{"Limit deviations", "\u00B1 0.00050", "0.00050", "0.00050"}));
}

TEST_F(ClipboardReportTest, WithoutAShaftClassEveryShaftValueAndTheFitReadN) {
    Select(kEnglish, "10", "H7");
    EXPECT_EQ(LineCells(1), (Cells{"10 H7", "", "N"}));
    EXPECT_EQ(LineCells(6), (Cells{"Upper deviation (ES)", "0.0150", "Upper deviation (es)", "N"}));
    EXPECT_EQ(LineCells(11), (Cells{"Lower limit of size", "10.0000", "Lower limit of size", "N"}));
    EXPECT_EQ(LineCells(14), (Cells{"Designation", "N"}));
    EXPECT_EQ(LineCells(15), (Cells{"Type of fit", "N"}));
    // The labels of an undefined fit stay.
    EXPECT_EQ(LineCells(16), (Cells{"Max.", "N"}));
    EXPECT_EQ(LineCells(17), (Cells{"Min.", "N"}));
    EXPECT_EQ(LineCells(18), (Cells{"Tolerance of the fit", "N"}));
    // The hole gauges keep their values.
    EXPECT_EQ(LineCells(kHoleBlockStart + 3)[1], "10.00200");

    for (std::size_t i = kShaftBlockStart + 3; i <= kShaftBlockStart + 8; ++i) {
        const Cells cells = LineCells(i);
        EXPECT_EQ(cells.at(1), "N") << "line " << i + 1;
        if (cells.size() > 2) {
            EXPECT_EQ(cells.at(3), "N") << "line " << i + 1;
        }
    }
    EXPECT_EQ(LineCells(kShaftBlockStart + 4),
              (Cells{"Limit deviations", "N", "Limit deviations", "N"}));
    EXPECT_EQ(LineCells(kShaftBlockStart + 12), (Cells{"Limit deviations", "N", "N", "N"}));
    EXPECT_EQ(LineCells(kShaftBlockStart + 13), (Cells{"Upper limit of size", "N", "N", "N"}));
    // The setting ring needs the hole only; the setting plug needs the shaft, and keeps "± ".
    EXPECT_EQ(LineCells(kMasterBlockStart + 2),
              (Cells{"Nominal size", "10.00000", "Nominal size", "N"}));
    EXPECT_EQ(LineCells(kMasterBlockStart + 3),
              (Cells{"Limit deviations", "\u00B1 0.00125", "Limit deviations", "\u00B1 N"}));
}

TEST_F(ClipboardReportTest, AClassWithoutAValueAtTheSizeIsNotDefined) {
    Select(kEnglish, "10", "T7/h6");  // T has no values up to 24 mm
    EXPECT_EQ(LineCells(1), (Cells{"N", "", "10 h6"}));
    EXPECT_EQ(LineCells(3), (Cells{"Tolerance", "N", "Tolerance", "0.0090"}));
    EXPECT_EQ(LineCells(14), (Cells{"Designation", "N"}));
    EXPECT_EQ(LineCells(kHoleBlockStart + 3), (Cells{"Nominal size", "N", "Nominal size", "N"}));
    EXPECT_EQ(LineCells(kShaftBlockStart + 3)[1], "9.99800");
}

TEST_F(ClipboardReportTest, AboveFiveHundredMillimetresOnlyTheWorkpieceHasValues) {
    Select(kEnglish, "600", "H7/g6");
    EXPECT_EQ(LineCells(3), (Cells{"Tolerance", "0.0700", "Tolerance", "0.0440"}));
    EXPECT_EQ(LineCells(14), (Cells{"Designation", "600 H7/g6"}));
    const std::vector<std::string> lines = ReportLines();
    for (std::size_t i = kHoleBlockStart; i + 1 < lines.size(); ++i) {
        const Cells cells = SplitCells(lines[i]);
        if (i == kShaftBlockStart + 10) {
            continue;  // the captions of the three check plugs
        }
        const bool checkPlugLine = i > kShaftBlockStart + 10 && i < kShaftBlockStart + 16;
        for (std::size_t c = 1; c < cells.size(); ++c) {
            // Value cells are the odd ones of a pair line, every one of a check-plug line.
            if (checkPlugLine || c % 2 == 1) {
                EXPECT_TRUE(cells[c] == "N" || cells[c] == "\u00B1 N" || cells[c].empty())
                    << "line " << i + 1 << ": " << lines[i];
            }
        }
    }
}

TEST_F(ClipboardReportTest, InchDisplayKeepsMillimetreValuesAndTheMillimetreNote) {
    Select(kEnglish, "10", "H7/g6");
    const std::vector<std::string> millimetres = ReportLines();
    model.SwitchUnits();
    ASSERT_TRUE(model.InchMode);
    const std::vector<std::string> inches = ReportLines();
    ASSERT_EQ(inches.size(), millimetres.size());
    for (std::size_t i = 0; i < inches.size(); ++i) {
        if (i == 14) {
            // The fit designation follows the window: the nominal size as typed, in inches.
            EXPECT_EQ(inches[i], "Designation\t0.3937 H7/g6");
        } else {
            EXPECT_EQ(inches[i], millimetres[i]) << "line " << i + 1;
        }
    }
    EXPECT_EQ(inches.back(), "Values and tolerances in [mm].");
}

TEST_F(ClipboardReportTest, NonStandardInputShowsTheAssignedGradeAndTheNonStandardDesignation) {
    Select(kEnglish, "10", "H7/g6");
    EnterLimitDeviations(0.015, 0, -0.005, -0.014);
    EXPECT_EQ(LineCells(1), (Cells{"10 (IT7)", "", "10 (IT6)"}));
    EXPECT_EQ(LineCells(6),
              (Cells{"Upper deviation (ES)", "0.0150", "Upper deviation (es)", "-0.0050"}));
    EXPECT_EQ(LineCells(14), (Cells{"Designation", "(non-standard)"}));
    EXPECT_EQ(LineCells(15), (Cells{"Type of fit", "Clearance fit"}));
}

TEST_F(ClipboardReportTest, NonStandardDesignationStaysWhenTheFitIsNotDefined) {
    Select(kEnglish, "10", "H7/g6");
    EnterLimitDeviations(0.015, 0, -0.014, -0.005);  // shaft limits in the wrong order
    EXPECT_EQ(LineCells(1)[2], "N");
    EXPECT_EQ(LineCells(14), (Cells{"Designation", "(non-standard)"}));
    EXPECT_EQ(LineCells(15), (Cells{"Type of fit", "N"}));
}

TEST_F(ClipboardReportTest, LabelsFollowTheLanguageWithTheLeadingSpacesOfTheGermanTable) {
    Select(kGerman, "10", "H7/g6");
    EXPECT_EQ(LineCells(0), (Cells{" Bohrung", "", " Welle"}));
    EXPECT_EQ(LineCells(6),
              (Cells{" Oberes Abmass (ES)", "0.0150", " Oberes Abmass (es)", "-0.0050"}));
    EXPECT_EQ(LineCells(15), (Cells{" Passungsart", " Spielpassung"}));
    EXPECT_EQ(ReportLines().back(), "Werte und Toleranzen in [mm].");
    Select(kBulgarian, "10", "H7/g6");
    EXPECT_EQ(LineCells(0), (Cells{"\u041E\u0442\u0432\u043E\u0440", "", "\u0412\u0430\u043B"}));
}

TEST_F(ClipboardReportTest, NumbersUseTheUsersDecimalSeparator) {
    model.DecimalSeparator = ',';
    Select(kEnglish, "12,5", "H7/g6");
    EXPECT_EQ(LineCells(1), (Cells{"12,5 H7", "", "12,5 g6"}));
    EXPECT_EQ(LineCells(10),
              (Cells{"Upper limit of size", "12,5180", "Upper limit of size", "12,4940"}));
    EXPECT_EQ(LineCells(kHoleBlockStart + 3)[1], "12,50250");
}

}  // namespace
}  // namespace kelvo
