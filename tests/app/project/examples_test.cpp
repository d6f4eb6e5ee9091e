// The bundled example projects are files the desktop program could have written: opening and
// saving one again gives the same bytes, so the engine and the desktop program read them alike.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/project/projectfiles.h"
#include "projectfixture.h"

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Examples, OpenAndSaveGiveTheSameBytes) {
    const QDir examples(QStringLiteral(KELDRA_SOURCE_DIR "/examples"));
    const QStringList names = examples.entryList({QStringLiteral("*.kd5d")}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        QTemporaryDir folder;
        const QString copy = QDir(folder.path()).filePath(name);
        ASSERT_TRUE(QFile::copy(examples.filePath(name), copy));
        TProjectFixture fixture;
        EXPECT_EQ(ProjectFiles::open(fixture.project, copy, TFileLayout::Current), QString())
            << name.toStdString();
        const QString saved = QDir(folder.path()).filePath(QStringLiteral("Saved.kd5d"));
        ProjectFiles::saveAs(fixture.project, saved);
        EXPECT_EQ(contents(saved), contents(examples.filePath(name))) << name.toStdString();
    }
}

}  // namespace
