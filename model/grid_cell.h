#pragma once
// The cell model shared by the four result grids (workpiece, hole gauges, shaft gauges, setting
// masters). A grid is a function (model, row, column) -> GridCell; one drawing routine renders any
// of them, and nothing in a cell needs the tolerance core again.

#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace kelvo {

// The text a value cell shows when its value is not available.
inline constexpr std::string_view kNotAvailableText = "N";

// Plus-minus sign and one blank, before the half tolerance of a symmetric gauge deviation.
inline constexpr std::string_view kPlusMinusPrefix = "\u00B1 ";

struct Rgb {
    int Red, Green, Blue;
};

// Background of title and heading rows.
inline constexpr Rgb kHeadingBlue{147, 192, 253};

enum class CellStyle {
    Title,         // gauge grids: light blue, bold, one text centred over the whole grid
    Header,        // gauge grids: system button-face colour, bold
    Heading,       // workpiece rows 0 and 9: light blue, bold
    Section,       // workpiece rows 3 and 6: system colour, bold, across both columns
    Designation,   // workpiece row 1: white, one centred text in a normal font
    Body,          // white background, black text, normal font
    ChartCaption,  // workpiece row 9, column 1: white, bold, the text 3 pixels lower
    Empty,         // white, nothing drawn
};

enum class HAlign { Left, Center, Right };

// Where the texts of a cell go.
enum class CellLayout {
    // Caption alone across the cell (or its span), aligned by Align.
    Whole,
    // Caption right-aligned in the left part; Value right-aligned in the value box
    // (GridGeometry::ValuePartPx and ValueMarginPx).
    CaptionValue,
    // Rows 9 to 15 of the shaft-gauge grid: a left and a right part, both right-aligned, the right
    // part being kSplitRightPartPx wide; Caption is the left part's text and Value the right
    // part's.
    Split,
};

struct GridCell {
    CellStyle Style = CellStyle::Empty;
    CellLayout Layout = CellLayout::Whole;
    std::string Caption;            // the whole text, the caption or label, or the left part
    std::string Value;              // the value part or the right part; empty for CellLayout::Whole
    HAlign Align = HAlign::Center;  // of a Whole caption; the parts are always right-aligned
    bool Bold = false;
    // 2: the cell covers both columns; 0: the cell is covered by the one to its left and draws
    // nothing of its own.
    int ColumnSpan = 1;
};

// What a drawing routine needs of a grid beside its cells.
struct GridGeometry {
    int Rows = 0;
    int Columns = 2;
    std::span<const int> LinesUnderRows;  // thin black lines across the whole grid
    int ValuePartPx = 0;    // the value part of a CaptionValue cell: its rightmost pixels
    int ValueMarginPx = 0;  // the value text ends this far before the cell's right edge
    bool CaptionValueDivider = false;  // a thin black line between caption and value parts
};

// Split cells (shaft-gauge grid, rows 9 to 15): the right part runs from kSplitRightPartPx before
// the cell's right edge to kSplitMarginPx before it; thin lines in the system's active-border
// colour stand kSplitDividerPx left of the right edge of each cell and on the right edge of
// column 1.
inline constexpr int kSplitRightPartPx = 120;
inline constexpr int kSplitMarginPx = 4;
inline constexpr int kSplitDividerPx = 116;

// Cell makers shared by the grids.

inline GridCell TitleCell(std::string text) {
    return {CellStyle::Title, CellLayout::Whole, std::move(text), {}, HAlign::Center, true, 2};
}

inline GridCell CoveredCell(CellStyle style) {
    return {style, CellLayout::Whole, {}, {}, HAlign::Center, false, 0};
}

inline GridCell HeaderCell(std::string text) {
    return {CellStyle::Header, CellLayout::Whole, std::move(text), {}, HAlign::Center, true, 1};
}

inline GridCell BodyCell(std::string caption, std::string value) {
    return {CellStyle::Body,
            CellLayout::CaptionValue,
            std::move(caption),
            std::move(value),
            HAlign::Right,
            false,
            1};
}

inline GridCell EmptyCell() {
    return {};
}

}  // namespace kelvo
