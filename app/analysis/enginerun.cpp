#include "app/analysis/enginerun.h"

#include <fcntl.h>
#include <keldra/ikeldra.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <filesystem>
#include <utility>

#include "app/analysis/dynamiclibrary.h"
#include "app/run/entry_result.h"
#include "app/run/prepared_run.h"
#include "app/run/run_folder.h"

namespace {

namespace fs = std::filesystem;

fs::path toPath(const QString& file) { return QFile::encodeName(file).toStdString(); }

QString fromPath(const fs::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

QString fromText(const std::string& text) { return QString::fromLocal8Bit(text); }

// Makes the run folder current for the engine's call and the previous
// folder current again afterwards, also when that one was renamed meanwhile
// or may only be passed through.
class TCurrentFolder {
  public:
    explicit TCurrentFolder(const fs::path& folder)
        : m_previous(::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC)) {
        m_entered = m_previous >= 0 && ::chdir(folder.c_str()) == 0;
    }
    ~TCurrentFolder() {
        if (m_entered) (void)::fchdir(m_previous);
        if (m_previous >= 0) ::close(m_previous);
    }
    TCurrentFolder(const TCurrentFolder&) = delete;
    TCurrentFolder& operator=(const TCurrentFolder&) = delete;

    [[nodiscard]] bool entered() const { return m_entered; }

  private:
    int m_previous;
    bool m_entered = false;
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

// Loads the engine and takes its entry; `error` says why it could not.
keldra::entry::Function openEngine(TDynamicLibrary& engine, QString& error) {
    try {
        engine.open();
        auto entry =
            reinterpret_cast<keldra::entry::Function>(engine.entryAddress(keldra::entry::kAlias));
        if (!entry) error = QStringLiteral("the library has no entry ") + keldra::entry::kAlias;
        return entry;
    } catch (const EDLLError& e) {
        // A library file that is not there only shows in the loader's message.
        std::string why = e.detail().empty() ? engine.lastError() : e.detail();
        if (why.empty()) why = e.what();
        error = QString::fromStdString(why);
        return nullptr;
    }
}

// The engine's result, or why it could not be called in the run folder.
std::string callEngine(keldra::entry::Function entry, const fs::path& folder,
                       std::int32_t& result) {
    const TCurrentFolder inRunFolder(folder);
    if (!inRunFolder.entered()) return "the run folder " + folder.string() + " cannot be entered";
    result = entry(keldra::entry::kInterfaceVersion);
    return keldra::run::DescribeEntryResult(result);
}

}  // namespace

TRunFiles TRunFiles::forProject(const QString& projectFile) {
    const keldra::run::ProjectOutputs files = keldra::run::OutputsOf(toPath(projectFile));
    return {fromPath(files.project), fromPath(files.report), fromPath(files.plot),
            fromPath(files.notes)};
}

TEngineRunner::TEngineRunner(QString programFolder) : m_programFolder(std::move(programFolder)) {}

QString TEngineRunner::libraryPath() const { return QDir(m_programFolder).filePath(kLibraryFile); }

TRunResult TEngineRunner::run(const TRunFiles& files) {
    if (m_running) return {TRunOutcome::AlreadyRunning, {}, {}};
    const TRunningFlag running(m_running);

    keldra::run::PreparedRun prepared(keldra::run::OutputsOf(toPath(files.projectFile)),
                                      keldra::run::TemporaryBase());
    if (!prepared.ready()) return {TRunOutcome::NotStarted, fromText(prepared.error()), {}};

    std::int32_t result = keldra::entry::kCompleted;
    std::string failure;
    {
        TDynamicLibrary engine(libraryPath().toStdString());
        QString error;
        const keldra::entry::Function entry = openEngine(engine, error);
        if (!entry) return {TRunOutcome::LibraryFailed, error, {}};
        failure = callEngine(entry, prepared.folder(), result);
    }
    const keldra::run::RunConclusion conclusion = prepared.Conclude(failure);
    if (conclusion.published) return {TRunOutcome::Completed, {}, {}};
    const TRunOutcome outcome =
        result == keldra::entry::kInconsistent ? TRunOutcome::Inconsistent : TRunOutcome::Failed;
    return {outcome, fromText(conclusion.failure), fromText(conclusion.withdrawal)};
}
