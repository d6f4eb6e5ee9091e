// The main window's graphs: loaded after a run and on open, shown by the Graphics commands.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/graphs/plotform.h"
#include "mainformfixture.h"

namespace {

const QString kLoadFailed = "An error occured in running the main program.";

// Runs an example project from a scratch folder; the main window then holds its graphs.
struct TRunExample : TMainFormFixture {
    explicit TRunExample(const char* example)
        : TMainFormFixture(QCoreApplication::applicationDirPath()) {
        project = path(QString(example) + ".kd5d");
        EXPECT_TRUE(
            QFile::copy(KELDRA_SOURCE_DIR "/examples/" + QString(example) + ".kd5d", project));
        EXPECT_TRUE(form->openFileByName(project, TFileLayout::Current));
        form->runAnalysis();
    }
    QString project;
};

// Saves every graph of the window as a picture when KELDRA_RENDER_DIR names a folder.
void keepPictures(TMainForm& form, const QString& prefix) {
    const QString dir = qEnvironmentVariable("KELDRA_RENDER_DIR");
    if (dir.isEmpty()) return;
    for (TGraphPlot* g : form.graphs().all()) {
        if (!g->HasDrawableCurves()) continue;
        g->ShowLayers = g == &form.graphs().pltDMS;
        g->ShowWall = g->ShowLayers;
        TPlotForm* window = TPlotForm::Show(*g, form.mdiArea());
        ASSERT_TRUE(window);
        const QString name = QDir(dir).filePath(prefix + " - " + g->Caption + ".png");
        EXPECT_TRUE(window->saveImage(name, QSize(1100, 750), 96));
    }
}

}  // namespace

TEST(MainFormGraphs, ARunLoadsTheGraphsAndEnablesTheirCommands) {
    TRunExample f("two_stage");
    ASSERT_TRUE(f.form->resultsLoaded());
    const TResultGraphs& g = f.form->graphs();
    ASSERT_EQ(g.pltDef.LineCount(TCurveList::Lines), 2);
    EXPECT_EQ(g.pltDef.Lines()[1].DisplayName(), "Stage: 2");
    EXPECT_EQ(g.pltDef.YCaption, "Depth (ft)");
    EXPECT_GT(g.pltDMS.WallLineCount, 0);
    f.form->refreshCommands();
    for (TGraph graph : {TGraph::PyCurves, TGraph::Deflection, TGraph::Moment, TGraph::Shear,
                         TGraph::Reaction, TGraph::EarthPressure, TGraph::PressureCombined})
        EXPECT_TRUE(graphAction(f.form->actions(), graph)->isEnabled()) << int(graph);
    EXPECT_TRUE(f.form->actions().deflectionMomentShear->isEnabled());

    f.form->actions().deflectionMomentShear->trigger();
    ASSERT_EQ(f.form->mdiArea()->subWindowList().size(), 1);
    auto* window = qobject_cast<TPlotForm*>(f.form->mdiArea()->subWindowList().front()->widget());
    ASSERT_TRUE(window);
    EXPECT_EQ(&window->graph(), &f.form->graphs().pltDMS);
    if (const QString dir = qEnvironmentVariable("KELDRA_RENDER_DIR"); !dir.isEmpty()) {
        f.form->resize(1200, 800);
        f.form->show();
        QCoreApplication::processEvents();
        f.form->grab().save(QDir(dir).filePath("two_stage - main window.png"));
    }
    keepPictures(*f.form, "two_stage");
}

TEST(MainFormGraphs, ShortAndLongTermCurvesAreNamedByTerm) {
    TRunExample f("short_long_term");
    ASSERT_TRUE(f.form->resultsLoaded());
    const TResultGraphs& g = f.form->graphs();
    ASSERT_EQ(g.pltMom.LineCount(TCurveList::Lines), 2);
    EXPECT_EQ(g.pltMom.Lines()[0].DisplayName(), "Short-Term");
    EXPECT_EQ(g.pltMom.Lines()[1].DisplayName(), "Long-Term");
    EXPECT_EQ(g.pltMom.XCaption, "Bending Moment (m-kN)");
    keepPictures(*f.form, "short_long_term");
}

