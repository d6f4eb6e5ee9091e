#include "engine/earth_pressure_input_report.h"

#include <string_view>

#include "engine/earth_pressure_units.h"
#include "engine/fixed_line.h"
#include "engine/report_blocks.h"
#include "engine/surcharge.h"

namespace keldra {

namespace {

constexpr int kIndent = 6;

FixedLine Labelled(std::string_view label, double value) {
    FixedLine line;
    line.X(kIndent).Text(label).E(10, 3, value);
    return line;
}

void LengthLine(OutputFile& report, std::string_view label, double value, const UnitLabels& u) {
    Labelled(label, value).A(3, u.L).WriteTo(report);
}

void WriteSurchargeRow(OutputFile& report, int i, const SurchargeRow& row, const UnitLabels& u) {
    WriteEmptyLine(report);
    FixedLine().X(kIndent).Text("SURCHARGE LOADING NO.        = ").I(10, i).WriteTo(report);
    if (row.type == kStripLoad) {
        FixedLine line = Labelled("STRIP LOAD                   = ", row.magnitude);
        Pressure(line, u).WriteTo(report);
        LengthLine(report, "WIDTH OF THE STRIP LOAD      = ", row.width, u);
    } else if (row.type == kLineLoad) {
        FixedLine line = Labelled("LINE LOAD                    = ", row.magnitude);
        ForcePerLength(line, u).WriteTo(report);
    } else {
        Labelled("POINT LOAD                   = ", row.magnitude).A(4, u.F).WriteTo(report);
    }
    LengthLine(report, "HORIZONTAL DISTANCE BETWEEN  = ", row.distance, u);
    FixedLine()
        .X(kIndent)
        .Text(row.type == kStripLoad ? "WALL AND MIDDLE OF STRIP WIDTH" : "THE WALL AND SURCHARGE")
        .WriteTo(report);
}

// Unit texts under the columns of the sublayer table, by column start.
struct UnitColumn {
    int start;
    const char* english;
    const char* si;
};
constexpr UnitColumn kSoilUnits[] = {
    {1, "NO.", "NO."},      {9, "IN", "M "},          {18, "PSI", "kPa"}, {26, "DEG", "DEG"},
    {32, " PCI", "kN/M^3"}, {41, "T OR F", "T OR F"}, {50, " IN", " M "}};

void WriteSoilUnitLine(OutputFile& report, bool english) {
    FixedLine line;
    line.X(kIndent);
    int column = 0;
    for (const UnitColumn& unit : kSoilUnits) {
        const std::string_view text = english ? unit.english : unit.si;
        line.X(unit.start - column).Text(text);
        column = unit.start + static_cast<int>(text.size());
    }
    line.WriteTo(report);
}

}  // namespace

void WriteWallInformation(OutputFile& report, const EngineState& s) {
    const UnitLabels& u = s.labels;
    const SoilBlock& soil = s.soil;
    WriteBoxedTitle(report, "*        WALL INFORMATION                        *");
    WriteEmptyLine(report);
    LengthLine(report, "FREE HEIGHT OF WALL                    = ", s.grid.HFREE, u);
    LengthLine(report, "WIDTH FOR EARTH PRESSURE, WA           = ", soil.WA, u);
    LengthLine(report, "WIDTH FOR SOIL RESISTANCE, WP          = ", soil.WP, u);
    LengthLine(report, "DEPTH TO THE WATER TABLE AT BACKFILL   = ", soil.ZWB, u);
    LengthLine(report, "DEPTH TO THE WATER TABLE AT EXCAVATION = ", soil.ZWE, u);
    FixedLine water = Labelled("UNIT WEIGHT OF WATER                   = ", s.GAMW);
    UnitWeight(water, u).WriteTo(report);
    Labelled("SLOPE OF THE BACKFILL (deg.)           = ", soil.BETA).WriteTo(report);
    Labelled("MODIFICATION FOR ACTIVE EARTH PRESSURE = ", soil.FMOD).WriteTo(report);
}

void WriteSurchargeInformation(OutputFile& report, const EngineState& s) {
    const UnitLabels& u = s.labels;
    WriteBoxedTitle(report, "*        SURCHARGE INFORMATION                   *");
    WriteEmptyLine(report);
    FixedLine uniform = Labelled("UNIFORM SURFACE PRESSURE     =", s.soil.QSURF);
    Pressure(uniform, u).WriteTo(report);
    for (int i = 1; i <= s.soil.NSUR; ++i) WriteSurchargeRow(report, i, s.soil.surcharge[i], u);
}

void WriteSoilInformation(OutputFile& report, const SublayerTable& table, int labelCode) {
    WriteBoxedTitle(report, "*        SOIL INFORMATION                        *");
    WriteEmptyLine(report);
    FixedLine().X(kIndent + 8).Text("TOTAL").X(17).Text("TOTAL UNIT").WriteTo(report);
    FixedLine()
        .X(kIndent)
        .Text("LAYER THICKNESS COHESION  PHI   WEIGHT   DRAINED  ZTOP")
        .WriteTo(report);
    if (labelCode != 0) WriteSoilUnitLine(report, labelCode == 1);
    WriteEmptyLine(report);
    for (int i = 1; i <= table.NLE; ++i) {
        const Sublayer& sub = table.layer[i];
        FixedLine()
            .X(kIndent)
            .I(3, i)
            .F(9, 1, sub.T)
            .F(11, 1, sub.c)
            .F(6, 1, sub.phi)
            .F(9, 3, sub.gamma)
            .X(6)
            .Text(sub.DRAINED ? "T" : "F")
            .F(10, 2, sub.ZTOP)
            .WriteTo(report);
    }
}

}  // namespace keldra
