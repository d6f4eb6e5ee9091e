#include "app/project/textfile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "app/project/inouterror.h"
#include "tests/app/filesizelimit.h"

namespace {

TEST(TextFile, AFailedWriteKeepsTheOriginalWhole) {
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath("Wall.kd5d");
    const QByteArray original = "Wall\r\n1 0\t1\r\n0\r\n";
    writeTextFile(file, original);

    const QByteArray larger(64 * 1024, 'x');
    {
        const TFileSizeLimit diskFull(4096);
        EXPECT_THROW(writeTextFile(file, larger), EInOutError);
    }
    EXPECT_EQ(readTextFile(file), original);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Wall.kd5d"});
}

}  // namespace
