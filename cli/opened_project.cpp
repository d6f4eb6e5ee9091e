#include "cli/opened_project.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/project/constructionstages.h"
#include "app/project/inouterror.h"
#include "app/project/projectfiles.h"
#include "app/project/projectreader.h"

namespace keldra::cli {

OpenedProject::OpenedProject(const QString& fileName, TFileLayout layout)
    : m_folder(QFileInfo(fileName).absolutePath()) {
    const QString fullName = QFileInfo(fileName).absoluteFilePath();
    m_project.files.fileName = fullName;
    keep(TProjectReader::readProjectFile(m_project, layout));
    if (m_project.stages.count > 1) prepareStageFiles(fullName, layout);
}

void OpenedProject::prepareStageFiles(const QString& fileName, TFileLayout layout) {
    m_scratch.emplace();
    if (!m_scratch->isValid()) {
        keep(QStringLiteral("Cannot make a scratch folder for the stage files. %1")
                 .arg(m_scratch->errorString()));
        return;
    }
    const QString copy = QDir(m_scratch->path()).filePath(QFileInfo(fileName).fileName());
    QFile original(fileName);
    if (!original.copy(copy)) {
        keep(QStringLiteral("Cannot copy file \"%1\" to \"%2\". %3")
                 .arg(fileName, copy, original.errorString()));
        return;
    }
    m_project.files.fileName = copy;
    try {
        keep(ConstructionStages::openStagedProject(m_project, layout));
    } catch (const EInOutError& error) {
        keep(error.message());
    }
}

void OpenedProject::keep(const QString& message) {
    if (message.isEmpty()) return;
    QString shown = message;
    if (m_scratch && m_scratch->isValid()) {
        shown.replace(QDir(m_scratch->path()).absolutePath() + QLatin1Char('/'),
                      m_folder + QLatin1Char('/'));
    }
    m_messages.append(shown);
}

void OpenedProject::saveAs(const QString& fileName) {
    ProjectFiles::saveAs(m_project, QFileInfo(fileName).absoluteFilePath());
}

}  // namespace keldra::cli
