#include "app/results/summary_table.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace keldra::results {

namespace {

struct Cell {
    std::string text;
    std::string note;  // why a value is missing
};

using CellOf = std::function<std::optional<Cell>(const ProblemSummary&)>;  // none: not applicable
using UnitOf = std::string Units::*;

struct RowDefinition {
    std::string quantity;
    UnitOf unit;  // null for counts and words
    CellOf cell;
};

Cell Shown(const Quantity& q) { return {DisplayText(q.figure), q.note}; }

// The warnings without the report's frame of asterisks.
std::optional<Cell> Warnings(const ProblemSummary& p) {
    std::string text;
    for (const std::string& warning : p.warnings) {
        const std::size_t first = warning.find_first_not_of("* ");
        if (first == std::string::npos) continue;
        if (!text.empty()) text += "; ";
        text += warning.substr(first, warning.find_last_not_of("* ") - first + 1);
    }
    return Cell{text.empty() ? "none" : text, {}};
}

std::vector<RowDefinition> Definitions() {
    using P = ProblemSummary;
    auto value = [](Quantity P::*q) {
        return [q](const P& p) -> std::optional<Cell> { return Shown(p.*q); };
    };
    auto largest = [](Extreme P::*e) {
        return [e](const P& p) -> std::optional<Cell> { return Shown((p.*e).value); };
    };
    auto depth = [](Extreme P::*e) {
        return [e](const P& p) -> std::optional<Cell> { return Shown((p.*e).depth); };
    };
    return {
        {"Iterations", nullptr,
         [](const P& p) {
             return Cell{std::to_string(p.iterations), {}};
         }},
        {"Solution", nullptr,
         [](const P& p) {
             return Cell{p.closed ? "closed" : "not closed", {}};
         }},
        {"Warnings", nullptr, Warnings},
        {"Deflection at top", &Units::length, value(&P::top_deflection)},
        {"Largest deflection", &Units::length, largest(&P::deflection)},
        {"Depth of largest deflection", &Units::length, depth(&P::deflection)},
        {"Largest bending moment", &Units::moment, largest(&P::moment)},
        {"Depth of largest moment", &Units::length, depth(&P::moment)},
        {"Largest shear", &Units::force, largest(&P::shear)},
        {"Depth of largest shear", &Units::length, depth(&P::shear)},
        {"Largest soil reaction", &Units::force, largest(&P::reaction)},
        {"Depth of largest soil reaction", &Units::length, depth(&P::reaction)},
        {"Wall length", &Units::length, value(&P::wall_length)},
        {"Free height", &Units::length, value(&P::free_height)},
        {"Embedment below excavation", &Units::length, value(&P::embedment)},
    };
}

// Two rows per tieback, its depth and its force; blank for a problem
// without that tieback.
void AddTiebackDefinitions(std::size_t tiebacks, std::vector<RowDefinition>& rows) {
    for (std::size_t k = 0; k < tiebacks; ++k) {
        auto of = [k](Quantity TiebackForce::*q) {
            return [k, q](const ProblemSummary& p) -> std::optional<Cell> {
                if (k >= p.tiebacks.size()) return std::nullopt;
                return Shown(p.tiebacks[k].*q);
            };
        };
        const std::string name = "Tieback " + std::to_string(k + 1);
        rows.push_back({name + " depth", &Units::length, of(&TiebackForce::depth)});
        rows.push_back({name + " force", &Units::force, of(&TiebackForce::force)});
    }
}

// The row of one quantity. Its unit goes to the unit column when every
// problem has it, else into each cell. A missing value's reason becomes a note.
SummaryTable::Row RowOf(const RowDefinition& definition, const ResultsSummary& summary,
                        std::vector<std::string>& notes) {
    SummaryTable::Row row{definition.quantity, {}, {}};
    std::vector<std::optional<Cell>> cells;
    std::vector<std::string> units;
    for (const ProblemSummary& p : summary.problems) {
        cells.push_back(definition.cell(p));
        units.push_back(definition.unit && cells.back() ? p.units.*definition.unit : "");
    }
    std::vector<std::string> used = units;
    used.erase(std::remove(used.begin(), used.end(), ""), used.end());
    const bool shared =
        std::adjacent_find(used.begin(), used.end(), std::not_equal_to<>()) == used.end();
    if (shared && !used.empty()) row.unit = used.front();
    for (std::size_t k = 0; k < cells.size(); ++k) {
        if (!cells[k]) {
            row.cells.emplace_back();
            continue;
        }
        row.cells.push_back(cells[k]->text + (shared || units[k].empty() ? "" : " " + units[k]));
        if (!cells[k]->note.empty())
            notes.push_back(Capitalised(summary.problems[k].label) + ", " + definition.quantity +
                            ": " + cells[k]->note + ".");
    }
    return row;
}

std::vector<std::string> Notes(const ResultsSummary& summary, std::size_t tiebacks) {
    std::vector<std::string> notes;
    if (!summary.error.empty()) notes.push_back(Capitalised(summary.error) + ".");
    if (!summary.problems.empty())
        notes.push_back("The largest values are those of the largest magnitude, with their sign.");
    if (tiebacks > 0)
        notes.push_back(
            "A tieback's force is its stiffness times the deflection at its station, positive "
            "when the anchor is in tension.");
    for (const ProblemSummary& p : summary.problems)
        for (const std::string& note : p.notes)
            notes.push_back(Capitalised(p.label) + ": " + note + ".");
    if (!summary.stop.empty()) {
        std::string stop = "The run stopped:";
        for (const std::string& line : summary.stop) stop += " " + line;
        notes.push_back(stop);
    }
    return notes;
}

std::string Padded(const std::string& text, std::size_t width, bool right) {
    const std::string pad(width > text.size() ? width - text.size() : 0, ' ');
    return right ? pad + text : text + pad;
}

std::string Line(const std::vector<std::string>& fields, const std::vector<std::size_t>& widths) {
    std::string line;
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (k > 0) line += "  ";
        line += Padded(fields[k], widths[k], k >= 2);  // the values to the right
    }
    return line.substr(0, line.find_last_not_of(' ') + 1) + "\n";
}

