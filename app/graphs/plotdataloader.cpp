#include "app/graphs/plotdataloader.h"

#include <algorithm>

#include "app/project/inouterror.h"
#include "app/project/programdata.h"
#include "app/project/wordreader.h"
#include "app/tables/formdescription.h"
#include "app/tables/gridtable.h"
#include "app/tables/projecttables.h"
#include "app/tables/unitstring.h"

namespace {

constexpr int kSoilTypeColumn = 0;
constexpr int kLayerBottomColumn = 1;
constexpr double kInchesPerFoot = 12.0;
constexpr double kPoundsPerKip = 1000.0;

const QString kInvalidFile = QStringLiteral("This file either invalid or incomplete.");

struct TEarthPressureRow {
    double depth, total, fromSoils, fromSurcharge;
};

// Walks the blocks of a plot-data file. Every list is read point by point as the file gives it,
// so a count larger than the data ends in an orderly end-of-data error instead of a large
// allocation; the curves are made equally long at the end.
class TPlotDataLoader {
  public:
    TPlotDataLoader(TResultGraphs& graphs, TWordReader& reader, const TPlotProject& project)
        : m_g(graphs), m_in(reader), m_project(project) {}

    void load();

  private:
    [[nodiscard]] int readCount();
    [[nodiscard]] int readBlockCount();
    [[nodiscard]] int readEarthPressure(int block);  // returns the block's unit flag
    void fillCombined(const std::vector<TEarthPressureRow>& rows);
    void readPyCurves();
    void setResultCurveCount(int blocks);
    void raiseResultCurveCount(int blocks);
    void nameStages(int block);
    void readResults(int block, int unitFlag);
    void setLayerLines();
    void equalLengths();
    void setCaptions(int unitFlag);

