#pragma once
// Plain-text tables for terminal reports: the first column (captions) aligned left, the other
// columns (values) aligned right, columns separated by three blanks.

#include <string>
#include <vector>

namespace kelvo::cli {

class TextTable {
  public:
    void AddRow(std::vector<std::string> cells);
    // The rows as text, each ending with "\n"; widths count UTF-8 characters, not bytes.
    std::string Render() const;

  private:
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace kelvo::cli
