#include "app/views/viewcommands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "app/views/dlgblock.h"
#include "viewsfixture.h"

TEST(ViewCommands, ShowWhileAViewIsOpenAndActOnIt) {
    TViewsProject f;
    TViewsProject::englishExample(f.project);
    bool graphEnabled = true;
    std::vector<double> deflection;
    TViewCommands commands([&] { return graphEnabled; });
    EXPECT_FALSE(commands.zoomIn->isVisible());
    EXPECT_FALSE(commands.showMenu().menuAction()->isVisible());

    auto* view = new TDlgBlock([&] { return &f.project; }, [&] { return deflection; });
    commands.attach(*view);
    for (QAction* action : commands.toolActions()) EXPECT_TRUE(action->isVisible());
    EXPECT_EQ(commands.showMenu().actions().size(), 9);
    EXPECT_FALSE(commands.deformedShape->isEnabled());  // no deflection curve yet
    deflection = {0.1, 0.05};
    commands.refresh();
    EXPECT_TRUE(commands.deformedShape->isEnabled());
    graphEnabled = false;
    commands.refresh();
    EXPECT_FALSE(commands.deformedShape->isEnabled());

    commands.zoomIn->trigger();
    EXPECT_DOUBLE_EQ(view->viewState().zoom, 1.4142);
    commands.restartView->trigger();
    EXPECT_DOUBLE_EQ(view->viewState().zoom, 1.0);
    commands.panning->trigger();
    EXPECT_EQ(view->viewState().mode, T3DViewState::Panning);
    commands.zoomWindow->trigger();
    EXPECT_TRUE(view->viewState().zoomWindow);
    EXPECT_FALSE(commands.panning->isChecked());

    delete view;  // closing the view hides its commands
    EXPECT_FALSE(commands.zoomIn->isVisible());
    EXPECT_FALSE(commands.showMenu().menuAction()->isVisible());
}
