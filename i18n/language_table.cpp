#include "i18n/language_table.h"

#include <charconv>
#include <optional>

#include "i18n/text_encoding.h"

namespace kelvo {

namespace {

constexpr char16_t kCarriageReturn = u'\r';
constexpr char16_t kLineFeed = u'\n';
constexpr char16_t kLineSeparator = 0x2028;

bool EndsLine(char16_t c) {
    return c == kCarriageReturn || c == kLineFeed || c == kLineSeparator;
}

// The key that a line name answers to. A key is looked up by its decimal form compared with the
// name ignoring case; that form holds only digits and "-", which have no case, so a name answers
// exactly when it is the canonical decimal form of an int: no sign "+", no leading zeros, no
// spaces, no "-0".
std::optional<int> KeyOfName(std::u16string_view name) {
    constexpr std::size_t kLongestKey = 11;  // "-2147483648"
    if (name.empty() || name.size() > kLongestKey) {
        return std::nullopt;
    }
    std::string ascii;
    for (const char16_t c : name) {
        if (c != u'-' && (c < u'0' || c > u'9')) {
            return std::nullopt;
        }
        ascii.push_back(static_cast<char>(c));
    }
    int key = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), key);
    if (error != std::errc() || end != ascii.data() + ascii.size() ||
        std::to_string(key) != ascii) {
        return std::nullopt;
    }
    return key;
}

}  // namespace

std::vector<std::u16string> ParseLanguageTable(std::span<const std::uint8_t> bytes) {
    return SplitTableLines(DecodeTableText(bytes));
}

std::vector<std::u16string> SplitTableLines(std::u16string_view text) {
    text = text.substr(0, text.find(u'\0'));
    std::vector<std::u16string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        while (pos < text.size() && !EndsLine(text[pos])) {
            ++pos;
        }
        lines.emplace_back(text.substr(start, pos - start));
        for (const char16_t skipped : {kCarriageReturn, kLineFeed, kLineSeparator}) {
            if (pos < text.size() && text[pos] == skipped) {
                ++pos;
            }
        }
    }
    return lines;
}

LanguageTable::LanguageTable(std::vector<std::u16string> lines) : lines_(std::move(lines)) {
    for (const std::u16string& line : lines_) {
        const auto equals = line.find(u'=');
        if (equals == std::u16string::npos) {
            continue;
        }
        const auto key = KeyOfName(std::u16string_view(line).substr(0, equals));
        if (key && !textByKey_.contains(*key)) {
            textByKey_.emplace(*key, Utf16ToUtf8(std::u16string_view(line).substr(equals + 1)));
        }
    }
}

const std::string* LanguageTable::Find(int key) const {
    const auto found = textByKey_.find(key);
    return found == textByKey_.end() ? nullptr : &found->second;
}

}  // namespace kelvo
