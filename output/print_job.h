#pragma once
// One print: the record sets that the host hands over, and how a field code
// of a template finds its value in them.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "output/print_record_set.h"

namespace kelvo {

// Set letters A..Z address the record sets of a print in the order handed over.
inline constexpr std::size_t kMaxRecordSets = 26;

class PrintJob {
  public:
    // Appends a set (it stays the host's) and positions it on its first record
    // when `startAtFirst` is set. Returns its index, 0 for letter A, or -1 when
    // it cannot be added (no set, or no letter left to address it).
    int AddRecordSet(PrintRecordSet* set, bool startAtFirst);

    std::size_t SetCount() const { return sets_.size(); }
    PrintRecordSet* SetAt(std::size_t index) const;
    // Positions every set handed over with the start-at-first flag on its first record.
    void RewindStartAtFirstSets();

  private:
    struct Entry {
        PrintRecordSet* Set;
        bool StartAtFirst;
    };
    std::vector<Entry> sets_;
};

// The window that prints. Only the print callback is required; the others
// stand for the optional callbacks a host may have.
class PrintHost {
  public:
    virtual ~PrintHost() = default;
    // Fills the host's record sets and hands them over with AddRecordSet.
    virtual void Print(PrintJob& job) = 0;
    // Text for an E token, given the token's text after the kind letter.
    virtual std::optional<std::string> CustomToken(std::string_view /*tokenText*/) {
        return std::nullopt;
    }
    // Value of a field token with parameters after "?"; nothing means the
    // field's plain value.
    virtual std::optional<std::string> CustomField(const PrintRecordSet& /*set*/,
                                                   int /*fieldIndex*/,
                                                   std::string_view /*parameters*/) {
        return std::nullopt;
    }
    virtual void Finished() {}
};

// A filled template and, when the filling stopped early, the reason.
struct FillResult {
    std::string Output;
    std::optional<std::string> Error;
};

enum class FieldLookup { Found, LetterOutsideAToZ, UnknownCode, NoRecordSet, UnknownField };

struct ResolvedField {
    FieldLookup Status = FieldLookup::UnknownCode;
    PrintRecordSet* Set = nullptr;
    int FieldIndex = -1;
};

// Resolves a code "A01": the letter picks the record set, the code table gives
// the field name, and the set's fields give its index.
ResolvedField ResolveFieldCode(std::string_view code, const PrintJob& job, const CodeTable& codes);

// The error text for a code whose letter names no record set of the print.
std::string NoRecordSetMessage(std::string_view code);

// Appends a field value for a template: a backslash, "{" and "}" get a
// backslash before them and CR LF becomes "\par ". With `unicodeEscapes`
// (RTF) every non-ASCII character becomes \uN? (N the signed 16-bit unit,
// surrogate pairs beyond the BMP) so it prints whatever the document's code
// page is.
void AppendEscapedValue(std::string& out, std::string_view utf8Value, bool unicodeEscapes);

}  // namespace kelvo
