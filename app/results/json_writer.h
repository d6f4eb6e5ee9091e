// A small writer of JSON text, indented by two blanks per level. Strings are
// escaped; bytes that are not UTF-8 are taken as Latin-1, so that any file
// name or report line makes valid JSON.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace keldra::results {

class JsonWriter {
  public:
    void BeginObject() { Begin('{'); }
    void EndObject() { End('}'); }
    void BeginArray() { Begin('['); }
    void EndArray() { End(']'); }
    // The name of the next member of the current object.
    void Key(std::string_view key);

    void String(std::string_view text);
    // A number already in JSON's form, or "null".
    void Number(std::string_view number);
    void Integer(long long value);
    void Bool(bool value);
    void Null();

    // The document, ended by a line break.
    [[nodiscard]] std::string Text() const { return out_ + "\n"; }

  private:
    void Begin(char bracket);
    void End(char bracket);
    void BeforeValue();
    void NewItem();

    std::string out_;
    std::vector<int> items_;  // per open object or array: the items so far
    bool after_key_ = false;
};

// `text` as a JSON string, quotes included.
[[nodiscard]] std::string JsonString(std::string_view text);

}  // namespace keldra::results
