#include "i18n/text_encoding.h"

#include <array>

namespace kelvo {

namespace {

constexpr char16_t kReplacementChar = 0xFFFD;

// Windows-1252, bytes 0x80 to 0x9F; the rest of the code page is Latin-1. The five bytes without a
// character (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their value, as the system's conversion does.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

bool StartsWith(std::span<const std::uint8_t> bytes, std::initializer_list<std::uint8_t> mark) {
    if (bytes.size() < mark.size()) {
        return false;
    }
    std::size_t i = 0;
    for (const auto byte : mark) {
        if (bytes[i++] != byte) {
            return false;
        }
    }
    return true;
}

std::u16string DecodeUtf16(std::span<const std::uint8_t> bytes, bool bigEndian) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const unsigned first = bytes[i];
        const unsigned second = bytes[i + 1];
        text.push_back(
            static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
    }
    return text;
}

std::string_view AsChars(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

void AppendCodePoint(std::u16string& text, char32_t codePoint) {
    if (codePoint < 0x10000) {
        text.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    codePoint -= 0x10000;
    text.push_back(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
    text.push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
}

void AppendUtf8(std::string& text, char32_t codePoint) {
    if (codePoint < 0x80) {
        text.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        text.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        text.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        text.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        text.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        text.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        text.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

struct Utf8Sequence {
    int length = 0;         // bytes, 0 for a byte that cannot start a character
    char32_t minimum = 0;   // smallest code point of this length (shorter forms are overlong)
    char32_t leadBits = 0;  // the code point bits of the lead byte
};

Utf8Sequence SequenceOf(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) {
        return {2, 0x80, lead & 0x1Fu};
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return {3, 0x800, lead & 0x0Fu};
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return {4, 0x10000, lead & 0x07u};
    }
    return {};
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

std::u16string DecodeTableText(std::span<const std::uint8_t> bytes) {
    if (StartsWith(bytes, {0xFF, 0xFE})) {
        return DecodeUtf16(bytes.subspan(2), false);
    }
    if (StartsWith(bytes, {0xFE, 0xFF})) {
        return DecodeUtf16(bytes.subspan(2), true);
    }
    if (StartsWith(bytes, {0xEF, 0xBB, 0xBF})) {
        return DecodeUtf8(AsChars(bytes.subspan(3)));
    }
    return DecodeWindows1252(AsChars(bytes));
}

std::u16string DecodeUtf8(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            text.push_back(lead);
            ++i;
            continue;
        }
        const Utf8Sequence sequence = SequenceOf(lead);
        char32_t codePoint = sequence.leadBits;
        int taken = 1;
        // A broken sequence is replaced by one U+FFFD for the lead and the continuation bytes that
        // belonged to it; decoding resumes at the first byte that did not fit.
        while (taken < sequence.length && i + taken < bytes.size() &&
               IsContinuation(static_cast<unsigned char>(bytes[i + taken]))) {
            codePoint = (codePoint << 6) | (static_cast<unsigned char>(bytes[i + taken]) & 0x3Fu);
            ++taken;
        }
        const bool complete = sequence.length > 0 && taken == sequence.length;
        const bool valid = complete && codePoint >= sequence.minimum && codePoint <= 0x10FFFF &&
                           !(codePoint >= 0xD800 && codePoint <= 0xDFFF);
        if (valid) {
            AppendCodePoint(text, codePoint);
        } else {
            text.push_back(kReplacementChar);
        }
        i += taken;
    }
    return text;
}

std::u16string DecodeWindows1252(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.push_back(byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80]
                                                    : static_cast<char16_t>(byte));
    }
    return text;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            const char32_t high = unit - 0xD800u;
            const char32_t low = text[i + 1] - 0xDC00u;
            AppendUtf8(result, 0x10000 + ((high << 10) | low));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            AppendUtf8(result, kReplacementChar);
        } else {
            AppendUtf8(result, unit);
        }
    }
    return result;
}

}  // namespace kelvo
