#include "cli/text_table.h"

#include <algorithm>
#include <cstddef>

namespace kelvo::cli {
namespace {

constexpr std::size_t kColumnGap = 3;

// Characters on screen: UTF-8 continuation bytes (10xxxxxx) do not start a character.
std::size_t DisplayWidth(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    }));
}

}  // namespace

void TextTable::AddRow(std::vector<std::string> cells) {
    rows_.push_back(std::move(cells));
}

std::string TextTable::Render() const {
    std::vector<std::size_t> widths;
    for (const auto& row : rows_) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t column = 0; column < row.size(); ++column) {
            widths[column] = std::max(widths[column], DisplayWidth(row[column]));
        }
    }
    std::string text;
    for (const auto& row : rows_) {
        std::string line;
        for (std::size_t column = 0; column < row.size(); ++column) {
            const std::size_t padding = widths[column] - DisplayWidth(row[column]);
            if (column == 0) {
                line += row[column] + std::string(padding, ' ');
            } else {
                line += std::string(kColumnGap + padding, ' ') + row[column];
            }
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + "\n";
    }
    return text;
}

}  // namespace kelvo::cli
