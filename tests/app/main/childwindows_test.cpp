// Child windows of the main window, the Window menu, closing and dropping.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QUrl>

#include "app/dialogs/dlgprop.h"
#include "app/dialogs/dlgstaged.h"
#include "app/widgets/dataedit.h"
#include "mainformfixture.h"

namespace {

using TAnswer = TUserPrompts::TAnswer;

QWidget* labelled(const QString& caption) {
    auto* content = new QLabel(caption);
    content->setWindowTitle(caption);
    return content;
}

QStringList windowEntries(TMainFormFixture& f) {
    QMenu* window = f.menu("&Window");
    emit window->aboutToShow();
    return f.menuCaptions("&Window");
}

}  // namespace

TEST(ChildWindows, TheWindowMenuListsEveryChildWindow) {
    TMainFormFixture f;
    f.form->show();
    EXPECT_EQ(windowEntries(f), QStringList({"&Cascade", "&Arrange Icons"}));
    f.form->showChildWindow("Title", [] { return labelled("Project Title"); });
    f.form->showChildWindow("PileSect", [] { return labelled("Wall Stiffness"); });
    EXPECT_EQ(windowEntries(f),
              QStringList({"&Cascade", "&Arrange Icons", "-", "Project Title", "Wall Stiffness"}));

    // One window per name: showing it again brings it to the front.
    f.form->showChildWindow("Title", [] { return labelled("Second title"); });
    EXPECT_EQ(f.form->mdiArea()->subWindowList().size(), 2);
    EXPECT_EQ(f.form->mdiArea()->activeSubWindow()->windowTitle(), "Project Title");
}

TEST(ChildWindows, SwitchingAnOptionOffClosesItsTableWindow) {
    TMainFormFixture f;
    f.form->show();
    const TMainActions& a = f.form->actions();
    switchAction(a, TSwitch::ConcentratedLoads)->trigger();
    f.form->showChildWindow("BoundCond", [] { return labelled("Concentrated Loads on Wall"); });
    f.form->showChildWindow("PileSect", [] { return labelled("Wall Stiffness"); });
    switchAction(a, TSwitch::ConcentratedLoads)->trigger();
    QApplication::processEvents();
    const QList<QMdiSubWindow*> open = f.form->mdiArea()->subWindowList();
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open.first()->objectName(), "PileSect");
}

TEST(ChildWindows, TheStageOptionButtonOpensAChildWindow) {
    TMainFormFixture f;
    f.form->show();
    f.form->actions().stagedConstructionButton->trigger();
    const QList<QMdiSubWindow*> open = f.form->mdiArea()->subWindowList();
    ASSERT_EQ(open.size(), 1);
    auto* dialog = qobject_cast<TDlgStaged*>(open.first()->widget());
    ASSERT_NE(dialog, nullptr);
    dialog->stagedBox()->click();
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    QApplication::processEvents();
    EXPECT_EQ(f.form->session().stageCount(), 2);
    EXPECT_EQ(f.form->statusText(), "Construction Stage Number: 1");
    EXPECT_TRUE(f.form->mdiArea()->subWindowList().isEmpty());
}

TEST(ChildWindows, ClosingAsksToSaveAndStoresTheSettings) {
    TMainFormFixture f;
    f.form->show();
    f.form->session().setModified(true);
    f.prompts->answers = {TAnswer::Cancel};
    EXPECT_FALSE(f.form->close());
    EXPECT_TRUE(f.form->isVisible());

    f.prompts->answers = {TAnswer::No};
    EXPECT_TRUE(f.form->close());
    EXPECT_EQ(f.log.questions.size(), 2);
}

TEST(ChildWindows, ADroppedFileOpensAfterAskingToSave) {
    TMainFormFixture f;
    const QString wall = f.path("Dropped.kd5d");
    ASSERT_TRUE(QFile::copy(KELDRA_SOURCE_DIR "/examples/cantilever_user_curves.kd5d", wall));
    f.form->session().setModified(true);
    f.prompts->answers = {TAnswer::No};
    EXPECT_TRUE(f.form->openDroppedFiles({QUrl::fromLocalFile(wall), QUrl::fromLocalFile("x")}));
    EXPECT_EQ(f.log.questions, QStringList{"Do you want to save any changes?"});
    EXPECT_EQ(f.form->session().fileName(), wall);
    EXPECT_EQ(f.form->windowTitle(), "KELDRA 2015.5.6 - Dropped.kd5d");
}

TEST(ChildWindows, AnInputWindowLeftOpenShowsTheProjectThatReplacedItsOwn) {
    const struct {
        const char* name;
        void (*open)(TMainFormFixture&, const QString&);
    } paths[] = {
        {"dropped",
         [](TMainFormFixture& f, const QString& wall) {
             EXPECT_TRUE(f.form->openDroppedFiles({QUrl::fromLocalFile(wall)}));
         }},
        {"command line",
         [](TMainFormFixture& f, const QString& wall) { f.form->openFromCommandLine(wall); }},
    };
    for (const auto& path : paths) {
        SCOPED_TRACE(path.name);
        TMainFormFixture f;
        const QString wall = f.path("Wall.kd5d");
        ASSERT_TRUE(QFile::copy(KELDRA_SOURCE_DIR "/examples/cantilever_user_curves.kd5d", wall));
        f.form->actions().wallProperties->trigger();
        ASSERT_EQ(f.form->mdiArea()->subWindowList().size(), 1);
        auto* prop = dynamic_cast<TDlgProp*>(f.form->mdiArea()->subWindowList().first()->widget());
        ASSERT_NE(prop, nullptr);
        EXPECT_EQ(prop->increments()->text(), "1");
        // An entry that cannot be evaluated keeps the window open.
        prop->incrementLength()->setText("2.5*");

        path.open(f, wall);
        ASSERT_EQ(f.form->mdiArea()->subWindowList().size(), 1);
        EXPECT_EQ(prop->increments()->text(), "40");
        EXPECT_NE(prop->incrementLength()->text(), "2.5*");
    }
}

TEST(ChildWindows, AnEditorThatCannotStartIsReported) {
    TAppSettings settings;
    settings.editorPath = "/nonexistent/editor --new-window";
    writeAppSettings(settings);
    TMainFormFixture f;
    const QString wall = f.path("Wall.kd5d");
    ASSERT_TRUE(QFile::copy(KELDRA_SOURCE_DIR "/examples/cantilever_user_curves.kd5d", wall));
    f.form->openFileByName(wall, TFileLayout::Current);
    ASSERT_TRUE(f.form->actions().editInput->isEnabled());
    f.form->actions().editInput->trigger();
    EXPECT_EQ(f.log.messages.last(), "An error occurred in running the Word Processor");
    writeAppSettings(TAppSettings());
}
