#include "app/project/stagefiles.h"

#include <QFile>
#include <QFileInfo>

#include "app/project/filelayout.h"
#include "app/project/inouterror.h"
#include "app/project/textfile.h"

namespace StageFiles {

namespace {

bool isSameFile(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

}  // namespace

QString stageFileName(const QString& projectFile, int stage) {
    const QFileInfo info(projectFile);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? name : name.left(dot);
    const QString stem = projectFile.left(projectFile.size() - name.size()) + base;
    return stem + QStringLiteral(".st%1").arg(stage);
}

void deleteStageFiles(const QString& projectFile, int first, int last) {
    for (int stage = first; stage <= last; ++stage) {
        const QString name = stageFileName(projectFile, stage);
        if (QFile::exists(name) && !QFile::remove(name)) {
            throw EInOutError(QStringLiteral("Cannot delete file \"%1\".").arg(name));
        }
    }
}

QList<QStringList> stageBlocks(const QByteArray& content, int stages) {
    const QStringList lines = textLines(content);
    QList<QStringList> blocks;
    for (qsizetype line = 0; line < lines.size(); ++line) {
        if (line == 0 || lines[line].contains(kStageMark)) {
            // Lines of blocks beyond the announced stages belong to no stage.
            if (blocks.size() == stages) break;
            blocks.append(QStringList());
        }
        blocks.last().append(lines[line]);
    }
    return blocks;
}

void splitProjectFile(const QString& projectFile, int stages) {
    deleteStageFiles(projectFile);
    const QList<QStringList> blocks = stageBlocks(readTextFile(projectFile), stages);
    for (qsizetype k = 0; k < blocks.size(); ++k) {
        writeTextFile(stageFileName(projectFile, int(k) + 1), crlfText(blocks[k]));
    }
    if (blocks.size() < stages) {
        throw EInOutError(
            QStringLiteral("The data file holds %1 of the %2 construction stages it announces.")
                .arg(blocks.size())
                .arg(stages));
    }
}

void joinStageFiles(const QString& targetFile, const QString& sourceFile, int stages) {
    QStringList lines;
    for (int stage = 1; stage <= stages; ++stage) {
        lines += textLines(readTextFile(stageFileName(sourceFile, stage)));
    }
    writeTextFile(targetFile, crlfText(lines));
    for (int stage = 1; stage <= stages; ++stage) {
        const QString from = stageFileName(sourceFile, stage);
        const QString to = stageFileName(targetFile, stage);
        // Projects differing only in their extension (Wall.kd4d, Wall.kd5d)
        // share their stage files.
        if (isSameFile(from, to)) continue;
        if (QFile::exists(to)) QFile::remove(to);
        if (!QFile::rename(from, to)) {
            throw EInOutError(QStringLiteral("Cannot move file \"%1\" to \"%2\".").arg(from, to));
        }
    }
}

}  // namespace StageFiles
