#include "output/text_encoding.h"

#include <array>
#include <cstdint>

namespace kelvo {
namespace {

// Windows-1252 bytes 0x80..0x9F; 0 marks the five bytes the code page leaves
// undefined. Every other byte is the code point of the same value.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

char Windows1252Of(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<char>(codePoint);
    }
    for (std::size_t i = 0; i < kWindows1252High.size(); ++i) {
        if (kWindows1252High[i] != 0 && kWindows1252High[i] == codePoint) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

void AppendUnit(std::string& out, std::uint16_t unit, ByteOrder order) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    if (order == ByteOrder::LittleEndian) {
        out += low;
        out += high;
    } else {
        out += high;
        out += low;
    }
}

}  // namespace

char32_t DecodeUtf8At(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, codePoint = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, codePoint = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, codePoint = lead & 0x07, minimum = 0x10000;
    } else {
        ++pos;
        return kReplacementChar;
    }
    if (pos + length > text.size()) {
        ++pos;
        return kReplacementChar;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!IsContinuation(byte)) {
            ++pos;
            return kReplacementChar;
        }
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < minimum || codePoint > 0x10FFFF || surrogate) {
        ++pos;
        return kReplacementChar;
    }
    pos += length;
    return codePoint;
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

std::string_view TruncateUtf8(std::string_view text, std::size_t maxChars) {
    std::size_t pos = 0;
    for (std::size_t chars = 0; chars < maxChars && pos < text.size(); ++chars) {
        DecodeUtf8At(text, pos);
    }
    return text.substr(0, pos);
}

std::string Utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        out += Windows1252Of(DecodeUtf8At(utf8, pos));
    }
    return out;
}

std::string Utf8ToUtf16(std::string_view utf8, ByteOrder order) {
    std::string out;
    out.reserve(utf8.size() * 2);
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t codePoint = DecodeUtf8At(utf8, pos);
        if (codePoint < 0x10000) {
            AppendUnit(out, static_cast<std::uint16_t>(codePoint), order);
        } else {
            const char32_t offset = codePoint - 0x10000;
            AppendUnit(out, static_cast<std::uint16_t>(0xD800 + (offset >> 10)), order);
            AppendUnit(out, static_cast<std::uint16_t>(0xDC00 + (offset & 0x3FF)), order);
        }
    }
    return out;
}

}  // namespace kelvo
