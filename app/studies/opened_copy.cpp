#include "app/studies/opened_copy.h"

#include <QFile>
#include <QFileInfo>

#include "app/project/constructionstages.h"
#include "app/project/filelayout.h"
#include "app/project/inouterror.h"
#include "app/project/projectfiles.h"
#include "app/project/stagefiles.h"

namespace keldra::studies {

namespace {

void Check(const QString& message) {
    if (!message.isEmpty()) throw EInOutError(message);
}

}  // namespace

OpenedCopy::OpenedCopy(const QString& source, const QString& copy)
    : m_copy(QFileInfo(copy).absoluteFilePath()) {
    if (QFileInfo(source).absoluteFilePath() == m_copy)
        throw EInOutError(
            QStringLiteral("A study cannot write over its project \"%1\".").arg(source));
    QFile::remove(m_copy);
    QFile original(source);
    if (!original.copy(m_copy))
        throw EInOutError(QStringLiteral("Cannot copy file \"%1\" to \"%2\". %3")
                              .arg(source, m_copy, original.errorString()));
    Check(ProjectFiles::open(m_project, m_copy, layoutOfFileName(source)));
}

OpenedCopy::~OpenedCopy() {
    if (m_project.stages.count > 1) StageFiles::deleteStageFiles(m_copy);
}

void OpenedCopy::forEachStage(const std::function<void(TProgramData&)>& change) {
    const int count = m_project.stages.count;
    for (int stage = 1; stage <= count; ++stage) {
        if (count > 1) Check(ConstructionStages::selectStage(m_project, stage));
        change(m_project);
    }
}

void OpenedCopy::save() { ProjectFiles::save(m_project); }

}  // namespace keldra::studies
