#include "app/dialogs/datawindows.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/dialogs/dlgconloads.h"
#include "app/dialogs/dlgcsd.h"
#include "app/dialogs/dlgoptions.h"
#include "app/dialogs/dlgprop.h"
#include "app/dialogs/dlgtitle.h"
#include "app/tables/formdescription.h"
#include "app/widgets/dataedit.h"
#include "tests/app/dialogs/windowfixture.h"

namespace {

struct DataWindows : ::testing::Test {
    TWindowFixture f;

    template <typename T>
    T* open(TDataWindowKind kind) {
        auto* window = dynamic_cast<T*>(f.windows.open(kind));
        EXPECT_NE(window, nullptr);
        return window;
    }
};

TEST_F(DataWindows, EachWindowExistsOnce) {
    TDataWindow* title = f.windows.open(TDataWindowKind::Title);
    EXPECT_EQ(f.windows.open(TDataWindowKind::Title), title);
    EXPECT_EQ(title->windowTitle(), "Project Title");
    title->close();
    QApplication::processEvents();
    EXPECT_EQ(f.windows.window(TDataWindowKind::Title), nullptr);
}

TEST_F(DataWindows, TitleMarksTheProjectModifiedOnlyWhenItChanged) {
    auto* title = open<TdlgTitle>(TDataWindowKind::Title);
    EXPECT_EQ(title->titleEdit()->text(), "New Wall");
    EXPECT_EQ(title->titleEdit()->maxLength(), 80);
    EXPECT_TRUE(title->storeValues());
    EXPECT_FALSE(f.project->IsModified());
    typeInto(*title->titleEdit(), "Quay wall, stage 1");
    EXPECT_TRUE(title->storeValues());
    EXPECT_EQ(f.project->title, "Quay wall, stage 1");
    EXPECT_TRUE(f.project->IsModified());
}

TEST_F(DataWindows, WallConfigurationShowsFeetAndPsfInEnglishUnits) {
    f.project->wall.freeHeight = 120;
    f.project->configuration.uniformLoad = 1;
    auto* csd = open<TdlgCSD>(TDataWindowKind::WallConfiguration);
    EXPECT_EQ(csd->freeHeight()->editLabel()->text(), "&Free Height of Wall, H (ft)");
    EXPECT_EQ(csd->freeHeight()->text(), "10");
    EXPECT_EQ(csd->uniformLoad()->text(), "144");
    EXPECT_EQ(csd->uniformLoad()->editLabel()->text(),
              "Uniform Distributed Load at the top of backfill side  (lbs/ft^2)");
    EXPECT_EQ(csd->slope()->editLabel()->text(), "Slope of the backfill, Beta (deg.)");

    typeInto(*csd->waterBackfill(), "5");
    typeInto(*csd->uniformLoad(), "288");
    EXPECT_TRUE(csd->storeValues());
    EXPECT_EQ(f.project->configuration.waterDepthBackfill, 60.0);
    EXPECT_EQ(f.project->configuration.uniformLoad, 2.0);
    EXPECT_EQ(f.project->wall.freeHeight, 120.0);  // unchanged fields are not written back
    EXPECT_TRUE(f.project->IsModified());

    f.project->SetUnits(kSIUnits);
    f.windows.refresh();
    EXPECT_EQ(csd->freeHeight()->editLabel()->text(), "&Free Height of Wall, H (m)");
    EXPECT_EQ(csd->freeHeight()->text(), "3.048");
    EXPECT_EQ(csd->waterBackfill()->editLabel()->text(),
              "&Depth to the Water Table in backfill side, DWb (m)");
}

TEST_F(DataWindows, BetaIsHeldToPlusOrMinus45Degrees) {
    auto* csd = open<TdlgCSD>(TDataWindowKind::WallConfiguration);
    typeInto(*csd->slope(), "50");
    EXPECT_FALSE(csd->storeValues());
    EXPECT_EQ(f.log.messages,
              QStringList{"Slope of the backfill, Beta: Entry must be less than or equal to 45"});
    EXPECT_TRUE(csd->storeValues());
    EXPECT_EQ(f.project->configuration.backfillSlope, 45.0);
}

TEST_F(DataWindows, AnInvalidFieldKeepsTheWindowOpen) {
    auto* prop = open<TDlgProp>(TDataWindowKind::WallProperties);
    EXPECT_EQ(prop->increments()->text(), "1");  // a new project's 0 is below the limit
    typeInto(*prop->increments(), "400");
    EXPECT_FALSE(prop->close());
    EXPECT_EQ(f.log.messages,
              QStringList{"Increments (nodes): Entry must be less than or equal to 300"});
    typeInto(*prop->incrementLength(), "2.5*");
    EXPECT_FALSE(prop->close());
    EXPECT_TRUE(prop->isVisible());
    typeInto(*prop->incrementLength(), "2.5");
    typeInto(*prop->freeHeight(), "20");
    EXPECT_TRUE(prop->close());
    EXPECT_EQ(f.project->wall.increments, 300);
    EXPECT_EQ(f.project->wall.incrementLength, 2.5);
    EXPECT_EQ(f.project->wall.freeHeight, 240.0);
}

TEST_F(DataWindows, WallPropertiesShowTheWallLengthAndEmbedmentAsTheUserTypes) {
    auto* prop = open<TDlgProp>(TDataWindowKind::WallProperties);
    prop->increments()->setText("40");
    prop->incrementLength()->setText("6");  // inches
    prop->freeHeight()->setText("2*6");     // feet
    EXPECT_EQ(prop->wallGeometry()->text(),
              "Wall length: 20 ft    Embedment below excavation: 8 ft");
    prop->incrementLength()->setText("6*");
    EXPECT_EQ(prop->wallGeometry()->text(), "Wall length: -    Embedment below excavation: -");
    EXPECT_FALSE(f.project->IsModified());  // derived values are not stored
}

TEST_F(DataWindows, OpeningAWindowLeavesTheProjectUnmodified) {
    auto* prop = open<TDlgProp>(TDataWindowKind::WallProperties);
    EXPECT_TRUE(prop->storeValues());
    EXPECT_EQ(f.project->wall.increments, 0);
    EXPECT_FALSE(f.project->IsModified());
}

TEST_F(DataWindows, SectionButtonOpensTheWallStiffnessTable) {
    auto* prop = open<TDlgProp>(TDataWindowKind::WallProperties);
    prop->sectionButton()->click();
    TTableForm* table = f.tableWindows().windowOf(f.table(TableName::PileSect));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->windowTitle(), "Wall Stiffness ");
}

