#pragma once
// Checks shared by the fuzz targets. A broken property aborts with a message, so that libFuzzer
// keeps the input as a crash and the message says which property it broke.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace kelvo::fuzz {

[[noreturn]] inline void Fail(std::string_view property, std::string_view detail = {}) {
    std::fprintf(stderr, "property broken: %.*s [%.*s]\n", static_cast<int>(property.size()),
                 property.data(), static_cast<int>(detail.size()), detail.data());
    std::abort();
}

inline void Require(bool holds, std::string_view property, std::string_view detail = {}) {
    if (!holds) {
        Fail(property, detail);
    }
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no surrogates, nothing
// beyond U+10FFFF.
inline bool IsValidUtf8(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto lead = static_cast<unsigned char>(text[pos]);
        int length = 0;
        char32_t codePoint = 0;
        if (lead < 0x80) {
            ++pos;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            codePoint = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            codePoint = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            codePoint = lead & 0x07;
        } else {
            return false;
        }
        if (pos + length > text.size()) {
            return false;
        }
        for (int i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[pos + i]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (codePoint < smallest || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
            return false;
        }
        pos += length;
    }
    return true;
}

// A text shown to the user never spells a non-finite number.
inline bool HasNonFiniteSpelling(std::string_view text) {
    return text.find("nan") != std::string_view::npos || text.find("inf") != std::string_view::npos;
}

}  // namespace kelvo::fuzz
