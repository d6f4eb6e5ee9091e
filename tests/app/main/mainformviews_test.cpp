// The main window's geometry views: the side view and the 3D view with its commands.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include "app/views/dlgblock.h"
#include "app/views/dlgsideview.h"
#include "mainformfixture.h"

namespace {

QStringList menuTitles(TMainForm& form) {
    QStringList titles;
    for (QAction* top : form.menuBar()->actions()) titles << top->text();
    return titles;
}

}  // namespace

TEST(MainFormViews, ComputationMenuOpensBothViewsOfTheResults) {
    TMainFormFixture f(QCoreApplication::applicationDirPath());
    const QString project = f.path("anchored.kd5d");
    ASSERT_TRUE(QFile::copy(KELDRA_SOURCE_DIR "/examples/anchored_silt_strong_rock.kd5d", project));
    ASSERT_TRUE(f.form->openFileByName(project, TFileLayout::Current));
    f.form->runAnalysis();
    ASSERT_TRUE(f.form->resultsLoaded());
    const TMainActions& a = f.form->actions();
    EXPECT_FALSE(menuTitles(*f.form).contains("Show 3DView"));

    a.viewWallGeometry->trigger();
    QMdiSubWindow* side = f.form->mdiArea()->activeSubWindow();
    ASSERT_NE(side, nullptr);
    EXPECT_NE(qobject_cast<TDlgSideView*>(side->widget()), nullptr);
    // The window opens large enough to show the profile, not shrunk to its button bar.
    EXPECT_GE(side->sizeHint().width(), 600);
    EXPECT_GE(side->sizeHint().height(), 400);
    a.viewWallGeometry->trigger();  // shown again, not created twice
    EXPECT_EQ(f.form->mdiArea()->subWindowList().size(), 1);

    a.view3D->trigger();
    QMdiSubWindow* child = f.form->mdiArea()->activeSubWindow();
    ASSERT_NE(child, nullptr);
    auto* view = qobject_cast<TDlgBlock*>(child->widget());
    ASSERT_NE(view, nullptr);
    EXPECT_GE(child->sizeHint().width(), 600);
    EXPECT_GE(child->sizeHint().height(), 400);
    EXPECT_TRUE(menuTitles(*f.form).contains("Show 3DView"));
    // The deformed shape takes the first deflection curve.
    EXPECT_TRUE(view->deformedShapeAvailable());
    // A value for every node of the 50 increments (the engine adds one below the tip).
    const std::vector<double> deflection = view->deflection();
    ASSERT_GE(deflection.size(), 51u);
    EXPECT_NE(deflection[0], 0.0);

    child->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(menuTitles(*f.form).contains("Show 3DView"));
}
