#include "cli/json_output.h"

#include "cli/json_writer.h"

namespace kelvo::cli {
namespace {

void NumberOrNull(JsonWriter& json, bool shown, double valueMm) {
    if (shown) {
        json.Number(valueMm);
    } else {
        json.Null();
    }
}

// The members of a class object, without the braces (a class query writes them at the top).
void WriteClassMembers(JsonWriter& json, const ClassResult& part) {
    const bool shown = part.Shown;
    json.Key("class");
    json.String(part.Name);
    json.Key("kind");
    json.String(part.PartSide == kelvo::Side::Hole ? "hole" : "shaft");
    json.Key("available");
    json.Bool(shown);
    json.Key("it_mm");
    NumberOrNull(json, shown, part.Deviations.ItMm);
    json.Key("upper_mm");
    NumberOrNull(json, shown, part.Deviations.UpperMm);
    json.Key("lower_mm");
    NumberOrNull(json, shown, part.Deviations.LowerMm);
    json.Key("upper_limit_mm");
    NumberOrNull(json, shown, part.UpperLimitMm);
    json.Key("lower_limit_mm");
    NumberOrNull(json, shown, part.LowerLimitMm);
}

void WriteGauge(JsonWriter& json, std::string_view key, bool available, const GaugeDims& gauge) {
    json.Key(key);
    json.BeginObject();
    json.Key("nominal_mm");
    NumberOrNull(json, available, gauge.Nominal);
    json.Key("half_tolerance_mm");
    NumberOrNull(json, available, gauge.HalfTolerance);
    json.Key("upper_mm");
    NumberOrNull(json, available, gauge.Upper);
    json.Key("lower_mm");
    NumberOrNull(json, available, gauge.Lower);
    json.Key("wear_limit_mm");
    NumberOrNull(json, available && gauge.HasWearLimit, gauge.WearLimit);
    json.Key("form_tolerance_mm");
    NumberOrNull(json, available, gauge.FormTolerance);
    json.EndObject();
}

void WriteHoleGauges(JsonWriter& json, const HoleGauges& gauges) {
    const bool available = gauges.Available;
    json.Key("hole_gauges");
    json.BeginObject();
    json.Key("available");
    json.Bool(available);
    WriteGauge(json, "go_plug", available, gauges.GoPlug);
    WriteGauge(json, "no_go_plug", available, gauges.NoGoPlug);
    WriteGauge(json, "go_spherical", available, gauges.GoSpherical);
    WriteGauge(json, "no_go_spherical", available, gauges.NoGoSpherical);
    json.EndObject();
}

void WriteShaftGauges(JsonWriter& json, const ShaftGauges& gauges) {
    const bool available = gauges.Available;
    json.Key("shaft_gauges");
    json.BeginObject();
    json.Key("available");
    json.Bool(available);
    WriteGauge(json, "go_ring", available, gauges.GoRing);
    WriteGauge(json, "no_go_ring", available, gauges.NoGoRing);
    WriteGauge(json, "go_check_plug", available, gauges.GoCheckPlug);
    WriteGauge(json, "wear_check_plug", available, gauges.WearCheckPlug);
    WriteGauge(json, "no_go_check_plug", available, gauges.NoGoCheckPlug);
    json.EndObject();
}

// The masters of the sides queried: the ring goes with a hole, the plug with a shaft.
void WriteMasters(JsonWriter& json, const QueryResult& query) {
    const SettingMasters& masters = query.MasterSet;
    json.Key("setting_masters");
    json.BeginObject();
    if (query.Hole) {
        json.Key("ring_available");
        json.Bool(masters.RingAvailable);
    }
    if (query.Shaft) {
        json.Key("plug_available");
        json.Bool(masters.PlugAvailable);
    }
    if (query.Hole) {
        WriteGauge(json, "setting_ring", masters.RingAvailable, masters.SettingRing);
    }
    if (query.Shaft) {
        WriteGauge(json, "setting_plug", masters.PlugAvailable, masters.SettingPlug);
    }
    json.EndObject();
}

void WriteFitMembers(JsonWriter& json, const QueryResult& query) {
    const bool shown = query.Fit.has_value();
    json.Key("fit");
    json.String(query.DesignationText());
    for (const auto& [key, part] : {std::pair{"hole", &*query.Hole}, {"shaft", &*query.Shaft}}) {
        json.Key(key);
        json.BeginObject();
        WriteClassMembers(json, *part);
        json.EndObject();
    }
    json.Key("fit_type");
    if (shown) {
        json.String(FitTypeName(query.Fit->Type));
    } else {
        json.Null();
    }
    json.Key("max_mm");
    NumberOrNull(json, shown, shown ? query.Fit->MaxValueMm : 0);
    json.Key("min_mm");
    NumberOrNull(json, shown, shown ? query.Fit->MinValueMm : 0);
    json.Key("tolerance_mm");
    NumberOrNull(json, shown, shown ? query.Fit->ToleranceMm : 0);
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

void AppendQueryJson(std::string& text, const QueryResult& query,
                     std::optional<long long> lineNumber) {
    JsonWriter json(text);
    json.BeginObject();
    if (lineNumber) {
        json.Key("line");
        json.Integer(*lineNumber);
    }
    json.Key("size_mm");
    json.Number(query.SizeMm);
    if (query.IsFit) {
        WriteFitMembers(json, query);
    } else {
        WriteClassMembers(json, query.Hole ? *query.Hole : *query.Shaft);
    }
    if (query.Hole) {
        WriteHoleGauges(json, query.HoleGaugeSet);
    }
    if (query.Shaft) {
        WriteShaftGauges(json, query.ShaftGaugeSet);
    }
    WriteMasters(json, query);
    json.EndObject();
}

Json QueryToJson(const QueryResult& query) {
    std::string text;
    AppendQueryJson(text, query);
    return Json::parse(text);
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