    TResultGraphs& m_g;
    TWordReader& m_in;
    const TPlotProject& m_project;
    int m_largestEarthPressure = 0;
    int m_largestResults = 0;
};

void TPlotDataLoader::load() {
    for (TGraphPlot* graph : m_g.all()) {
        graph->ClearPoints();
        // New results bring new curves: names given to the previous ones do not carry over.
        for (TLine& curve : graph->Lines()) curve.Name.clear();
    }

    m_g.pltLD.SetLineCount(TCurveList::Lines, 1);
    m_g.PltCombine.SetLineCount(TCurveList::Lines, 3);
    int unitFlag = readEarthPressure(1);
    readPyCurves();
    const int blocks = readBlockCount();
    setResultCurveCount(blocks);
    m_g.pltDMS.ShowThree = true;
    readResults(1, unitFlag);
    setLayerLines();

    for (int block = 2; block <= blocks; ++block) {
        m_g.pltLD.SetLineCount(TCurveList::Lines, blocks);
        unitFlag = readEarthPressure(block);
        readPyCurves();
        raiseResultCurveCount(readBlockCount());
        nameStages(block);
        readResults(block, unitFlag);
    }

    equalLengths();
    setCaptions(unitFlag);
    for (TGraphPlot* graph : m_g.all()) graph->SetUnits(unitFlag);
}

int TPlotDataLoader::readCount() {
    const int n = m_in.ReadInteger();
    if (n < 0) throw EInOutError(kInvalidFile);
    return n;
}

// Each block names the number of blocks; more than a run can have means a damaged file, and
// refusing it keeps a wild count from creating millions of empty curves.
int TPlotDataLoader::readBlockCount() {
    const int n = readCount();
    if (n > kMaxPlotBlocks) throw EInOutError(kInvalidFile);
    return n;
}

int TPlotDataLoader::readEarthPressure(int block) {
    const int n = readCount();
    m_largestEarthPressure = std::max(m_largestEarthPressure, n);
    std::vector<TEarthPressureRow> rows;
    for (int i = 0; i < n; ++i) {
        TEarthPressureRow row{};
        row.depth = m_in.ReadFloat();
        row.total = m_in.ReadFloat();
        row.fromSoils = m_in.ReadFloat();
        row.fromSurcharge = m_in.ReadFloat();
        rows.push_back(row);
    }
    TLine& curve = m_g.pltLD.Lines()[static_cast<std::size_t>(block - 1)];
    curve.Points.clear();
    for (const TEarthPressureRow& row : rows) curve.Points.push_back({row.total, row.depth});
    if (block == 1) fillCombined(rows);

    const int unitFlag = m_in.ReadInteger();
    if (unitFlag == kEnglishUnits)
        for (TFloatPoint& p : curve.Points) p.Y /= kInchesPerFoot;
    return unitFlag;
}

void TPlotDataLoader::fillCombined(const std::vector<TEarthPressureRow>& rows) {
    // The combined graph follows the project's units, not the block's flag.
    const double depthScale = m_project.unitSystem == kEnglishUnits ? 1.0 / kInchesPerFoot : 1.0;
    std::vector<TLine>& curves = m_g.PltCombine.Lines();
    curves[0].Name = QStringLiteral("Total Earth Pressure");
    curves[1].Name = QStringLiteral("from Soils ");
    curves[2].Name = QStringLiteral("from Surcharge Loads");
    for (TLine& curve : curves) curve.Points.clear();
    for (const TEarthPressureRow& row : rows) {
        const double depth = row.depth * depthScale;
        curves[0].Points.push_back({row.total, depth});
        curves[1].Points.push_back({row.fromSoils, depth});
        curves[2].Points.push_back({row.fromSurcharge, depth});
    }
}

void TPlotDataLoader::readPyCurves() {
    const int count = readCount();
    TGraphPlot& py = m_g.pltPY;
    py.SetLineCount(TCurveList::Lines, 0);
    for (int i = 0; i < count; ++i) {
        py.SetLineCount(TCurveList::Lines, i + 1);
        TLine& curve = py.Lines().back();
        curve.Value = m_in.ReadFloat();  // depth, or station number with user curves
        const int points = readCount();
        curve.Points.clear();
        for (int k = 0; k < points; ++k) {
            const double y = m_in.ReadFloat();
            const double p = m_in.ReadFloat();
            curve.Points.push_back({y, p});
        }
    }
}

// The first block gives the result graphs exactly its count of curves (at least one), so a
// single analysis after a staged one shows one curve, not the old stages emptied.
void TPlotDataLoader::setResultCurveCount(int blocks) {
    const int n = std::max(blocks, 1);
    for (TGraphPlot* graph : m_g.depthResults()) graph->SetLineCount(TCurveList::Lines, n);
    for (TCurveList list : {TCurveList::Lines, TCurveList::Lines2, TCurveList::Lines3})
        m_g.pltDMS.SetLineCount(list, n);
}

// A later block may only raise the count the first block gave.
void TPlotDataLoader::raiseResultCurveCount(int blocks) {
    setResultCurveCount(std::max(blocks, m_g.pltDef.LineCount(TCurveList::Lines)));
}

void TPlotDataLoader::nameStages(int block) {
    std::array<TGraphPlot*, 5> named = {&m_g.pltDef, &m_g.pltMom, &m_g.pltShear, &m_g.pltSoil,
                                        &m_g.pltDMS};
    for (TGraphPlot* graph : named) {
        std::vector<TLine>& curves = graph->Lines();
        curves[0].Name = QStringLiteral("Stage: 1");
        curves[static_cast<std::size_t>(block - 1)].Name = "Stage: " + QString::number(block);
        if (m_project.longTerm) {
            curves[0].Name = QStringLiteral("Short-Term");
            curves[1].Name = QStringLiteral("Long-Term");
        }
    }
}

void TPlotDataLoader::readResults(int block, int unitFlag) {
    const int rows = readCount();
    m_largestResults = std::max(m_largestResults, rows);
    (void)m_in.ReadInteger();  // the unit code once more

    const auto index = static_cast<std::size_t>(block - 1);
    TLine* deflection[] = {&m_g.pltDef.Lines()[index], &m_g.pltDMS.Lines()[index]};
    TLine* moment[] = {&m_g.pltMom.Lines()[index], &m_g.pltDMS.curves(TCurveList::Lines2)[index]};
    TLine* shear[] = {&m_g.pltShear.Lines()[index], &m_g.pltDMS.curves(TCurveList::Lines3)[index]};
    TLine& reaction = m_g.pltSoil.Lines()[index];
    for (TLine* curve :
         {deflection[0], deflection[1], moment[0], moment[1], shear[0], shear[1], &reaction})
        curve->Points.clear();

    const bool english = unitFlag == kEnglishUnits;
    for (int i = 0; i < rows; ++i) {
        double depth = m_in.ReadFloat();
        const double w = m_in.ReadFloat();
        double m = m_in.ReadFloat();
        double v = m_in.ReadFloat();
        const double p = m_in.ReadFloat();
        if (english) {
            depth /= kInchesPerFoot;
            m /= kPoundsPerKip;
            v /= kPoundsPerKip;
        }
        for (TLine* curve : deflection) curve->Points.push_back({w, depth});
        for (TLine* curve : moment) curve->Points.push_back({m, depth});
        for (TLine* curve : shear) curve->Points.push_back({v, depth});
        reaction.Points.push_back({p, depth});
    }
}

void TPlotDataLoader::setLayerLines() {
    TGraphPlot& dms = m_g.pltDMS;
    const bool hasPoints = std::any_of(dms.Lines().begin(), dms.Lines().end(),
                                       [](const TLine& c) { return !c.Points.empty(); });
    if (!hasPoints) return;
    const int layers = static_cast<int>(m_project.soilLayers.size());
    dms.SetLineCount(TCurveList::LayerLines, layers + 2);
    std::vector<TLine>& lines = dms.LayerLines();
    for (int i = 0; i < layers; ++i) {
        const TSoilLayerRow& row = m_project.soilLayers[static_cast<std::size_t>(i)];
        const TSoilLayerStyle style = SoilLayerStyle(row.soilType);
        TLine& line = lines[static_cast<std::size_t>(i)];
        line.Name = style.name;
        line.Points = {{static_cast<double>(style.code), row.bottomDepth}};
    }
    dms.WallLineCount = layers;
    const double depthScale = m_project.unitSystem == kEnglishUnits ? 1.0 / kInchesPerFoot : 1.0;
    TLine& tip = lines[static_cast<std::size_t>(layers)];
    TLine& freeHeight = lines[static_cast<std::size_t>(layers + 1)];
    tip.Name = freeHeight.Name = QStringLiteral("PILE");
    tip.Points = {{0.0, m_project.wallTipDepth * depthScale}};
    freeHeight.Points = {{0.0, m_project.freeHeight * depthScale}};
}

int longestCurve(const std::vector<TLine>& curves) {
    int longest = 0;
    for (const TLine& c : curves) longest = std::max(longest, c.PointCount());
    return longest;
}

void padAll(std::vector<TLine>& curves, int n) {
    for (TLine& c : curves) c.PadTo(n);
}

void TPlotDataLoader::equalLengths() {
    padAll(m_g.pltLD.Lines(), m_largestEarthPressure);
    padAll(m_g.pltPY.Lines(), longestCurve(m_g.pltPY.Lines()));
    for (TGraphPlot* graph : m_g.depthResults()) padAll(graph->Lines(), m_largestResults);
    for (TCurveList list : {TCurveList::Lines, TCurveList::Lines2, TCurveList::Lines3})
        padAll(m_g.pltDMS.curves(list), m_largestResults);
}

void TPlotDataLoader::setCaptions(int unitFlag) {
    struct TCaptions {
        const char *depth, *moment, *shear;
    };
    // Generic units name their own tokens instead of pretending to be metres and kN.
    const TCaptions captions =
        unitFlag == kEnglishUnits
            ? TCaptions{"Depth (ft)", "Bending Moment (in-kips)", "Shear (kips)"}
        : unitFlag == kGenericUnits ? TCaptions{"Depth (L)", "Bending Moment (F-L)", "Shear (F)"}
                                    : TCaptions{"Depth (m)", "Bending Moment (m-kN)", "Shear (kN)"};
    for (TGraphPlot* graph : {&m_g.pltDef, &m_g.pltShear, &m_g.pltSoil, &m_g.pltLD, &m_g.pltMom})
        graph->YCaption = captions.depth;
    m_g.pltMom.XCaption = captions.moment;
    m_g.pltShear.XCaption = captions.shear;

    TGraphPlot& dms = m_g.pltDMS;
    dms.XCaption = m_g.pltDef.XCaption;
    dms.YCaption = m_g.pltDef.YCaption;
    dms.XUnits = m_g.pltDef.XUnits;
    dms.XCaption2 = m_g.pltMom.XCaption;
    dms.YCaption2 = m_g.pltMom.YCaption;
    dms.XUnits2 = m_g.pltMom.XUnits;
    dms.XCaption3 = m_g.pltShear.XCaption;
    dms.YCaption3 = m_g.pltShear.YCaption;
    dms.XUnits3 = m_g.pltShear.XUnits;
}

}  // namespace

