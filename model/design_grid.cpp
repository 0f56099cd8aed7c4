#include "model/design_grid.h"

#include <algorithm>

#include "core/number_format.h"
#include "model/language_keys.h"

namespace kelvo {

namespace {

int HeaderKey(FitType type, int column) {
    switch (column) {
        case 0:
            return panel_key::kFit;
        case 1:
            return MaxFieldCaptionKey(type);
        case 2:
            return MinFieldCaptionKey(type);
        default:
            break;
    }
    return panel_key::kDeviation;
}

std::string FormatLength(double valueMm, const MainWindowModel& model) {
    return model.InchMode ? FormatD5(valueMm / kMmPerInch, model.DecimalSeparator)
                          : FormatD4(valueMm, model.DecimalSeparator);
}

std::string ValueText(const DesignResult& record, int column, const MainWindowModel& model) {
    switch (column) {
        case 0:
            return record.Name;
        case 1:
            return FormatLength(record.FitMaxValue, model);
        case 2:
            return FormatLength(record.FitMinValue, model);
        default:
            break;
    }
    return FormatLength(record.Score, model);
}

}  // namespace

int DesignGridRowCount(const DesignPanelState& panel) {
    return 1 + static_cast<int>(std::max<std::size_t>(panel.ShownResults, 1));
}

GridGeometry DesignGridGeometry(const DesignPanelState& panel) {
    GridGeometry geometry;
    geometry.Rows = DesignGridRowCount(panel);
    geometry.Columns = kDesignGridColumns;
    return geometry;
}

const DesignResult* DesignGridRecord(const MainWindowModel& model, const DesignPanelState& panel,
                                     int row) {
    const std::size_t shown = std::min(panel.ShownResults, model.DesignResults.size());
    if (row < 1 || static_cast<std::size_t>(row) > shown) {
        return nullptr;
    }
    return &model.DesignResults[row - 1];
}

GridCell DesignGridCell(const MainWindowModel& model, const DesignPanelState& panel, int row,
                        int column) {
    if (column < 0 || column >= kDesignGridColumns || row < 0 || row >= DesignGridRowCount(panel)) {
        return EmptyCell();
    }
    GridCell cell;
    cell.Layout = CellLayout::Whole;
    if (row == 0) {
        cell.Style = CellStyle::Heading;
        cell.Caption = LangText(HeaderKey(panel.DesignType, column));
        cell.Align = HAlign::Center;
        return cell;
    }
    cell.Style = CellStyle::Body;
    cell.Align = column == 0 ? HAlign::Center : HAlign::Right;
    if (const DesignResult* record = DesignGridRecord(model, panel, row)) {
        cell.Caption = ValueText(*record, column, model);
        cell.Bold = record->Preferred;
    }
    return cell;
}

bool ClickDesignRow(MainWindowModel& model, DesignPanelState& panel, int row) {
    if (row < 1 || row >= DesignGridRowCount(panel)) {
        return false;
    }
    panel.SelectedRow = row;
    const DesignResult* record = DesignGridRecord(model, panel, row);
    if (record == nullptr) {
        return false;
    }
    model.SetClassesFromFit(record->Name);
    model.CalculateStandard();
    return true;
}

}  // namespace kelvo
