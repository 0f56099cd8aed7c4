#include "output/text_template.h"

#include <cstdint>
#include <vector>

#include "output/text_encoding.h"

namespace kelvo {
namespace {

// Characters collected after "$"; a "#" further away does not close a token.
constexpr std::size_t kMaxTokenChars = 100;
// A token holds more than this many characters: the code and at least one more.
constexpr std::size_t kMinTokenChars = 4;

// Reads and writes the template's characters: 16-bit units for UTF-16,
// bytes otherwise.
class CharStream {
  public:
    // A lone last byte of a UTF-16 text is no character; see OddLastByte().
    CharStream(std::string_view bytes, TextEncoding encoding) : bytes_(bytes), encoding_(encoding) {
        if (IsUtf16() && bytes_.size() % 2 != 0) {
            oddLastByte_ = bytes_.substr(bytes_.size() - 1);
            bytes_.remove_suffix(1);
        }
    }

    std::string_view OddLastByte() const { return oddLastByte_; }

    bool AtEnd() const { return pos_ >= bytes_.size(); }

    char32_t Read() {
        if (!IsUtf16()) {
            return static_cast<unsigned char>(bytes_[pos_++]);
        }
        const auto first = static_cast<unsigned char>(bytes_[pos_]);
        const auto second = static_cast<unsigned char>(bytes_[pos_ + 1]);
        pos_ += 2;
        return encoding_ == TextEncoding::Utf16LittleEndian ? (second << 8) | first
                                                            : (first << 8) | second;
    }

    void Write(std::string& out, char32_t c) const {
        if (!IsUtf16() || c > 0xFFFF) {
            out += static_cast<char>(c);
            return;
        }
        const char high = static_cast<char>(c >> 8);
        const char low = static_cast<char>(c & 0xFF);
        if (encoding_ == TextEncoding::Utf16LittleEndian) {
            out += low;
            out += high;
        } else {
            out += high;
            out += low;
        }
    }

    // Writes a UTF-8 value in the template's encoding.
    void WriteValue(std::string& out, std::string_view utf8) const {
        switch (encoding_) {
            case TextEncoding::EightBit:
                out += Utf8ToWindows1252(utf8);
                break;
            case TextEncoding::Utf8:
                out += utf8;
                break;
            case TextEncoding::Utf16LittleEndian:
                out += Utf8ToUtf16(utf8, ByteOrder::LittleEndian);
                break;
            case TextEncoding::Utf16BigEndian:
                out += Utf8ToUtf16(utf8, ByteOrder::BigEndian);
                break;
        }
    }

  private:
    bool IsUtf16() const {
        return encoding_ == TextEncoding::Utf16LittleEndian ||
               encoding_ == TextEncoding::Utf16BigEndian;
    }

    std::string_view bytes_;
    std::string_view oddLastByte_;
    TextEncoding encoding_;
    std::size_t pos_ = 0;
};

bool IsDigit(char32_t c) {
    return c >= '0' && c <= '9';
}

}  // namespace

TextEncoding DetectTextEncoding(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        return TextEncoding::Utf8;
    }
    if (bytes.starts_with("\xFF\xFE")) {
        return TextEncoding::Utf16LittleEndian;
    }
    if (bytes.starts_with("\xFE\xFF")) {
        return TextEncoding::Utf16BigEndian;
    }
    return TextEncoding::EightBit;
}

FillResult FillTextTemplate(std::string_view templateBytes, const PrintJob& job,
                            const CodeTable& codes) {
    FillResult result;
    std::string& out = result.Output;
    out.reserve(templateBytes.size() + templateBytes.size() / 4);
    CharStream stream(templateBytes, DetectTextEncoding(templateBytes));
    std::vector<char32_t> collected;
    while (!stream.AtEnd()) {
        const char32_t c = stream.Read();
        if (c != '$') {
            stream.Write(out, c);
            continue;
        }
        collected.clear();
        bool closed = false;
        while (!stream.AtEnd() && collected.size() < kMaxTokenChars) {
            const char32_t t = stream.Read();
            if (t == '#') {
                closed = true;
                break;
            }
            if (t != 0) {
                collected.push_back(t);
            }
        }
        if (!closed || collected.size() < kMinTokenChars) {
            for (char32_t t : collected) {
                stream.Write(out, t);
            }
            continue;
        }
        // Only A..Z can name a record set; anything else gives nothing.
        if (collected[0] < 'A' || collected[0] > 'Z' || !IsDigit(collected[1]) ||
            !IsDigit(collected[2])) {
            continue;
        }
        const std::string code{static_cast<char>(collected[0]), static_cast<char>(collected[1]),
                               static_cast<char>(collected[2])};
        const ResolvedField field = ResolveFieldCode(code, job, codes);
        if (field.Status == FieldLookup::NoRecordSet) {
            result.Error = NoRecordSetMessage(code);
            return result;
        }
        if (field.Status == FieldLookup::Found) {
            std::string escaped;
            AppendEscapedValue(escaped, field.Set->Value(field.FieldIndex), false);
            stream.WriteValue(out, escaped);
        }
    }
    out += stream.OddLastByte();  // passed through as it is
    return result;
}

}  // namespace kelvo
