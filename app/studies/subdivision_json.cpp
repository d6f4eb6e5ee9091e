#include "app/studies/subdivision_json.h"

#include <cstdio>

#include "app/studies/subdivision_text.h"

namespace keldra::studies {

namespace {

const char* StatusOf(ProblemCheck::Verdict verdict) {
    switch (verdict) {
        case ProblemCheck::Verdict::kCompared:
            return "compared";
        case ProblemCheck::Verdict::kNotApplicable:
            return "not applicable";
        case ProblemCheck::Verdict::kFailed:
            break;
    }
    return "failed";
}

void Percent(results::JsonWriter& json, const char* key, const std::optional<double>& change) {
    json.Key(key);
    if (!change) {
        json.Null();
        return;
    }
    char number[32];
    std::snprintf(number, sizeof number, "%.6g", *change);
    json.Number(number);
}

void WriteProblem(results::JsonWriter& json, const ProblemCheck& check) {
    json.BeginObject();
    json.Key("status");
    json.String(StatusOf(check.verdict));
    json.Key("reason");
    if (check.reason.empty())
        json.Null();
    else
        json.String(check.reason);
    json.Key("layers_split");
    json.Integer(check.layers.split.split);
    json.Key("layers_with_curves");
    json.Integer(check.layers.split.splittable);
    Percent(json, "top_deflection_change_percent", check.deflection_change);
    Percent(json, "max_moment_change_percent", check.moment_change);
    json.Key("warning");
    json.Bool(check.Warns());
    json.Key("lines");
    json.BeginArray();
    for (const std::string& line : CheckLines(check)) json.String(line);
    json.EndArray();
    json.EndObject();
}

}  // namespace

void WriteSubdivisionCheck(results::JsonWriter& json, const SubdivisionCheck& check) {
    json.BeginArray();
    for (const ProblemCheck& problem : check.problems) WriteProblem(json, problem);
    json.EndArray();
}

}  // namespace keldra::studies
