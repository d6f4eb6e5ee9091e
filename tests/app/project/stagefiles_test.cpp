#include "app/project/stagefiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/project/inouterror.h"
#include "app/project/textfile.h"

namespace {

TEST(StageFiles, NamesReplaceTheExtension) {
    struct Case {
        const char* project;
        int stage;
        const char* stageFile;
    };
    const Case cases[] = {
        {"Wall.kd5d", 1, "Wall.st1"},
        {"/walls/Wall.kd5d", 5, "/walls/Wall.st5"},
        {"/walls/Old.Wall.kd4d", 2, "/walls/Old.Wall.st2"},
        {"/my.dir/Wall", 3, "/my.dir/Wall.st3"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StageFiles::stageFileName(c.project, c.stage), QString(c.stageFile));
    }
}

class StageFilesOnDisk : public ::testing::Test {
  protected:
    QString path(const char* name) const { return QDir(m_dir.path()).filePath(name); }
    QByteArray content(const char* name) const { return readTextFile(path(name)); }
    void put(const char* name, const QByteArray& text) const { writeTextFile(path(name), text); }

    QTemporaryDir m_dir;
};

const QByteArray kTwoStages = "Wall\r\n1 0\t1\r\n1\r\n Stage No : 2\r\n1 0\t1\r\n2\r\n";

TEST_F(StageFilesOnDisk, SplitWritesEachBlockAndDeletesStaleStageFiles) {
    put("Wall.kd5d", kTwoStages);
    put("Wall.st3", "stale");
    put("Wall.st5", "stale");
    EXPECT_EQ(StageFiles::splitProjectFile(path("Wall.kd5d"), 2), "");
    EXPECT_EQ(content("Wall.st1"), "Wall\r\n1 0\t1\r\n1\r\n");
    EXPECT_EQ(content("Wall.st2"), " Stage No : 2\r\n1 0\t1\r\n2\r\n");
    EXPECT_FALSE(QFile::exists(path("Wall.st3")));
    EXPECT_FALSE(QFile::exists(path("Wall.st5")));
}

TEST_F(StageFilesOnDisk, SplitOfAFileWithFewerBlocksThanAnnouncedReportsAndKeepsTheFound) {
    put("Wall.kd5d", kTwoStages);
    EXPECT_EQ(StageFiles::splitProjectFile(path("Wall.kd5d"), 4),
              "The data file holds 2 of the 4 construction stages it announces.");
    EXPECT_TRUE(QFile::exists(path("Wall.st2")));
    EXPECT_FALSE(QFile::exists(path("Wall.st3")));
}

TEST_F(StageFilesOnDisk, SplitIgnoresBlocksBeyondTheAnnouncedStages) {
    put("Wall.kd5d", kTwoStages);
    EXPECT_EQ(StageFiles::splitProjectFile(path("Wall.kd5d"), 1), "");
    EXPECT_EQ(content("Wall.st1"), "Wall\r\n1 0\t1\r\n1\r\n");
    EXPECT_FALSE(QFile::exists(path("Wall.st2")));
}

TEST_F(StageFilesOnDisk, JoinCopiesTheStagesInOrderAndMovesThemToANewName) {
    put("Wall.st1", "Wall\r\n1\r\n");
    put("Wall.st2", " Stage No : 2\r\n2\r\n");
    StageFiles::joinStageFiles(path("Wall.kd5d"), path("Wall.kd5d"), 2);
    EXPECT_EQ(content("Wall.kd5d"), "Wall\r\n1\r\n Stage No : 2\r\n2\r\n");
    EXPECT_TRUE(QFile::exists(path("Wall.st1")));

    StageFiles::joinStageFiles(path("Pier.kd5d"), path("Wall.kd5d"), 2);
    EXPECT_EQ(content("Pier.kd5d"), content("Wall.kd5d"));
    EXPECT_EQ(content("Pier.st2"), " Stage No : 2\r\n2\r\n");
    EXPECT_FALSE(QFile::exists(path("Wall.st1")));
    EXPECT_FALSE(QFile::exists(path("Wall.st2")));
}

TEST_F(StageFilesOnDisk, JoinUnderAnotherExtensionKeepsTheSharedStageFiles) {
    put("Wall.kd4d", "old layout");
    put("Wall.st1", "Wall\r\n1\r\n");
    put("Wall.st2", " Stage No : 2\r\n2\r\n");
    StageFiles::joinStageFiles(path("Wall.kd5d"), path("Wall.kd4d"), 2);
    EXPECT_EQ(content("Wall.kd5d"), "Wall\r\n1\r\n Stage No : 2\r\n2\r\n");
    EXPECT_EQ(content("Wall.st1"), "Wall\r\n1\r\n");
    EXPECT_EQ(content("Wall.st2"), " Stage No : 2\r\n2\r\n");
    EXPECT_EQ(content("Wall.kd4d"), "old layout");
}

TEST_F(StageFilesOnDisk, JoinWithAMissingStageFileLeavesTheTargetUntouched) {
    put("Wall.kd5d", "old");
    put("Wall.st1", "Wall\r\n1\r\n");
    EXPECT_THROW(StageFiles::joinStageFiles(path("Wall.kd5d"), path("Wall.kd5d"), 2), EInOutError);
    EXPECT_EQ(content("Wall.kd5d"), "old");
}

// The joined file must split back into the stages it was made of: a stage file that is empty
// or does not begin its stage would leave the project data file with less than was read.
TEST_F(StageFilesOnDisk, JoinRefusesStageFilesThatDoNotHoldTheirStage) {
    struct Case {
        const char* what;
        QByteArray first;
        QByteArray second;
        const char* message;
    };
    const Case cases[] = {
        {"empty second stage", "Wall\r\n1\r\n", "",
         "The stage file \"%1\" does not hold stage 2 of the project; \"%2\" was not written."},
        {"empty first stage", "", " Stage No : 2\r\n2\r\n",
         "The stage file \"%1\" does not hold stage 1 of the project; \"%2\" was not written."},
        {"second stage without its mark", "Wall\r\n1\r\n", "Wall\r\n2\r\n",
         "The stage file \"%1\" does not hold stage 2 of the project; \"%2\" was not written."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        put("Wall.kd5d", "old");
        put("Wall.st1", c.first);
        put("Wall.st2", c.second);
        const int stage = c.first.isEmpty() ? 1 : 2;
        try {
            StageFiles::joinStageFiles(path("Wall.kd5d"), path("Wall.kd5d"), 2);
            ADD_FAILURE() << "no error raised";
        } catch (const EInOutError& error) {
            EXPECT_EQ(error.message(),
                      QString(c.message).arg(StageFiles::stageFileName(path("Wall.kd5d"), stage),
                                             path("Wall.kd5d")));
        }
        EXPECT_EQ(content("Wall.kd5d"), "old");
    }
}

}  // namespace
