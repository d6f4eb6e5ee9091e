#include "app/run/report_summary.h"

#include <cmath>
#include <cstdlib>

namespace keldra::run {

namespace {

// Columns of a station line: 2X, I4, 2X, E10.3 x, then 6E12.3.
constexpr std::size_t kXColumn = 8, kXWidth = 10, kValueColumn = 18, kValueWidth = 12;
enum Column { kDeflection = 0, kSlope = 1, kMoment = 2, kShear = 3 };

// Columns of the unit line: 12X, A3 L, 9X, A3 L, 19X, moment (6), 7X, A4 F.
constexpr std::size_t kLengthUnit = 12, kMomentUnit = 46, kForceUnit = 59;

bool StartsWith(const std::string& line, const char* prefix) { return line.rfind(prefix, 0) == 0; }

std::string Trimmed(const std::string& line) {
    const std::size_t first = line.find_first_not_of(' ');
    const std::size_t last = line.find_last_not_of(" \r");
    return first == std::string::npos ? std::string() : line.substr(first, last - first + 1);
}

// A number of a fixed-layout field with the text the report gives it.
struct Number {
    double value = 0.0;
    std::string text;
};

bool ParseField(const std::string& line, std::size_t column, std::size_t width, Number& number) {
    if (line.size() < column + width) return false;
    number.text = Trimmed(line.substr(column, width));
    char* end = nullptr;
    number.value = std::strtod(number.text.c_str(), &end);
    return end != number.text.c_str() && std::isfinite(number.value);
}

bool IsStationLine(const std::string& line) {
    Number x;
    return line.size() >= kValueColumn + 6 * kValueWidth && ParseField(line, kXColumn, kXWidth, x);
}

void Track(Extreme& extreme, const Number& value, const Number& depth) {
    if (std::fabs(value.value) > std::fabs(extreme.value))
        extreme = {value.value, depth.value, value.text, depth.text};
}

std::string Field(const std::string& line, std::size_t column, std::size_t width) {
    std::string text = line.size() > column ? line.substr(column, width) : std::string();
    std::string compact;
    for (char c : text) {
        if (c != ' ') compact += c;
    }
    return compact;
}

std::string LabelOf(const std::string& heading) {
    const std::size_t stage = heading.find("Stage No :");
    if (stage != std::string::npos) return "stage " + Trimmed(heading.substr(stage + 10, 2));
    if (heading.find("Long Term :") != std::string::npos) return "long term";
    return "analysis";
}

}  // namespace

RunSummary SummariseReport(std::istream& report) {
    RunSummary summary;
    std::vector<std::string> lines;
    for (std::string line; std::getline(report, line);) lines.push_back(line);

    std::string heading;
    ProblemSummary* current = nullptr;
    bool in_table = false;
    std::size_t end_line = lines.size();
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string& line = lines[n];
        if (StartsWith(line, "      Stage No :") || StartsWith(line, "      Long Term :"))
            heading = line;
        if (StartsWith(line, "     END OF ANALYSIS")) {
            summary.ended = true;
            end_line = n;
            break;
        }
        if (StartsWith(line, "     RESULTS -- ITERATION")) {
            summary.problems.push_back({});
            current = &summary.problems.back();
            current->label = LabelOf(heading);
            current->iterations = std::atoi(line.c_str() + 25);
            if (current->label == "long term" && summary.problems.size() >= 2) {
                summary.problems[summary.problems.size() - 2].label = "short term";
            }
            in_table = false;
            continue;
        }
        if (current == nullptr) continue;
        if (StartsWith(line, "     *****")) {
            current->warnings.push_back(Trimmed(line));
            if (line.find("EXCEEDED") != std::string::npos ||
                line.find("NOT CLOSED") != std::string::npos) {
                current->closed = false;
            }
        } else if (StartsWith(line, "   STA I      X") && n + 1 < lines.size()) {
            const std::string& units = lines[n + 1];
            summary.units = {Field(units, kLengthUnit, 3), Field(units, kMomentUnit, 6),
                             Field(units, kForceUnit, 4)};
        } else if (StartsWith(line, "   ------")) {
            in_table = true;
        } else if (in_table && IsStationLine(line)) {
            Number x, v;
            (void)ParseField(line, kXColumn, kXWidth, x);
            if (ParseField(line, kValueColumn + kDeflection * kValueWidth, kValueWidth, v))
                Track(current->deflection, v, x);
            if (ParseField(line, kValueColumn + kMoment * kValueWidth, kValueWidth, v))
                Track(current->moment, v, x);
            if (ParseField(line, kValueColumn + kShear * kValueWidth, kValueWidth, v))
                Track(current->shear, v, x);
        } else {
            in_table = false;
        }
    }
    // A run that ended normally has the last results table right before the
    // closing lines; otherwise the last block of text is the stop message.
    std::size_t last = end_line;
    while (last > 0 && Trimmed(lines[last - 1]).empty()) --last;
    if (last > 0 && IsStationLine(lines[last - 1])) return summary;
    std::size_t first = last;
    while (first > 0 && !(Trimmed(lines[first - 1]).empty() && first >= 2 &&
                          Trimmed(lines[first - 2]).empty())) {
        --first;
    }
    for (std::size_t n = first; n < last; ++n) {
        if (!Trimmed(lines[n]).empty()) summary.stop.push_back(Trimmed(lines[n]));
    }
    if (summary.stop.empty()) summary.stop.push_back("the report ends without results");
    return summary;
}

}  // namespace keldra::run
