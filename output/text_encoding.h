#pragma once
// UTF-8 helpers for the print output: values are UTF-8 inside the program and
// are written in whatever encoding a template uses.

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvo {

inline constexpr char32_t kReplacementChar = 0xFFFD;

// Decodes the code point that starts at `pos` and advances `pos` past it. A
// malformed or truncated sequence gives U+FFFD and advances by one byte, so
// any byte string decodes without loss of position.
char32_t DecodeUtf8At(std::string_view text, std::size_t& pos);

void AppendUtf8(std::string& out, char32_t codePoint);

// The longest prefix of at most `maxChars` characters; never splits a
// multi-byte sequence.
std::string_view TruncateUtf8(std::string_view text, std::size_t maxChars);

// Windows-1252 bytes of a UTF-8 text; characters the code page lacks become '?'.
std::string Utf8ToWindows1252(std::string_view utf8);

enum class ByteOrder { LittleEndian, BigEndian };
// UTF-16 bytes (surrogate pairs beyond the BMP) of a UTF-8 text, without a mark.
std::string Utf8ToUtf16(std::string_view utf8, ByteOrder order);

}  // namespace kelvo
