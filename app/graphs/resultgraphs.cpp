#include "app/graphs/resultgraphs.h"

namespace {

struct TDesign {
    const char* caption;
    const char* curveName;
    const char* xCaption;
    const char* xUnits;
    bool xOnTop;
    const char* yCaption;
    const char* yUnits;
};

void apply(TGraphPlot& graph, const TDesign& d) {
    graph.Caption = d.caption;
    graph.CurveName = d.curveName;
    graph.XCaption = d.xCaption;
    graph.XUnits = d.xUnits;
    graph.XOnTop = d.xOnTop;
    graph.YCaption = d.yCaption;
    graph.YUnits = d.yUnits;
}

}  // namespace

TResultGraphs::TResultGraphs() {
    apply(pltLD,
          {"Earth Pressure Distribution", "Curve #", "Distributed load", "F/L", true, "Depth", ""});
    apply(PltCombine,
          {"Earth Pressure Combined", "Curve #", "Distributed Load", "F/L", true, "Depth", "L2"});
    apply(pltPY, {"p-y Curves", "Depth", "y", "L", false, "p", "F/L"});
    apply(pltDef, {"Deflection vs Depth", "Load #", "Deflection", "L", true, "Depth", ""});
    apply(pltMom, {"Moment vs Depth", "Load #", "Bending Moment", "", true, "Depth", ""});
    apply(pltShear, {"Shear vs Depth", "Load #", "Shear", "", true, "Depth", ""});
    apply(pltSoil, {"Soil Reaction vs Depth", "Load #", "Reaction", "F", true, "Depth", ""});
    apply(pltDMS,
          {"Deflection, Moment, Shear vs Depth", "Curve #", "Deflection", "L", true, "Depth", ""});
}

std::array<TGraphPlot*, 8> TResultGraphs::all() {
    return {&pltLD, &PltCombine, &pltPY, &pltDef, &pltMom, &pltShear, &pltSoil, &pltDMS};
}

std::array<TGraphPlot*, 4> TResultGraphs::depthResults() {
    return {&pltDef, &pltMom, &pltShear, &pltSoil};
}
