#pragma once
// Filling of plain text templates: tokens "$" letter two-digits, more
// characters, "#" (for example "$A01 Tip#"), in 8-bit, UTF-8 or UTF-16 text.

#include <string_view>

#include "output/print_job.h"

namespace kelvo {

enum class TextEncoding { EightBit, Utf8, Utf16LittleEndian, Utf16BigEndian };

// From the byte-order mark: EF BB BF, FF FE, FE FF; anything else is 8-bit.
TextEncoding DetectTextEncoding(std::string_view bytes);

// Fills a text template after the host's print callback. Values are written
// in the template's encoding: 8-bit templates get Windows-1252 ('?' for what
// it lacks). An error (a letter naming no record set) stops the print.
FillResult FillTextTemplate(std::string_view templateBytes, const PrintJob& job,
                            const CodeTable& codes);

}  // namespace kelvo
