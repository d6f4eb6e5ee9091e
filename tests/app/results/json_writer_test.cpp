#include "app/results/json_writer.h"

#include <gtest/gtest.h>

namespace keldra::results {

TEST(JsonWriter, NestsObjectsAndArraysWithIndentation) {
    JsonWriter json;
    json.BeginObject();
    json.Key("name");
    json.String("wall");
    json.Key("values");
    json.BeginArray();
    json.Number("0.25");
    json.Null();
    json.BeginObject();
    json.Key("closed");
    json.Bool(true);
    json.EndObject();
    json.EndArray();
    json.Key("empty");
    json.BeginArray();
    json.EndArray();
    json.Key("none");
    json.BeginObject();
    json.EndObject();
    json.Key("count");
    json.Integer(-3);
    json.EndObject();
    EXPECT_EQ(json.Text(),
              "{\n"
              "  \"name\": \"wall\",\n"
              "  \"values\": [\n"
              "    0.25,\n"
              "    null,\n"
              "    {\n"
              "      \"closed\": true\n"
              "    }\n"
              "  ],\n"
              "  \"empty\": [],\n"
              "  \"none\": {},\n"
              "  \"count\": -3\n"
              "}\n");
}

TEST(JsonWriter, EscapesEveryStringIntoValidJson) {
    const struct {
        const char* text;
        const char* json;
    } cases[] = {
        {"say \"no\"", R"("say \"no\"")"},
        {"C:\\walls", R"("C:\\walls")"},
        {"line\nbreak\ttab\rreturn", R"("line\nbreak\ttab\rreturn")"},
        {"\x01 and \x7f", R"("\u0001 and \u007f")"},
        {"d\xC3\xA9j\xC3\xA0 \xE2\x82\xAC \xF0\x9F\x99\x82",
         "\"d\xC3\xA9j\xC3\xA0 \xE2\x82\xAC \xF0\x9F\x99\x82\""},
        // Bytes that are not UTF-8 are read as Latin-1.
        {"caf\xE9", R"("caf\u00e9")"},
        {"\xE2\x82", R"("\u00e2\u0082")"},                      // cut short
        {"\xC0\xAF", R"("\u00c0\u00af")"},                      // overlong
        {"\xED\xA0\x80", R"("\u00ed\u00a0\u0080")"},            // a surrogate
        {"\xF4\x90\x80\x80", R"("\u00f4\u0090\u0080\u0080")"},  // beyond U+10FFFF
    };
    for (const auto& c : cases) EXPECT_EQ(JsonString(c.text), c.json) << c.json;
    EXPECT_EQ(JsonString(std::string_view("nul\0byte", 8)), R"("nul\u0000byte")");
}

}  // namespace keldra::results
