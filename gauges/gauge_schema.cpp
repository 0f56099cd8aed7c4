#include "gauges/gauge_schema.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "core/number_format.h"
#include "core/tolerance_types.h"

namespace kelvo {

namespace {

// Language keys of the schema's texts.
namespace text {
constexpr int kPlug = 52;
constexpr int kSphericalPlug = 53;
constexpr int kRing = 54;
constexpr int kCheckPlug = 55;
constexpr int kGoNew = 56;
constexpr int kCheckWear = 57;
constexpr int kHoleGaugesPage = 58;
constexpr int kShaftGaugesPage = 59;
constexpr int kMastersPage = 60;
constexpr int kGo = 63;
constexpr int kNotGo = 64;
constexpr int kCheckGo = 65;
constexpr int kCheckNotGo = 66;
}  // namespace text

// The gauges the zones are drawn from.
enum class Gauge {
    GoPlug,
    NoGoPlug,
    GoSpherical,
    NoGoSpherical,
    GoRing,
    NoGoRing,
    GoCheckPlug,
    WearCheckPlug,
    NoGoCheckPlug,
    SettingRing,
    SettingPlug,
};

// The record whose availability governs a zone.
enum class Source { Hole, Shaft, Ring, Plug };

enum class Edge { Upper, Lower, WearLimit };

struct ZoneSpec {
    int Chart;  // 0 upper (or the single chart), 1 lower
    double X0, X1;
    Gauge Of;
    Edge Top, Bottom;
    HatchTile Tile;
    int TextKey;  // 0: the limit values are written beside the zone instead
};

// Page 1: NOT-GO zones in the upper chart, GO zones in the lower one.
constexpr ZoneSpec kHoleZones[] = {
    {1, 1, 4, Gauge::GoPlug, Edge::Upper, Edge::WearLimit, HatchTile::GR_L, text::kGo},
    {1, 4, 7, Gauge::GoPlug, Edge::Upper, Edge::Lower, HatchTile::GR_R, text::kGoNew},
    {0, 1, 4, Gauge::NoGoPlug, Edge::Upper, Edge::Lower, HatchTile::RED_L, text::kNotGo},
    {1, 8, 11, Gauge::GoSpherical, Edge::Upper, Edge::WearLimit, HatchTile::GR_L, text::kGo},
    {1, 11, 15, Gauge::GoSpherical, Edge::Upper, Edge::Lower, HatchTile::GR_R, text::kGoNew},
    {0, 8, 11, Gauge::NoGoSpherical, Edge::Upper, Edge::Lower, HatchTile::RED_L, text::kNotGo},
};

// Page 2: the GO side in the upper chart, the NOT-GO side in the lower one.
constexpr ZoneSpec kShaftZones[] = {
    {0, 1, 4, Gauge::GoRing, Edge::WearLimit, Edge::Lower, HatchTile::GR_L, text::kGo},
    {0, 4, 7, Gauge::GoRing, Edge::Upper, Edge::Lower, HatchTile::GR_R, text::kGoNew},
    {1, 1, 4, Gauge::NoGoRing, Edge::Upper, Edge::Lower, HatchTile::RED_L, text::kNotGo},
    {0, 8, 11, Gauge::GoCheckPlug, Edge::Upper, Edge::Lower, HatchTile::GR_L, text::kCheckGo},
    {0, 11, 15, Gauge::WearCheckPlug, Edge::Upper, Edge::Lower, HatchTile::RED_R, text::kCheckWear},
    {1, 8, 11, Gauge::NoGoCheckPlug, Edge::Upper, Edge::Lower, HatchTile::GR_R, text::kCheckNotGo},
};

// Page 3: one chart.
constexpr ZoneSpec kMasterZones[] = {
    {0, 2, 6, Gauge::SettingRing, Edge::Upper, Edge::Lower, HatchTile::BL_L, 0},
    {0, 9, 13, Gauge::SettingPlug, Edge::Upper, Edge::Lower, HatchTile::BL_R, 0},
};

// Every gauge record of the inputs, computed once.
struct AllGauges {
    HoleGauges Hole;
    ShaftGauges Shaft;
    SettingMasters Masters;

