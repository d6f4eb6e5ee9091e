// One analysis run: the names file, loading the engine library from the
// program's folder, the call of its entry on the calling (user-interface)
// thread, unloading, and removing the names file.
#pragma once

#include <QString>

// The files of one run, all next to the project data file.
struct TRunFiles {
    QString projectFile;
    QString report;    // .kd5o
    QString plotData;  // .kd5p
    QString runNotes;  // .kd5r

    [[nodiscard]] static TRunFiles forProject(const QString& projectFile);
};

enum class TRunOutcome {
    Completed,        // the engine returned; its report tells how the analysis went
    Inconsistent,     // the engine does not belong to this program (result 1)
    AlreadyRunning,   // a run is in progress
    NamesFileFailed,  // the names file could not be written
    LibraryFailed,    // the library could not be loaded or has no entry
};

struct TRunResult {
    TRunOutcome outcome = TRunOutcome::Completed;
    QString detail;  // the loader's or the file system's explanation
};

class TEngineRunner {
  public:
    // The engine library is looked for in `programFolder`.
    explicit TEngineRunner(QString programFolder);

    // The folder the engine runs in: the names file and the engine's scratch
    // files land there. The program's folder when it is writable, otherwise
    // the user's data folder for the program.
    [[nodiscard]] QString workingFolder() const;
    [[nodiscard]] QString libraryPath() const;

    // Makes the working folder current, writes the names file, loads the
    // engine, calls it with the interface version 6 under the wait cursor,
    // unloads it and deletes the names file. The working folder stays current.
    [[nodiscard]] TRunResult run(const TRunFiles& files);

    static constexpr const char* kNamesFile = "NAMES.dat";
    static constexpr const char* kLibraryFile = "libKeldraEngine.so";
    static constexpr const char* kEntryName = "_IKELDRA";
    static constexpr int kInterfaceVersion = 6;

  private:
    QString m_programFolder;
    bool m_running = false;
};
