#include "app/project/textfile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QTemporaryDir>
#include <csignal>

#include "app/project/inouterror.h"

namespace {

// Lets files grow to `bytes` only while it lives, as a full disk would: writes past the
// limit fail (EFBIG) instead of raising SIGXFSZ.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST(TextFile, AFailedWriteKeepsTheOriginalWhole) {
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath("Wall.kd5d");
    const QByteArray original = "Wall\r\n1 0\t1\r\n0\r\n";
    writeTextFile(file, original);

    const QByteArray larger(64 * 1024, 'x');
    QString message;
    {
        const FileSizeLimit diskFull(4096);
        try {
            writeTextFile(file, larger);
        } catch (const EInOutError& error) {
            message = error.message();
        }
    }
    // The system's reason, not an unknown error.
    EXPECT_EQ(message.toStdString(),
              QStringLiteral("Cannot write file \"%1\". File too large").arg(file).toStdString());
    EXPECT_EQ(readTextFile(file), original);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Wall.kd5d"});
}

}  // namespace
