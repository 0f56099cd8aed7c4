// The language table loader on arbitrary bytes: a table file may be damaged or replaced by
// anything. Lines never hold a line end or a NUL, every text handed on is well-formed UTF-8, and
// a key that a line names finds a text.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "fuzz/fuzz_support.h"
#include "i18n/language_table.h"

namespace {

bool HoldsLineEnd(const std::u16string& line) {
    for (const char16_t c : line) {
        if (c == u'\r' || c == u'\n' || c == 0x2028 || c == u'\0') {
            return true;
        }
    }
    return false;
}

// The key a line names when its name is a plain decimal number of a few digits.
bool SmallKeyOf(const std::u16string& line, int& key) {
    const std::size_t equals = line.find(u'=');
    if (equals == std::u16string::npos || equals == 0 || equals > 6) {
        return false;
    }
    if (equals > 1 && line[0] == u'0') {
        return false;  // leading zeros name no key
    }
    key = 0;
    for (std::size_t i = 0; i < equals; ++i) {
        if (line[i] < u'0' || line[i] > u'9') {
            return false;
        }
        key = key * 10 + (line[i] - u'0');
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kelvo::fuzz::Require;
    std::vector<std::u16string> lines = kelvo::ParseLanguageTable(std::span(data, size));
    for (const std::u16string& line : lines) {
        Require(!HoldsLineEnd(line), "a table line holds no line end and no NUL");
    }
    const kelvo::LanguageTable table(std::move(lines));
    for (const std::u16string& line : table.Lines()) {
        int key = 0;
        if (SmallKeyOf(line, key)) {
            const std::string* text = table.Find(key);
            Require(text != nullptr, "a key named by a line finds a text");
            Require(kelvo::fuzz::IsValidUtf8(*text), "texts are well-formed UTF-8", *text);
        }
    }
    for (int key = -2; key <= 120; ++key) {
        if (const std::string* text = table.Find(key)) {
            Require(kelvo::fuzz::IsValidUtf8(*text), "texts are well-formed UTF-8", *text);
        }
    }
    return 0;
}
