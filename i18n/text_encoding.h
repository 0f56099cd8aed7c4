#pragma once
// Decoding of language table bytes and conversion of their UTF-16 text to UTF-8, the text type
// that the rest of the program uses. Malformed input never fails: what cannot be decoded becomes
// U+FFFD, the replacement character.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kelvo {

// The text of a table by its byte-order mark, which is not part of the text:
//   FF FE     UTF-16 little-endian; an odd last byte is ignored
//   FE FF     UTF-16 big-endian; an odd last byte is ignored
//   EF BB BF  UTF-8; invalid or truncated sequences become U+FFFD
//   no mark   8-bit text in the Windows-1252 code page (the code page of the systems the tables
//             were written on; its five unassigned bytes map to the C1 controls of the same value)
std::u16string DecodeTableText(std::span<const std::uint8_t> bytes);

std::u16string DecodeUtf8(std::string_view bytes);
std::u16string DecodeWindows1252(std::string_view bytes);

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace kelvo
