#include "app/graphs/plotdataloader.h"

#include <gtest/gtest.h>

#include "app/project/inouterror.h"
#include "app/project/wordreader.h"

namespace {

QString dataFile(const char* name) {
    return QStringLiteral(KELDRA_SOURCE_DIR "/tests/app/graphs/data/") + name;
}

TPlotProject english() {
    TPlotProject p;
    p.unitSystem = 1;
    p.soilLayers = {{4, 10.0}, {1, 40.0}};
    p.wallTipDepth = 33 * 12.0;
    p.freeHeight = 12 * 12.0;
    return p;
}

TPlotProject si() {
    TPlotProject p;
    p.unitSystem = 2;
    return p;
}

std::vector<QString> names(const TGraphPlot& graph) {
    std::vector<QString> out;
    for (const TLine& c : graph.Lines()) out.push_back(c.DisplayName());
    return out;
}

struct Loaded {
    TResultGraphs graphs;
    bool ok = false;
    QStringList shown;
};

void load(Loaded& l, const char* file, const TPlotProject& project) {
    l.ok = LoadPlotData(l.graphs, dataFile(file), project,
                        [&](const QString& message) { l.shown << message; });
}

}  // namespace

TEST(LoadPlotData, OneEnglishBlockConvertsDepthsAndForcesAndNamesTheLoad) {
    Loaded l;
    load(l, "one_block_english.kd5p", english());
    ASSERT_TRUE(l.ok);
    const TResultGraphs& g = l.graphs;
    ASSERT_EQ(g.pltDef.LineCount(TCurveList::Lines), 1);
    EXPECT_EQ(names(g.pltDef), std::vector<QString>{"Load #1"});
    EXPECT_EQ(g.pltDef.PointCount(TCurveList::Lines), 12);
    // Row 3: depth 108 in, moment 24000 lb-in, shear 300 lb.
    EXPECT_DOUBLE_EQ(g.pltDef.Point(TCurveList::Lines, 0, 3).Y, 9.0);
    EXPECT_DOUBLE_EQ(g.pltMom.Point(TCurveList::Lines, 0, 3).X, 24.0);
    EXPECT_DOUBLE_EQ(g.pltShear.Point(TCurveList::Lines, 0, 3).X, 0.3);
    EXPECT_DOUBLE_EQ(g.pltSoil.Point(TCurveList::Lines, 0, 3).X, -30.0);  // not converted
    EXPECT_DOUBLE_EQ(g.pltDMS.Point(TCurveList::Lines2, 0, 3).X, 24.0);
    EXPECT_EQ(g.pltDef.YCaption, "Depth (ft)");
    EXPECT_EQ(g.pltMom.XCaption, "Bending Moment (in-kips)");
    EXPECT_EQ(g.pltShear.XCaption, "Shear (kips)");
    EXPECT_EQ(g.pltDMS.XCaption2, "Bending Moment (in-kips)");
    EXPECT_EQ(g.pltDMS.YCaption3, "Depth (ft)");
    EXPECT_EQ(g.pltDMS.XUnits, "L");
    EXPECT_TRUE(g.pltDMS.ShowThree);
    EXPECT_EQ(g.pltDef.Units(), 1);

    // Earth pressure: depths in feet, the soil part's 1.0E-7 kept as written.
    EXPECT_EQ(g.pltLD.PointCount(TCurveList::Lines), 3);
    EXPECT_DOUBLE_EQ(g.pltLD.Point(TCurveList::Lines, 0, 2).Y, 20.0);
    EXPECT_DOUBLE_EQ(g.pltLD.Point(TCurveList::Lines, 0, 2).X, 120.0);
    EXPECT_EQ(names(g.PltCombine), (std::vector<QString>{"Total Earth Pressure", "from Soils ",
                                                         "from Surcharge Loads"}));
    EXPECT_DOUBLE_EQ(g.PltCombine.Point(TCurveList::Lines, 1, 1).X, 40.0);
    EXPECT_DOUBLE_EQ(g.PltCombine.Point(TCurveList::Lines, 2, 1).Y, 10.0);

    // p-y curves named by depth; the 12-point curve padded with its own last point.
    EXPECT_EQ(names(g.pltPY), (std::vector<QString>{"Depth240", "Depth300"}));
    const TLine& second = g.pltPY.Lines()[1];
    ASSERT_EQ(second.PointCount(), 17);
    for (int i = 11; i < 17; ++i) EXPECT_EQ(second.Points[i], (TFloatPoint{1.1, -550.0}));
}

