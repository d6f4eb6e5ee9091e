#include "app/project/constructionstages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/project/inouterror.h"
#include "app/project/projectfiles.h"
#include "app/project/stagefiles.h"
#include "app/project/textfile.h"
#include "projectfixture.h"
#include "tests/app/filesizelimit.h"

namespace {

class ConstructionStagesTest : public ::testing::Test {
  protected:
    ConstructionStagesTest() { fixture.project.files.fileName = path("Wall.kd5d"); }

    QString path(const QString& name) const { return QDir(m_dir.path()).filePath(name); }
    QString stageFile(int stage) const { return path(QStringLiteral("Wall.st%1").arg(stage)); }
    QStringList lines(const QString& name) const { return crlfLines(readTextFile(name)); }

    QTemporaryDir m_dir;
    TProjectFixture fixture;
    TProgramData& project = fixture.project;
};

TEST_F(ConstructionStagesTest, TwoStagesSavedAsOneProjectFile) {
    ASSERT_EQ(ConstructionStages::setStageCount(project, 2), "");
    ConstructionStages::saveStagedProject(project);
    const QStringList first = lines(stageFile(1));
    const QStringList second = lines(stageFile(2));
    EXPECT_EQ(lines(path("Wall.kd5d")), first + second);
    EXPECT_EQ(first.first(), "New Wall");
    EXPECT_EQ(second.first(), " Stage No : 2");
    EXPECT_EQ(first.last(), "1");
    EXPECT_EQ(second.last(), "2");
    EXPECT_EQ(first[1], "1 0\t1\t0\t2\t2 0 2 0 0");
}

TEST_F(ConstructionStagesTest, RaisingTheCountWritesIdenticalStages) {
    project.wall.freeHeight = 144;
    ASSERT_EQ(ConstructionStages::setStageCount(project, 3), "");
    EXPECT_EQ(project.stages.current, 1);
    EXPECT_TRUE(project.IsModified());
    const QStringList first = lines(stageFile(1));
    for (int stage = 2; stage <= 3; ++stage) {
        QStringList other = lines(stageFile(stage));
        ASSERT_EQ(other.size(), first.size());
        EXPECT_EQ(other.mid(1, other.size() - 2), first.mid(1, first.size() - 2));
    }
    EXPECT_FALSE(QFile::exists(stageFile(4)));
}

TEST_F(ConstructionStagesTest, LoweringTheCountDeletesLaterStages) {
    ASSERT_EQ(ConstructionStages::setStageCount(project, 4), "");
    ASSERT_EQ(ConstructionStages::selectStage(project, 3), "");
    ASSERT_EQ(ConstructionStages::setStageCount(project, 2), "");
    EXPECT_EQ(project.stages.current, 1);
    EXPECT_EQ(project.stages.count, 2);
    EXPECT_TRUE(QFile::exists(stageFile(2)));
    EXPECT_FALSE(QFile::exists(stageFile(3)));
    EXPECT_FALSE(QFile::exists(stageFile(4)));
    ASSERT_EQ(ConstructionStages::setStageCount(project, 1), "");
    EXPECT_FALSE(QFile::exists(stageFile(1)));
}

TEST_F(ConstructionStagesTest, SelectingAStageStoresTheEditsAndKeepsTheModifiedState) {
    ASSERT_EQ(ConstructionStages::setStageCount(project, 2), "");
    project.SetModified(false);
    project.wall.freeHeight = 99;
    ASSERT_EQ(ConstructionStages::selectStage(project, 2), "");
    EXPECT_EQ(project.wall.freeHeight, 0.0);
    EXPECT_FALSE(project.IsModified());
    EXPECT_EQ(lines(stageFile(1))[2], "0 0\t100\t1E-5\t99\t0");

    project.SetModified(true);
    ASSERT_EQ(ConstructionStages::selectStage(project, 1), "");
    EXPECT_EQ(project.wall.freeHeight, 99.0);
    EXPECT_TRUE(project.IsModified());
    EXPECT_EQ(project.title, "New Wall");
}

TEST_F(ConstructionStagesTest, AStageWithoutFileKeepsTheInputInMemory) {
    ASSERT_EQ(ConstructionStages::setStageCount(project, 2), "");
    ASSERT_TRUE(QFile::remove(stageFile(2)));
    project.wall.increments = 33;
    ASSERT_EQ(ConstructionStages::selectStage(project, 2), "");
    EXPECT_EQ(project.wall.increments, 33);
    EXPECT_EQ(project.stages.current, 2);
}

TEST_F(ConstructionStagesTest, CopyPreviousStage) {
    ASSERT_EQ(ConstructionStages::setStageCount(project, 3), "");
    project.wall.increments = 40;
    ASSERT_EQ(ConstructionStages::selectStage(project, 2), "");
    project.wall.increments = 50;
    ASSERT_EQ(ConstructionStages::selectStage(project, 3), "");
    ASSERT_EQ(ConstructionStages::copyPreviousStage(project), "");
    EXPECT_EQ(project.stages.current, 3);
    EXPECT_EQ(project.wall.increments, 50);
    EXPECT_EQ(lines(stageFile(3))[2].left(3), "50 ");
    EXPECT_EQ(lines(stageFile(3)).first(), " Stage No : 3");
}

// On a full disk a stage command stops where its stage file cannot be written: the stage
// in memory stays current, with its input, and counts as modified.
TEST_F(ConstructionStagesTest, StageCommandsThatCannotWriteKeepTheStageInMemory) {
    ASSERT_EQ(ConstructionStages::setStageCount(project, 2), "");
    project.wall.freeHeight = 99;
    project.SetModified(true);
    {
        const TFileSizeLimit diskFull(16);
        EXPECT_THROW((void)ConstructionStages::selectStage(project, 2), EInOutError);
    }
    EXPECT_EQ(project.stages.current, 1);
    EXPECT_EQ(project.wall.freeHeight, 99.0);
    EXPECT_TRUE(project.IsModified());

    ASSERT_EQ(ConstructionStages::selectStage(project, 2), "");
    project.SetModified(false);
    {
        const TFileSizeLimit diskFull(16);
        EXPECT_THROW((void)ConstructionStages::copyPreviousStage(project), EInOutError);
    }
    EXPECT_EQ(project.stages.current, 2);
    EXPECT_EQ(project.wall.freeHeight, 99.0);
    EXPECT_TRUE(project.IsModified());
}

TEST_F(ConstructionStagesTest, OpeningAStagedOlderFileConvertsEveryStage) {
    writeTextFile(path("Wall.kd4d"), fixtureFile("staged2013.kd4d"));
    TProjectFixture opened;
    EXPECT_EQ(ProjectFiles::open(opened.project, path("Wall.kd4d"), TFileLayout::Release2013), "");
    EXPECT_EQ(opened.project.stages.count, 2);
    EXPECT_EQ(opened.project.stages.current, 1);
    EXPECT_EQ(opened.project.wall.freeHeight, 4.0);
    EXPECT_EQ(opened.project.title, "Staged 2013 wall");
    EXPECT_EQ(readTextFile(stageFile(2)), fixtureFile("staged2013.expected.st2"));
    EXPECT_FALSE(opened.project.IsModified());

    ProjectFiles::saveAs(opened.project, path("Moved.kd5d"));
    EXPECT_EQ(readTextFile(path("Moved.kd5d")), fixtureFile("staged2013.expected.kd5d"));
    EXPECT_TRUE(QFile::exists(path("Moved.st2")));
    EXPECT_FALSE(QFile::exists(stageFile(1)));
    EXPECT_EQ(opened.project.files.fileName, path("Moved.kd5d"));
    EXPECT_EQ(opened.project.files.previousName, path("Wall.kd4d"));
}

// The file lacks a stage, so what was read is kept apart from it: saving writes the recovered
// project with the missing stage made from the input in memory, and the file stays as it was.
TEST_F(ConstructionStagesTest, AFileWithFewerStagesThanAnnouncedOpensWithAMessage) {
    QByteArray text = fixtureFile("staged2013.expected.kd5d");
    text.replace("2 0\t1\t0\t2\t2 0 2 0 0", "2 0\t1\t0\t2\t2 0 3 0 0");
    writeTextFile(path("Wall.kd5d"), text);
    TProjectFixture opened;
    EXPECT_EQ(ProjectFiles::open(opened.project, path("Wall.kd5d"), TFileLayout::Current),
              "The data file holds 2 of the 3 construction stages it announces.");
    EXPECT_EQ(opened.project.stages.count, 3);
    EXPECT_EQ(opened.project.files.fileName, path("Wall-recovered.kd5d"));
    EXPECT_TRUE(QFile::exists(path("Wall-recovered.st3")));
    EXPECT_FALSE(QFile::exists(stageFile(1)));
    ProjectFiles::save(opened.project);
    EXPECT_EQ(crlfLines(readTextFile(path("Wall-recovered.kd5d"))).last(), "3");
    EXPECT_EQ(readTextFile(path("Wall.kd5d")), text);
}

}  // namespace
