#include "app/results/summary_json.h"

#include <string>
#include <vector>

namespace keldra::results {

namespace {

void WriteStrings(JsonWriter& json, const char* key, const std::vector<std::string>& texts) {
    json.Key(key);
    json.BeginArray();
    for (const std::string& text : texts) json.String(text);
    json.EndArray();
}

// "value", "unit" and, when the value is null, "note".
void WriteQuantityMembers(JsonWriter& json, const Quantity& q, const std::string& unit) {
    json.Key("value");
    json.Number(ShortestText(q.figure));
    json.Key("unit");
    json.String(unit);
    if (!q.note.empty()) {
        json.Key("note");
        json.String(q.note);
    }
}

// {"value": 0.01114, "unit": "M"}
void WriteQuantity(JsonWriter& json, const char* key, const Quantity& q, const std::string& unit) {
    json.Key(key);
    json.BeginObject();
    WriteQuantityMembers(json, q, unit);
    json.EndObject();
}

// {"value": 76.57, "unit": "KN-M", "station": 32, "depth": {"value": 8, "unit": "M"}}
void WriteExtreme(JsonWriter& json, const char* key, const Extreme& e, const std::string& unit,
                  const std::string& length) {
    json.Key(key);
    json.BeginObject();
    WriteQuantityMembers(json, e.value, unit);
    json.Key("station");
    if (e.station >= 0)
        json.Integer(e.station);
    else
        json.Null();
    WriteQuantity(json, "depth", e.depth, length);
    json.EndObject();
}

void WriteTiebacks(JsonWriter& json, const ProblemSummary& p) {
    json.Key("tiebacks");
    json.BeginArray();
    for (const TiebackForce& t : p.tiebacks) {
        json.BeginObject();
        json.Key("station");
        json.Integer(t.station);
        WriteQuantity(json, "depth", t.depth, p.units.length);
        WriteQuantity(json, "stiffness", t.stiffness, p.units.stiffness);
        WriteQuantity(json, "deflection", t.deflection, p.units.length);
        WriteQuantity(json, "force", t.force, p.units.force);
        json.EndObject();
    }
    json.EndArray();
}

void WriteUnits(JsonWriter& json, const Units& u) {
    json.Key("units");
    json.BeginObject();
    for (const auto& [key, label] : {std::pair{"length", &u.length},
                                     {"force", &u.force},
                                     {"moment", &u.moment},
                                     {"stiffness", &u.stiffness}}) {
        json.Key(key);
        json.String(*label);
    }
    json.EndObject();
}

void WriteProblem(JsonWriter& json, const ProblemSummary& p) {
    const Units& u = p.units;
    json.BeginObject();
    json.Key("label");
    json.String(p.label);
    json.Key("iterations");
    json.Integer(p.iterations);
    json.Key("closed");
    json.Bool(p.closed);
    WriteStrings(json, "warnings", p.warnings);
    WriteUnits(json, u);
    json.Key("increments");
    json.Integer(p.increments);
    WriteQuantity(json, "increment_length", p.increment_length, u.length);
    WriteQuantity(json, "free_height", p.free_height, u.length);
    WriteQuantity(json, "wall_length", p.wall_length, u.length);
    WriteQuantity(json, "embedment", p.embedment, u.length);
    WriteQuantity(json, "top_deflection", p.top_deflection, u.length);
    WriteExtreme(json, "largest_deflection", p.deflection, u.length, u.length);
    WriteExtreme(json, "largest_moment", p.moment, u.moment, u.length);
    WriteExtreme(json, "largest_shear", p.shear, u.force, u.length);
    WriteExtreme(json, "largest_soil_reaction", p.reaction, u.force, u.length);
    WriteTiebacks(json, p);
    WriteStrings(json, "notes", p.notes);
    json.EndObject();
}

}  // namespace

void WriteSummaryMembers(JsonWriter& json, const ResultsSummary& summary) {
    json.Key("ended");
    json.Bool(summary.ended);
    WriteStrings(json, "stop", summary.stop);
    json.Key("problems");
    json.BeginArray();
    for (const ProblemSummary& p : summary.problems) WriteProblem(json, p);
    json.EndArray();
}

}  // namespace keldra::results
