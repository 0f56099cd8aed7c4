#include "output/print_record.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "i18n/language_state.h"
#include "output/clipboard_report.h"
#include "output/text_template.h"
#include "report_fixture.h"

namespace kelvo {
namespace {

using test::kBulgarian;
using test::kEnglish;
using test::kGerman;

using CodeValues = std::vector<std::pair<std::string, std::string>>;

std::string Field(const PrintRecord& record, std::string_view code) {
    return record.Fields.at(*PrintFieldIndexOfCode(code));
}

std::string CodeOf(int index) {
    return std::string(kPrintFields[index].Code);
}

class PrintRecordTest : public test::ReportModelTest {
  protected:
    void ExpectFields(const CodeValues& expected) const {
        const PrintRecord record = BuildPrintRecord(model);
        for (const auto& [code, value] : expected) {
            EXPECT_EQ(Field(record, code), value) << code;
        }
    }

    // Every field from `first` to `last` (codes) reads "N".
    void ExpectAllN(std::string_view first, std::string_view last) const {
        const PrintRecord record = BuildPrintRecord(model);
        for (int i = *PrintFieldIndexOfCode(first); i <= *PrintFieldIndexOfCode(last); ++i) {
            EXPECT_EQ(record.Fields[i], "N") << CodeOf(i);
        }
    }
};

TEST_F(PrintRecordTest, H7g6At10MillimetresInEnglish) {
    Select(kEnglish, "10", "H7/g6");
    ExpectFields({
        {"A01", "Standard tolerance (ISO 286:1988)"},
        {"A02", "10"},
        {"A03", "10 H7"},
        {"A04", "10 g6"},
        {"A05", "0.0150"},
        {"A06", "0.0090"},
        {"A07", "0.0150"},
        {"A08", "-0.0050"},
        {"A09", "0.0000"},
        {"A10", "-0.0140"},
        {"A11", "10.0150"},
        {"A12", "9.9950"},
        {"A13", "10.0000"},
        {"A14", "9.9860"},
        {"A15", "10 H7/g6"},
        {"A16", "Clearance fit"},
        {"A17", "Max. clearance"},
        {"A18", "0.0290"},
        {"A19", "Min. clearance"},
        {"A20", "0.0050"},
        {"A21", "0.0240"},
        {"A80", ""},  // the standard list applies to the non-standard methods only
        {"A81", "[mm]"},
    });
}

TEST_F(PrintRecordTest, GaugeFieldsOfH7g6At25MillimetresKeepTheirNamingScheme) {
    Select(kEnglish, "25", "H7/g6");
    ExpectFields({
        // Plug gauges: "M" the upper limit, "Mn" the lower, the tolerance without "± ".
        {"A22", "25.00300"},  // KPPRN
        {"A23", "25.02100"},  // KPHEN
        {"A24", "0.00200"},   // KPPRG
        {"A26", "25.00500"},  // KPPRM
        {"A28", "25.00100"},  // KPPRMn
        {"A29", "25.01900"},  // KPHEMn
        {"A30", "24.99700"},  // KPPRMi
        {"A32", "0.00250"},   // KPHED
        // Spherical plug gauges.
        {"A33", "25.00300"},  // KPRN
        {"A35", "0.00125"},   // KPRG
        {"A37", "25.00425"},  // KPRM
        {"A40", "25.01975"},  // KHEMn
        {"A43", "0.00150"},   // KHED
    });
    // Ring gauges: KGPRMn and KGHEMx hold the upper limits, KGPRM and KGHEM the lower ones,
    // the same values as the report's lines.
    const PrintRecord record = BuildPrintRecord(model);
    const std::vector<std::string> lines = test::SplitCrLfLines(CopyReportText(model));
    const std::vector<std::string> ringUpper = test::SplitCells(lines.at(38 + 5));
    const std::vector<std::string> ringLower = test::SplitCells(lines.at(38 + 6));
    EXPECT_EQ(Field(record, "A48"), ringUpper.at(1));  // KGPRMn
    EXPECT_EQ(Field(record, "A49"), ringUpper.at(3));  // KGHEMx
    EXPECT_EQ(Field(record, "A50"), ringLower.at(1));  // KGPRM
    EXPECT_EQ(Field(record, "A51"), ringLower.at(3));  // KGHEM
    EXPECT_GT(std::stod(Field(record, "A48")), std::stod(Field(record, "A50")));
    EXPECT_GT(std::stod(Field(record, "A49")), std::stod(Field(record, "A51")));
}

// Every gauge and master field carries the same number as the report's cell for it.
TEST_F(PrintRecordTest, GaugeFieldsAreTheReportsNumbers) {
    Select(kEnglish, "10", "H7/g6");
    const PrintRecord record = BuildPrintRecord(model);
    const std::vector<std::string> lines = test::SplitCrLfLines(CopyReportText(model));
    const auto cell = [&](std::size_t line, std::size_t column) {
        std::string text = test::SplitCells(lines.at(line)).at(column);
        const std::string sign = "\u00B1 ";
        return text.starts_with(sign) ? text.substr(sign.size()) : text;
    };
    struct Place {
        const char* Code;
        std::size_t Line, Column;
    };
    const Place places[] = {
        {"A22", 23, 1}, {"A25", 24, 3}, {"A27", 25, 3}, {"A31", 28, 1}, {"A34", 31, 3},
        {"A36", 32, 3}, {"A38", 33, 3}, {"A39", 34, 1}, {"A41", 35, 1}, {"A42", 36, 1},
        {"A44", 41, 1}, {"A45", 41, 3}, {"A46", 42, 1}, {"A47", 42, 3}, {"A52", 45, 1},
        {"A53", 46, 1}, {"A54", 46, 3}, {"A55", 49, 1}, {"A56", 49, 2}, {"A57", 49, 3},
        {"A58", 50, 1}, {"A59", 50, 2}, {"A60", 50, 3}, {"A61", 51, 1}, {"A62", 51, 2},
        {"A63", 51, 3}, {"A64", 52, 1}, {"A65", 52, 2}, {"A66", 52, 3}, {"A67", 53, 1},
        {"A68", 53, 2}, {"A69", 53, 3}, {"A70", 57, 1}, {"A71", 57, 3}, {"A72", 58, 1},
        {"A73", 58, 3}, {"A74", 59, 1}, {"A75", 59, 3}, {"A76", 60, 1}, {"A77", 60, 3},
        {"A78", 61, 1}, {"A79", 61, 3},
    };
    for (const Place& p : places) {
        EXPECT_EQ(Field(record, p.Code), cell(p.Line, p.Column)) << p.Code;
        EXPECT_NE(Field(record, p.Code), "N") << p.Code;
    }
}

TEST_F(PrintRecordTest, WithoutAShaftClassTheShaftTheFitAndItsGaugesReadN) {
    Select(kEnglish, "10", "H7");
    const PrintRecord record = BuildPrintRecord(model);
    for (const char* code : {"A04", "A06", "A08", "A10", "A12", "A14", "A15", "A16", "A18", "A20",
                             "A21", "A71", "A73", "A75", "A77", "A79"}) {
        EXPECT_EQ(Field(record, code), "N") << code;
    }
    ExpectAllN("A44", "A69");
    EXPECT_EQ(Field(record, "A17"), "Max.");
    EXPECT_EQ(Field(record, "A19"), "Min.");
    EXPECT_EQ(Field(record, "A03"), "10 H7");
    EXPECT_EQ(Field(record, "A22"), "10.00200");
    EXPECT_EQ(Field(record, "A70"), "10.00000");
}

TEST_F(PrintRecordTest, AboveFiveHundredMillimetresEveryGaugeAndMasterReadsN) {
    Select(kEnglish, "600", "H7/g6");
    ExpectAllN("A22", "A79");
    ExpectFields({{"A05", "0.0700"}, {"A15", "600 H7/g6"}, {"A16", "Clearance fit"}});
}

TEST_F(PrintRecordTest, LimitDeviationsInputNamesTheStandardAndTheNonStandardDesignation) {
    Select(kEnglish, "10", "H7/g6");
    EnterLimitDeviations(0.015, 0, -0.005, -0.014);
    ExpectFields({
        {"A01", "Non-standard (Limit deviations)"},
        {"A03", "10 (IT7)"},
        {"A04", "10 (IT6)"},
        {"A07", "0.0150"},
        {"A15", "(non-standard)"},
        {"A16", "Clearance fit"},
        {"A80", "ISO 286-1:1988"},
    });
    model.ToleranceStandard = static_cast<int>(ToleranceStandardKind::IsoR1938);
    model.CalculateNonStandard();
    ExpectFields({{"A80", "ISO/R 1938:1971"}});
}

TEST_F(PrintRecordTest, InchDisplayKeepsMillimetresAndTheMillimetreUnit) {
    Select(kEnglish, "10", "H7/g6");
    const PrintRecord millimetres = BuildPrintRecord(model);
    model.SwitchUnits();
    ASSERT_TRUE(model.InchMode);
    const PrintRecord inches = BuildPrintRecord(model);
    for (int i = 0; i < kPrintFieldCount; ++i) {
        if (CodeOf(i) != "A15") {
            EXPECT_EQ(inches.Fields[i], millimetres.Fields[i]) << CodeOf(i);
        }
    }
    // The size the window shows in inches is carried in millimetres, under the unit "[mm]";
    // only the fit designation follows the window.
    EXPECT_EQ(Field(inches, "A02"), "10");
    EXPECT_EQ(Field(inches, "A81"), "[mm]");
    EXPECT_EQ(Field(inches, "A15"), "0.3937 H7/g6");
}

TEST_F(PrintRecordTest, FieldsHoldTheLanguageTextsAsUtf8AndAreCutToTheirLength) {
    Select(kBulgarian, "10", "H7/g6");
    const PrintRecord record = BuildPrintRecord(model);
    EXPECT_EQ(Field(record, "A01"), LangText(78) + " (ISO 286:1988)");
    EXPECT_EQ(Field(record, "A16"), LangText(16));
    EXPECT_EQ(Field(record, "A17"), LangText(19));
    EXPECT_EQ(Field(record, "A16"),
              "\u0421\u0433\u043B\u043E\u0431\u043A\u0430 \u0441 "
              "\u0445\u043B\u0430\u0431\u0438\u043D\u0430");

    Select(kGerman, "10.0000000000000000001", "H7/g6");
    const PrintRecord german = BuildPrintRecord(model);
    EXPECT_EQ(Field(german, "A02"), "10.00000000000000000");  // 20 characters kept
    EXPECT_EQ(Field(german, "A15"), "10.00000000000000000");
    EXPECT_EQ(Field(german, "A18"), "0.0290");
    EXPECT_EQ(Field(german, "A16"), " Spielpassung");
}

// The print callback through the engine: each print adds a record in front, and the single field
// codes of a template show the newest one.
TEST_F(PrintRecordTest, TwoPrintsInARowShowTheSecondClassesAndKeepTheFirst) {
    const CodeTable codes = MainWindowCodeTable();
    MainWindowPrintHost host(model);
    const auto print = [&] {
        PrintJob job;
        host.Print(job);
        EXPECT_EQ(job.SetCount(), 1u);
        EXPECT_EQ(job.SetAt(0), &host.Records());
        return FillTextTemplate("$A03 Oo# / $A04 Ov#: $A16 VSgl#", job, codes);
    };
    Select(kEnglish, "10", "H7/g6");
    EXPECT_EQ(print().Output, "10 H7 / 10 g6: Clearance fit");
    Select(kEnglish, "25", "P7/h6");
    const FillResult second = print();
    EXPECT_FALSE(second.Error);
    EXPECT_EQ(second.Output, "25 P7 / 25 h6: Interference fit");

    const PrintRecordSet& records = host.Records();
    ASSERT_EQ(records.RecordCount(), 2u);
    EXPECT_EQ(records.CurrentIndex(), 0u);
    EXPECT_EQ(records.Records()[0].Fields[2], "25 P7");
    EXPECT_EQ(records.Records()[1].Fields[2], "10 H7");
}

TEST_F(PrintRecordTest, ANewRecordGoesFirstAlsoAfterARepeatedRowMovedTheCursor) {
    PrintRecordSet set;
    Select(kEnglish, "10", "H7/g6");
    PrintJob first;
    PrintListLite1Print(model, set, first);
    Select(kEnglish, "20", "H7/g6");
    PrintJob second;
    PrintListLite1Print(model, set, second);
    set.Next();  // a repeated table row leaves the set on its last record
    Select(kEnglish, "30", "H7/g6");
    PrintJob third;
    PrintListLite1Print(model, set, third);
    ASSERT_EQ(set.RecordCount(), 3u);
    EXPECT_EQ(set.Value(2), "30 H7");
    EXPECT_EQ(set.Records()[0].Fields[1], "30");
}

}  // namespace
}  // namespace kelvo
