// The print list and the templates shipped in data/ must work as they stand.

#include <gtest/gtest.h>

#include "output/print_list.h"
#include "output/rtf_template.h"
#include "output/template_engine.h"
#include "output/text_template.h"
#include "print_test_support.h"

namespace kelvo {
namespace {

namespace fs = std::filesystem;

// Every field holds its own code, so the output shows which code went where.
PrintRecordSet CodesAsValues() {
    PrintRecord record;
    for (int i = 0; i < kPrintFieldCount; ++i) {
        // Appended rather than "<" + code: GCC 12 reports a false -Wrestrict for that at -O3.
        record.Set(i, std::string("<").append(kPrintFields[i].Code).append(">"));
    }
    PrintRecordSet set;
    set.InsertNewest(record);
    return set;
}

TEST(ShippedTemplates, EveryListedTemplateExistsAndFillsWithoutLeftoverTokens) {
    const fs::path programFolder = fs::path(KELVO_SOURCE_DIR) / "data";
    const std::vector<PrintListEntry> entries =
        ParsePrintList(test::ReadBytes(programFolder / "zuzivodi.pls"));
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(EntriesWithTemplates(entries, programFolder), entries);

    for (const PrintListEntry& entry : entries) {
        const std::string source =
            test::ReadBytes(ExpandKelvoMacro(entry.TemplatePath, programFolder));
        PrintRecordSet set = CodesAsValues();
        PrintJob job;
        job.AddRecordSet(&set, true);
        const fs::path path = ExpandKelvoMacro(entry.TemplatePath, programFolder);
        const FillResult result =
            IsRtfTemplate(path)
                ? FillRtfTemplate(CleanTokens(source), job, MainWindowCodeTable(), nullptr)
                : FillTextTemplate(source, job, MainWindowCodeTable());
        EXPECT_FALSE(result.Error) << entry.Name;
        EXPECT_EQ(result.Output.find('$'), std::string::npos) << entry.Name;
        EXPECT_EQ(result.Output.find('#'), std::string::npos) << entry.Name;
        if (IsRtfTemplate(path) && path.filename().string().starts_with("inspection_sheet_")) {
            // The full sheet names every field of the record.
            for (const PrintFieldSpec& field : kPrintFields) {
                EXPECT_NE(result.Output.find(std::string("<").append(field.Code).append(">")),
                          std::string::npos)
                    << entry.Name << " lacks " << field.Code;
            }
        }
    }
}

}  // namespace
}  // namespace kelvo
