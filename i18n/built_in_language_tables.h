#pragma once
// The three language tables, built into the program from data/lang at compile time.

#include <cstdint>
#include <span>

namespace kelvo {

// The bytes of the table of a language number (1 Bulgarian, 2 German, 3 English), exactly as in
// its file: UTF-16 little-endian with its byte-order mark. Empty for any other number.
std::span<const std::uint8_t> BuiltInLanguageTable(int languageNumber);

}  // namespace kelvo
