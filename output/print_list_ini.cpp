#include "output/print_list_ini.h"

#include <algorithm>
#include <cctype>

namespace kelvo {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

std::string_view Trim(std::string_view text) {
    constexpr std::string_view kBlank = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlank);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlank) - first + 1);
}

// Splits into lines that keep their terminators, so text can be rebuilt exactly.
std::vector<std::string_view> SplitLinesKeepingEnds(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

// The section name of a "[name]" line.
std::optional<std::string_view> SectionNameOf(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.size() < 2 || trimmed.front() != '[') {
        return std::nullopt;
    }
    const std::size_t close = trimmed.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return Trim(trimmed.substr(1, close - 1));
}

bool SameName(std::string_view a, std::string_view b) {
    return UpperAscii(a) == UpperAscii(b);
}

std::string_view WithoutMark(std::string_view text) {
    return text.starts_with(kUtf8Mark) ? text.substr(kUtf8Mark.size()) : text;
}

// A value must stay on its line.
std::string OneLine(std::string_view text) {
    std::string line(text);
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return line;
}

}  // namespace

void IniSection::Add(std::string_view key, std::string_view value) {
    values_.try_emplace(UpperAscii(key), value);
}

std::optional<std::string_view> IniSection::Value(std::string_view key) const {
    const auto found = values_.find(UpperAscii(key));
    if (found == values_.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::optional<IniSection> ReadIniSection(std::string_view text, std::string_view section) {
    std::optional<IniSection> result;
    bool inside = false;
    for (std::string_view line : SplitLinesKeepingEnds(WithoutMark(text))) {
        if (const std::optional<std::string_view> name = SectionNameOf(line)) {
            inside = SameName(*name, section);
            if (inside && !result) {
                result.emplace();
            }
            continue;
        }
        const std::string_view trimmed = Trim(line);
        const std::size_t equals = trimmed.find('=');
        if (!inside || trimmed.starts_with(';') || equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = Trim(trimmed.substr(0, equals));
        if (!key.empty()) {
            result->Add(key, Trim(trimmed.substr(equals + 1)));
        }
    }
    return result;
}

std::string ReplaceIniSection(std::string_view text, std::string_view section,
                              const IniPairs& pairs) {
    const bool hasMark = text.starts_with(kUtf8Mark);
    const std::vector<std::string_view> lines = SplitLinesKeepingEnds(WithoutMark(text));
    const std::string_view newline =
        text.find("\r\n") != std::string_view::npos ? std::string_view("\r\n") : "\n";

    std::string block(1, '[');
    block.append(section).append("]").append(newline);
    for (const auto& [key, value] : pairs) {
        block.append(OneLine(key)).append("=").append(OneLine(value)).append(newline);
    }

    std::string out(hasMark ? kUtf8Mark : std::string_view());
    bool inside = false;
    bool written = false;
    for (std::string_view line : lines) {
        if (const std::optional<std::string_view> name = SectionNameOf(line)) {
            inside = SameName(*name, section);
            if (inside && !written) {
                out += block;
                written = true;
            }
            if (inside) {
                continue;
            }
        }
        if (inside) {
            continue;
        }
        if (!line.ends_with('\n') && !line.empty()) {
            out += line;
            out += newline;  // the next section must start on a line of its own
            continue;
        }
        out += line;
    }
    if (!written) {
        out += block;
    }
    return out;
}

}  // namespace kelvo
