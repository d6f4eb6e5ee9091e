#include "app/main/enginerun.h"

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstdint>
#include <utility>

#include "app/main/dynamiclibrary.h"

namespace {

using TEngineEntry = std::int32_t (*)(std::int32_t);

const char* const kVersion = "2015.5.6";
constexpr std::int32_t kResultInconsistent = 1;

QString withSuffix(const QString& file, const char* suffix) {
    const QFileInfo info(file);
    return info.dir().filePath(info.completeBaseName() + suffix);
}

// Writes the names file: the version, then the project data file, the
// report, the plot-data file and the run notes, one full path per line.
[[nodiscard]] bool writeNamesFile(const QString& path, const TRunFiles& files, QString& error) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text)) {
        error = out.errorString();
        return false;
    }
    for (const QString& line :
         {QString(kVersion), files.projectFile, files.report, files.plotData, files.runNotes})
        out.write(QFile::encodeName(line) + '\n');
    if (!out.commit()) {
        error = out.errorString();
        return false;
    }
    return true;
}

// Removes the names file however the run ends once it was written.
class TNamesFileGuard {
  public:
    explicit TNamesFileGuard(QString path) : m_path(std::move(path)) {}
    ~TNamesFileGuard() { QFile::remove(m_path); }
    TNamesFileGuard(const TNamesFileGuard&) = delete;
    TNamesFileGuard& operator=(const TNamesFileGuard&) = delete;

  private:
    QString m_path;
};

class TWaitCursor {
  public:
    TWaitCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~TWaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

class TRunningFlag {
  public:
    explicit TRunningFlag(bool& flag) : m_flag(flag) { m_flag = true; }
    ~TRunningFlag() { m_flag = false; }
    TRunningFlag(const TRunningFlag&) = delete;
    TRunningFlag& operator=(const TRunningFlag&) = delete;

  private:
    bool& m_flag;
};

}  // namespace

TRunFiles TRunFiles::forProject(const QString& projectFile) {
    const QString full = QFileInfo(projectFile).absoluteFilePath();
    return {full, withSuffix(full, ".kd5o"), withSuffix(full, ".kd5p"), withSuffix(full, ".kd5r")};
}

TEngineRunner::TEngineRunner(QString programFolder) : m_programFolder(std::move(programFolder)) {}

QString TEngineRunner::workingFolder() const {
    if (QFileInfo(m_programFolder).isWritable()) return m_programFolder;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(data);
    return data;
}

QString TEngineRunner::libraryPath() const { return QDir(m_programFolder).filePath(kLibraryFile); }

TRunResult TEngineRunner::run(const TRunFiles& files) {
    if (m_running) return {TRunOutcome::AlreadyRunning, {}};
    const TRunningFlag running(m_running);

    const QString folder = workingFolder();
    QDir::setCurrent(folder);
    const QString namesFile = QDir(folder).filePath(kNamesFile);
    QString error;
    if (!writeNamesFile(namesFile, files, error))
        return {TRunOutcome::NamesFileFailed,
                "The names file " + namesFile + " could not be written: " + error};
    const TNamesFileGuard removeNamesFile(namesFile);

    TDynamicLibrary engine(libraryPath().toStdString());
    TEngineEntry entry = nullptr;
    try {
        engine.open();
        entry = reinterpret_cast<TEngineEntry>(engine.entryAddress(kEntryName));
    } catch (const EDLLError& e) {
        // A library file that is not there only shows in the loader's message.
        std::string why = e.detail().empty() ? engine.lastError() : e.detail();
        if (why.empty()) why = e.what();
        return {TRunOutcome::LibraryFailed, QString::fromStdString(why)};
    }
    if (!entry)
        return {TRunOutcome::LibraryFailed,
                QStringLiteral("the library has no entry ") + kEntryName};

    std::int32_t result = 0;
    {
        const TWaitCursor wait;
        result = entry(kInterfaceVersion);
    }
    if (result == kResultInconsistent) return {TRunOutcome::Inconsistent, {}};
    return {TRunOutcome::Completed, {}};
}
