#pragma once
// The INI text of the print list file: "[section]" lines and "key=value"
// lines. Section names and keys compare without regard to ASCII case, keys
// and values are trimmed, and the first of duplicate keys counts, as the
// Windows profile functions read such files. Bytes that are not UTF-8 are
// kept as they are.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kelvo {

class IniSection {
  public:
    void Add(std::string_view key, std::string_view value);  // keeps the first of a key
    std::optional<std::string_view> Value(std::string_view key) const;

  private:
    std::unordered_map<std::string, std::string> values_;  // upper-case key -> value
};

// The section's keys (all sections of that name together); nothing when the
// text has no such section.
std::optional<IniSection> ReadIniSection(std::string_view text, std::string_view section);

using IniPairs = std::vector<std::pair<std::string, std::string>>;

// The text with every section of that name erased and the section written
// anew with `pairs` in their order, where the first old one stood (or at the
// end). Everything else stays byte for byte, except that a last line without
// a line break gets one.
std::string ReplaceIniSection(std::string_view text, std::string_view section,
                              const IniPairs& pairs);

}  // namespace kelvo
