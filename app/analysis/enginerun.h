// One analysis run of the desktop program: the engine library is loaded
// afresh from the program's folder and its entry called on the calling
// (user-interface) thread, in a private run folder of its own, so that runs
// of two programs never share a file and nothing is written in the program's
// folder. Only a completed run's outputs are put next to the project; after
// any other end the project's older outputs are removed.
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
    Completed,       // the run's outputs are next to the project; its report tells the rest
    Inconsistent,    // the engine does not belong to this program (result 1)
    Failed,          // the engine did not complete, or its outputs could not be put in place
    AlreadyRunning,  // a run is in progress
    NotStarted,      // the project may not run, or its run folder could not be made
    LibraryFailed,   // the library could not be loaded or has no entry
};

struct TRunResult {
    TRunOutcome outcome = TRunOutcome::Completed;
    QString detail;      // why: the loader's, the file system's or the engine's explanation
    QString withdrawal;  // after a run without outputs: what became of the older outputs
};

class TEngineRunner {
  public:
    // The engine library is looked for in `programFolder`.
    explicit TEngineRunner(QString programFolder);

    [[nodiscard]] QString libraryPath() const;

    // Prepares the run folder (names file, and a copy of the project when
    // its path cannot be handed to the engine), loads the engine, calls it
    // with the run folder current, makes the previous
    // folder current again, unloads it, publishes or withdraws the outputs
    // and removes the run folder.
    [[nodiscard]] TRunResult run(const TRunFiles& files);

    static constexpr const char* kLibraryFile = "libKeldraEngine.so";

  private:
    QString m_programFolder;
    bool m_running = false;
};
