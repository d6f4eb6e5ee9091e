#include "app/results/report_reader.h"

#include <charconv>
#include <cstdlib>

#include "app/results/text_fields.h"

namespace keldra::results {

namespace {

// A station line: 2X, I4 station, 2X, E10.3 depth, then 6E12.3 deflection,
// slope, moment, shear, net reaction, EI.
constexpr std::size_t kStationColumn = 2, kStationWidth = 4, kDepthColumn = 8, kDepthWidth = 10;
constexpr std::size_t kValueColumn = 18, kValueWidth = 12;
constexpr std::size_t kStationLineLength = kValueColumn + 6 * kValueWidth;
enum StationValue { kDeflectionValue = 0, kMomentValue = 2, kShearValue = 3, kReactionValue = 4 };

// The unit line: 12X, A3 L, 9X, A3 L, 19X, moment (6 columns), 7X, A4 F.
constexpr std::size_t kLengthUnit = 12, kMomentUnit = 46, kForceUnit = 59;

// An echo row of the stiffness and load data: 5X, I4 from, I4 to, I3 CONTD - 1,
// 1X, then 6E10.3 EI, Q, S', T, R, P.
constexpr std::size_t kFromColumn = 5, kToColumn = 9, kStationFieldWidth = 4;
constexpr std::size_t kContdColumn = 13, kContdWidth = 3;
constexpr std::size_t kEchoValueColumn = 17, kEchoValueWidth = 10, kEchoValues = 6;
constexpr std::size_t kStiffnessValue = 2;

// The grid echo: a label up to "= ", then I3 or F7.3.
constexpr const char* kIncrementsLabel =
    "      NUMBER OF INCREMENTS                               = ";
constexpr const char* kIncrementLengthLabel =
    "      INCREMENT LENGTH                                   = ";
constexpr const char* kFreeHeightLabel =
    "      FREE HEIGHT OF WALL                                = ";
constexpr std::size_t kGridValueWidth = 7;

std::string Compact(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (c != ' ') compact += c;
    return compact;
}

// An integer field; absent when blank, false when it holds something else.
bool ReadInteger(std::string_view line, std::size_t column, std::size_t width,
                 std::optional<int>& value) {
    const std::string text = Field(line, column, width);
    value.reset();
    if (text.empty()) return true;
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    value = number;
    return true;
}

bool IsStationLine(std::string_view line) {
    std::optional<int> station;
    return line.size() >= kStationLineLength &&
           ReadInteger(line, kStationColumn, kStationWidth, station) && station.has_value();
}

ResultRow StationRow(std::string_view line) {
    auto value = [&](int k) { return Field(line, kValueColumn + k * kValueWidth, kValueWidth); };
    return RowOf({Field(line, kDepthColumn, kDepthWidth), value(kDeflectionValue),
                  value(kMomentValue), value(kShearValue), value(kReactionValue)});
}

bool ReadEchoRow(std::string_view line, EchoRow& row) {
    std::optional<int> contd;
    if (line.size() < kEchoValueColumn + kEchoValues * kEchoValueWidth ||
        !Trimmed(line.substr(0, kFromColumn)).empty() ||
        !ReadInteger(line, kFromColumn, kStationFieldWidth, row.from) ||
        !ReadInteger(line, kToColumn, kStationFieldWidth, row.to) ||
        !ReadInteger(line, kContdColumn, kContdWidth, contd) || !contd) {
        return false;
    }
    row.lateral_stiffness_text =
        Field(line, kEchoValueColumn + kStiffnessValue * kEchoValueWidth, kEchoValueWidth);
    row.lateral_stiffness = ReadFigure(row.lateral_stiffness_text);
    return true;
}

std::string LabelOf(const std::string& heading) {
    const std::size_t stage = heading.find("Stage No :");
    if (stage != std::string::npos) return "stage " + Trimmed(heading.substr(stage + 10, 2));
    if (heading.find("Long Term :") != std::string::npos) return "long term";
    return "analysis";
}

// What the report echoes of a problem's input before its results.
struct Echo {
    int increments = 0;
    Figure increment_length, free_height;
    std::vector<EchoRow> rows;
    bool in_rows = false;
};

// Reads the echo lines of the wall grid and of the stiffness and load rows;
// false for any other line.
bool ReadEcho(std::string_view line, Echo& echo) {
    if (StartsWith(line, "     FROM TO CONTD     EI")) {
        echo.rows.clear();
        echo.in_rows = true;
        return true;
    }
    if (echo.in_rows) {
        EchoRow row;
        if (ReadEchoRow(line, row)) {
            echo.rows.push_back(row);
            return true;
        }
        // The rows end at the first other line after them.
        if (!echo.rows.empty()) echo.in_rows = false;
    }
    auto grid_value = [&](const char* label) {
        return std::string(line.substr(std::string_view(label).size(), kGridValueWidth));
    };
    if (StartsWith(line, kIncrementsLabel)) {
        echo.increments = std::atoi(grid_value(kIncrementsLabel).c_str());
    } else if (StartsWith(line, kIncrementLengthLabel)) {
        echo.increment_length = ReadFigure(grid_value(kIncrementLengthLabel));
    } else if (StartsWith(line, kFreeHeightLabel)) {
        echo.free_height = ReadFigure(grid_value(kFreeHeightLabel));
    } else {
        return false;
    }
    return true;
}

// The message of a run that stopped: the last block of text before the
// closing lines, when no results table ends the report.
std::vector<std::string> StopMessage(const std::vector<std::string>& lines, std::size_t end_line) {
    std::size_t last = end_line;
    while (last > 0 && Trimmed(lines[last - 1]).empty()) --last;
    if (last > 0 && IsStationLine(lines[last - 1])) return {};
    std::size_t first = last;
    while (first > 0 && !(first >= 2 && Trimmed(lines[first - 1]).empty() &&
                          Trimmed(lines[first - 2]).empty())) {
        --first;
    }
    std::vector<std::string> stop;
    for (std::size_t n = first; n < last; ++n) {
        if (!Trimmed(lines[n]).empty()) stop.push_back(Trimmed(lines[n]));
    }
    if (stop.empty()) stop.push_back("the report ends without results");
    return stop;
}

}  // namespace

ReportContents ReadReport(std::istream& report) {
    ReportContents contents;
    std::vector<std::string> lines;
    for (std::string line; std::getline(report, line);) lines.push_back(line);

    std::string heading;
    Echo echo;
    ReportProblem* current = nullptr;
    bool in_table = false;
    std::size_t end_line = lines.size();
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string& line = lines[n];
        if (StartsWith(line, "      Stage No :") || StartsWith(line, "      Long Term :"))
            heading = line;
        if (StartsWith(line, "     END OF ANALYSIS")) {
            contents.ended = true;
            end_line = n;
            break;
        }
        if (ReadEcho(line, echo)) continue;
        if (StartsWith(line, "     RESULTS -- ITERATION")) {
            current = &contents.problems.emplace_back();
            current->label = LabelOf(heading);
            current->iterations = std::atoi(line.c_str() + 25);
            if (current->label == "long term" && contents.problems.size() >= 2)
                contents.problems[contents.problems.size() - 2].label = "short term";
            current->increments = echo.increments;
            current->increment_length = echo.increment_length;
            current->free_height = echo.free_height;
            current->echo_rows = std::move(echo.rows);
            echo = {};
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
            const std::string_view units = lines[n + 1];
            current->units = {Compact(Field(units, kLengthUnit, 3)),
                              Compact(Field(units, kForceUnit, 4)),
                              Compact(Field(units, kMomentUnit, 6))};
        } else if (StartsWith(line, "   ------")) {
            in_table = true;
        } else if (in_table && IsStationLine(line)) {
            current->stations.push_back(StationRow(line));
        } else {
            in_table = false;
        }
    }
    contents.stop = StopMessage(lines, end_line);
    return contents;
}

}  // namespace keldra::results
