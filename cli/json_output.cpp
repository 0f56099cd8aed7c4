#include "cli/json_output.h"

namespace kelvo::cli {
namespace {

// A computed zero may carry a minus sign (0 * -1); JSON readers would show "-0.0".
Json Number(double valueMm) {
    return valueMm == 0 ? Json(0.0) : Json(valueMm);
}

Json NumberOrNull(bool shown, double valueMm) {
    return shown ? Number(valueMm) : Json(nullptr);
}

Json ClassToJson(const ClassResult& part) {
    const bool shown = part.Shown;
    Json json;
    json["class"] = part.Name;
    json["kind"] = part.PartSide == kelvo::Side::Hole ? "hole" : "shaft";
    json["available"] = shown;
    json["it_mm"] = NumberOrNull(shown, part.Deviations.ItMm);
    json["upper_mm"] = NumberOrNull(shown, part.Deviations.UpperMm);
    json["lower_mm"] = NumberOrNull(shown, part.Deviations.LowerMm);
    json["upper_limit_mm"] = NumberOrNull(shown, part.UpperLimitMm);
    json["lower_limit_mm"] = NumberOrNull(shown, part.LowerLimitMm);
    return json;
}

Json GaugeToJson(bool available, const GaugeDims& gauge) {
    Json json;
    json["nominal_mm"] = NumberOrNull(available, gauge.Nominal);
    json["half_tolerance_mm"] = NumberOrNull(available, gauge.HalfTolerance);
    json["upper_mm"] = NumberOrNull(available, gauge.Upper);
    json["lower_mm"] = NumberOrNull(available, gauge.Lower);
    json["wear_limit_mm"] = NumberOrNull(available && gauge.HasWearLimit, gauge.WearLimit);
    json["form_tolerance_mm"] = NumberOrNull(available, gauge.FormTolerance);
    return json;
}

Json HoleGaugesToJson(const HoleGauges& gauges) {
    const bool available = gauges.Available;
    Json json;
    json["available"] = available;
    json["go_plug"] = GaugeToJson(available, gauges.GoPlug);
    json["no_go_plug"] = GaugeToJson(available, gauges.NoGoPlug);
    json["go_spherical"] = GaugeToJson(available, gauges.GoSpherical);
    json["no_go_spherical"] = GaugeToJson(available, gauges.NoGoSpherical);
    return json;
}

Json ShaftGaugesToJson(const ShaftGauges& gauges) {
    const bool available = gauges.Available;
    Json json;
    json["available"] = available;
    json["go_ring"] = GaugeToJson(available, gauges.GoRing);
    json["no_go_ring"] = GaugeToJson(available, gauges.NoGoRing);
    json["go_check_plug"] = GaugeToJson(available, gauges.GoCheckPlug);
    json["wear_check_plug"] = GaugeToJson(available, gauges.WearCheckPlug);
    json["no_go_check_plug"] = GaugeToJson(available, gauges.NoGoCheckPlug);
    return json;
}

// The masters of the sides queried: the ring goes with a hole, the plug with a shaft.
Json MastersToJson(const QueryResult& query) {
    const SettingMasters& masters = query.MasterSet;
    Json json;
    if (query.Hole) {
        json["ring_available"] = masters.RingAvailable;
    }
    if (query.Shaft) {
        json["plug_available"] = masters.PlugAvailable;
    }
    if (query.Hole) {
        json["setting_ring"] = GaugeToJson(masters.RingAvailable, masters.SettingRing);
    }
    if (query.Shaft) {
        json["setting_plug"] = GaugeToJson(masters.PlugAvailable, masters.SettingPlug);
    }
    return json;
}

void AddFit(Json& json, const QueryResult& query) {
    const bool shown = query.Fit.has_value();
    json["fit"] = query.DesignationText();
    json["hole"] = ClassToJson(*query.Hole);
    json["shaft"] = ClassToJson(*query.Shaft);
    json["fit_type"] = shown ? Json(FitTypeName(query.Fit->Type)) : Json(nullptr);
    json["max_mm"] = shown ? Number(query.Fit->MaxValueMm) : Json(nullptr);
    json["min_mm"] = shown ? Number(query.Fit->MinValueMm) : Json(nullptr);
    json["tolerance_mm"] = shown ? Number(query.Fit->ToleranceMm) : Json(nullptr);
}

}  // namespace

std::string_view FitTypeName(FitType type) {
    switch (type) {
        case FitType::Clearance:
            return "clearance";
        case FitType::Transition:
            return "transition";
        case FitType::Interference:
            return "interference";
    }
    return "";
}

Json QueryToJson(const QueryResult& query) {
    Json json;
    json["size_mm"] = query.SizeMm;
    if (query.IsFit) {
        AddFit(json, query);
    } else {
        json.update(ClassToJson(query.Hole ? *query.Hole : *query.Shaft));
    }
    if (query.Hole) {
        json["hole_gauges"] = HoleGaugesToJson(query.HoleGaugeSet);
    }
    if (query.Shaft) {
        json["shaft_gauges"] = ShaftGaugesToJson(query.ShaftGaugeSet);
    }
    json["setting_masters"] = MastersToJson(query);
    return json;
}

Json ErrorToJson(long long lineNumber, std::string_view message) {
    Json json;
    json["line"] = lineNumber;
    json["error"] = message;
    return json;
}

std::string DumpJsonLine(const Json& json) {
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace kelvo::cli
