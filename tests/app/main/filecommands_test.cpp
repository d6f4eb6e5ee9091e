// The file commands of the main window on real project files.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "app/project/programdata.h"
#include "mainformfixture.h"

namespace {

using TAnswer = TUserPrompts::TAnswer;

const QString kExample = KELDRA_SOURCE_DIR "/examples/cantilever_user_curves.kd5d";
const QString kStaged2013 = KELDRA_SOURCE_DIR "/tests/app/project/data/staged2013.kd4d";

QString copied(const TMainFormFixture& f, const QString& source, const QString& name) {
    const QString target = f.path(name);
    QFile::copy(source, target);
    return target;
}

QString readMessage(const QString& name) {
    return "Data file: " + name + ", has been read by KELDRA 2015";
}

}  // namespace

TEST(FileCommands, OpenAsksToSaveAndHonoursTheAnswer) {
    TMainFormFixture f;
    const QString wall = copied(f, kExample, "Wall.kd5d");
    f.form->session().project().title = "Edited";
    f.form->session().setModified(true);

    f.prompts->answers = {TAnswer::Cancel};
    EXPECT_FALSE(f.form->fileOpen());
    EXPECT_TRUE(f.log.dialogTitles.isEmpty());  // no dialog after Cancel
    EXPECT_EQ(f.form->session().project().title, "Edited");

    f.prompts->answers = {TAnswer::No};
    f.prompts->fileNames = {wall};
    EXPECT_TRUE(f.form->fileOpen());
    EXPECT_EQ(f.log.dialogTitles, QStringList{"Open"});
    EXPECT_EQ(f.form->session().project().title,
              "Cantilever sheet-pile wall with user earth pressure and p-y curves");
    EXPECT_FALSE(f.form->session().isModified());
    EXPECT_EQ(f.log.messages, QStringList{readMessage("Wall.kd5d")});
}

TEST(FileCommands, SavingANewProjectGoesThroughSaveAs) {
    TMainFormFixture f;
    f.form->session().setModified(true);
    f.prompts->fileNames = {QString()};
    EXPECT_FALSE(f.form->fileSave());
    EXPECT_TRUE(f.form->session().isModified());  // cancelled: still modified

    f.prompts->fileNames = {f.path("First.kd5d")};
    EXPECT_TRUE(f.form->fileSave());
    EXPECT_TRUE(QFileInfo::exists(f.path("First.kd5d")));
    EXPECT_FALSE(f.form->session().isModified());
    EXPECT_EQ(f.form->windowTitle(), "KELDRA 2015.5.6 - First.kd5d");
    EXPECT_EQ(f.form->settings().recentFiles.at(0), f.path("First.kd5d"));
    EXPECT_EQ(f.log.dialogTitles.size(), 2);

    // Saved under its own name, Save writes without asking.
    EXPECT_TRUE(f.form->fileSave());
    EXPECT_EQ(f.log.dialogTitles.size(), 2);
}

TEST(FileCommands, RecentFilesFollowEveryOpenAndShowRelativeNames) {
    TMainFormFixture f;
    for (const char* name : {"A.kd5d", "B.kd5d", "C.kd5d"}) {
        copied(f, kExample, name);
        f.form->openFileByName(f.path(name), TFileLayout::Current);
    }
    const TRecentFiles& recent = f.form->settings().recentFiles;
    ASSERT_EQ(recent.at(2), f.path("A.kd5d"));
    EXPECT_TRUE(f.form->openRecentFile(2));
    EXPECT_EQ(recent.at(0), f.path("A.kd5d"));
    EXPECT_EQ(recent.at(1), f.path("C.kd5d"));
    EXPECT_EQ(recent.at(2), f.path("B.kd5d"));

    f.menu("&File")->aboutToShow();
    const TMainActions& a = f.form->actions();
    EXPECT_EQ(a.recentFiles[0]->text(), "1 A.kd5d");  // the file's folder is current
    EXPECT_TRUE(a.recentFiles[2]->isVisible());

    // The list is stored as it changes.
    TAppSettings stored;
    readAppSettings(stored);
    EXPECT_EQ(stored.recentFiles.at(0), f.path("A.kd5d"));
}

