#pragma once
// The print record: 81 text fields that a print template names by the codes
// A01 to A81, and the record set that the template engine fills from.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo {

inline constexpr int kPrintFieldCount = 81;

struct PrintFieldSpec {
    std::string_view Code;  // "A01" .. "A81": set letter A and the field number
    std::string_view Name;  // the field name that the code table maps the code to
    int MaxChars;           // longest value kept, in characters (not bytes)
};

// In code order; the index of a field is its number minus 1 (A01 is index 0).
inline constexpr std::array<PrintFieldSpec, kPrintFieldCount> kPrintFields = {{
    {"A01", "Tip", 100},   {"A02", "NR", 20},     {"A03", "Oo", 20},    {"A04", "Ov", 20},
    {"A05", "Do", 20},     {"A06", "Dv", 20},     {"A07", "ESo", 20},   {"A08", "esv", 20},
    {"A09", "EIo", 20},    {"A10", "eiv", 20},    {"A11", "GRgo", 20},  {"A12", "GRgv", 20},
    {"A13", "GRdo", 20},   {"A14", "GRdv", 20},   {"A15", "Ozn", 20},   {"A16", "VSgl", 20},
    {"A17", "MaxS", 20},   {"A18", "MaxV", 20},   {"A19", "MinS", 20},  {"A20", "MinV", 20},
    {"A21", "DopS", 20},   {"A22", "KPPRN", 20},  {"A23", "KPHEN", 20}, {"A24", "KPPRG", 20},
    {"A25", "KPHEG", 20},  {"A26", "KPPRM", 20},  {"A27", "KPHEM", 20}, {"A28", "KPPRMn", 20},
    {"A29", "KPHEMn", 20}, {"A30", "KPPRMi", 20}, {"A31", "KPPRD", 20}, {"A32", "KPHED", 20},
    {"A33", "KPRN", 20},   {"A34", "KHEN", 20},   {"A35", "KPRG", 20},  {"A36", "KHEG", 20},
    {"A37", "KPRM", 20},   {"A38", "KHEM", 20},   {"A39", "KPRMn", 20}, {"A40", "KHEMn", 20},
    {"A41", "KPRMi", 20},  {"A42", "KPRD", 20},   {"A43", "KHED", 20},  {"A44", "KGPRN", 20},
    {"A45", "KGHEN", 20},  {"A46", "KGPRG", 20},  {"A47", "KGHEG", 20}, {"A48", "KGPRMn", 20},
    {"A49", "KGHEMx", 20}, {"A50", "KGPRM", 20},  {"A51", "KGHEM", 20}, {"A52", "KGPRMi", 20},
    {"A53", "KGPRD", 20},  {"A54", "KGHED", 20},  {"A55", "PRN", 20},   {"A56", "INr", 20},
    {"A57", "HEN", 20},    {"A58", "PRG", 20},    {"A59", "IG", 20},    {"A60", "HEG", 20},
    {"A61", "PRMx", 20},   {"A62", "IMx", 20},    {"A63", "HEMx", 20},  {"A64", "PRMn", 20},
    {"A65", "IMn", 20},    {"A66", "HEMn", 20},   {"A67", "PRD", 20},   {"A68", "ID", 20},
    {"A69", "HED", 20},    {"A70", "EGN", 20},    {"A71", "EPN", 20},   {"A72", "EGG", 20},
    {"A73", "EPG", 20},    {"A74", "EGMx", 20},   {"A75", "EPMx", 20},  {"A76", "EGMn", 20},
    {"A77", "EPMn", 20},   {"A78", "EGD", 20},    {"A79", "EPD", 20},   {"A80", "ST", 100},
    {"A81", "MEd", 20},
}};

// Field index 0..80 of a code "A01".."A81"; nothing for any other text.
std::optional<int> PrintFieldIndexOfCode(std::string_view code);
// Field index of a field name ("Tip"); names compare exactly.
std::optional<int> PrintFieldIndexOfName(std::string_view name);

// One print: every value is UTF-8 text, already cut to its field's length.
struct PrintRecord {
    std::array<std::string, kPrintFieldCount> Fields;

    // Stores a value, cut at a character boundary to the field's MaxChars.
    void Set(int fieldIndex, std::string_view utf8Value);
};

// The records of every print of this run, newest first, with a cursor that
// moves like a database cursor: Next() on the last record leaves the cursor
// there and raises Eof(), so values read after a repeated table row are those
// of the last record.
class PrintRecordSet {
  public:
    // The newest record goes first and becomes the current one.
    void InsertNewest(PrintRecord record);

    void First();
    void Next();
    bool Eof() const { return eof_; }
    std::size_t RecordCount() const { return records_.size(); }
    std::size_t CurrentIndex() const { return current_; }
    const std::vector<PrintRecord>& Records() const { return records_; }

    // Value of a field in the current record; empty when the set has no record.
    std::string_view Value(int fieldIndex) const;

    // Display name of a field: the field name unless the host gave another.
    std::string_view Label(int fieldIndex) const;
    void SetLabel(int fieldIndex, std::string label);

  private:
    std::vector<PrintRecord> records_;
    std::size_t current_ = 0;
    bool eof_ = true;
    std::array<std::optional<std::string>, kPrintFieldCount> labels_;
};

// The print list's code table: entries "code=field name". For the main window
// it holds "A01=Tip" to "A81=MEd".
class CodeTable {
  public:
    CodeTable() = default;
    explicit CodeTable(std::vector<std::string> entries) : entries_(std::move(entries)) {}

    // The field name of the first entry whose name part is the code (ASCII
    // case ignored), cut to 50 characters; empty when no entry names the code.
    std::string FieldNameOf(std::string_view code) const;
    const std::vector<std::string>& Entries() const { return entries_; }

  private:
    std::vector<std::string> entries_;
};

CodeTable MainWindowCodeTable();

}  // namespace kelvo
