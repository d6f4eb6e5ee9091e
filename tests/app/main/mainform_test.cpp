#include "app/main/mainform.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QToolBar>

#include "app/project/programdata.h"
#include "mainformfixture.h"

using TAnswer = TUserPrompts::TAnswer;

TEST(MainForm, MenusCarryTheirCaptionsAccessKeysAndShortcuts) {
    TMainFormFixture f;
    QStringList titles;
    for (QAction* top : f.form->menuBar()->actions()) titles << top->text();
    EXPECT_EQ(titles, QStringList({"&File", "Da&ta", "&Options", "&Stage Construction",
                                   "&Computation", "&Graphics", "&Window", "&Help"}));

    const TMainActions& a = f.form->actions();
    EXPECT_EQ(a.fileNew->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(a.fileOpen->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(a.fileSave->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(a.fileExit->shortcut(), QKeySequence("Ctrl+Q"));
    const QStringList file = f.menuCaptions("&File");
    EXPECT_EQ(file.mid(0, 4), QStringList({"&New", "&Open...", "&Save", "Save &As..."}));
    EXPECT_EQ(file.last(), "E&xit");

    EXPECT_EQ(
        f.menuCaptions("Da&ta"),
        QStringList({"&Title", "Wall &Properties", "&Wall Configuration", "&Soil Layer Data",
                     "&Soil Layer Data", "&Distributed Active Earth Pressure",
                     "&Distributed Active Earth Pressure", "-", "&Additional Surcharge Loads",
                     "&Concentrated Loads on the Wall", "Tieback (Ground Anchor) Data", "-",
                     "&Boundary Condition on Deflection or Slope",
                     "Modification &Factors for p-y Curves", "-", "Sets of &External p-y Curves",
                     "&Lateral Springs and Rotational Restraints",
                     "Sets of Nonlinear Moment vs EI Curves"}));
    EXPECT_EQ(f.menuCaptions("&Options"),
              QStringList(
                  {"&Units", "Earth-Pressure Options", "-", "Generate &p-y Curves",
                   "Apply &Concentrated Loads", "Apply Tieback (Ground  Anchor)",
                   "Apply &Restraints on Deflection or Slope",
                   "Apply User Specified p-y Curves (&External)",
                   "Apply &Lateral Springs and Rotation Restraints",
                   "Apply External p-y &Modification Factors ", "Apply Additional Surcharge Loads",
                   "Apply Nonlinear Moment vs EI Curves", "-",
                   "Conduct Short-Term and Long-Term &Analyses",
                   "Conduct &Staged-Construction Analysis...", "-", "&Option of Text Editor..."}));
    EXPECT_EQ(f.menuCaptions("&Stage Construction"),
              QStringList({"Stage &1", "Stage &2", "Stage &3", "Stage &4", "Stage &5", "-",
                           "Copy &Previous Stage"}));
    EXPECT_EQ(
        f.menuCaptions("&Computation"),
        QStringList({"&Run Analysis", "Subdivision &Check After Each Run", "-", "Edit I&nput Text",
                     "Edit &Processor-Run Notes", "Edit &Output Text", "-", "&View Wall Geometry",
                     "3D View", "-", "Results Summary", "Design Studies..."}));
    EXPECT_EQ(f.menuCaptions("&Graphics"),
              QStringList({"p-&y Curves", "&Deflection vs Depth", "&Moment vs Depth",
                           "&Shear vs Depth", "&Reaction vs Depth", "&Deflection, Moment and Shear",
                           "-", "Earth &Pressure Distribution", "Earth Pressure Combined", "-",
                           "Export Plots To Excel"}));
}

TEST(MainForm, ToolBarHintsInOrder) {
    TMainFormFixture f;
    auto* toolBar = f.form->findChild<QToolBar*>("ToolBar");
    ASSERT_NE(toolBar, nullptr);
    QStringList hints;
    for (QAction* button : toolBar->actions())
        if (!button->isSeparator()) hints << button->toolTip();
    EXPECT_EQ(hints, QStringList({"New Data File",
                                  "Open Data File",
                                  "Save Data File",
                                  "Title",
                                  "Wall Properties",
                                  "Wall Configuration",
                                  "Soil Layers",
                                  "Run Analysis",
                                  "Stage Construction Option",
                                  "View Output File",
                                  "Results Summary",
                                  "View Soil Profile",
                                  "3D View",
                                  "View p-y Curves",
                                  "Deflection Diagram",
                                  "Moment Diagram",
                                  "LShear Diagram",
                                  "Soil-Reaction Diagram",
                                  "Soil-Reaction Diagram",
                                  "Pressure Diagram",
                                  "Stage Const. 1",
                                  "Stage Const. 2",
                                  "Stage Const. 3",
                                  "Stage Const. 4",
                                  "Stage Const. 5"}));
    for (QAction* button : toolBar->actions()) {
        if (button->isSeparator()) continue;
        EXPECT_FALSE(button->icon().isNull()) << button->toolTip().toStdString();
    }
}

TEST(MainForm, ANewProjectShowsItsCaptionAndNoStages) {
    TMainFormFixture f;
    EXPECT_EQ(f.form->windowTitle(), "KELDRA 2015.5.6 - NewWall.kd5d");
    EXPECT_EQ(f.form->statusText(), "");
    EXPECT_FALSE(f.menu("&Stage Construction")->menuAction()->isVisible());
    for (QAction* stage : f.form->actions().stages) EXPECT_FALSE(stage->isVisible());
}

TEST(MainForm, DataEntriesFollowTheirOptions) {
    TMainFormFixture f;
    const TMainActions& a = f.form->actions();
    EXPECT_FALSE(a.restraints->isEnabled());
    EXPECT_FALSE(a.concentratedLoads->isEnabled());
    EXPECT_TRUE(a.soilLayers->isEnabled());        // p-y curves are generated by default
    EXPECT_FALSE(a.distributedLoad->isEnabled());  // triangular earth pressure by default

    switchAction(a, TSwitch::Restraints)->trigger();
    EXPECT_TRUE(a.restraints->isEnabled());
    EXPECT_TRUE(f.form->session().isModified());
    switchAction(a, TSwitch::GeneratePyCurves)->trigger();
    EXPECT_FALSE(a.soilLayers->isEnabled());
    EXPECT_FALSE(a.wallConfiguration->isEnabled());
    a.earthPressure[0]->trigger();
    EXPECT_TRUE(a.distributedLoad->isEnabled());
    EXPECT_EQ(f.form->session().earthPressure(), 1);
}

TEST(MainForm, ResultCommandsNeedResults) {
    TMainFormFixture f;
    const TMainActions& a = f.form->actions();
    for (QAction* g : a.graphs) EXPECT_FALSE(g->isEnabled());
    for (QAction* c : {a.deflectionMomentShear, a.exportPlots, a.viewWallGeometry, a.view3D,
                       a.editInput, a.editRunNotes, a.editOutput, a.viewOutputButton})
        EXPECT_FALSE(c->isEnabled()) << c->text().toStdString();
}

TEST(MainForm, ShortAndLongTermLayoutSwapsTheSoilAndLoadEntries) {
    TMainFormFixture f;
    const TMainActions& a = f.form->actions();
    QMenu* data = f.menu("Da&ta");
    auto submenu = [&](const QString& title) {
        for (QAction* item : data->actions())
            if (item->menu() && item->text() == title) return item;
        return static_cast<QAction*>(nullptr);
    };
    EXPECT_TRUE(a.soilLayers->isVisible());
    EXPECT_FALSE(submenu("&Soil Layer Data")->isVisible());

    a.shortAndLongTerm->trigger();
    EXPECT_FALSE(a.soilLayers->isVisible());
    EXPECT_FALSE(a.distributedLoad->isVisible());
    EXPECT_TRUE(submenu("&Soil Layer Data")->isVisible());
    EXPECT_TRUE(submenu("&Distributed Active Earth Pressure")->isVisible());
    EXPECT_FALSE(a.stagedConstruction->isEnabled());
    EXPECT_FALSE(a.stagedConstructionButton->isEnabled());
    EXPECT_FALSE(a.soilLayersButton->isEnabled());

    a.shortAndLongTerm->trigger();
    EXPECT_TRUE(a.soilLayers->isVisible());
    EXPECT_TRUE(a.stagedConstruction->isEnabled());
    EXPECT_TRUE(a.soilLayersButton->isEnabled());
}

TEST(MainForm, AskingToSaveBeforeNew) {
    {
        TMainFormFixture f;
        f.form->session().setModified(true);
        f.prompts->answers = {TAnswer::Cancel};
        EXPECT_FALSE(f.form->fileNew());
        EXPECT_EQ(f.log.questions, QStringList{"Do you want to save any changes?"});
        EXPECT_TRUE(f.form->session().isModified());
    }
    {
        TMainFormFixture f;
        f.form->session().setModified(true);
        f.prompts->answers = {TAnswer::No};
        EXPECT_TRUE(f.form->fileNew());
        EXPECT_FALSE(f.form->session().isModified());
    }
    {
        // Yes on a new project goes through Save As; cancelling it stops the command.
        TMainFormFixture f;
        f.form->session().setModified(true);
        f.prompts->answers = {TAnswer::Yes};
        f.prompts->fileNames = {QString()};
        EXPECT_FALSE(f.form->fileNew());
        EXPECT_EQ(f.log.dialogTitles, QStringList{"Save NewWall.kd5d As | NewWall.kd5d"});
        EXPECT_TRUE(f.form->session().isModified());
    }
    {
        TMainFormFixture f;
        f.form->fileNew();
        EXPECT_TRUE(f.log.questions.isEmpty());  // nothing to save
    }
}

TEST(MainForm, AMissingEngineLibraryIsReported) {
    QTemporaryDir emptyProgramFolder;
    TMainFormFixture f(emptyProgramFolder.path());
    f.form->session().project().files.fileName = f.folder.filePath("Wall.kd5d");
    f.giveSoundWall();
    f.form->runAnalysis();
    ASSERT_EQ(f.log.messages.size(), 1);
    EXPECT_EQ(f.log.messages.first(), "Attempt to initialize DLL failed");
    EXPECT_FALSE(QFileInfo::exists(QDir(emptyProgramFolder.path()).filePath("NAMES.dat")));
    EXPECT_FALSE(f.form->resultsLoaded());
}

TEST(MainForm, RunningANewProjectAsksForANameFirst) {
    TMainFormFixture f;
    f.prompts->fileNames = {QString()};
    f.form->runAnalysis();
    EXPECT_EQ(f.log.dialogTitles.size(), 1);
    EXPECT_TRUE(f.log.messages.isEmpty());
}

TEST(MainForm, StagesShowInTheMenuToolBarAndStatusBar) {
    TMainFormFixture f;
    const TMainActions& a = f.form->actions();
    f.form->applyStageCount(3);
    EXPECT_EQ(f.form->statusText(), "Construction Stage Number: 1");
    EXPECT_TRUE(f.menu("&Stage Construction")->menuAction()->isVisible());
    for (int j = 1; j <= kMaxStages; ++j) {
        EXPECT_TRUE(a.stages[j - 1]->isVisible());
        EXPECT_EQ(a.stages[j - 1]->isEnabled(), j <= 3) << j;
    }
    EXPECT_TRUE(a.stages[0]->isChecked());
    EXPECT_FALSE(a.copyPreviousStage->isEnabled());
    EXPECT_TRUE(a.stagedConstruction->isChecked());
    EXPECT_FALSE(a.shortAndLongTerm->isEnabled());

    a.stages[1]->trigger();
    EXPECT_EQ(f.log.messages, QStringList());
    EXPECT_TRUE(QFileInfo::exists(f.path("NewWall.st1")));
    EXPECT_EQ(f.form->statusText(), "Construction Stage Number: 2");
    EXPECT_TRUE(a.stages[1]->isChecked());
    EXPECT_TRUE(a.copyPreviousStage->isEnabled());

    f.prompts->answers = {TAnswer::No};
    a.copyPreviousStage->trigger();
    EXPECT_EQ(f.log.questions,
              QStringList{"Do you want to copy all information from Stage 1 to Stage 2"});

    f.form->applyStageCount(1);
    EXPECT_EQ(f.form->statusText(), "");
    EXPECT_FALSE(f.menu("&Stage Construction")->menuAction()->isVisible());
    EXPECT_FALSE(a.stages[0]->isVisible());
}

TEST(MainForm, TheUnitsMenuSwitchesTheProject) {
    TMainFormFixture f;
    const TMainActions& a = f.form->actions();
    TProgramData& project = f.form->session().project();
    project.wall.freeHeight = 120;
    EXPECT_TRUE(a.units[0]->isChecked());
    a.units[1]->trigger();
    EXPECT_EQ(f.form->session().unitSystem(), 2);
    EXPECT_DOUBLE_EQ(project.wall.freeHeight, 3.048);
    EXPECT_TRUE(f.form->session().isModified());
    a.units[1]->trigger();  // the same system again converts nothing
    EXPECT_DOUBLE_EQ(project.wall.freeHeight, 3.048);
}

TEST(MainForm, TheAboutBoxNamesTheProgramItsVersionAndTheEngine) {
    TMainFormFixture f(QCoreApplication::applicationDirPath());
    f.form->actions().about->trigger();
    ASSERT_EQ(f.log.messages.size(), 1);
    const QString text = f.log.messages.first();
    EXPECT_EQ(f.log.dialogTitles, QStringList{"About KELDRA 2015"});
    EXPECT_TRUE(text.contains("KELDRA 2015"));
    EXPECT_TRUE(text.contains("Version 2015.5.6"));
    EXPECT_TRUE(text.contains(QCoreApplication::applicationDirPath() + "/libKeldraEngine.so"));
    EXPECT_TRUE(text.contains("interface version 6"));

    QTemporaryDir empty;
    TMainFormFixture missing(empty.path());
    missing.form->actions().about->trigger();
    EXPECT_TRUE(missing.log.messages.first().contains("is missing from " + empty.path()));
}
