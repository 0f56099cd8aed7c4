#include "cli/json_writer.h"

#include <array>
#include <charconv>
#include <cmath>

namespace kelvo::cli {

void JsonWriter::BeforeValue() {
    if (needsComma_) {
        text_ += ',';
    }
    needsComma_ = true;
}

void JsonWriter::BeginObject() {
    BeforeValue();
    text_ += '{';
    needsComma_ = false;
}

void JsonWriter::EndObject() {
    text_ += '}';
    needsComma_ = true;
}

void JsonWriter::Key(std::string_view key) {
    String(key);
    text_ += ':';
    needsComma_ = false;
}

void JsonWriter::Number(double value) {
    if (!std::isfinite(value)) {
        Null();
        return;
    }
    BeforeValue();
    std::array<char, 32> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value == 0 ? 0.0 : value);
    text_.append(buffer.data(), result.ptr);
}

void JsonWriter::Integer(long long value) {
    BeforeValue();
    text_ += std::to_string(value);
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    text_ += value ? "true" : "false";
}

void JsonWriter::Null() {
    BeforeValue();
    text_ += "null";
}

void JsonWriter::String(std::string_view value) {
    BeforeValue();
    text_ += '"';
    for (const char character : value) {
        const auto code = static_cast<unsigned char>(character);
        if (character == '"' || character == '\\') {
            text_ += '\\';
            text_ += character;
        } else if (code < 0x20) {
            constexpr std::string_view kHex = "0123456789abcdef";
            text_ += "\\u00";
            text_ += kHex[code >> 4];
            text_ += kHex[code & 0xF];
        } else {
            text_ += character;
        }
    }
    text_ += '"';
}

}  // namespace kelvo::cli