// The fields of the header and of every row, in column order.
std::vector<std::vector<std::string>> Lines(const SummaryTable& table) {
    std::vector<std::vector<std::string>> lines{{"Quantity", "Unit"}};
    lines[0].insert(lines[0].end(), table.problems.begin(), table.problems.end());
    for (const SummaryTable::Row& row : table.rows) {
        lines.push_back({row.quantity, row.unit});
        lines.back().insert(lines.back().end(), row.cells.begin(), row.cells.end());
    }
    return lines;
}

std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return text;
}

}  // namespace

std::string Capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

SummaryTable TableOf(const ResultsSummary& summary) {
    SummaryTable table;
    for (const ProblemSummary& p : summary.problems) table.problems.push_back(Capitalised(p.label));
    std::size_t tiebacks = 0;
    for (const ProblemSummary& p : summary.problems)
        tiebacks = std::max(tiebacks, p.tiebacks.size());
    std::vector<RowDefinition> definitions = Definitions();
    AddTiebackDefinitions(tiebacks, definitions);
    table.notes = Notes(summary, tiebacks);
    if (summary.problems.empty()) return table;
    std::vector<std::string> missing;
    for (const RowDefinition& definition : definitions)
        table.rows.push_back(RowOf(definition, summary, missing));
    table.notes.insert(table.notes.end(), missing.begin(), missing.end());
    return table;
}

std::string TableText(const SummaryTable& table) {
    const std::vector<std::vector<std::string>> lines = Lines(table);
    std::vector<std::size_t> widths(lines[0].size(), 0);
    for (const auto& fields : lines)
        for (std::size_t k = 0; k < fields.size(); ++k)
            widths[k] = std::max(widths[k], fields[k].size());
    std::string text;
    if (!table.rows.empty())
        for (const auto& fields : lines) text += Line(fields, widths);
    if (!text.empty() && !table.notes.empty()) text += '\n';
    for (const std::string& note : table.notes) text += note + '\n';
    return text;
}

std::string TableTabSeparated(const SummaryTable& table) {
    std::string text;
    for (const auto& fields : Lines(table)) {
        for (std::size_t k = 0; k < fields.size(); ++k) {
            if (k > 0) text += '\t';
            text += OneLine(fields[k]);
        }
        text += '\n';
    }
    return text;
}

}  // namespace keldra::results