    const GaugeDims& Of(Gauge gauge) const {
        switch (gauge) {
            case Gauge::GoPlug:
                return Hole.GoPlug;
            case Gauge::NoGoPlug:
                return Hole.NoGoPlug;
            case Gauge::GoSpherical:
                return Hole.GoSpherical;
            case Gauge::NoGoSpherical:
                return Hole.NoGoSpherical;
            case Gauge::GoRing:
                return Shaft.GoRing;
            case Gauge::NoGoRing:
                return Shaft.NoGoRing;
            case Gauge::GoCheckPlug:
                return Shaft.GoCheckPlug;
            case Gauge::WearCheckPlug:
                return Shaft.WearCheckPlug;
            case Gauge::NoGoCheckPlug:
                return Shaft.NoGoCheckPlug;
            case Gauge::SettingRing:
                return Masters.SettingRing;
            case Gauge::SettingPlug:
                return Masters.SettingPlug;
        }
        return Hole.GoPlug;
    }

    bool Available(Gauge gauge) const {
        switch (gauge) {
            case Gauge::SettingRing:
                return Masters.RingAvailable;
            case Gauge::SettingPlug:
                return Masters.PlugAvailable;
            case Gauge::GoRing:
            case Gauge::NoGoRing:
            case Gauge::GoCheckPlug:
            case Gauge::WearCheckPlug:
            case Gauge::NoGoCheckPlug:
                return Shaft.Available;
            default:
                return Hole.Available;
        }
    }
};

double EdgeOf(const GaugeDims& dims, Edge edge) {
    switch (edge) {
        case Edge::Upper:
            return dims.Upper;
        case Edge::Lower:
            return dims.Lower;
        case Edge::WearLimit:
            return dims.WearLimit;
    }
    return dims.Upper;
}

// The gauges are drawn only for a size that the gauge values can be told apart at.
bool SizeDrawable(double nominalMm) {
    return nominalMm > kMinNominalMm;
}

// A limit of size of the workpiece; a deviation that is not available puts the line at N.
double LimitLineMm(double nominalMm, double deviationMm) {
    return IsNotAvailable(deviationMm) ? nominalMm : nominalMm + deviationMm;
}

// The lower deviation belongs to the same class: when the upper one is not available the lower one
// carries no meaning either.
double LowerLimitLineMm(double nominalMm, double upperDeviationMm, double lowerDeviationMm) {
    return IsNotAvailable(upperDeviationMm) ? nominalMm : nominalMm + lowerDeviationMm;
}

void AddZones(GaugeSchema& schema, std::span<const ZoneSpec> specs, const AllGauges& gauges,
              const GaugeInputs& in, bool inchMode) {
    for (const ZoneSpec& spec : specs) {
        SchemaZone zone;
        zone.X0 = spec.X0;
        zone.X1 = spec.X1;
        zone.Tile = spec.Tile;
        zone.TextKey = spec.TextKey;
        zone.ShowsLimitValues = spec.TextKey == 0;
        zone.Collapsed = !(gauges.Available(spec.Of) && SizeDrawable(in.NominalSize));
        const GaugeDims& dims = gauges.Of(spec.Of);
        const double upperMm = zone.Collapsed ? in.NominalSize : EdgeOf(dims, spec.Top);
        const double lowerMm = zone.Collapsed ? in.NominalSize : EdgeOf(dims, spec.Bottom);
        zone.UpperSize = SchemaSize(upperMm, inchMode);
        zone.LowerSize = SchemaSize(lowerMm, inchMode);
        schema.Charts[spec.Chart].Zones.push_back(zone);
    }
}

double NiceStep(double rawStep) {
    const double magnitude = std::pow(10.0, std::floor(std::log10(rawStep)));
    const double fraction = rawStep / magnitude;
    const double nice = fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10;
    return nice * magnitude;
}

}  // namespace

const HatchTileSpec& HatchTileOf(HatchTile tile) {
    return kHatchTiles[static_cast<int>(tile)];
}

bool HatchTilePixelSet(HatchTile tile, int x, int y) {
    if (x < 0 || y < 0 || x >= kHatchTileSizePx || y >= kHatchTileSizePx) {
        return false;
    }
    return HatchTileOf(tile).FromTopLeft ? x == y : x + y == kHatchTileSizePx - 1;
}

double SchemaSize(double sizeMm, bool inchMode) {
    return inchMode ? RoundField(sizeMm / kMmPerInch, 6) : sizeMm;
}

std::optional<GaugeSchema> BuildGaugeSchema(ResultPage page, const GaugeInputs& in, bool inchMode) {
    if (page == ResultPage::Workpiece) {
        return std::nullopt;
    }
    const AllGauges gauges{ComputeHoleGauges(in), ComputeShaftGauges(in),
                           ComputeSettingMasters(in)};
    const double n = in.NominalSize;
    GaugeSchema schema;
    schema.Page = page;
    schema.InchMode = inchMode;
    switch (page) {
        case ResultPage::HoleGauges:
            schema.TitleKey = text::kHoleGaugesPage;
            schema.LeftCaptionKey = text::kPlug;
            schema.RightCaptionKey = text::kSphericalPlug;
            schema.Charts.resize(2);
            schema.Charts[0].Lines.push_back(SchemaSize(LimitLineMm(n, in.HoleES), inchMode));
            schema.Charts[1].Lines.push_back(
                SchemaSize(LowerLimitLineMm(n, in.HoleES, in.HoleEI), inchMode));
            AddZones(schema, kHoleZones, gauges, in, inchMode);
            break;
        case ResultPage::ShaftGauges:
            schema.TitleKey = text::kShaftGaugesPage;
            schema.LeftCaptionKey = text::kRing;
            schema.RightCaptionKey = text::kCheckPlug;
            schema.Charts.resize(2);
            schema.Charts[0].Lines.push_back(SchemaSize(LimitLineMm(n, in.ShaftEs), inchMode));
            schema.Charts[1].Lines.push_back(
                SchemaSize(LowerLimitLineMm(n, in.ShaftEs, in.ShaftEi), inchMode));
            AddZones(schema, kShaftZones, gauges, in, inchMode);
            break;
        case ResultPage::SettingMasters:
            schema.TitleKey = text::kMastersPage;
            schema.LeftCaptionKey = text::kRing;
            schema.RightCaptionKey = text::kPlug;
            schema.AxisDecimals = 5;
            schema.AxisDropsTrailingZeros = true;
            schema.Charts.resize(1);
            schema.Charts[0].Lines.push_back(SchemaSize(n, inchMode));
            AddZones(schema, kMasterZones, gauges, in, inchMode);
            break;
        case ResultPage::Workpiece:
            break;
    }
    return schema;
}

std::string SchemaLimitLabel(double value, char decimalSeparator) {
    std::string label = FormatFixed(value, 5, decimalSeparator);
    const std::size_t separator = label.find(decimalSeparator);
    if (separator != std::string::npos) {
        const std::size_t lastDigit = label.find_last_not_of('0');
        label.erase(lastDigit == separator ? separator : lastDigit + 1);
    }
    return label == "-0" ? "0" : label;
}

std::string SchemaAxisLabel(const GaugeSchema& schema, double value, char decimalSeparator) {
    if (schema.AxisDropsTrailingZeros) {
        return SchemaLimitLabel(value, decimalSeparator);
    }
    return FormatFixed(value, schema.AxisDecimals, decimalSeparator);
}

SchemaAxis ScaleSchemaAxis(const SchemaChart& chart, int labelDecimals) {
    std::vector<double> values = chart.Lines;
    for (const SchemaZone& zone : chart.Zones) {
        values.push_back(zone.UpperSize);
        values.push_back(zone.LowerSize);
    }
    if (values.empty()) {
        return {};
    }
    const auto [lowIt, highIt] = std::minmax_element(values.begin(), values.end());
    const double finestStep = std::pow(10.0, -labelDecimals);
    // A margin keeps the outermost line and zone edge off the border of the chart; a chart whose
    // zones all collapsed onto one size still gets a few grid lines around it.
    const double margin = std::max((*highIt - *lowIt) * 0.1, 2 * finestStep);
    const double low = *lowIt - margin;
    const double high = *highIt + margin;
    constexpr double kWantedSteps = 5;
    const double step = std::max(NiceStep((high - low) / kWantedSteps), finestStep);
    // The small allowance keeps a bound that is a whole step from moving a further step out.
    constexpr double kAllowance = 1e-9;
    SchemaAxis axis;
    axis.Step = step;
    axis.Min = std::floor(low / step + kAllowance) * step;
    axis.Max = std::ceil(high / step - kAllowance) * step;
    return axis;
}

}  // namespace kelvo
