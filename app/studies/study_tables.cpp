#include "app/studies/study_tables.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace keldra::studies {

namespace {

using results::Figure;

std::string Length(double value) { return QString::number(value, 'g', 10).toStdString(); }

std::string Shown(const Figure& figure, bool csv) {
    if (!figure.known()) return csv ? "" : "n/a";
    return csv ? results::ShortestText(figure) : results::DisplayText(figure);
}

std::string Padded(const std::string& text, std::size_t width) {
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

// A CSV field quoted when it holds a separator, a quote or a line break.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\n\r") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string Aligned(const std::vector<StudyColumn>& columns) {
    std::vector<std::size_t> widths;
    for (const StudyColumn& c : columns) {
        std::size_t width = c.title.size();
        for (const std::string& cell : c.cells) width = std::max(width, cell.size());
        widths.push_back(width);
    }
    auto line = [&](auto cell) {
        std::string text;
        for (std::size_t k = 0; k < columns.size(); ++k) {
            // The project name, last, is left-aligned and not padded.
            text += k + 1 == columns.size() ? cell(k) : Padded(cell(k), widths[k]) + "  ";
        }
        return text + "\n";
    };
    std::string table = line([&](std::size_t k) { return columns[k].title; });
    for (std::size_t row = 0; row < columns.front().cells.size(); ++row)
        table += line([&](std::size_t k) { return columns[k].cells[row]; });
    return table;
}

std::string Csv(const std::vector<StudyColumn>& columns) {
    auto line = [&](auto cell) {
        std::string text;
        for (std::size_t k = 0; k < columns.size(); ++k)
            text += (k > 0 ? "," : "") + CsvField(cell(k));
        return text + "\n";
    };
    std::string csv = line([&](std::size_t k) { return columns[k].title; });
    for (std::size_t row = 0; row < columns.front().cells.size(); ++row)
        csv += line([&](std::size_t k) { return columns[k].cells[row]; });
    return csv;
}

int Decimals(double precision) {
    return std::max(0, static_cast<int>(std::ceil(-std::log10(precision) - 1e-9)));
}

std::string Factor(double factor, double precision) {
    return QString::number(factor, 'f', Decimals(precision)).toStdString();
}

std::string Percent(const std::optional<double>& change, bool csv) {
    if (!change) return csv ? "" : "n/a";
    char text[32];
    std::snprintf(text, sizeof text, csv ? "%.6g" : "%+.1f", *change);
    return text;
}

}  // namespace

std::vector<StudyColumn> EmbedmentColumns(const EmbedmentStudy& study, bool csv) {
    const std::string length = LengthUnit(study.wall.units).toStdString();
    const std::string moment = study.units.moment.empty() ? "?" : study.units.moment;
    const std::string force = study.units.force.empty() ? "?" : study.units.force;
    std::vector<StudyColumn> columns{{"embedment (" + length + ")", {}},
                                     {"wall length (" + length + ")", {}},
                                     {"closed", {}},
                                     {"iterations", {}},
                                     {"top deflection (" + length + ")", {}},
                                     {"max |moment| (" + moment + ")", {}},
                                     {"moment depth (" + length + ")", {}},
                                     {"max |shear| (" + force + ")", {}},
                                     {"shear depth (" + length + ")", {}},
                                     {"project", {}}};
    for (const EmbedmentRow& row : study.rows) {
        const std::string cells[] = {Length(row.embedment),          Length(row.wall_length),
                                     row.closed ? "1" : "0",         std::to_string(row.iterations),
                                     Shown(row.top_deflection, csv), Shown(row.moment, csv),
                                     Shown(row.moment_depth, csv),   Shown(row.shear, csv),
                                     Shown(row.shear_depth, csv),    row.project.toStdString()};
        for (std::size_t k = 0; k < columns.size(); ++k) columns[k].cells.push_back(cells[k]);
    }
    return columns;
}

std::vector<StudyColumn> StrengthColumns(const StrengthStudy& study, double precision) {
    std::vector<StudyColumn> columns{{"factor", {}}, {"closed", {}}, {"project", {}}};
    for (const StrengthRow& row : study.rows) {
        columns[0].cells.push_back(Factor(row.factor, precision));
        columns[1].cells.push_back(row.closed ? "1" : "0");
        columns[2].cells.push_back(row.project.toStdString());
    }
    return columns;
}

std::vector<StudyColumn> LayerColumns(const LayerStudy& study, bool csv) {
    const std::string length = study.units.length.empty() ? "?" : study.units.length;
    const std::string moment = study.units.moment.empty() ? "?" : study.units.moment;
    const std::string force = study.units.force.empty() ? "?" : study.units.force;
    std::vector<StudyColumn> columns{{"splits", {}},     {"closed", {}},
                                     {"iterations", {}}, {"top deflection (" + length + ")", {}},
                                     {"change (%)", {}}, {"max |moment| (" + moment + ")", {}},
                                     {"change (%)", {}}, {"max |shear| (" + force + ")", {}},
                                     {"change (%)", {}}, {"project", {}}};
    for (const LayerRow& row : study.rows) {
        const std::string cells[] = {
            std::to_string(row.parts),           row.closed ? "1" : "0",
            std::to_string(row.iterations),      Shown(row.top_deflection, csv),
            Percent(row.deflection_change, csv), Shown(row.moment, csv),
            Percent(row.moment_change, csv),     Shown(row.shear, csv),
            Percent(row.shear_change, csv),      row.project.toStdString()};
        for (std::size_t k = 0; k < columns.size(); ++k) columns[k].cells.push_back(cells[k]);
    }
    return columns;
}

std::string LayerTable(const LayerStudy& study) { return Aligned(LayerColumns(study, false)); }

std::string LayerCsv(const LayerStudy& study) { return Csv(LayerColumns(study, true)); }

std::string EmbedmentTable(const EmbedmentStudy& study) {
    return Aligned(EmbedmentColumns(study, false));
}

std::string EmbedmentCsv(const EmbedmentStudy& study) { return Csv(EmbedmentColumns(study, true)); }

std::string StrengthTable(const StrengthStudy& study, double precision) {
    return Aligned(StrengthColumns(study, precision));
}

std::string StrengthCsv(const StrengthStudy& study, double precision) {
    return Csv(StrengthColumns(study, precision));
}

std::string FactorOfSafetyLine(const StrengthStudy& study, double precision) {
    if (!study.factor) return "factor of safety: below 1\n";
    return "factor of safety: " + Factor(*study.factor, precision) + "\n";
}

std::string CriticalEmbedmentLine(const EmbedmentStudy& study) {
    if (!study.critical) return "critical embedment: none\n";
    return "critical embedment: " + Length(*study.critical) + " " +
           LengthUnit(study.wall.units).toStdString() + "\n";
}

}  // namespace keldra::studies
