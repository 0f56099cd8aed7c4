#include "cli/csv_output.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <span>
#include <vector>

#include "cli/json_output.h"

namespace kelvo::cli {
namespace {

constexpr std::array<std::string_view, 6> kGaugeFields = {"nominal_mm",    "half_tolerance_mm",
                                                          "upper_mm",      "lower_mm",
                                                          "wear_limit_mm", "form_tolerance_mm"};
constexpr std::array<std::string_view, 5> kClassFields = {"it_mm", "upper_mm", "lower_mm",
                                                          "upper_limit_mm", "lower_limit_mm"};

// Appends cells to a row; every cell after the first is preceded by a comma.
class CsvRow {
  public:
    void Text(std::string_view text) { Next() += CsvCell(text); }
    void Empty(int count = 1) {
        for (int index = 0; index < count; ++index) {
            Next();
        }
    }
    void Flag(bool value) { Next() += value ? "true" : "false"; }
    // Shortest text that reads back as the same double; a computed -0 is written as 0.
    void Number(double value) {
        std::array<char, 32> buffer{};
        const auto result =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), value == 0 ? 0.0 : value);
        Next().append(buffer.data(), result.ptr);
    }
    void NumberOrEmpty(bool present, double value) {
        if (present) {
            Number(value);
        } else {
            Empty();
        }
    }
    std::string Finish() { return std::move(text_) + "\n"; }

  private:
    std::string& Next() {
        if (started_) {
            text_ += ',';
        }
        started_ = true;
        return text_;
    }
    std::string text_;
    bool started_ = false;
};

constexpr int kClassColumns = 7;  // class, available and five values
constexpr int kGaugeColumns = 6;

void AddClassColumns(CsvRow& row, const std::optional<ClassResult>& part) {
    if (!part) {
        row.Empty(kClassColumns);
        return;
    }
    const bool shown = part->Shown;
    row.Text(part->Name);
    row.Flag(shown);
    row.NumberOrEmpty(shown, part->Deviations.ItMm);
    row.NumberOrEmpty(shown, part->Deviations.UpperMm);
    row.NumberOrEmpty(shown, part->Deviations.LowerMm);
    row.NumberOrEmpty(shown, part->UpperLimitMm);
    row.NumberOrEmpty(shown, part->LowerLimitMm);
}

void AddGaugeColumns(CsvRow& row, bool available, const GaugeDims& gauge) {
    row.NumberOrEmpty(available, gauge.Nominal);
    row.NumberOrEmpty(available, gauge.HalfTolerance);
    row.NumberOrEmpty(available, gauge.Upper);
    row.NumberOrEmpty(available, gauge.Lower);
    row.NumberOrEmpty(available && gauge.HasWearLimit, gauge.WearLimit);
    row.NumberOrEmpty(available, gauge.FormTolerance);
}

// A flag and its gauges for a side that is part of the query, empty cells otherwise.
void AddGaugeGroup(CsvRow& row, bool present, bool available,
                   const std::vector<const GaugeDims*>& gauges) {
    if (!present) {
        row.Empty(1 + kGaugeColumns * static_cast<int>(gauges.size()));
        return;
    }
    row.Flag(available);
    for (const GaugeDims* gauge : gauges) {
        AddGaugeColumns(row, available, *gauge);
    }
}

void AddHeaderGroup(std::string& header, std::string_view prefix,
                    std::span<const std::string_view> fields) {
    for (const std::string_view field : fields) {
        header += ",";
        header += prefix;
        header += field;
    }
}

}  // namespace

std::string CsvCell(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string cell = "\"";
    for (const char character : text) {
        cell += character;
        if (character == '"') {
            cell += '"';
        }
    }
    return cell + "\"";
}

std::string CsvHeader() {
    std::string header = "line,size_mm,designation,error";
    for (const std::string_view side : {"hole_", "shaft_"}) {
        header += ",";
        header += side;
        header += "class,";
        header += side;
        header += "available";
        AddHeaderGroup(header, side, kClassFields);
    }
    header += ",fit_type,max_mm,min_mm,tolerance_mm";
    header += ",hole_gauges_available";
    for (const std::string_view gauge :
         {"go_plug_", "no_go_plug_", "go_spherical_", "no_go_spherical_"}) {
        AddHeaderGroup(header, gauge, kGaugeFields);
    }
    header += ",shaft_gauges_available";
    for (const std::string_view gauge :
         {"go_ring_", "no_go_ring_", "go_check_plug_", "wear_check_plug_", "no_go_check_plug_"}) {
        AddHeaderGroup(header, gauge, kGaugeFields);
    }
    header += ",ring_available";
    AddHeaderGroup(header, "setting_ring_", kGaugeFields);
    header += ",plug_available";
    AddHeaderGroup(header, "setting_plug_", kGaugeFields);
    return header + "\n";
}

std::string QueryToCsvRow(long long lineNumber, const QueryResult& query) {
    CsvRow row;
    row.Number(static_cast<double>(lineNumber));
    row.Number(query.SizeMm);
    row.Text(query.DesignationText());
    row.Empty();  // no error
    AddClassColumns(row, query.Hole);
    AddClassColumns(row, query.Shaft);
    if (query.Fit) {
        row.Text(FitTypeName(query.Fit->Type));
        row.Number(query.Fit->MaxValueMm);
        row.Number(query.Fit->MinValueMm);
        row.Number(query.Fit->ToleranceMm);
    } else {
        row.Empty(4);
    }
    const HoleGauges& hole = query.HoleGaugeSet;
    AddGaugeGroup(row, query.Hole.has_value(), hole.Available,
                  {&hole.GoPlug, &hole.NoGoPlug, &hole.GoSpherical, &hole.NoGoSpherical});
    const ShaftGauges& shaft = query.ShaftGaugeSet;
    AddGaugeGroup(row, query.Shaft.has_value(), shaft.Available,
                  {&shaft.GoRing, &shaft.NoGoRing, &shaft.GoCheckPlug, &shaft.WearCheckPlug,
                   &shaft.NoGoCheckPlug});
    const SettingMasters& masters = query.MasterSet;
    AddGaugeGroup(row, query.Hole.has_value(), masters.RingAvailable, {&masters.SettingRing});
    AddGaugeGroup(row, query.Shaft.has_value(), masters.PlugAvailable, {&masters.SettingPlug});
    return row.Finish();
}

std::string ErrorToCsvRow(long long lineNumber, std::string_view message) {
    CsvRow row;
    row.Number(static_cast<double>(lineNumber));
    row.Empty(2);
    row.Text(message);
    // Everything after the error column stays empty: as many commas as the header has columns.
    static const auto kColumns = [] {
        const std::string header = CsvHeader();
        return static_cast<int>(std::count(header.begin(), header.end(), ',')) + 1;
    }();
    row.Empty(kColumns - 4);
    return row.Finish();
}

}  // namespace kelvo::cli
