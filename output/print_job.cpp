#include "output/print_job.h"

#include <cstdint>

#include "output/text_encoding.h"

namespace kelvo {
namespace {

void AppendUnicodeEscape(std::string& out, std::uint16_t unit) {
    // RTF takes \u with a signed 16-bit number; "?" is what readers without
    // Unicode show instead (\uc1, the default, skips exactly one character).
    out += "\\u";
    out += std::to_string(static_cast<int>(static_cast<std::int16_t>(unit)));
    out += '?';
}

void AppendCodePointEscape(std::string& out, char32_t codePoint) {
    if (codePoint < 0x10000) {
        AppendUnicodeEscape(out, static_cast<std::uint16_t>(codePoint));
        return;
    }
    const char32_t offset = codePoint - 0x10000;
    AppendUnicodeEscape(out, static_cast<std::uint16_t>(0xD800 + (offset >> 10)));
    AppendUnicodeEscape(out, static_cast<std::uint16_t>(0xDC00 + (offset & 0x3FF)));
}

}  // namespace

int PrintJob::AddRecordSet(PrintRecordSet* set, bool startAtFirst) {
    if (set == nullptr || sets_.size() >= kMaxRecordSets) {
        return -1;
    }
    if (startAtFirst) {
        set->First();
    }
    sets_.push_back({set, startAtFirst});
    return static_cast<int>(sets_.size() - 1);
}

PrintRecordSet* PrintJob::SetAt(std::size_t index) const {
    return index < sets_.size() ? sets_[index].Set : nullptr;
}

void PrintJob::RewindStartAtFirstSets() {
    for (const Entry& entry : sets_) {
        if (entry.StartAtFirst) {
            entry.Set->First();
        }
    }
}

ResolvedField ResolveFieldCode(std::string_view code, const PrintJob& job, const CodeTable& codes) {
    ResolvedField result;
    if (code.empty() || code[0] < 'A' || code[0] > 'Z') {
        result.Status = FieldLookup::LetterOutsideAToZ;
        return result;
    }
    const std::string fieldName = codes.FieldNameOf(code);
    if (fieldName.empty()) {
        result.Status = FieldLookup::UnknownCode;
        return result;
    }
    result.Set = job.SetAt(static_cast<std::size_t>(code[0] - 'A'));
    if (result.Set == nullptr) {
        result.Status = FieldLookup::NoRecordSet;
        return result;
    }
    const std::optional<int> index = PrintFieldIndexOfName(fieldName);
    if (!index) {
        result.Status = FieldLookup::UnknownField;
        return result;
    }
    result.Status = FieldLookup::Found;
    result.FieldIndex = *index;
    return result;
}

std::string NoRecordSetMessage(std::string_view code) {
    return "The field code " + std::string(code) + " names record set " +
           std::string(code.substr(0, 1)) + ", which this print does not have.";
}

void AppendEscapedValue(std::string& out, std::string_view utf8Value, bool unicodeEscapes) {
    for (std::size_t pos = 0; pos < utf8Value.size();) {
        const char byte = utf8Value[pos];
        if (byte == '\\' || byte == '{' || byte == '}') {
            out += '\\';
            out += byte;
            ++pos;
        } else if (byte == '\r' && pos + 1 < utf8Value.size() && utf8Value[pos + 1] == '\n') {
            out += "\\par ";
            pos += 2;
        } else if (unicodeEscapes && static_cast<unsigned char>(byte) >= 0x80) {
            AppendCodePointEscape(out, DecodeUtf8At(utf8Value, pos));
        } else {
            out += byte;
            ++pos;
        }
    }
}

}  // namespace kelvo
