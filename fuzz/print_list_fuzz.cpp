// The print list file on any bytes (truncated, huge, not text at all): reading never fails, and
// writing the entries read back into the same file and reading again gives the same entries, so a
// save after a load loses nothing of the list.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "output/print_list.h"

namespace {

// A value stays on its line when written: a CR inside it is written as a blank.
std::string AsWritten(std::string text) {
    std::replace(text.begin(), text.end(), '\r', ' ');
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kelvo::fuzz::Require;
    const std::string_view text = kelvo::fuzz::AsText(data, size);
    const std::vector<kelvo::PrintListEntry> entries = kelvo::ParsePrintList(text);

    const std::string rewritten = kelvo::FormatPrintList(text, entries);
    const std::vector<kelvo::PrintListEntry> reread = kelvo::ParsePrintList(rewritten);
    Require(reread.size() == entries.size(), "a rewritten list keeps its entry count");
    for (std::size_t n = 0; n < entries.size(); ++n) {
        Require(reread[n].Name == AsWritten(entries[n].Name), "a rewritten list keeps its names",
                entries[n].Name);
        Require(reread[n].TemplatePath == AsWritten(entries[n].TemplatePath),
                "a rewritten list keeps its paths", entries[n].TemplatePath);
    }
    return 0;
}