TEST(LoadPlotData, SoilLayerAndWallLinesOfTheThreePanelGraph) {
    Loaded l;
    load(l, "one_block_english.kd5p", english());
    ASSERT_TRUE(l.ok);
    const TGraphPlot& dms = l.graphs.pltDMS;
    ASSERT_EQ(dms.LineCount(TCurveList::LayerLines), 4);
    EXPECT_EQ(dms.WallLineCount, 2);
    const std::vector<TLine>& layers = dms.LayerLines();
    EXPECT_EQ(layers[0].Name, " SAND ");
    EXPECT_EQ(layers[0].Points, (std::vector<TFloatPoint>{{7, 10.0}}));
    EXPECT_EQ(layers[1].Name, " CLAY ");
    EXPECT_EQ(layers[1].Points, (std::vector<TFloatPoint>{{1, 40.0}}));
    EXPECT_EQ(layers[2].Name, "PILE");
    EXPECT_EQ(layers[2].Points, (std::vector<TFloatPoint>{{0, 33.0}}));  // tip, in feet
    EXPECT_EQ(layers[3].Name, "PILE");
    EXPECT_EQ(layers[3].Points, (std::vector<TFloatPoint>{{0, 12.0}}));  // free height
}

TEST(SoilLayerStyle, NamesAndFillCodesBySoilType) {
    const struct {
        int type;
        const char* name;
        int code;
    } cases[] = {{1, " CLAY ", 1}, {2, " CLAY ", 1},      {3, " CLAY ", 1},    {4, " SAND ", 7},
                 {5, " SILT ", 8}, {6, "STRONG ROCK", 9}, {7, "WEAK ROCK", 10}};
    for (const auto& c : cases) {
        EXPECT_EQ(SoilLayerStyle(c.type).name, c.name) << c.type;
        EXPECT_EQ(SoilLayerStyle(c.type).code, c.code) << c.type;
    }
}

TEST(LoadPlotData, ThreeStagesNameTheCurvesAndPadShorterOnes) {
    Loaded l;
    load(l, "three_stages_si.kd5p", si());
    ASSERT_TRUE(l.ok);
    const TResultGraphs& g = l.graphs;
    const std::vector<QString> stages{"Stage: 1", "Stage: 2", "Stage: 3"};
    for (const TGraphPlot* graph : {&g.pltDef, &g.pltMom, &g.pltShear, &g.pltSoil, &g.pltDMS})
        EXPECT_EQ(names(*graph), stages) << graph->Caption.toStdString();
    EXPECT_EQ(g.pltLD.LineCount(TCurveList::Lines), 3);
    EXPECT_EQ(g.PltCombine.LineCount(TCurveList::Lines), 3);
    EXPECT_DOUBLE_EQ(g.PltCombine.Point(TCurveList::Lines, 0, 1).X, 10.0);  // first block only
    EXPECT_EQ(g.pltDef.YCaption, "Depth (m)");
    EXPECT_EQ(g.pltMom.XCaption, "Bending Moment (m-kN)");
    EXPECT_EQ(g.pltShear.XCaption, "Shear (kN)");

    // Row counts 41, 37, 39: every curve gets 41 points, the shorter ones repeating their last.
    for (const TGraphPlot* graph : {&g.pltDef, &g.pltMom, &g.pltShear, &g.pltSoil})
        for (const TLine& c : graph->Lines()) EXPECT_EQ(c.PointCount(), 41);
    for (TCurveList list : {TCurveList::Lines, TCurveList::Lines2, TCurveList::Lines3})
        for (const TLine& c : g.pltDMS.curves(list)) EXPECT_EQ(c.PointCount(), 41);
    const TLine& first = g.pltMom.Lines()[0];
    EXPECT_DOUBLE_EQ(first.Points[40].Y, 10.0);  // its own 41st row, not padding
    const TLine& second = g.pltMom.Lines()[1];
    for (int i = 37; i < 41; ++i) EXPECT_EQ(second.Points[i], second.Points[36]);
    EXPECT_DOUBLE_EQ(second.Points[36].Y, 9.0);
    // SI values are not converted; the last block's p-y curve replaces the earlier ones.
    EXPECT_DOUBLE_EQ(g.pltMom.Point(TCurveList::Lines, 1, 1).X, 2 * 1000.0 * 1 * 35);
    EXPECT_EQ(names(g.pltPY), std::vector<QString>{"Depth6"});
}

TEST(LoadPlotData, LongTermOptionNamesShortAndLongTerm) {
    Loaded l;
    TPlotProject project = english();
    project.longTerm = true;
    load(l, "short_long_term.kd5p", project);
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(names(l.graphs.pltSoil), (std::vector<QString>{"Short-Term", "Long-Term"}));
    EXPECT_EQ(names(l.graphs.pltDMS), (std::vector<QString>{"Short-Term", "Long-Term"}));
    // The second block's two earth-pressure rows are padded to three.
    const TLine& ep2 = l.graphs.pltLD.Lines()[1];
    ASSERT_EQ(ep2.PointCount(), 3);
    EXPECT_EQ(ep2.Points[2], ep2.Points[1]);
}

TEST(LoadPlotData, TruncatedFileFailsAndKeepsWhatWasRead) {
    Loaded l;
    load(l, "truncated.kd5p", si());
    EXPECT_FALSE(l.ok);
    EXPECT_EQ(l.shown, QStringList{"An error occured in running the main program."});
    EXPECT_EQ(l.graphs.pltDef.Lines()[0].PointCount(), 12);  // block 1 was read
    EXPECT_EQ(l.graphs.pltDef.YCaption, "Depth");            // captions not updated

    Loaded silent;
    EXPECT_FALSE(LoadPlotData(silent.graphs, dataFile("truncated.kd5p"), si()));
    EXPECT_FALSE(LoadPlotData(silent.graphs, dataFile("missing.kd5p"), si()));
}

