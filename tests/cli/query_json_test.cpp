#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/evaluation.h"
#include "cli/json_output.h"

namespace kelvo::cli {
namespace {

Json QueryJson(double sizeMm, const std::string& designation) {
    const Checked<Designation> parsed = ParseDesignation(designation);
    EXPECT_TRUE(parsed.Value.has_value()) << parsed.Error;
    return QueryToJson(Evaluate(sizeMm, *parsed.Value));
}

std::vector<std::string> Keys(const Json& object) {
    std::vector<std::string> keys;
    for (const auto& item : object.items()) {
        keys.push_back(item.key());
    }
    return keys;
}

void ExpectGauge(Json gauge, double nominalMm, double halfToleranceMm, double upperMm,
                 double lowerMm, const Json& wearLimitMm, double formMm) {
    EXPECT_NEAR(gauge["nominal_mm"].get<double>(), nominalMm, 1e-12) << gauge;
    EXPECT_NEAR(gauge["half_tolerance_mm"].get<double>(), halfToleranceMm, 1e-12) << gauge;
    EXPECT_NEAR(gauge["upper_mm"].get<double>(), upperMm, 1e-12) << gauge;
    EXPECT_NEAR(gauge["lower_mm"].get<double>(), lowerMm, 1e-12) << gauge;
    if (wearLimitMm.is_null()) {
        EXPECT_TRUE(gauge["wear_limit_mm"].is_null()) << gauge;
    } else {
        EXPECT_NEAR(gauge["wear_limit_mm"].get<double>(), wearLimitMm.get<double>(), 1e-12);
    }
    EXPECT_NEAR(gauge["form_tolerance_mm"].get<double>(), formMm, 1e-12) << gauge;
}

TEST(QueryJson, FitH7g6At10HasTheDeviationsAndTheClearanceFit) {
    Json json = QueryJson(10, "H7/g6");
    EXPECT_EQ(Keys(json), (std::vector<std::string>{
                              "size_mm", "fit", "hole", "shaft", "fit_type", "max_mm", "min_mm",
                              "tolerance_mm", "hole_gauges", "shaft_gauges", "setting_masters"}));
    EXPECT_EQ(json["size_mm"], 10.0);
    EXPECT_EQ(json["fit"], "H7/g6");

    Json& hole = json["hole"];
    EXPECT_EQ(Keys(hole),
              (std::vector<std::string>{"class", "kind", "available", "it_mm", "upper_mm",
                                        "lower_mm", "upper_limit_mm", "lower_limit_mm"}));
    EXPECT_EQ(hole["class"], "H7");
    EXPECT_EQ(hole["kind"], "hole");
    EXPECT_EQ(hole["available"], true);
    EXPECT_DOUBLE_EQ(hole["it_mm"].get<double>(), 0.015);
    EXPECT_DOUBLE_EQ(hole["upper_mm"].get<double>(), 0.015);
    EXPECT_DOUBLE_EQ(hole["lower_mm"].get<double>(), 0.0);
    EXPECT_DOUBLE_EQ(hole["upper_limit_mm"].get<double>(), 10.015);
    EXPECT_DOUBLE_EQ(hole["lower_limit_mm"].get<double>(), 10.0);

    Json& shaft = json["shaft"];
    EXPECT_EQ(shaft["class"], "g6");
    EXPECT_EQ(shaft["kind"], "shaft");
    EXPECT_DOUBLE_EQ(shaft["it_mm"].get<double>(), 0.009);
    EXPECT_DOUBLE_EQ(shaft["upper_mm"].get<double>(), -0.005);
    EXPECT_DOUBLE_EQ(shaft["lower_mm"].get<double>(), -0.014);
    EXPECT_DOUBLE_EQ(shaft["upper_limit_mm"].get<double>(), 9.995);
    EXPECT_DOUBLE_EQ(shaft["lower_limit_mm"].get<double>(), 9.986);

    EXPECT_EQ(json["fit_type"], "clearance");
    EXPECT_DOUBLE_EQ(json["max_mm"].get<double>(), 0.029);
    EXPECT_DOUBLE_EQ(json["min_mm"].get<double>(), 0.005);
    EXPECT_DOUBLE_EQ(json["tolerance_mm"].get<double>(), 0.024);

    EXPECT_EQ(Keys(json["hole_gauges"]),
              (std::vector<std::string>{"available", "go_plug", "no_go_plug", "go_spherical",
                                        "no_go_spherical"}));
    EXPECT_EQ(Keys(json["shaft_gauges"]),
              (std::vector<std::string>{"available", "go_ring", "no_go_ring", "go_check_plug",
                                        "wear_check_plug", "no_go_check_plug"}));
    EXPECT_EQ(Keys(json["setting_masters"]),
              (std::vector<std::string>{"ring_available", "plug_available", "setting_ring",
                                        "setting_plug"}));
    EXPECT_EQ(Keys(json["hole_gauges"]["go_plug"]),
              (std::vector<std::string>{"nominal_mm", "half_tolerance_mm", "upper_mm", "lower_mm",
                                        "wear_limit_mm", "form_tolerance_mm"}));
    EXPECT_EQ(json["hole_gauges"]["available"], true);
    EXPECT_EQ(json["shaft_gauges"]["available"], true);
}

TEST(QueryJson, ClassWithoutValueAtTheSizeIsUnavailableWithNulls) {
    Json json = QueryJson(10, "T7");
    EXPECT_EQ(Keys(json),
              (std::vector<std::string>{"size_mm", "class", "kind", "available", "it_mm",
                                        "upper_mm", "lower_mm", "upper_limit_mm", "lower_limit_mm",
                                        "hole_gauges", "setting_masters"}));
    EXPECT_EQ(json["class"], "T7");
    EXPECT_EQ(json["kind"], "hole");
    EXPECT_EQ(json["available"], false);
    for (const char* key : {"it_mm", "upper_mm", "lower_mm", "upper_limit_mm", "lower_limit_mm"}) {
        EXPECT_TRUE(json[key].is_null()) << key;
    }
    EXPECT_EQ(json["hole_gauges"]["available"], false);
    for (const char* gauge : {"go_plug", "no_go_plug", "go_spherical", "no_go_spherical"}) {
        for (const auto& item : json["hole_gauges"][gauge].items()) {
            EXPECT_TRUE(item.value().is_null()) << gauge << "." << item.key();
        }
    }
    // A hole class brings the setting ring only, and without a hole there is no ring.
    EXPECT_EQ(Keys(json["setting_masters"]),
              (std::vector<std::string>{"ring_available", "setting_ring"}));
    EXPECT_EQ(json["setting_masters"]["ring_available"], false);
    EXPECT_TRUE(json["setting_masters"]["setting_ring"]["nominal_mm"].is_null());
}

TEST(QueryJson, HoleClassGivesPlugGaugesAndSettingRing) {
    // ISO/R 1938 plug gauges for H7 at 25 mm (grade-7 row up to 30 mm) and the DIN 2250 ring.
    Json json = QueryJson(25, "H7");
    Json& gauges = json["hole_gauges"];
    ASSERT_EQ(gauges["available"], true);
    ExpectGauge(gauges["go_plug"], 25.003, 0.002, 25.005, 25.001, 24.997, 0.0025);
    ExpectGauge(gauges["no_go_plug"], 25.021, 0.002, 25.023, 25.019, nullptr, 0.0025);
    ExpectGauge(gauges["go_spherical"], 25.003, 0.00125, 25.00425, 25.00175, 24.997, 0.0015);
    ExpectGauge(gauges["no_go_spherical"], 25.021, 0.00125, 25.02225, 25.01975, nullptr, 0.0015);
    EXPECT_FALSE(json.contains("shaft_gauges"));
    ASSERT_EQ(json["setting_masters"]["ring_available"], true);
    ExpectGauge(json["setting_masters"]["setting_ring"], 25, 0.002, 25.002, 24.998, nullptr,
                0.0006);
}

TEST(QueryJson, ShaftClassGivesRingGaugesCheckPlugsAndSettingPlug) {
    Json json = QueryJson(25, "g6");
    EXPECT_EQ(json["kind"], "shaft");
    EXPECT_FALSE(json.contains("hole_gauges"));
    Json& gauges = json["shaft_gauges"];
    ASSERT_EQ(gauges["available"], true);
    ExpectGauge(gauges["go_ring"], 24.990, 0.002, 24.992, 24.988, 24.996, 0.0025);
    ExpectGauge(gauges["no_go_ring"], 24.980, 0.002, 24.982, 24.978, nullptr, 0.0025);
    ExpectGauge(gauges["go_check_plug"], 24.990, 0.00075, 24.99075, 24.98925, nullptr, 0.0015);
    ExpectGauge(gauges["wear_check_plug"], 24.996, 0.00075, 24.99675, 24.99525, nullptr, 0.0015);
    ExpectGauge(gauges["no_go_check_plug"], 24.980, 0.00075, 24.98075, 24.97925, nullptr, 0.0015);
    EXPECT_EQ(Keys(json["setting_masters"]),
              (std::vector<std::string>{"plug_available", "setting_plug"}));
    ExpectGauge(json["setting_masters"]["setting_plug"], 25, 0.00075, 25.00075, 24.99925, nullptr,
                0.0015);
}

TEST(QueryJson, FitTypesFollowTheDeviations) {
    const struct {
        const char* Fit;
        const char* Type;
        double MaxMm, MinMm, ToleranceMm;
    } cases[] = {{"H7/k6", "transition", 0.014, 0.010, 0.024},
                 {"H7/s6", "interference", 0.032, 0.008, 0.024},
                 {"H7/h6", "clearance", 0.024, 0.0, 0.024}};
    for (const auto& c : cases) {
        Json json = QueryJson(10, c.Fit);
        EXPECT_EQ(json["fit_type"], c.Type) << c.Fit;
        EXPECT_NEAR(json["max_mm"].get<double>(), c.MaxMm, 1e-12) << c.Fit;
        EXPECT_NEAR(json["min_mm"].get<double>(), c.MinMm, 1e-12) << c.Fit;
        EXPECT_NEAR(json["tolerance_mm"].get<double>(), c.ToleranceMm, 1e-12) << c.Fit;
    }
}

TEST(QueryJson, FitWithOneSideUnavailableHasNoFitValues) {
    Json json = QueryJson(10, "T7/g6");
    EXPECT_EQ(json["hole"]["available"], false);
    EXPECT_EQ(json["shaft"]["available"], true);
    for (const char* key : {"fit_type", "max_mm", "min_mm", "tolerance_mm"}) {
        EXPECT_TRUE(json[key].is_null()) << key;
    }
    EXPECT_EQ(json["hole_gauges"]["available"], false);
    EXPECT_EQ(json["shaft_gauges"]["available"], true);
    EXPECT_EQ(json["setting_masters"]["ring_available"], false);
    EXPECT_EQ(json["setting_masters"]["plug_available"], true);
}

TEST(QueryJson, GradeNotDefinedAtTheSizeIsUnavailable) {
    // IT3 has no value at 5000 mm: IT 0 shows "N" although no sentinel is set.
    Json json = QueryJson(5000, "H3");
    EXPECT_EQ(json["available"], false);
    EXPECT_TRUE(json["it_mm"].is_null());
    EXPECT_EQ(QueryJson(5000, "H7")["available"], true);
}

TEST(QueryJson, GaugesStopAbove500mm) {
    Json at500 = QueryJson(500, "H7/g6");
    EXPECT_EQ(at500["hole_gauges"]["available"], true);
    EXPECT_EQ(at500["setting_masters"]["plug_available"], true);
    Json json = QueryJson(500.001, "H7/g6");
    EXPECT_EQ(json["hole"]["available"], true);
    EXPECT_EQ(json["fit_type"], "clearance");
    EXPECT_EQ(json["hole_gauges"]["available"], false);
    EXPECT_EQ(json["shaft_gauges"]["available"], false);
    EXPECT_EQ(json["setting_masters"]["ring_available"], false);
    EXPECT_EQ(json["setting_masters"]["plug_available"], false);
    EXPECT_TRUE(json["shaft_gauges"]["go_ring"]["nominal_mm"].is_null());
}

TEST(QueryJson, ClassValuesAreNotShownOnTheSizeLimitsThemselves) {
    // The workpiece values show "N" at exactly 0.001 mm and 10000 mm; just inside they exist.
    EXPECT_EQ(QueryJson(10000, "H11")["available"], false);
    EXPECT_EQ(QueryJson(0.001, "H7")["available"], false);
    EXPECT_EQ(QueryJson(9999.99, "H11")["available"], true);
    EXPECT_EQ(QueryJson(0.0011, "H7")["available"], true);
}

}  // namespace
}  // namespace kelvo::cli