TEST_F(DataWindows, UncheckingConcentratedLoadsClosesTheirTable) {
    f.project->options.concentratedLoads = true;
    auto* loads = open<TDlgConLoads>(TDataWindowKind::ConcentratedLoads);
    EXPECT_TRUE(loads->checkBox()->isChecked());
    EXPECT_EQ(loads->checkBox()->text(), "Apply &Concentrated Loads");
    loads->tableButton()->click();
    TGridTable& table = f.table(TableName::BoundCond);
    ASSERT_NE(f.tableWindows().windowOf(table), nullptr);

    loads->checkBox()->click();
    QApplication::processEvents();
    EXPECT_FALSE(loads->tableButton()->isEnabled());
    EXPECT_EQ(f.tableWindows().windowOf(table), nullptr);
    EXPECT_TRUE(loads->storeValues());
    EXPECT_FALSE(f.project->options.concentratedLoads);
    EXPECT_TRUE(f.project->IsModified());
}

TEST_F(DataWindows, TextEditorOptionEditsTheMainWindowsPath) {
    f.editorPath = "/usr/bin/vi";
    auto* options = open<TDlgOptions>(TDataWindowKind::TextEditorOption);
    EXPECT_EQ(options->editorEdit()->text(), "/usr/bin/vi");
    f.prompts.fileNames = {"/usr/bin/nano"};
    options->browseButton()->click();
    EXPECT_EQ(f.editorPath, "/usr/bin/nano");

    // Typed, the path is the main window's before focus leaves the window.
    QTest::keyClicks(options->editorEdit(), "-tiny");
    EXPECT_EQ(f.editorPath, "/usr/bin/nano-tiny");
    EXPECT_TRUE(options->storeValues());
    EXPECT_EQ(f.editorPath, "/usr/bin/nano-tiny");
}

TEST_F(DataWindows, TablesOpenByName) {
    TTableForm* soil = f.windows.openTable(TableName::NewSoil);
    ASSERT_NE(soil, nullptr);
    EXPECT_EQ(f.windows.openTable(TableName::NewSoil), soil);
    f.windows.closeTable(TableName::NewSoil);
    QApplication::processEvents();
    EXPECT_EQ(f.tableWindows().windowOf(f.table(TableName::NewSoil)), nullptr);
}

}  // namespace