TEST(MainFormGraphs, OpeningAProjectWithAnUnreadablePlotFileStaysSilent) {
    TMainFormFixture f;
    const QString project = f.path("Cantilever.kd5d");
    ASSERT_TRUE(QFile::copy(KELDRA_SOURCE_DIR "/examples/cantilever_user_curves.kd5d", project));
    QFile plot(f.path("Cantilever.kd5p"));
    ASSERT_TRUE(plot.open(QIODevice::WriteOnly));
    plot.write("3\n0 1 1 0\n");  // ends in the middle of its first block
    plot.close();
    ASSERT_TRUE(f.form->openFileByName(project, TFileLayout::Current));
    EXPECT_FALSE(f.form->resultsLoaded());
    EXPECT_FALSE(f.log.messages.contains(kLoadFailed));
    EXPECT_FALSE(graphAction(f.form->actions(), TGraph::Deflection)->isEnabled());
}

TEST(MainFormGraphs, ReopeningAProjectWithResultsLoadsThem) {
    {
        TRunExample run("cantilever_user_curves");
        ASSERT_TRUE(run.form->resultsLoaded());
        keepPictures(*run.form, "cantilever_user_curves");
        TMainFormFixture f;
        for (const char* suffix : {".kd5d", ".kd5p"})
            ASSERT_TRUE(QFile::copy(run.path(QString("cantilever_user_curves") + suffix),
                                    f.path(QString("Wall") + suffix)));
        ASSERT_TRUE(f.form->openFileByName(f.path("Wall.kd5d"), TFileLayout::Current));
        EXPECT_TRUE(f.form->resultsLoaded());
        EXPECT_TRUE(graphAction(f.form->actions(), TGraph::PyCurves)->isEnabled());
        EXPECT_EQ(f.form->graphs().pltPY.LineCount(TCurveList::Lines),
                  run.form->graphs().pltPY.LineCount(TCurveList::Lines));
    }
}

TEST(MainFormGraphs, TheThreePanelGraphTakesSoilLayersAndWallFromTheProject) {
    TMainFormFixture f;
    const QString project = f.path("Rock.kd5d");
    ASSERT_TRUE(QFile::copy(KELDRA_SOURCE_DIR "/examples/rock_generated.kd5d", project));
    ASSERT_TRUE(QFile::copy(KELDRA_SOURCE_DIR "/tests/app/graphs/data/one_block_english.kd5p",
                            f.path("Rock.kd5p")));
    ASSERT_TRUE(f.form->openFileByName(project, TFileLayout::Current));
    ASSERT_TRUE(f.form->resultsLoaded());
    const TGraphPlot& dms = f.form->graphs().pltDMS;
    QStringList names;
    for (const TLine& line : dms.LayerLines()) names << line.Name;
    EXPECT_EQ(names, (QStringList{" SAND ", "WEAK ROCK", "STRONG ROCK", "PILE", "PILE"}));
    EXPECT_EQ(dms.WallLineCount, 3);
    for (const TLine& line : dms.LayerLines()) EXPECT_EQ(line.PointCount(), 1);
    // Depths in feet: the layer bottoms as the soil table shows them (150, 260 and 400 in the
    // file), the tip 40 increments of 6 in, the free height 120 in.
    const std::vector<TLine>& lines = dms.LayerLines();
    EXPECT_EQ(lines[0].Points[0], (TFloatPoint{7, 12.5}));
    EXPECT_EQ(lines[1].Points[0].X, 10);
    EXPECT_NEAR(lines[2].Points[0].Y, 400 / 12.0, 1e-9);
    EXPECT_EQ(lines[3].Points[0], (TFloatPoint{0, 20}));
    EXPECT_EQ(lines[4].Points[0], (TFloatPoint{0, 10}));
    keepPictures(*f.form, "rock_layers");
}
