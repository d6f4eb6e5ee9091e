#include "app/project/projectfiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/project/constructionstages.h"
#include "app/project/inouterror.h"
#include "app/project/stagefiles.h"
#include "app/project/textfile.h"
#include "projectfixture.h"
#include "tests/app/filesizelimit.h"

namespace {

QByteArray fixtureExample(const char* name) {
    return readTextFile(QStringLiteral(KELDRA_SOURCE_DIR "/examples/") + name);
}

const QString kEditedTitle = QStringLiteral("Anchored wall, every table, edited");

// A save that runs out of disk space leaves the project data file as it was and the project in
// memory as the user left it: same name, same input, still modified. The limit lets the
// current stage of a staged project be written and stops the joined project file after it.
TEST(ProjectFiles, AFailedSaveKeepsTheFileAndTheModifiedProject) {
    struct Case {
        const char* what;
        int stages;
        bool saveAs;
    };
    const Case cases[] = {
        {"save", 1, false},
        {"save as", 1, true},
        {"staged save", 3, false},
        {"staged save as", 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QDir folder(dir.path());
        const QString wall = folder.filePath("Wall.kd5d");
        TProjectFixture fixture;
        TProgramData& project = fixture.project;
        fixture.fillEveryTable();
        project.files.fileName = wall;
        ASSERT_EQ(ConstructionStages::setStageCount(project, c.stages), "");
        ProjectFiles::save(project);
        const QByteArray saved = readTextFile(wall);
        const QStringList files = folder.entryList(QDir::Files);

        project.title = kEditedTitle;
        project.SetModified(true);
        {
            const TFileSizeLimit diskFull(saved.size() - 1);
            if (c.saveAs)
                EXPECT_THROW(ProjectFiles::saveAs(project, folder.filePath("Other.kd5d")),
                             EInOutError);
            else
                EXPECT_THROW(ProjectFiles::save(project), EInOutError);
        }
        EXPECT_EQ(readTextFile(wall), saved);
        EXPECT_EQ(folder.entryList(QDir::Files), files);
        EXPECT_EQ(project.files.fileName, wall);
        EXPECT_TRUE(project.IsModified());
        EXPECT_EQ(project.title, kEditedTitle);
        if (c.stages > 1) {
            // The edited stage reached its stage file; only the joined file failed.
            EXPECT_TRUE(
                readTextFile(folder.filePath("Wall.st1")).startsWith(kEditedTitle.toLatin1()));
        }
    }
}

// Opening a staged project splits it into its stage files. When they cannot be written the
// opening stops there: no stage is made up from another, the data file stays as it was and no
// stage file is left behind.
TEST(ProjectFiles, OpeningAStagedProjectWhoseStageFilesCannotBeWrittenFails) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QString wall = folder.filePath("Wall.kd5d");
    ASSERT_TRUE(QFile::copy(KELDRA_SOURCE_DIR "/examples/two_stage.kd5d", wall));
    const QByteArray original = readTextFile(wall);
    TProjectFixture fixture;
    {
        const TFileSizeLimit diskFull(64);
        EXPECT_THROW((void)ProjectFiles::open(fixture.project, wall, TFileLayout::Current),
                     EInOutError);
    }
    EXPECT_EQ(readTextFile(wall), original);
    EXPECT_EQ(folder.entryList(QDir::Files), QStringList{"Wall.kd5d"});
}

TEST(ProjectFiles, TheRecoveredProjectIsNamedAfterTheDamagedFile) {
    const struct {
        const char* damaged;
        const char* recovered;
    } cases[] = {
        {"/walls/Broken.kd5d", "/walls/Broken-recovered.kd5d"},
        {"/walls/Old.Wall.kd4d", "/walls/Old.Wall-recovered.kd5d"},
        {"/my.dir/Wall", "/my.dir/Wall-recovered.kd5d"},
        {"Wall.kdd", "Wall-recovered.kd5d"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProjectFiles::recoveryName(c.damaged), QString(c.recovered)) << c.damaged;
}

// A damaged file is read as far as it goes. What was read stays in the project, but as an
// untitled, modified project of its own: saving it writes the recovered file, with every
// intact stage of a staged project, and leaves the damaged file as it was.
TEST(ProjectFiles, WhatWasReadOfADamagedFileIsKeptApartFromIt) {
    const QString badNumber = QStringLiteral(
        "Error on Line 3 Item 4\rA floating point number was expected but not found.");
    const QString incomplete = QStringLiteral("This file either invalid or incomplete.");
    const QByteArray single = fixtureExample("cantilever_user_curves.kd5d");
    const QByteArray staged = fixtureExample("two_stage.kd5d");
    // The closure tolerance of the first block, 1E-5, loses its exponent.
    const auto damaged = [](QByteArray text) {
        return text.replace(text.indexOf("1E-5"), 4, "1E");
    };
    const struct {
        const char* what;
        QByteArray damaged;
        QString message;
        int stages;
    } cases[] = {
        {"cut short", single.left(single.size() / 2), incomplete, 1},
        {"bad number", damaged(single), badNumber, 1},
        {"staged, first stage damaged", damaged(staged), badNumber, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QDir folder(dir.path());
        const QString wall = folder.filePath("Wall.kd5d");
        writeTextFile(wall, c.damaged);
        TProjectFixture fixture;
        TProgramData& project = fixture.project;
        EXPECT_EQ(ProjectFiles::open(project, wall, TFileLayout::Current), c.message);
        EXPECT_EQ(project.wall.increments, 40);
        EXPECT_EQ(project.wall.incrementLength, 6.0);
        EXPECT_EQ(project.stages.count, c.stages);
        EXPECT_EQ(project.files.fileName, folder.filePath("Wall-recovered.kd5d"));
        EXPECT_TRUE(project.files.untitled);
        EXPECT_TRUE(project.IsModified());

        ProjectFiles::save(project);
        EXPECT_EQ(readTextFile(wall), c.damaged);
        const QByteArray recovered = readTextFile(folder.filePath("Wall-recovered.kd5d"));
        if (c.stages > 1) {
            EXPECT_EQ(StageFiles::stageBlocks(recovered, 2).at(1),
                      StageFiles::stageBlocks(c.damaged, 2).at(1));
        }
        ProjectFiles::saveAs(project, folder.filePath("Rescued.kd5d"));
        EXPECT_FALSE(project.files.untitled);
    }
}

}  // namespace
