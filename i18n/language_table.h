#pragma once
// A language table: lines of the form "<key>=<text>", one text of the window per line.
//
// Text type: the lines are kept as read (UTF-16); every text handed to the rest of the program is
// UTF-8 in a std::string. The window converts to its own string type at the point of display.

#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace kelvo {

// The lines of a table. The text is decoded by its byte-order mark (DecodeTableText) and ends at
// its first NUL. A line ends at CR, LF or U+2028; after it one CR, then one LF, then one U+2028
// are skipped where present, so CR LF, LF and CR LF U+2028 each end one line while CR CR ends two.
// A terminator at the very end does not start an empty last line.
std::vector<std::u16string> ParseLanguageTable(std::span<const std::uint8_t> bytes);
std::vector<std::u16string> SplitTableLines(std::u16string_view text);

class LanguageTable {
  public:
    LanguageTable() = default;
    explicit LanguageTable(std::vector<std::u16string> lines);

    // The text of the first line whose name (the text before its first '=') is the key written as
    // a decimal number ("-" before a negative one); lines without '=' are passed over. The text is
    // everything after the first '=', verbatim (leading spaces included). Nullptr when no line
    // answers. Constant time: the index is built once, keeping the first line of each key.
    const std::string* Find(int key) const;

    const std::vector<std::u16string>& Lines() const { return lines_; }
    bool empty() const { return lines_.empty(); }

  private:
    std::vector<std::u16string> lines_;
    std::unordered_map<int, std::string> textByKey_;  // UTF-8
};

}  // namespace kelvo