TEST(FileCommands, AStaged2013ProjectIsConvertedAndSavedUnderTheCurrentLayout) {
    TMainFormFixture f;
    const QString old = copied(f, kStaged2013, "Staged.kd4d");
    ASSERT_TRUE(f.form->openFileByName(old, layoutOfFileName(old)));
    EXPECT_EQ(f.log.messages, QStringList{readMessage("Staged.kd4d")});
    EXPECT_EQ(f.form->session().stageCount(), 2);
    EXPECT_EQ(f.form->statusText(), "Construction Stage Number: 1");
    EXPECT_TRUE(f.menu("&Stage Construction")->menuAction()->isVisible());
    QFile stage2(f.path("Staged.st2"));
    ASSERT_TRUE(stage2.open(QIODevice::ReadOnly));
    QFile expected(KELDRA_SOURCE_DIR "/tests/app/project/data/staged2013.expected.st2");
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    EXPECT_EQ(stage2.readAll(), expected.readAll());

    // Staged.kd4d and Staged.kd5d share their stage files.
    f.prompts->fileNames = {f.path("Staged.kd5d")};
    EXPECT_TRUE(f.form->fileSave());
    EXPECT_EQ(f.log.messages.size(), 1);
    EXPECT_EQ(f.log.dialogTitles.last(), "Save Staged.kd4d As | " + f.path("Staged.kd5d"));
    QFile joined(f.path("Staged.kd5d"));
    ASSERT_TRUE(joined.open(QIODevice::ReadOnly));
    QFile expectedJoined(KELDRA_SOURCE_DIR "/tests/app/project/data/staged2013.expected.kd5d");
    ASSERT_TRUE(expectedJoined.open(QIODevice::ReadOnly));
    EXPECT_EQ(joined.readAll(), expectedJoined.readAll());
}

TEST(FileCommands, StageCountChangesRewriteTheStageFiles) {
    TMainFormFixture f;
    f.form->openFileByName(copied(f, kExample, "Wall.kd5d"), TFileLayout::Current);
    f.form->applyStageCount(3);
    for (const char* file : {"Wall.st1", "Wall.st2", "Wall.st3"})
        EXPECT_TRUE(QFileInfo::exists(f.path(file))) << file;
    EXPECT_EQ(f.form->session().currentStage(), 1);
    EXPECT_TRUE(f.form->session().isModified());

    f.form->applyStageCount(4);
    f.form->selectStage(4);
    f.form->applyStageCount(2);
    EXPECT_EQ(f.form->session().currentStage(), 1);
    EXPECT_TRUE(QFileInfo::exists(f.path("Wall.st2")));
    EXPECT_FALSE(QFileInfo::exists(f.path("Wall.st3")));
    EXPECT_FALSE(QFileInfo::exists(f.path("Wall.st4")));

    f.form->applyStageCount(1);
    EXPECT_FALSE(QFileInfo::exists(f.path("Wall.st1")));
    EXPECT_EQ(f.form->statusText(), "");
}

TEST(FileCommands, SelectingAStageStoresTheEditsAndKeepsTheModifiedState) {
    TMainFormFixture f;
    f.form->openFileByName(copied(f, kExample, "Wall.kd5d"), TFileLayout::Current);
    f.form->applyStageCount(2);
    ASSERT_TRUE(f.form->fileSave());
    TProgramData& project = f.form->session().project();
    const double height = project.wall.freeHeight;
    project.wall.freeHeight = height + 24;
    f.form->session().setModified(true);

    f.form->selectStage(2);
    EXPECT_EQ(f.form->statusText(), "Construction Stage Number: 2");
    EXPECT_TRUE(f.form->session().isModified());
    EXPECT_EQ(project.wall.freeHeight, height);
    f.form->selectStage(1);
    EXPECT_EQ(project.wall.freeHeight, height + 24);

    // Copy previous stage: No changes nothing, Yes gives stage 2 stage 1's input.
    f.form->selectStage(2);
    f.prompts->answers = {TAnswer::No, TAnswer::Yes};
    f.form->copyPreviousStage();
    EXPECT_EQ(project.wall.freeHeight, height);
    f.form->copyPreviousStage();
    EXPECT_EQ(project.wall.freeHeight, height + 24);
    EXPECT_EQ(f.form->session().currentStage(), 2);
}

TEST(FileCommands, TheCommandLineNameWithoutExtensionMeansA2013File) {
    TMainFormFixture f;
    copied(f, kStaged2013, "Wall.kd4d");
    f.form->openFromCommandLine(f.path("Wall"));
    EXPECT_EQ(f.form->session().fileName(), f.path("Wall.kd4d"));
    EXPECT_EQ(f.form->session().stageCount(), 2);

    TMainFormFixture missing;
    missing.form->openFromCommandLine(missing.path("Nothing.kd5d"));
    EXPECT_TRUE(missing.form->session().isNew());
}

TEST(FileCommands, AReadingErrorIsShownAndTheProgramGoesOn) {
    TMainFormFixture f;
    const QString broken = f.path("Broken.kd5d");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("A title\nnot numbers at all\n");
    file.close();
    EXPECT_TRUE(f.form->openFileByName(broken, TFileLayout::Current));
    ASSERT_EQ(f.log.messages.size(), 2);
    EXPECT_FALSE(f.log.messages.first().isEmpty());
    EXPECT_EQ(f.log.messages.last(), readMessage("Broken.kd5d"));
    EXPECT_EQ(f.form->session().project().title, "A title");
    EXPECT_EQ(f.form->windowTitle(), "KELDRA 2015.5.6 - Broken.kd5d");
}
