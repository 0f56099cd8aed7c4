#pragma once
// The state of the preferred numbers picker (TfrmRedove): the series selector, the six-decade
// table of the selected series, the current cell and the chosen nominal size. The window shows
// this state; it decides nothing itself.

#include <array>
#include <string>
#include <vector>

#include "design/preferred_numbers.h"

namespace kelvo {

class PreferredNumbersPicker {
  public:
    static constexpr int kColumnCount = 6;
    using RowTexts = std::array<std::string, kColumnCount>;

    // Language keys of the window's texts.
    static constexpr int kTitleKey = 87;        // "Preferred numbers acc. ISO 3"
    static constexpr int kSeriesLabelKey = 88;  // "Series"
    static constexpr int kSelectHintKey = 89;   // "Select"
    static constexpr int kCancelHintKey = 90;   // "Cancel"
    static constexpr int kAllSeriesKey = 91;    // "(all)"

    // On opening: nothing chosen, the series "(all)", its table filled, the first cell current.
    // Cells are written with `decimalSeparator`.
    explicit PreferredNumbersPicker(char decimalSeparator = '.');

    // The 11 items of the series selector: the language text "(all)", then "R5" ... "R\"20".
    static std::vector<std::string> SeriesItems();
    static const std::array<std::string_view, kColumnCount>& ColumnHeaders() {
        return kDecadeHeaders;
    }

    // A change of the selector: the table is filled anew and its first row becomes current (the
    // current column stays). An index outside the selector changes nothing.
    void SelectSeries(int seriesIndex);
    int SeriesIndex() const { return static_cast<int>(series_); }

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const std::vector<RowTexts>& Rows() const { return rows_; }
    // Cell value in mm, 0 outside the table.
    double CellValue(int row, int column) const;

    // The current cell follows the table's cursor; a cell outside the table is ignored.
    void SetCurrentCell(int row, int column);
    int CurrentRow() const { return currentRow_; }
    int CurrentColumn() const { return currentColumn_; }

    // Select (button or double click): the current cell's value becomes the choice when it is
    // greater than 0; the window closes in every case.
    void Select();
    // Cancel: the window closes, nothing is chosen.
    void Cancel() { closed_ = true; }

    bool Closed() const { return closed_; }
    // The chosen nominal size in mm, 0 when nothing was chosen.
    double ChosenValueMm() const { return chosenMm_; }

  private:
    void FillTable();

    char decimalSeparator_;
    PreferredSeries series_ = PreferredSeries::All;
    std::vector<RowTexts> rows_;
    int currentRow_ = 0;
    int currentColumn_ = 0;
    double chosenMm_ = 0;
    bool closed_ = false;
};

}  // namespace kelvo
