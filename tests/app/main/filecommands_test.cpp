// The file commands of the main window on real project files.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <functional>

#include "app/project/programdata.h"
#include "app/project/textfile.h"
#include "mainformfixture.h"
#include "tests/app/filesizelimit.h"

namespace {

using TAnswer = TUserPrompts::TAnswer;

const QString kExample = KELDRA_SOURCE_DIR "/examples/cantilever_user_curves.kd5d";
const QString kStaged2013 = KELDRA_SOURCE_DIR "/tests/app/project/data/staged2013.kd4d";

QString copied(const TMainFormFixture& f, const QString& source, const QString& name) {
    const QString target = f.path(name);
    QFile::copy(source, target);
    return target;
}

QStringList recentFiles(const TMainFormFixture& f) {
    QStringList files;
    for (int i = 0; i < TRecentFiles::kCapacity; ++i) files << f.form->settings().recentFiles.at(i);
    return files;
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
    EXPECT_FALSE(f.form->openFileByName(broken, TFileLayout::Current));
    ASSERT_EQ(f.log.messages.size(), 1);
    EXPECT_TRUE(f.log.messages.first().startsWith("Error on Line 2 Item 1"));
    EXPECT_EQ(f.form->session().project().title, "A title");
    EXPECT_EQ(f.form->windowTitle(), "KELDRA 2015.5.6 - Broken-recovered.kd5d");
}

// A damaged file, however it is opened, shows its error and nothing else: it is not announced
// as read, not put among the recent files, and no plain Save replaces it. What was read stays
// on screen as an untitled, modified project named after it; Save asks for a name.
TEST(FileCommands, ADamagedFileIsShownButNeverReplacedByAPlainSave) {
    const QByteArray example = readTextFile(kExample);
    QByteArray damaged = example;
    damaged.replace(damaged.indexOf("1E-5"), 4, "1E");
    const QString expected =
        "Error on Line 3 Item 4\rA floating point number was expected but not found.\n\n"
        "Data file: Broken.kd5d, could not be read completely and is left as it was. What was "
        "read is shown as Broken-recovered.kd5d, which is not saved yet.";

    using TOpen = std::function<bool(TMainFormFixture&, const QString&)>;
    const std::pair<const char*, TOpen> entries[] = {
        {"open dialog",
         [](TMainFormFixture& f, const QString& file) {
             f.prompts->fileNames = {file};
             return f.form->fileOpen();
         }},
        {"recent file",
         [](TMainFormFixture& f, const QString&) { return f.form->openRecentFile(1); }},
        {"dropped file",
         [](TMainFormFixture& f, const QString& file) {
             return f.form->openDroppedFiles({QUrl::fromLocalFile(file)});
         }},
        {"command line",
         [](TMainFormFixture& f, const QString& file) {
             f.form->openFromCommandLine(file);
             return false;
         }},
    };
    for (const auto& [what, open] : entries) {
        SCOPED_TRACE(what);
        TMainFormFixture f;
        // Broken.kd5d is the second recent file, behind a sound one.
        const QString broken = f.path("Broken.kd5d");
        writeTextFile(broken, example);
        ASSERT_TRUE(f.form->openFileByName(broken, TFileLayout::Current));
        ASSERT_TRUE(
            f.form->openFileByName(copied(f, kExample, "Sound.kd5d"), TFileLayout::Current));
        const QStringList recent = recentFiles(f);
        f.form->fileNew();
        writeTextFile(broken, damaged);
        f.log.messages.clear();

        EXPECT_FALSE(open(f, broken));
        EXPECT_EQ(f.log.messages, QStringList{expected});
        EXPECT_EQ(recentFiles(f), recent);
        EXPECT_EQ(f.form->windowTitle(), "KELDRA 2015.5.6 - Broken-recovered.kd5d");
        const TProgramData& project = f.form->session().project();
        EXPECT_EQ(project.title,
                  "Cantilever sheet-pile wall with user earth pressure and p-y curves");
        EXPECT_EQ(project.wall.increments, 40);
        EXPECT_TRUE(f.form->session().isModified());

        f.prompts->fileNames = {QString()};
        EXPECT_FALSE(f.form->fileSave());
        EXPECT_EQ(f.log.dialogTitles.last(),
                  "Save Broken-recovered.kd5d As | " + f.path("Broken-recovered.kd5d"));
        EXPECT_EQ(readTextFile(broken), damaged);
        EXPECT_TRUE(f.form->session().isModified());

        f.prompts->fileNames = {f.path("Rescued.kd5d")};
        EXPECT_TRUE(f.form->fileSave());
        EXPECT_EQ(f.form->windowTitle(), "KELDRA 2015.5.6 - Rescued.kd5d");
        EXPECT_FALSE(f.form->session().isNew());
        EXPECT_EQ(readTextFile(broken), damaged);
    }
}

// Out of disk space, Save reports the failure and changes nothing: the project file keeps its
// bytes, the edits stay in memory and closing the window still asks to save them. In the
// staged project the current stage is written and the joined file fails.
TEST(FileCommands, AFailedSaveKeepsTheFileAndTheEdits) {
    for (const int stages : {1, 2}) {
        SCOPED_TRACE(stages);
        TMainFormFixture f;
        const QString wall = copied(f, kExample, "Wall.kd5d");
        f.form->openFileByName(wall, TFileLayout::Current);
        f.form->applyStageCount(stages);
        ASSERT_TRUE(f.form->fileSave());
        const QByteArray saved = readTextFile(wall);
        f.form->session().project().title += " (edited)";
        f.form->session().setModified(true);
        f.log.messages.clear();
        {
            const TFileSizeLimit diskFull(saved.size() - 1);
            EXPECT_FALSE(f.form->fileSave());
        }
        ASSERT_EQ(f.log.messages.size(), 1);
        EXPECT_TRUE(f.log.messages.first().startsWith("Cannot write file \"" + wall + "\"."))
            << f.log.messages.first().toStdString();
        EXPECT_EQ(readTextFile(wall), saved);
        EXPECT_TRUE(f.form->session().isModified());
        EXPECT_EQ(f.form->session().fileName(), wall);

        f.prompts->answers = {TAnswer::Cancel};
        EXPECT_FALSE(f.form->close());
        EXPECT_EQ(f.log.questions.last(), "Do you want to save any changes?");
    }
}

// Opening a staged project splits it into stage files; when they cannot be written the
// project is not opened at all, rather than opened with stages made up from one another.
TEST(FileCommands, AStagedProjectWhoseStageFilesCannotBeWrittenIsNotOpened) {
    TMainFormFixture f;
    const QString staged = copied(f, KELDRA_SOURCE_DIR "/examples/two_stage.kd5d", "Staged.kd5d");
    const QByteArray original = readTextFile(staged);
    const QStringList recent = recentFiles(f);
    {
        const TFileSizeLimit diskFull(64);
        EXPECT_FALSE(f.form->openFileByName(staged, TFileLayout::Current));
    }
    ASSERT_EQ(f.log.messages.size(), 1);
    const QString message = f.log.messages.first();
    EXPECT_TRUE(message.startsWith("Cannot write file \"" + f.path("Staged.st1") + "\"."))
        << message.toStdString();
    EXPECT_TRUE(message.endsWith(
        "\nData file: Staged.kd5d, has not been opened: its construction stages could not be "
        "written to their stage files. The data file is unchanged."))
        << message.toStdString();
    EXPECT_TRUE(f.form->session().isNew());
    EXPECT_EQ(f.form->session().stageCount(), 1);
    EXPECT_EQ(f.form->windowTitle(), "KELDRA 2015.5.6 - NewWall.kd5d");
    EXPECT_EQ(recentFiles(f), recent);
    EXPECT_EQ(readTextFile(staged), original);
    EXPECT_EQ(QDir(f.folder.path()).entryList(QDir::Files), QStringList{"Staged.kd5d"});
}

// On a full disk a stage switch stays on the stage it could not store, with its edits.
TEST(FileCommands, AStageSwitchThatCannotStoreTheStageStays) {
    TMainFormFixture f;
    f.form->openFileByName(copied(f, kExample, "Wall.kd5d"), TFileLayout::Current);
    f.form->applyStageCount(2);
    ASSERT_TRUE(f.form->fileSave());
    TProgramData& project = f.form->session().project();
    project.wall.freeHeight += 24;
    const double edited = project.wall.freeHeight;
    f.form->session().setModified(true);
    f.log.messages.clear();
    {
        const TFileSizeLimit diskFull(16);
        f.form->selectStage(2);
    }
    ASSERT_EQ(f.log.messages.size(), 1);
    EXPECT_TRUE(f.log.messages.first().startsWith("Cannot write file \"" + f.path("Wall.st1")));
    EXPECT_EQ(f.form->session().currentStage(), 1);
    EXPECT_EQ(f.form->statusText(), "Construction Stage Number: 1");
    EXPECT_EQ(project.wall.freeHeight, edited);
    EXPECT_TRUE(f.form->session().isModified());
}

// A title with characters the data file cannot keep is named before anything is written; the
// user saves it with them replaced, which the project then holds too, or keeps it unsaved.
TEST(FileCommands, ATitleTheFileCannotKeepIsSavedOnlyAfterAWarning) {
    const QString question =
        "The data file can store Western European (Latin-1) characters only.\n"
        "Title: \"\u65e5\u672c wall\" will be saved as \"?? wall\".\n"
        "Save with these characters replaced?";
    TMainFormFixture f;
    f.form->session().project().title = "\u65e5\u672c wall";
    f.form->session().setModified(true);
    f.prompts->answers = {TAnswer::No};
    EXPECT_FALSE(f.form->fileSave());
    EXPECT_EQ(f.log.questions, QStringList{question});
    EXPECT_TRUE(f.log.dialogTitles.isEmpty());  // no Save As dialog after No

    const QString wall = copied(f, kExample, "Wall.kd5d");
    const QByteArray original = readTextFile(wall);
    f.form->openFileByName(wall, TFileLayout::Current);
    f.form->session().project().title = "\u65e5\u672c wall";
    f.form->session().setModified(true);
    f.prompts->answers = {TAnswer::No};
    EXPECT_FALSE(f.form->fileSave());
    EXPECT_EQ(readTextFile(wall), original);
    EXPECT_EQ(f.form->session().project().title, "\u65e5\u672c wall");
    EXPECT_TRUE(f.form->session().isModified());

    f.prompts->answers = {TAnswer::Yes};
    EXPECT_TRUE(f.form->fileSave());
    EXPECT_TRUE(readTextFile(wall).startsWith("?? wall\r\n"));
    EXPECT_EQ(f.form->session().project().title, "?? wall");
    EXPECT_EQ(f.log.questions, QStringList({question, question, question}));
    EXPECT_TRUE(f.form->fileSave());
    EXPECT_EQ(f.log.questions.size(), 3);  // nothing left to warn about

    // A stage switch writes the stage file that holds the title.
    f.form->applyStageCount(2);
    f.form->session().project().title = "\u65e5\u672c wall";
    f.prompts->answers = {TAnswer::No};
    f.form->selectStage(2);
    EXPECT_EQ(f.log.questions.size(), 4);
    EXPECT_EQ(f.form->session().currentStage(), 1);
    EXPECT_EQ(f.form->session().project().title, "\u65e5\u672c wall");
}