TEST(LoadPlotData, ANewLoadEmptiesEveryGraphAndDropsOldStageNames) {
    Loaded l;
    load(l, "three_stages_si.kd5p", si());
    ASSERT_TRUE(l.ok);
    l.ok = LoadPlotData(l.graphs, dataFile("one_block_english.kd5p"), english());
    ASSERT_TRUE(l.ok);
    // One block gives one result curve: no emptied curves of the earlier stages remain.
    EXPECT_EQ(names(l.graphs.pltDef), std::vector<QString>{"Load #1"});
    for (TGraphPlot* graph : l.graphs.depthResults())
        EXPECT_EQ(graph->LineCount(TCurveList::Lines), 1) << graph->Caption.toStdString();
    for (TCurveList list : {TCurveList::Lines, TCurveList::Lines2, TCurveList::Lines3})
        EXPECT_EQ(l.graphs.pltDMS.LineCount(list), 1);
    EXPECT_EQ(l.graphs.pltLD.LineCount(TCurveList::Lines), 1);
}

namespace {

QByteArray earthPressureBlock(int rows, int curves, int blocks = 1) {
    QByteArray text = QByteArray::number(rows) + "\n";
    for (int i = 0; i < rows; ++i) text += QByteArray::number(i) + " 1 1 0\n";
    text += "2 " + QByteArray::number(curves) + "\n";
    for (int c = 0; c < curves; ++c) text += QByteArray::number(c + 1) + " 2\n0 0\n1 -1\n";
    text += QByteArray::number(blocks) + " 2 2\n0 0 0 0 0\n1 1 1 1 1\n";
    return text;
}

}  // namespace

// The engine writes up to 63 curves and may write more earth-pressure rows than 501: nothing
// is dropped and nothing is written past a table.
TEST(LoadPlotData, OversizedBlocksAreReadWhole) {
    TResultGraphs graphs;
    TWordReader reader(earthPressureBlock(600, 63));
    LoadPlotData(graphs, reader, si());
    EXPECT_EQ(graphs.pltLD.PointCount(TCurveList::Lines), 600);
    EXPECT_EQ(graphs.PltCombine.PointCount(TCurveList::Lines), 600);
    EXPECT_DOUBLE_EQ(graphs.PltCombine.Point(TCurveList::Lines, 0, 599).Y, 599.0);
    EXPECT_EQ(graphs.pltPY.LineCount(TCurveList::Lines), 63);
}

TEST(LoadPlotData, DamagedCountsFailInAnOrderlyWay) {
    const QByteArray cases[] = {
        "-1\n",                                // negative row count
        earthPressureBlock(1, 1, 1000000000),  // more blocks than a run can have
        "2000000000\n0 1 1 0\n",               // a count far beyond the data
        "1\n0 1 x 0\n",                        // not a number
    };
    for (const QByteArray& text : cases) {
        TResultGraphs graphs;
        TWordReader reader(text);
        EXPECT_THROW(LoadPlotData(graphs, reader, si()), EInOutError) << text.left(20).data();
    }
}

// A file the engine wrote for the two-stage example (English units, user p-y curves).
TEST(LoadPlotData, TwoStageEngineFile) {
    Loaded l;
    load(l, "engine_two_stage.kd5p", english());
    ASSERT_TRUE(l.ok);
    const TResultGraphs& g = l.graphs;
    EXPECT_EQ(names(g.pltShear), (std::vector<QString>{"Stage: 1", "Stage: 2"}));
    for (const TLine& c : g.pltShear.Lines()) EXPECT_EQ(c.PointCount(), 42);
    // Stage 2, station 2: 12 in deep, 59.4 lb-in, 19.8 lb.
    const TFloatPoint moment = g.pltMom.Point(TCurveList::Lines, 1, 2);
    EXPECT_DOUBLE_EQ(moment.Y, 1.0);
    EXPECT_NEAR(moment.X, 0.0594, 1e-12);
    EXPECT_NEAR(g.pltShear.Point(TCurveList::Lines, 1, 2).X, 0.0198, 1e-12);
    EXPECT_DOUBLE_EQ(g.pltDef.Point(TCurveList::Lines, 0, 41).Y, 20.5);
    // The p-y curves of the last stage, named by their stations.
    EXPECT_EQ(names(g.pltPY), (std::vector<QString>{"Depth20", "Depth25", "Depth30", "Depth40"}));
    EXPECT_EQ(g.pltPY.PointCount(TCurveList::Lines), 9);
    EXPECT_EQ(g.pltLD.LineCount(TCurveList::Lines), 2);
    EXPECT_EQ(g.pltLD.PointCount(TCurveList::Lines), 2);
    EXPECT_DOUBLE_EQ(g.pltLD.Point(TCurveList::Lines, 0, 1).Y, 6.0);
}
