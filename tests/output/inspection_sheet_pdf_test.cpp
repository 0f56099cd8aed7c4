// The shipped Bulgarian inspection sheet printed for H7/g6 at 25 mm, opened by a real word
// processor: LibreOffice turns the filled copy into a PDF, and the PDF's text (read with
// pdftotext, which keeps table rows on one line) must show each value in its row and the
// Bulgarian texts of the sheet and of the record. Skipped where either program is missing.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <sys/wait.h>

#include "output/print_list.h"
#include "output/print_record.h"
#include "output/template_engine.h"
#include "print_test_support.h"
#include "report_fixture.h"

namespace kelvo {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

fs::path FindOnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::stringstream folders(path != nullptr ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const fs::path candidate = fs::path(folder) / program;
        std::error_code error;
        if (!folder.empty() && fs::is_regular_file(candidate, error)) {
            return candidate;
        }
    }
    return {};
}

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// Runs a command line; true when it ran to an exit code of 0.
bool RunCommand(const std::string& command) {
    const int status = std::system(command.c_str());
    return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class DocumentKept : public DocumentOpener {
  public:
    bool Open(const fs::path& document) override {
        opened = document;
        return true;
    }
    fs::path opened;
};

// One row of a table on the sheet: the table's heading, the caption at the start of the row,
// and the numbers of the row from left to right (signs such as "±" and "–" aside).
struct SheetRow {
    std::string Heading;
    std::string Caption;
    std::vector<std::string> Numbers;
};

// Values of ISO 286-1, ISO/R 1938, DIN 7150-2 and DIN 2250 for H7/g6 at 25 mm.
const std::vector<SheetRow> kRows25H7g6 = {
    {"Детайл", "Допуск", {"0.0210", "0.0130"}},
    {"Детайл", "Горно отклонение ES / es", {"0.0210", "-0.0070"}},
    {"Детайл", "Долно отклонение EI / ei", {"0.0000", "-0.0200"}},
    {"Детайл", "Максимален размер", {"25.0210", "24.9930"}},
    {"Детайл", "Минимален размер", {"25.0000", "24.9800"}},
    // Plug gauges GO and NOT-GO, then the spherical ones.
    {"Калибри за отвори", "Номинален размер", {"25.00300", "25.02100", "25.00300", "25.02100"}},
    {"Калибри за отвори", "Гранични отклонения", {"0.00200", "0.00200", "0.00125", "0.00125"}},
    {"Калибри за отвори", "Максимален размер", {"25.00500", "25.02300", "25.00425", "25.02225"}},
    {"Калибри за отвори", "Минимален размер", {"25.00100", "25.01900", "25.00175", "25.01975"}},
    {"Калибри за отвори", "Мин. размер при износване", {"24.99700", "24.99700"}},
    {"Калибри за отвори", "Допуск на формата", {"0.00250", "0.00250", "0.00150", "0.00150"}},
    // Ring gauges GO and NOT-GO, then the GO, wear and NOT-GO check plugs.
    {"Калибри за валове",
     "Номинален размер",
     {"24.99000", "24.98000", "24.99000", "24.99600", "24.98000"}},
    {"Калибри за валове",
     "Гранични отклонения",
     {"0.00200", "0.00200", "0.00075", "0.00075", "0.00075"}},
    {"Калибри за валове",
     "Максимален размер",
     {"24.99200", "24.98200", "24.99075", "24.99675", "24.98075"}},
    {"Калибри за валове",
     "Минимален размер",
     {"24.98800", "24.97800", "24.98925", "24.99525", "24.97925"}},
    {"Калибри за валове", "Макс. размер при износване", {"24.99600"}},
    {"Калибри за валове",
     "Допуск на формата",
     {"0.00250", "0.00250", "0.00150", "0.00150", "0.00150"}},
    // Setting ring, setting plug.
    {"Установъчни пръстени и тапи", "Номинален размер", {"25.00000", "25.00000"}},
    {"Установъчни пръстени и тапи", "Гранични отклонения", {"0.00200", "0.00075"}},
    {"Установъчни пръстени и тапи", "Максимален размер", {"25.00200", "25.00075"}},
    {"Установъчни пръстени и тапи", "Минимален размер", {"24.99800", "24.99925"}},
    {"Установъчни пръстени и тапи", "Допуск на формата", {"0.00060", "0.00150"}},
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    return first == std::string_view::npos ? std::string()
                                           : std::string(text.substr(first, last - first + 1));
}

// The numbers of the first row after the heading whose line starts with the caption (set off
// from the values by the layout's run of spaces); nothing when there is no such row.
std::optional<std::vector<std::string>> NumbersOfRow(const std::vector<std::string>& lines,
                                                     const SheetRow& row) {
    auto line = std::find_if(lines.begin(), lines.end(),
                             [&](const std::string& l) { return Trimmed(l) == row.Heading; });
    const std::string start = row.Caption + "  ";
    line = std::find_if(line, lines.end(),
                        [&](const std::string& l) { return l.rfind(start, 0) == 0; });
    if (line == lines.end()) {
        return std::nullopt;
    }
    std::vector<std::string> numbers;
    const std::regex number("-?[0-9]+\\.[0-9]+");
    const std::string values = line->substr(start.size());
    for (auto it = std::sregex_iterator(values.begin(), values.end(), number);
         it != std::sregex_iterator(); ++it) {
        numbers.push_back(it->str());
    }
    return numbers;
}

class InspectionSheetPdf : public test::ReportModelTest {};

TEST_F(InspectionSheetPdf, BulgarianSheetFor25H7g6ShowsEveryValueInItsRow) {
    const fs::path soffice = FindOnPath("soffice");
    const fs::path pdftotext = FindOnPath("pdftotext");
    if (soffice.empty() || pdftotext.empty()) {
        GTEST_SKIP() << "needs soffice (LibreOffice Writer) and pdftotext (poppler-utils)";
    }
    const fs::path timeout = FindOnPath("timeout");
    const std::string limit = timeout.empty() ? "" : ShellQuoted(timeout.string()) + " 50 ";

    // Printed as the window prints the shipped list's Bulgarian entry.
    const fs::path programFolder = fs::path(KELVO_SOURCE_DIR) / "data";
    const std::vector<PrintListEntry> entries =
        ParsePrintList(test::ReadBytes(programFolder / kPrintListFileName));
    const auto entry = std::find_if(entries.begin(), entries.end(), [](const PrintListEntry& e) {
        return e.TemplatePath == "$(KELVO)\\templates\\inspection_sheet_bg.rtf";
    });
    ASSERT_NE(entry, entries.end());

    Select(test::kBulgarian, "25", "H7/g6");
    test::ScratchFolder scratch;
    const CodeTable codes = MainWindowCodeTable();
    const PrintSetup setup{codes, programFolder, scratch.Path()};
    MainWindowPrintHost host(model);
    DocumentKept opener;
    const PrintOutcome outcome = PrintEntry(entry->TemplatePath, setup, &host, opener);
    ASSERT_TRUE(outcome.Messages.empty()) << outcome.Messages.front().Text;
    ASSERT_EQ(opener.opened, scratch.Path() / "inspection_sheet_bg.rtf");

    // A profile of its own, so that no other LibreOffice of the user or of a parallel test
    // holds the lock.
    const fs::path profile = scratch.Path() / "profile";
    const fs::path pdfFolder = scratch.Path() / "pdf";
    ASSERT_TRUE(RunCommand(limit + ShellQuoted(soffice.string()) + " " +
                           ShellQuoted("-env:UserInstallation=file://" + profile.string()) +
                           " --headless --norestore --convert-to pdf --outdir " +
                           ShellQuoted(pdfFolder.string()) + " " +
                           ShellQuoted(opener.opened.string()) + " >/dev/null 2>&1"));
    const fs::path pdf = pdfFolder / "inspection_sheet_bg.pdf";
    ASSERT_TRUE(fs::exists(pdf));
    const fs::path textPath = scratch.Path() / "inspection_sheet_bg.txt";
    ASSERT_TRUE(RunCommand(limit + ShellQuoted(pdftotext.string()) + " -layout -enc UTF-8 " +
                           ShellQuoted(pdf.string()) + " " + ShellQuoted(textPath.string())));
    const std::string text = test::ReadBytes(textPath);
    const std::vector<std::string> lines = Lines(text);

    for (const SheetRow& row : kRows25H7g6) {
        const std::optional<std::vector<std::string>> numbers = NumbersOfRow(lines, row);
        ASSERT_TRUE(numbers) << row.Heading << " / " << row.Caption << " not found in\n" << text;
        EXPECT_THAT(*numbers, ElementsAreArray(row.Numbers)) << row.Heading << " / " << row.Caption;
    }

    // The sheet's own Bulgarian texts, and the record's texts in the window's language.
    for (const char* words : {"KELVO Допуски и калибри", "Протокол за контрол: детайл и калибри",
                              "Контрольор", "Подпис", "Дата", "Стандартен допуск (ISO 286:1988)",
                              "Сглобка с хлабина", "Макс. хлабина", "Мин. хлабина"}) {
        EXPECT_THAT(text, HasSubstr(words));
    }
    const std::regex fitRow("Сглобка с хлабина +0\\.0410 +0\\.0070 +0\\.0340");
    EXPECT_TRUE(std::regex_search(text, fitRow)) << text;
    // A workshop files one sheet per fit.
    EXPECT_THAT(text, HasSubstr("Страница 1 от 1"));
    EXPECT_EQ(text.find('$'), std::string::npos);
}

}  // namespace
}  // namespace kelvo
