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

    const QByteArray larger(8 * 1024, 'x');  // within the write buffer: fails only at the flush
    QString message;
    {
        const TFileSizeLimit diskFull(4096);
        try {
            writeTextFile(file, larger);
        } catch (const EInOutError& error) {
            message = error.message();
        }
    }
    // The system's reason, not an unknown error.
    EXPECT_EQ(message.toStdString(),
              QStringLiteral("Cannot write file \"%1\". File too large").arg(file).toStdString());
    EXPECT_TRUE(readTextFile(file) == original) << "the original was replaced";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Wall.kd5d"});
}

}  // namespace
