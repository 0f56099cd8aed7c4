#include "output/print_record_set.h"

#include <algorithm>
#include <cctype>

#include "output/text_encoding.h"

namespace kelvo {
namespace {

// A field name is kept up to 50 characters when resolved from the code table.
constexpr std::size_t kMaxFieldNameChars = 50;

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

bool IsValidIndex(int fieldIndex) {
    return fieldIndex >= 0 && fieldIndex < kPrintFieldCount;
}

}  // namespace

std::optional<int> PrintFieldIndexOfCode(std::string_view code) {
    for (int i = 0; i < kPrintFieldCount; ++i) {
        if (kPrintFields[i].Code == code) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<int> PrintFieldIndexOfName(std::string_view name) {
    for (int i = 0; i < kPrintFieldCount; ++i) {
        if (kPrintFields[i].Name == name) {
            return i;
        }
    }
    return std::nullopt;
}

void PrintRecord::Set(int fieldIndex, std::string_view utf8Value) {
    if (!IsValidIndex(fieldIndex)) {
        return;
    }
    const auto maxChars = static_cast<std::size_t>(kPrintFields[fieldIndex].MaxChars);
    Fields[fieldIndex] = std::string(TruncateUtf8(utf8Value, maxChars));
}

void PrintRecordSet::InsertNewest(PrintRecord record) {
    records_.insert(records_.begin(), std::move(record));
    First();
}

void PrintRecordSet::First() {
    current_ = 0;
    eof_ = records_.empty();
}

void PrintRecordSet::Next() {
    if (current_ + 1 < records_.size()) {
        ++current_;
    } else {
        eof_ = true;
    }
}

std::string_view PrintRecordSet::Value(int fieldIndex) const {
    if (!IsValidIndex(fieldIndex) || current_ >= records_.size()) {
        return {};
    }
    return records_[current_].Fields[fieldIndex];
}

std::string_view PrintRecordSet::Label(int fieldIndex) const {
    if (!IsValidIndex(fieldIndex)) {
        return {};
    }
    if (labels_[fieldIndex]) {
        return *labels_[fieldIndex];
    }
    return kPrintFields[fieldIndex].Name;
}

void PrintRecordSet::SetLabel(int fieldIndex, std::string label) {
    if (IsValidIndex(fieldIndex)) {
        labels_[fieldIndex] = std::move(label);
    }
}

std::string CodeTable::FieldNameOf(std::string_view code) const {
    for (const std::string& entry : entries_) {
        const std::size_t equals = entry.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        if (EqualsIgnoringAsciiCase(std::string_view(entry).substr(0, equals), code)) {
            const std::string_view name = std::string_view(entry).substr(equals + 1);
            return std::string(TruncateUtf8(name, kMaxFieldNameChars));
        }
    }
    return {};
}

CodeTable MainWindowCodeTable() {
    std::vector<std::string> entries;
    entries.reserve(kPrintFields.size());
    for (const PrintFieldSpec& field : kPrintFields) {
        entries.push_back(std::string(field.Code) + "=" + std::string(field.Name));
    }
    return CodeTable(std::move(entries));
}

}  // namespace kelvo
