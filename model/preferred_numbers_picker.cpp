#include "model/preferred_numbers_picker.h"

#include "core/number_format.h"
#include "i18n/language_state.h"

namespace kelvo {

PreferredNumbersPicker::PreferredNumbersPicker(char decimalSeparator)
    : decimalSeparator_(decimalSeparator) {
    FillTable();
}

std::vector<std::string> PreferredNumbersPicker::SeriesItems() {
    std::vector<std::string> items;
    items.reserve(kPreferredSeriesCount);
    items.push_back(LangText(kAllSeriesKey));
    for (int index = 1; index < kPreferredSeriesCount; ++index) {
        items.emplace_back(PreferredSeriesName(static_cast<PreferredSeries>(index)));
    }
    return items;
}

void PreferredNumbersPicker::SelectSeries(int seriesIndex) {
    if (seriesIndex < 0 || seriesIndex >= kPreferredSeriesCount) {
        return;
    }
    series_ = static_cast<PreferredSeries>(seriesIndex);
    FillTable();
}

void PreferredNumbersPicker::FillTable() {
    rows_.clear();
    const int count = static_cast<int>(PreferredSeriesValues(series_).size());
    for (int row = 0; row < count; ++row) {
        RowTexts texts;
        for (int column = 0; column < kColumnCount; ++column) {
            texts[column] = FormatGeneral(CellValue(row, column), decimalSeparator_);
        }
        rows_.push_back(std::move(texts));
    }
    currentRow_ = 0;
}

double PreferredNumbersPicker::CellValue(int row, int column) const {
    return PreferredNumberCell(series_, row, column);
}

void PreferredNumbersPicker::SetCurrentCell(int row, int column) {
    if (row < 0 || row >= RowCount() || column < 0 || column >= kColumnCount) {
        return;
    }
    currentRow_ = row;
    currentColumn_ = column;
}

void PreferredNumbersPicker::Select() {
    const double value = CellValue(currentRow_, currentColumn_);
    if (RowCount() > 0 && value > 0) {
        chosenMm_ = value;
    }
    closed_ = true;
}

}  // namespace kelvo
