#pragma once
// Helpers for the language tests: table bytes in each encoding, and a fixture that gives every
// test the language state of a fresh program start.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/language_state.h"

namespace kelvo::testing {

using Bytes = std::vector<std::uint8_t>;

inline Bytes Utf16LeWithMark(std::u16string_view text) {
    Bytes bytes{0xFF, 0xFE};
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

// The same UTF-16 text big-endian: the mark and every unit byte-swapped.
inline Bytes SwapToBigEndian(const Bytes& littleEndian) {
    Bytes bytes = littleEndian;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        std::swap(bytes[i], bytes[i + 1]);
    }
    return bytes;
}

inline Bytes Utf8WithMark(std::string_view utf8) {
    // Built by appending: GCC 12 misreports inserting a range after an initializer list
    // as out of bounds at -O2.
    Bytes bytes;
    bytes.reserve(utf8.size() + 3);
    for (std::uint8_t markByte : {0xEF, 0xBB, 0xBF}) {
        bytes.push_back(markByte);
    }
    for (char c : utf8) {
        bytes.push_back(static_cast<std::uint8_t>(c));
    }
    return bytes;
}

inline Bytes PlainBytes(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

// Resets the process-wide language state before and after each test.
class FreshLanguageState : public ::testing::Test {
  protected:
    void SetUp() override { GlobalLanguageState().Reset(); }
    void TearDown() override { GlobalLanguageState().Reset(); }
};

}  // namespace kelvo::testing
