#include "cli/text_report.h"

#include <vector>

#include "cli/text_table.h"
#include "core/number_format.h"

namespace kelvo::cli {
namespace {

const std::string kNotAvailableText = "N";
const std::string kPlusMinus = "\u00b1 ";

std::string WorkpieceValue(double valueMm, bool inchMode) {
    return inchMode ? FormatD5(valueMm / kMmPerInch) : FormatD4(valueMm);
}

std::string Heading(const QueryResult& query, bool inchMode) {
    const std::string size = FormatGeneral(query.SizeMm);
    std::string kind = "Fit";
    if (!query.IsFit) {
        kind = query.Hole ? "Hole" : "Shaft";
    }
    std::string text =
        kind + " " + size + " " + query.DesignationText() + " (nominal size " + size + " mm";
    if (inchMode) {
        text += " = " + FormatGeneral(RoundField(query.SizeMm / kMmPerInch, 5)) + " in";
    }
    return text + "; values in " + (inchMode ? "inches" : "mm") + ")\n";
}

// One column of the workpiece table: the five values of a class, or "N" five times.
std::vector<std::string> WorkpieceColumn(const ClassResult& part, bool inchMode) {
    if (!part.Shown) {
        return std::vector<std::string>(5, kNotAvailableText);
    }
    return {WorkpieceValue(part.Deviations.ItMm, inchMode),
            WorkpieceValue(part.Deviations.UpperMm, inchMode),
            WorkpieceValue(part.Deviations.LowerMm, inchMode),
            WorkpieceValue(part.UpperLimitMm, inchMode),
            WorkpieceValue(part.LowerLimitMm, inchMode)};
}

std::string WorkpieceSection(const QueryResult& query, bool inchMode) {
    std::vector<const ClassResult*> parts;
    if (query.Hole) {
        parts.push_back(&*query.Hole);
    }
    if (query.Shaft) {
        parts.push_back(&*query.Shaft);
    }
    std::string upperSymbol = query.Hole ? "ES" : "es";
    std::string lowerSymbol = query.Hole ? "EI" : "ei";
    if (query.IsFit) {
        upperSymbol = "ES, es";
        lowerSymbol = "EI, ei";
    }
    const std::vector<std::string> captions = {"Tolerance", "Upper deviation (" + upperSymbol + ")",
                                               "Lower deviation (" + lowerSymbol + ")",
                                               "Upper limit of size", "Lower limit of size"};

    TextTable table;
    std::vector<std::string> header = {""};
    std::vector<std::vector<std::string>> columns;
    for (const ClassResult* part : parts) {
        header.push_back((part->PartSide == kelvo::Side::Hole ? "Hole " : "Shaft ") + part->Name);
        columns.push_back(WorkpieceColumn(*part, inchMode));
    }
    table.AddRow(header);
    for (std::size_t row = 0; row < captions.size(); ++row) {
        std::vector<std::string> cells = {captions[row]};
        for (const auto& column : columns) {
            cells.push_back(column[row]);
        }
        table.AddRow(cells);
    }
    return table.Render();
}

std::string FitSection(const QueryResult& query, bool inchMode) {
    TextTable table;
    if (!query.Fit) {
        // The captions the program shows when no fit is classified.
        table.AddRow({"Type of fit", kNotAvailableText});
        table.AddRow({"Max.", kNotAvailableText});
        table.AddRow({"Min.", kNotAvailableText});
        table.AddRow({"Tolerance of the fit", kNotAvailableText});
        return table.Render();
    }
    const FitCharacteristics& fit = *query.Fit;
    struct Captions {
        const char* Type;
        const char* Max;
        const char* Min;
    };
    // Indexed by FitType: the first extreme, then the second (ISO 286-1 clearance/interference).
    static const Captions kCaptions[] = {
        {"Clearance fit", "Max. clearance", "Min. clearance"},
        {"Transition fit", "Max. clearance", "Max. interference"},
        {"Interference fit", "Max. interference", "Min. interference"}};
    const Captions& captions = kCaptions[static_cast<int>(fit.Type)];
    table.AddRow({"Type of fit", captions.Type});
    table.AddRow({captions.Max, WorkpieceValue(fit.MaxValueMm, inchMode)});
    table.AddRow({captions.Min, WorkpieceValue(fit.MinValueMm, inchMode)});
    table.AddRow({"Tolerance of the fit", WorkpieceValue(fit.ToleranceMm, inchMode)});
    return table.Render();
}

// Which values of a gauge a table row shows.
enum class GaugeValue { Nominal, Deviations, Upper, Lower, WearLimit, Form };

struct GaugeColumn {
    std::string Heading;
    const GaugeDims* Gauge;
    bool Available;
    bool HasWearLimit;  // a GO gauge: its wear-limit cell shows a value or "N", else stays blank
};

std::string GaugeCell(const GaugeColumn& column, GaugeValue value, bool inchMode) {
    if (value == GaugeValue::WearLimit && !column.HasWearLimit) {
        return "";
    }
    if (!column.Available) {
        return kNotAvailableText;
    }
    const GaugeDims& gauge = *column.Gauge;
    switch (value) {
        case GaugeValue::Nominal:
            return FormatGaugeValue(gauge.Nominal, inchMode);
        case GaugeValue::Deviations:
            return kPlusMinus + FormatGaugeValue(gauge.HalfTolerance, inchMode);
        case GaugeValue::Upper:
            return FormatGaugeValue(gauge.Upper, inchMode);
        case GaugeValue::Lower:
            return FormatGaugeValue(gauge.Lower, inchMode);
        case GaugeValue::WearLimit:
            return FormatGaugeValue(gauge.WearLimit, inchMode);
        case GaugeValue::Form:
            return FormatGaugeValue(gauge.FormTolerance, inchMode);
    }
    return "";
}

struct GaugeRowSpec {
    std::string Caption;
    GaugeValue Value;
};

std::string GaugeTable(const std::string& title, const std::vector<GaugeRowSpec>& rows,
                       const std::vector<GaugeColumn>& columns, bool inchMode) {
    TextTable table;
    std::vector<std::string> header = {""};
    for (const GaugeColumn& column : columns) {
        header.push_back(column.Heading);
    }
    table.AddRow(header);
    for (const GaugeRowSpec& row : rows) {
        std::vector<std::string> cells = {row.Caption};
        for (const GaugeColumn& column : columns) {
            cells.push_back(GaugeCell(column, row.Value, inchMode));
        }
        table.AddRow(cells);
    }
    return title + "\n" + table.Render();
}

std::string HoleGaugeSection(const HoleGauges& gauges, bool inchMode) {
    const std::vector<GaugeRowSpec> rows = {{"Nominal size", GaugeValue::Nominal},
                                            {"Limit deviations", GaugeValue::Deviations},
                                            {"Upper limit of size", GaugeValue::Upper},
                                            {"Lower limit of size (new)", GaugeValue::Lower},
                                            {"Lower wear limit of size", GaugeValue::WearLimit},
                                            {"Form tolerance", GaugeValue::Form}};
    const bool available = gauges.Available;
    return GaugeTable("Hole gauges: plug gauges acc. ISO/R 1938, DIN 7150-2", rows,
                      {{"GO plug gauge", &gauges.GoPlug, available, true},
                       {"NOT-GO plug gauge", &gauges.NoGoPlug, available, false}},
                      inchMode) +
           "\n" +
           GaugeTable("Hole gauges: spherical plug gauges acc. ISO/R 1938, DIN 7150-2", rows,
                      {{"GO spherical", &gauges.GoSpherical, available, true},
                       {"NOT-GO spherical", &gauges.NoGoSpherical, available, false}},
                      inchMode);
}

std::string ShaftGaugeSection(const ShaftGauges& gauges, bool inchMode) {
    const std::vector<GaugeRowSpec> ringRows = {{"Nominal size", GaugeValue::Nominal},
                                                {"Limit deviations", GaugeValue::Deviations},
                                                {"Upper limit of size (new)", GaugeValue::Upper},
                                                {"Lower limit of size", GaugeValue::Lower},
                                                {"Upper wear limit of size", GaugeValue::WearLimit},
                                                {"Form tolerance", GaugeValue::Form}};
    const std::vector<GaugeRowSpec> checkPlugRows = {{"Nominal size", GaugeValue::Nominal},
                                                     {"Limit deviations", GaugeValue::Deviations},
                                                     {"Upper limit of size", GaugeValue::Upper},
                                                     {"Lower limit of size", GaugeValue::Lower},
                                                     {"Form tolerance", GaugeValue::Form}};
    const bool available = gauges.Available;
    return GaugeTable("Shaft gauges: ring gauges acc. ISO/R 1938, DIN 7150-2", ringRows,
                      {{"GO ring gauge", &gauges.GoRing, available, true},
                       {"NOT-GO ring gauge", &gauges.NoGoRing, available, false}},
                      inchMode) +
           "\n" +
           GaugeTable("Shaft gauges: check plugs for snap gauges acc. ISO/R 1938, DIN 7150-2",
                      checkPlugRows,
                      {{"GO check plug", &gauges.GoCheckPlug, available, false},
                       {"Wear check plug", &gauges.WearCheckPlug, available, false},
                       {"NOT-GO check plug", &gauges.NoGoCheckPlug, available, false}},
                      inchMode);
}

// The setting ring goes with a hole, the setting plug with a shaft.
std::string MasterSection(const QueryResult& query, bool inchMode) {
    const SettingMasters& masters = query.MasterSet;
    std::vector<GaugeColumn> columns;
    if (query.Hole) {
        columns.push_back(
            {"Setting ring (DIN 2250)", &masters.SettingRing, masters.RingAvailable, false});
    }
    if (query.Shaft) {
        columns.push_back(
            {"Setting plug (DIN 7150-2)", &masters.SettingPlug, masters.PlugAvailable, false});
    }
    const std::vector<GaugeRowSpec> rows = {{"Nominal size", GaugeValue::Nominal},
                                            {"Limit deviations", GaugeValue::Deviations},
                                            {"Upper limit of size", GaugeValue::Upper},
                                            {"Lower limit of size", GaugeValue::Lower},
                                            {"Form tolerance", GaugeValue::Form}};
    return GaugeTable("Setting masters", rows, columns, inchMode);
}

}  // namespace

std::string FormatTextReport(const QueryResult& query, bool inchMode) {
    std::string text = Heading(query, inchMode) + "\n" + WorkpieceSection(query, inchMode);
    if (query.IsFit) {
        text += "\n" + FitSection(query, inchMode);
    }
    if (query.Hole) {
        text += "\n" + HoleGaugeSection(query.HoleGaugeSet, inchMode);
    }
    if (query.Shaft) {
        text += "\n" + ShaftGaugeSection(query.ShaftGaugeSet, inchMode);
    }
    return text + "\n" + MasterSection(query, inchMode);
}

}  // namespace kelvo::cli
