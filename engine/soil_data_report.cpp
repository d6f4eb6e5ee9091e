#include "engine/soil_data_report.h"

#include <string_view>

#include "engine/fixed_line.h"
#include "engine/pi.h"
#include "engine/py_model.h"
#include "engine/report_blocks.h"

namespace keldra {

namespace {

std::string_view SoilName(int KSOIL) {
    switch (KSOIL) {
        case 2:
            return "THE SOIL IS A STIFF CLAY BELOW THE WATER TABLE";
        case 3:
            return "THE SOIL IS A STIFF CLAY ABOVE THE WATER TABLE";
        case 4:
            return "THE SOIL IS A SAND";
        case 5:
            return "THE SOIL IS A SILT";
        case 6:
            return "THE LAYER IS ROCK";
        case 7:
            return "THE LAYER IS WEAK ROCK";
        default:
            return "THE SOIL IS A SOFT CLAY";  // generated as soft clay
    }
}

void WriteWeightProfile(EngineState& s) {
    OutputFile& report = s.files.report;
    const SoilProfile& p = s.profile;
    const UnitLabels& u = s.labels;
    WriteEmptyLine(report);
    FixedLine().Text("DISTRIBUTION OF EFFECTIVE UNIT WEIGHT WITH DEPTH").WriteTo(report);
    FixedLine().I(2, p.NWTLAYERS).Text(" POINTS").WriteTo(report);
    FixedLine()
        .X(10)
        .Text("X,")
        .Text(u.L)
        .X(2)
        .Text("WEIGHT,")
        .Text(PerLength(u, "3"))
        .WriteTo(report);
    for (int k = 1; k <= p.NWT; ++k) {
        FixedLine().F(15, 4, s.grid.HFREE + p.ZWT[k]).G(15, 4, p.GWT[k]).WriteTo(report);
    }
}

void WriteStrengthProfile(EngineState& s) {
    OutputFile& report = s.files.report;
    const SoilProfile& p = s.profile;
    const UnitLabels& u = s.labels;
    WriteEmptyLine(report);
    FixedLine().Text("DISTRIBUTION OF STRENGTH PARAMETERS WITH DEPTH").WriteTo(report);
    FixedLine().I(2, p.NSP).Text(" POINTS").WriteTo(report);
    FixedLine()
        .X(10)
        .Text("X,")
        .Text(u.L)
        .X(2)
        .Text("S,")
        .Text(PerLength(u, "2"))
        .X(2)
        .Text("PHI,DEGREES")
        .X(8)
        .Text("E50")
        .WriteTo(report);
    for (int k = 1; k <= p.NSP; ++k) {
        FixedLine line;
        line.F(15, 2, s.grid.HFREE + p.ZSP[k])
            .G(13, 4, p.SSP[k])
            .F(13, 3, p.PHSP[k] * 180.0 / kPiFourDecimals);
        if (p.E50SP[k] <= 1e-6) {
            line.X(6).Text("-----");
        } else {
            line.G(15, 4, p.E50SP[k]);
        }
        line.WriteTo(report);
    }
}

}  // namespace

void WriteSoilLayersSection(EngineState& s) {
    OutputFile& report = s.files.report;
    const SoilProfile& p = s.profile;
    WriteBoxedTitle(report, "*        SOIL LAYERS AND STRENGTH DATA           *");
    WriteEmptyLine(report);
    FixedLine()
        .Text("X AT THE SURFACE OF EXCAVATION SIDE     = ")
        .F(10, 2, s.grid.HFREE + p.layer[1].XTOP)
        .Text(s.labels.L)
        .WriteTo(report);
    WriteEmptyLine(report);
    // Ten layers need two digits.
    FixedLine().I(p.NPY > 9 ? 2 : 1, p.NPY).Text(" LAYER(S) OF SOIL").WriteTo(report);
    for (int n = 1; n <= p.NPY; ++n) {
        WriteEmptyLine(report);
        FixedLine().Text("LAYER").I(3, n).WriteTo(report);
        FixedLine().Text(SoilName(p.layer[n].KSOIL)).WriteTo(report);
    }
    WriteWeightProfile(s);
    WriteStrengthProfile(s);
}

void WritePyCurvesHeading(EngineState& s) {
    OutputFile& report = s.files.report;
    const int rows = s.control.NPYMOD < kMaxPyModRows ? s.control.NPYMOD : kMaxPyModRows;
    if (rows > 0) {
        WriteEmptyLine(report);
        FixedLine().Text("REDUCTION FACTORS FOR CLOSELY-SPACED WALL ELEMENTS").WriteTo(report);
        WriteEmptyLine(report);
        FixedLine().Text("      DEPTH     P-FACTOR     Y-FACTOR        ").WriteTo(report);
        for (int k = 1; k <= rows; ++k) {
            FixedLine()
                .X(4)
                .F(7, 2, s.pymod.ZMOD[k])
                .X(7)
                .F(6, 2, s.pymod.PMOD[k])
                .X(7)
                .F(6, 2, s.pymod.YMOD[k])
                .WriteTo(report);
        }
    }
    WriteEmptyLine(report);
    FixedLine().Text("P-Y CURVES DATA").WriteTo(report);
}

}  // namespace keldra
