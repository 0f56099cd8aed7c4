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
    // Plain runs are copied whole: the batch writes hundreds of keys and texts per row.
    std::size_t plainStart = 0;
    for (std::size_t index = 0; index < value.size(); ++index) {
        const auto code = static_cast<unsigned char>(value[index]);
        if (code >= 0x20 && code != '"' && code != '\\') {
            continue;
        }
        text_.append(value.substr(plainStart, index - plainStart));
        plainStart = index + 1;
        if (code == '"' || code == '\\') {
            text_ += '\\';
            text_ += value[index];
        } else {
            constexpr std::string_view kHex = "0123456789abcdef";
            text_ += "\\u00";
            text_ += kHex[code >> 4];
            text_ += kHex[code & 0xF];
        }
    }
    text_.append(value.substr(plainStart));
    text_ += '"';
}

}  // namespace kelvo::cli