TSoilLayerStyle SoilLayerStyle(int soilType) {
    switch (soilType) {
        case 4:
            return {QStringLiteral(" SAND "), 7};
        case 5:
            return {QStringLiteral(" SILT "), 8};
        case 6:
            return {QStringLiteral("STRONG ROCK"), 9};
        case 7:
            return {QStringLiteral("WEAK ROCK"), 10};
        default:
            // Soft clay, stiff clay with and without free water; an unknown type reads as clay
            // too, as every value below 4 does.
            return {QStringLiteral(" CLAY "), 1};
    }
}

void LoadPlotData(TResultGraphs& graphs, TWordReader& reader, const TPlotProject& project) {
    TPlotDataLoader(graphs, reader, project).load();
}

bool LoadPlotData(TResultGraphs& graphs, const QString& fileName, const TPlotProject& project,
                  const std::function<void(const QString&)>& showError) {
    try {
        TWordReader reader = TWordReader::FromFile(fileName);
        LoadPlotData(graphs, reader, project);
        return true;
    } catch (const EInOutError&) {
        if (showError) showError(kPlotDataFailed);
        return false;
    }
}

TPlotProject PlotProjectOf(const TProgramData& project) {
    TPlotProject p;
    p.unitSystem = project.units();
    p.longTerm = project.options.shortAndLongTerm;
    const TGridTable& soil = project.tables().table(TableName::NewSoil);
    for (int row = 0; row < soil.rowCount(); ++row)
        p.soilLayers.push_back(
            {soil.integer(kSoilTypeColumn, row), soil.real(kLayerBottomColumn, row)});
    p.wallTipDepth = project.wall.increments * project.wall.incrementLength;
    p.freeHeight = project.wall.freeHeight;
    return p;
}
