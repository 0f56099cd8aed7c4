#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "cli/json_output.h"

namespace kelvo::cli {
namespace {

TEST(JsonWriter, WritesNestedObjectsThatAJsonReaderAccepts) {
    std::string text;
    JsonWriter json(text);
    json.BeginObject();
    json.Key("line");
    json.Integer(7);
    json.Key("name");
    json.String("say \"x\" \\ \n\t\x01");
    json.Key("inner");
    json.BeginObject();
    json.Key("a");
    json.Number(0.015);
    json.Key("b");
    json.Null();
    json.EndObject();
    json.Key("ok");
    json.Bool(false);
    json.EndObject();

    EXPECT_EQ(text,
              "{\"line\":7,\"name\":\"say \\\"x\\\" \\\\ \\u000a\\u0009\\u0001\","
              "\"inner\":{\"a\":0.015,\"b\":null},\"ok\":false}");
    const Json parsed = Json::parse(text);
    EXPECT_EQ(parsed.at("name"), "say \"x\" \\ \n\t\x01");
}

TEST(JsonWriter, NumbersReadBackExactlyAndNeverAsMinusZeroOrNonFinite) {
    const double values[] = {10.015, -0.014, 0.028999999999999998, 1e-7, 9999.99};
    for (const double value : values) {
        std::string text;
        JsonWriter(text).Number(value);
        EXPECT_EQ(Json::parse(text).get<double>(), value) << text;
    }
    const auto written = [](double value) {
        std::string text;
        JsonWriter(text).Number(value);
        return text;
    };
    EXPECT_EQ(written(-0.0), "0");
    EXPECT_EQ(written(std::numeric_limits<double>::infinity()), "null");
    EXPECT_EQ(written(std::numeric_limits<double>::quiet_NaN()), "null");
}

}  // namespace
}  // namespace kelvo::cli
