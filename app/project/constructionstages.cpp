#include "app/project/constructionstages.h"

#include <QFile>

#include "app/project/inouterror.h"
#include "app/project/programdata.h"
#include "app/project/projectreader.h"
#include "app/project/projectwriter.h"
#include "app/project/stagefiles.h"

namespace ConstructionStages {

namespace {

// Keeps the first message of a sequence of reads; every stage is read whatever came before.
void keepFirst(QString& first, const QString& message) {
    if (first.isEmpty()) first = message;
}

}  // namespace

void writeCurrentStage(TProgramData& project) { TProjectWriter(project).writeStageFile(); }

QString readStage(TProgramData& project, int stage) {
    const QString name = StageFiles::stageFileName(project.files.fileName, stage);
    if (!QFile::exists(name)) return {};
    return TProjectReader::readStageFile(project, name);
}

QString selectStage(TProgramData& project, int stage) {
    if (stage == project.stages.current || stage < 1 || stage > project.stages.count) return {};
    const bool modified = project.IsModified();
    writeCurrentStage(project);
    project.stages.current = stage;
    QString message = readStage(project, stage);
    project.SetModified(modified);
    return message;
}

QString copyPreviousStage(TProgramData& project) {
    const int stage = project.stages.current;
    if (stage < 2) return {};
    QString message = readStage(project, stage - 1);
    project.stages.current = stage;
    // The stage in memory is new: the project data file holds it only after the next save, and
    // when its stage file cannot be written it lives in memory alone.
    try {
        writeCurrentStage(project);
    } catch (const EInOutError&) {
        project.SetModified(true);
        throw;
    }
    project.SetModified(true);
    return message;
}

QString setStageCount(TProgramData& project, int count) {
    const int previous = project.stages.count;
    count = std::clamp(count, 1, StageFiles::kMaxStages);
    project.stages.count = count;
    if (count == 1 || previous == 1 || count < previous) project.stages.current = 1;
    if (count == 1) {
        StageFiles::deleteStageFiles(project.files.fileName);
        return {};
    }
    QString message;
    if (count != previous) {
        const int remembered = project.stages.current;
        // A stage without a file receives the input in memory: that of the last stage read.
        for (int stage = 1; stage <= count; ++stage) {
            project.stages.current = stage;
            keepFirst(message, readStage(project, stage));
            project.stages.count = count;
            writeCurrentStage(project);
        }
        project.stages.current = remembered;
        keepFirst(message, readStage(project, remembered));
        project.SetModified(true);
    }
    StageFiles::deleteStageFiles(project.files.fileName, count + 1);
    return message;
}

QString openStagedProject(TProgramData& project, TFileLayout layout) {
    // The stages found have their files; the others keep the input in memory.
    QString message = StageFiles::splitProjectFile(project.files.fileName, project.stages.count);
    // Stage files of an older layout are rewritten in the current one; a stage that the file
    // lacks gets a stage file from the input in memory, so that saving can join them all.
    const bool convert = layout != TFileLayout::Current;
    const int stages = project.stages.count;
    for (int stage = 1; stage <= stages; ++stage) {
        const bool exists = QFile::exists(StageFiles::stageFileName(project.files.fileName, stage));
        if (exists && !convert) continue;
        project.stages.current = stage;
        project.versionFlags = versionFlagsOf(layout);
        keepFirst(message, readStage(project, stage));
        project.versionFlags = TVersionFlags();
        project.stages.count = stages;
        writeCurrentStage(project);
    }
    project.stages.current = 1;
    keepFirst(message, readStage(project, 1));
    return message;
}

void saveStagedProject(TProgramData& project) {
    writeCurrentStage(project);
    StageFiles::joinStageFiles(project.files.fileName, project.files.fileName,
                               project.stages.count);
}

void saveStagedProjectAs(TProgramData& project, const QString& fileName) {
    project.files.previousName = project.files.fileName;
    writeCurrentStage(project);
    project.files.fileName = fileName;
    StageFiles::joinStageFiles(fileName, project.files.previousName, project.stages.count);
}

}  // namespace ConstructionStages
