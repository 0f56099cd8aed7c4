// The RTF template engine on any template: cleaning the tokens and filling them from two records
// never reads or writes out of bounds, never loops, and the filled copy stays within a bound set
// by the template's size and the number of records (a table row repeats once per record).

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "fuzz/print_fixture.h"
#include "output/rtf_template.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kelvo::fuzz::Require;
    const std::string_view rtf = kelvo::fuzz::AsText(data, size);
    const std::string cleaned = kelvo::CleanTokens(rtf);
    Require(cleaned.size() <= rtf.size(), "cleaning only removes bytes");
    const std::string_view marker = kelvo::ChooseRowMarker(cleaned);
    Require(marker == "}\\trowd" || marker == "\\trowd", "the row marker is one of two");

    // Built once: each print hands the sets over anew, positioned on their first records.
    static const kelvo::CodeTable codes = kelvo::fuzz::FuzzCodeTable();
    static kelvo::fuzz::FuzzHost host;
    kelvo::PrintJob job;
    host.Print(job);
    const kelvo::FillResult filled = kelvo::FillRtfTemplate(cleaned, job, codes, &host);

    // Every byte of the template is written at most once per record, and a token gives at most
    // its value escaped as \uN? (8 bytes a character) plus a custom field's parameters.
    constexpr std::size_t kRecords = 2;
    constexpr std::size_t kLongestValueBytes = 8 * 120 + 120;
    const std::size_t bound = kRecords * cleaned.size() * (1 + kLongestValueBytes);
    Require(filled.Output.size() <= bound, "the filled copy stays bounded");
    if (cleaned.find('$') == std::string::npos) {
        Require(filled.Output == cleaned, "a template without tokens is copied as it is");
        Require(!filled.Error, "a template without tokens fills without error");
    }
    return 0;
}
