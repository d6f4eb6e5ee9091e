#include "app/project/projectfiles.h"

#include "app/project/constructionstages.h"
#include "app/project/inouterror.h"
#include "app/project/programdata.h"
#include "app/project/projectreader.h"
#include "app/project/projectwriter.h"

namespace ProjectFiles {

QString open(TProgramData& project, const QString& fileName, TFileLayout layout) {
    project.files.fileName = fileName;
    QString message = TProjectReader::readProjectFile(project, layout);
    if (project.stages.count < 2) return message;
    QString stageMessage;
    try {
        stageMessage = ConstructionStages::openStagedProject(project, layout);
    } catch (const EInOutError& error) {
        stageMessage = error.message();
    }
    return message.isEmpty() ? stageMessage : message;
}

void save(TProgramData& project) {
    project.files.saveTarget = project.files.fileName;
    if (project.stages.count > 1) {
        ConstructionStages::saveStagedProject(project);
    } else {
        TProjectWriter(project).writeProjectFile();
    }
}

void saveAs(TProgramData& project, const QString& fileName) {
    if (project.stages.count > 1) {
        ConstructionStages::saveStagedProjectAs(project, fileName);
    } else {
        project.files.fileName = fileName;
        TProjectWriter(project).writeProjectFile();
    }
}

}  // namespace ProjectFiles
