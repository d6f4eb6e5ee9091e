#include "app/project/projectfiles.h"

#include <functional>

#include "app/project/constructionstages.h"
#include "app/project/inouterror.h"
#include "app/project/programdata.h"
#include "app/project/projectreader.h"
#include "app/project/projectwriter.h"
#include "app/project/stagefiles.h"

namespace ProjectFiles {

namespace {

// The stage files are made from the data file at every open; after a failed open those
// written so far go.
void discardStageFiles(const QString& projectFile) {
    try {
        StageFiles::deleteStageFiles(projectFile);
    } catch (const EInOutError&) {
        // The opening has failed already; a stage file left is rebuilt at the next open.
    }
}

void keepAsRecovered(TProgramData& project) {
    const QString recovered = recoveryName(project.files.fileName);
    if (project.stages.count > 1) {
        StageFiles::moveStageFiles(project.files.fileName, recovered, project.stages.count);
    }
    project.files.fileName = recovered;
    project.files.untitled = true;
    project.SetModified(true);
}

// A write that fails leaves the project with its name and its modified state.
void writeGuarded(TProgramData& project, const std::function<void()>& write) {
    const QString fileName = project.files.fileName;
    const bool modified = project.IsModified();
    try {
        write();
    } catch (const EInOutError&) {
        project.files.fileName = fileName;
        project.SetModified(modified);
        throw;
    }
}

}  // namespace

QString open(TProgramData& project, const QString& fileName, TFileLayout layout) {
    project.files.fileName = fileName;
    QString message = TProjectReader::readProjectFile(project, layout);
    try {
        if (project.stages.count > 1) {
            const QString stageMessage = ConstructionStages::openStagedProject(project, layout);
            if (message.isEmpty()) message = stageMessage;
        }
        if (!message.isEmpty()) keepAsRecovered(project);
    } catch (const EInOutError&) {
        discardStageFiles(fileName);
        throw;
    }
    return message;
}

QString recoveryName(const QString& damagedFile) {
    return StageFiles::stem(damagedFile) + QStringLiteral("-recovered.kd5d");
}

void save(TProgramData& project) {
    project.files.saveTarget = project.files.fileName;
    writeGuarded(project, [&] {
        if (project.stages.count > 1) {
            ConstructionStages::saveStagedProject(project);
        } else {
            TProjectWriter(project).writeProjectFile();
        }
    });
}

void saveAs(TProgramData& project, const QString& fileName) {
    writeGuarded(project, [&] {
        if (project.stages.count > 1) {
            ConstructionStages::saveStagedProjectAs(project, fileName);
        } else {
            project.files.fileName = fileName;
            TProjectWriter(project).writeProjectFile();
        }
    });
    project.files.untitled = false;
}

}  // namespace ProjectFiles
