#include "engine/earth_pressure_report.h"

#include "engine/earth_pressure_forces.h"
#include "engine/earth_pressure_units.h"
#include "engine/fixed_line.h"
#include "engine/report_blocks.h"

namespace keldra {

namespace {

constexpr int kIndent = 6;

FixedLine Indented() {
    FixedLine line;
    line.X(kIndent);
    return line;
}

// Units under the columns of the force tables: force per unit width under
// every force, length under every depth; from the third force on the
// columns stand two further right.
void WriteForceUnitLine(OutputFile& report, int pairs, bool trailingForce, const UnitLabels& u) {
    FixedLine line = Indented();
    line.Text("  NO");
    for (int k = 1; k <= pairs; ++k) {
        line.X(k == 1 ? 4 : k == 2 ? 3 : 5);
        ForcePerLength(line, u).X(3).A(3, u.L);
    }
    if (trailingForce) ForcePerLength(line.X(5), u);
    line.WriteTo(report);
}

FixedLine ForceRow(int i) {
    FixedLine line = Indented();
    line.X(3).I(2, i);
    return line;
}

}  // namespace

void WriteOverburden(OutputFile& report, const SublayerTable& table, const UnitLabels& u) {
    WriteBoxedTitle(report, "*        EFFECTIVE OVERBURDEN STRESS             *");
    WriteEmptyLine(report);
    Indented().Text("          DEPTH                     STRESS       ").WriteTo(report);
    FixedLine units = Indented();
    units.X(11).A(3, u.L).X(20);
    Pressure(units, u).WriteTo(report);
    WriteEmptyLine(report);
    for (int i = 1; i <= table.NLE; ++i) {
        const Sublayer& sub = table.layer[i];
        Indented().X(7).E(10, 3, sub.ZTOP).X(17).E(10, 3, sub.SIGV).WriteTo(report);
    }
}

void WriteCoefficients(OutputFile& report, const SublayerTable& table) {
    WriteBoxedTitle(report, "* ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT  *");
    WriteEmptyLine(report);
    Indented().Text("  LAYER         ACTIVE EARTH     PASSIVE EARTH   ").WriteTo(report);
    Indented().Text("   NO.          COEFFICIENT      COEFFICIENT     ").WriteTo(report);
    WriteEmptyLine(report);
    for (int i = 1; i <= table.NLE; ++i) {
        const Sublayer& sub = table.layer[i];
        Indented().X(3).I(2, i).X(12).E(10, 3, sub.KA).X(7).E(10, 3, sub.KP).WriteTo(report);
    }
}

void WriteActiveForces(OutputFile& report, const SublayerTable& table, const UnitLabels& u) {
    WriteBoxedTitle(report, "*        ACTIVE EARTH PRESSURE OF EACH LAYER     *");
    WriteEmptyLine(report);
    Indented()
        .Text(" LAYER    PA1     Z1       PA2     Z2         PA3     Z3")
        .Text("        PA4")
        .WriteTo(report);
    WriteForceUnitLine(report, 3, true, u);
    WriteEmptyLine(report);
    for (int i = 1; i < table.IEXC; ++i) {
        const Sublayer& sub = table.layer[i];
        ForceRow(i)
            .F(10, 2, sub.PA1)
            .F(6, 2, sub.Z1)
            .F(10, 2, sub.PA2)
            .F(6, 2, sub.Z2)
            .X(2)
            .F(10, 2, sub.PA3)
            .F(6, 2, sub.Z3)
            .X(2)
            .F(10, 2, sub.PA4)
            .WriteTo(report);
    }
}

void WriteWaterForces(OutputFile& report, const SublayerTable& table, const UnitLabels& u) {
    WriteBoxedTitle(report, "*        ACTIVE WATER PRESSURE OF EACH LAYER     *");
    WriteEmptyLine(report);
    Indented().Text(" LAYER    PW1     Z1       PW2     Z2").WriteTo(report);
    WriteForceUnitLine(report, 2, false, u);
    WriteEmptyLine(report);
    for (int i = 1; i < table.IEXC; ++i) {
        const Sublayer& sub = table.layer[i];
        if (!HasWaterForce(sub)) continue;
        ForceRow(i)
            .F(10, 2, -sub.PW1)
            .F(6, 2, sub.Z1)
            .F(10, 2, -sub.PW2)
            .F(6, 2, sub.Z2)
            .WriteTo(report);
    }
}

void WriteSlopeWarning(OutputFile& file) {
    Indented().Text("**** WARNING ******").WriteTo(file);
    Indented()
        .Text("THE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL FRICTION ANGLE OF SAND.")
        .WriteTo(file);
}

void WriteNetActiveNegative(OutputFile& file) { Indented().Text(kNetActiveNegative).WriteTo(file); }

}  // namespace keldra
