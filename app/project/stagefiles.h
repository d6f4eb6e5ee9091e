#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The stage files of a staged project: one input block per construction stage, next to the
// project data file, named after it with the extension ".st" and the stage number. The project
// data file of a staged project is its stage files joined line by line.
namespace StageFiles {

inline constexpr int kMaxStages = 5;

// The path of a project data file without its extension, which its stage files share:
// /walls/Wall.kd5d -> /walls/Wall.
[[nodiscard]] QString stem(const QString& projectFile);

// Wall.kd5d -> Wall.st1; a name without extension gets ".st1" appended.
[[nodiscard]] QString stageFileName(const QString& projectFile, int stage);

// Deletes the stage files first..last of a project that exist.
void deleteStageFiles(const QString& projectFile, int first = 1, int last = kMaxStages);

// The lines of each stage block of a staged project data file, in stage order. A stage begins
// at a line that contains " Stage No :" (stage 1 at the first line) and runs to the line before
// the next stage's first line. At most `stages` blocks; fewer when the file holds fewer.
[[nodiscard]] QList<QStringList> stageBlocks(const QByteArray& content, int stages);

// Deletes every stage file of the project, then writes stage k's lines into its stage file.
// Returns a message when the file holds fewer blocks than `stages` (the blocks found are
// written, so the stages that exist keep their input), else an empty text. Raises EInOutError
// when the file cannot be read or a stage file cannot be deleted or written.
[[nodiscard]] QString splitProjectFile(const QString& projectFile, int stages);

// Writes the lines of source.st1 .. source.stN in order into target; every stage file is read
// and checked before the target is opened, so a missing stage file, or one that does not hold
// its stage, leaves the target untouched. When target and source differ, each source.stk is
// then moved to target.stk.
void joinStageFiles(const QString& targetFile, const QString& sourceFile, int stages);

// Moves from.stk to to.stk for k = 1..stages, replacing stage files of that name. When a move
// fails, those already moved go back before EInOutError is raised, so that the stages stay
// together under one name.
void moveStageFiles(const QString& fromFile, const QString& toFile, int stages);

}  // namespace StageFiles
