// The sheets and reports shipped in data/templates/: one of each kind per language, each naming
// the fields its kind is for, and printing the window's language texts intact.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "output/print_record.h"
#include "output/rtf_template.h"
#include "output/template_engine.h"
#include "output/text_template.h"
#include "print_test_support.h"
#include "report_fixture.h"

namespace kelvo {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

const fs::path kTemplateFolder = fs::path(KELVO_SOURCE_DIR) / "data" / "templates";
const std::vector<std::string> kLanguages = {"en", "de", "bg"};

// The codes a template names: filled with a record whose every field holds "<code>".
std::set<std::string> CodesNamedBy(const fs::path& templatePath) {
    PrintRecord record;
    for (int i = 0; i < kPrintFieldCount; ++i) {
        record.Set(i, std::string("<").append(kPrintFields[i].Code).append(">"));
    }
    PrintRecordSet set;
    set.InsertNewest(record);
    PrintJob job;
    job.AddRecordSet(&set, true);
    const std::string source = test::ReadBytes(templatePath);
    const FillResult filled =
        IsRtfTemplate(templatePath)
            ? FillRtfTemplate(CleanTokens(source), job, MainWindowCodeTable(), nullptr)
            : FillTextTemplate(source, job, MainWindowCodeTable());
    EXPECT_FALSE(filled.Error) << templatePath;
    EXPECT_EQ(filled.Output.find('$'), std::string::npos) << "token left in " << templatePath;
    EXPECT_EQ(filled.Output.find('#'), std::string::npos) << "token left in " << templatePath;

    std::set<std::string> codes;
    const std::regex code("<(A[0-9][0-9])>");
    for (auto it = std::sregex_iterator(filled.Output.begin(), filled.Output.end(), code);
         it != std::sregex_iterator(); ++it) {
        codes.insert((*it)[1]);
    }
    return codes;
}

std::set<std::string> AllCodes() {
    std::set<std::string> codes;
    for (const PrintFieldSpec& field : kPrintFields) {
        codes.insert(std::string(field.Code));
    }
    return codes;
}

// Method, size, the workpiece and the fit (A01 to A21), the standard and the unit.
std::set<std::string> WorkpieceCodes() {
    std::set<std::string> codes;
    for (const PrintFieldSpec& field : kPrintFields) {
        if (field.Code <= "A21" || field.Code >= "A80") {
            codes.insert(std::string(field.Code));
        }
    }
    return codes;
}

struct SheetKind {
    const char* FilePrefix;
    const char* Extension;
    std::set<std::string> Codes;
};

TEST(ShippedSheets, EachKindInEachLanguageNamesTheFieldsOfItsKind) {
    const std::vector<SheetKind> kinds = {
        {"inspection_sheet_", ".rtf", AllCodes()},
        {"workpiece_sheet_", ".rtf", WorkpieceCodes()},
        {"fit_report_", ".txt", AllCodes()},
    };
    for (const SheetKind& kind : kinds) {
        for (const std::string& language : kLanguages) {
            const fs::path path = kTemplateFolder / (kind.FilePrefix + language + kind.Extension);
            ASSERT_TRUE(fs::exists(path)) << path;
            EXPECT_EQ(CodesNamedBy(path), kind.Codes) << path;
        }
    }
}

TEST(ShippedSheets, RtfTemplatesAreSevenBitSoNoCodePageCanGarbleThem) {
    for (const fs::directory_entry& entry : fs::directory_iterator(kTemplateFolder)) {
        if (!IsRtfTemplate(entry.path())) {
            continue;
        }
        const std::string bytes = test::ReadBytes(entry.path());
        const auto high = std::find_if(bytes.begin(), bytes.end(), [](char c) {
            return static_cast<unsigned char>(c) >= 0x80;
        });
        EXPECT_EQ(high, bytes.end())
            << entry.path() << " has a byte beyond ASCII at offset " << (high - bytes.begin());
    }
}

class ShippedTextReport : public test::ReportModelTest {
  protected:
    std::string Print(const std::string& templateName) {
        MainWindowPrintHost host(model);
        PrintJob job;
        host.Print(job);
        const FillResult filled = FillTextTemplate(test::ReadBytes(kTemplateFolder / templateName),
                                                   job, MainWindowCodeTable());
        EXPECT_FALSE(filled.Error);
        return filled.Output;
    }
};

// Without its byte-order mark a text template is 8-bit, and every Cyrillic letter of the
// record would print as "?".
TEST_F(ShippedTextReport, BulgarianReportKeepsItsMarkAndPrintsTheRecordInUtf8) {
    Select(test::kBulgarian, "25", "H7/g6");
    const std::string report = Print("fit_report_bg.txt");
    EXPECT_EQ(report.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_THAT(report, HasSubstr("Отчет за сглобката\r\n"));
    EXPECT_THAT(report, HasSubstr("Сглобка                           25 H7/g6\r\n"));
    EXPECT_THAT(report, HasSubstr("Вид на сглобката                Сглобка с хлабина\r\n"));
    EXPECT_THAT(report, HasSubstr("  Макс. хлабина: 0.0410\r\n"));
    EXPECT_THAT(report, HasSubstr("  Максимален размер               24.9930\r\n"));
    EXPECT_THAT(report, HasSubstr("    Гранични отклонения           ± 0.00075\r\n"));
    EXPECT_EQ(report.find('?'), std::string::npos);
}

TEST_F(ShippedTextReport, GermanReportPrintsTheGaugesOfTheFit) {
    Select(test::kGerman, "25", "H7/g6");
    const std::string report = Print("fit_report_de.txt");
    // The GO ring gauge of g6 at 25 mm with its upper wear limit.
    EXPECT_THAT(report, HasSubstr("  Gutlehrring\r\n"
                                  "    Nennmass                      24.99000\r\n"
                                  "    Grenzabmasse                  ± 0.00200\r\n"
                                  "    Höchstmass                    24.99200\r\n"
                                  "    Mindestmass                   24.98800\r\n"
                                  "    Obere Abnutzungsgrenze        24.99600\r\n"
                                  "    Formtoleranz                  0.00250\r\n"));
}

}  // namespace
}  // namespace kelvo
