// The text template engine on any bytes, 8-bit, UTF-8 or UTF-16 by the mark: no out-of-bounds
// read or write, a template without a dollar sign comes out byte for byte, and the same template
// filled twice gives the same copy.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "fuzz/print_fixture.h"
#include "output/text_template.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kelvo::fuzz::Require;
    const std::string_view bytes = kelvo::fuzz::AsText(data, size);

    static const kelvo::CodeTable codes = kelvo::fuzz::FuzzCodeTable();
    static kelvo::fuzz::FuzzPrint print;
    kelvo::PrintJob job;
    print.HandOver(job);
    const kelvo::FillResult filled = kelvo::FillTextTemplate(bytes, job, codes);
    if (bytes.find('$') == std::string_view::npos) {
        Require(filled.Output == bytes, "a template without a dollar sign is copied as it is");
        Require(!filled.Error, "a template without tokens fills without error");
    }
    // A value is at most 100 characters, 4 bytes each in UTF-8, and comes from at least 5
    // characters of the template.
    Require(filled.Output.size() <= bytes.size() * 100 + 1, "the filled copy stays bounded");
    const kelvo::FillResult again = kelvo::FillTextTemplate(bytes, job, codes);
    Require(again.Output == filled.Output && again.Error == filled.Error, "filling is repeatable");
    return 0;
}
