#pragma once
// A minimal streaming JSON writer: objects, keys and scalar values appended to a string, compact.
// The batch writes a hundred thousand result objects; building a document tree for each would
// cost more than the whole calculation.

#include <string>
#include <string_view>

namespace kelvo::cli {

class JsonWriter {
  public:
    explicit JsonWriter(std::string& text) : text_(text) {}

    void BeginObject();
    void EndObject();
    // Writes the key of the next member; a value call must follow.
    void Key(std::string_view key);

    // The shortest text that reads back as the same double; a computed -0 is written as 0 and a
    // value that JSON cannot carry (infinite, NaN) as null.
    void Number(double value);
    void Integer(long long value);
    void Bool(bool value);
    void Null();
    // Escapes quotes, backslashes and control characters; other bytes are copied, so the text
    // must be UTF-8.
    void String(std::string_view value);

  private:
    void BeforeValue();

    std::string& text_;
    bool needsComma_ = false;
};

}  // namespace kelvo::cli
