#pragma once
// Filling of RTF templates: tokens "$" kind set-letter two-digits ["?" params] "#",
// kinds F (value), T (value, repeats its table row per record), C (label) and
// E (host's custom token).

#include <string>
#include <string_view>

#include "output/print_job.h"

namespace kelvo {

// Removes what a word processor put inside a token: from a backslash, brace
// or CR within a token up to the next space or LF (which goes too).
std::string CleanTokens(std::string_view rtf);

// "}\trowd" when a closing brace is followed by "\trowd" (the scan resumes
// after the six bytes compared), else "\trowd".
std::string_view ChooseRowMarker(std::string_view rtf);

// Fills a template that CleanTokens has already cleaned, after the host's
// print callback. On an error the output written so far is kept.
FillResult FillRtfTemplate(std::string_view cleanedRtf, PrintJob& job, const CodeTable& codes,
                           PrintHost* host);

}  // namespace kelvo
