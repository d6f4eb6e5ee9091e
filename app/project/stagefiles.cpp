#include "app/project/stagefiles.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "app/project/filelayout.h"
#include "app/project/inouterror.h"
#include "app/project/textfile.h"

namespace StageFiles {

namespace {

bool isSameFile(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

void removeExisting(const QString& name) {
    if (QFile::exists(name) && !QFile::remove(name)) {
        throw EInOutError(QStringLiteral("Cannot delete file \"%1\".").arg(name));
    }
}

// Opening splits the joined file again, at the first line and at every line that holds the
// stage mark: each stage file must come back as the block it was, so it has lines, its first
// begins stage 2 and up, and no other line begins a stage.
bool holdsItsStage(const QStringList& lines, int stage) {
    if (lines.isEmpty() || (stage > 1 && !lines.first().contains(kStageMark))) return false;
    return std::none_of(lines.begin() + 1, lines.end(),
                        [](const QString& line) { return line.contains(kStageMark); });
}

}  // namespace

QString stem(const QString& projectFile) {
    const QString name = QFileInfo(projectFile).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return projectFile.left(projectFile.size() - name.size()) + (dot < 0 ? name : name.left(dot));
}

QString stageFileName(const QString& projectFile, int stage) {
    return stem(projectFile) + QStringLiteral(".st%1").arg(stage);
}

void deleteStageFiles(const QString& projectFile, int first, int last) {
    for (int stage = first; stage <= last; ++stage)
        removeExisting(stageFileName(projectFile, stage));
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

QString splitProjectFile(const QString& projectFile, int stages) {
    deleteStageFiles(projectFile);
    const QList<QStringList> blocks = stageBlocks(readTextFile(projectFile), stages);
    for (qsizetype k = 0; k < blocks.size(); ++k) {
        writeTextFile(stageFileName(projectFile, int(k) + 1), crlfText(blocks[k]));
    }
    if (blocks.size() == stages) return {};
    return QStringLiteral("The data file holds %1 of the %2 construction stages it announces.")
        .arg(blocks.size())
        .arg(stages);
}

void joinStageFiles(const QString& targetFile, const QString& sourceFile, int stages) {
    QStringList lines;
    for (int stage = 1; stage <= stages; ++stage) {
        const QString name = stageFileName(sourceFile, stage);
        const QStringList stageLines = textLines(readTextFile(name));
        if (!holdsItsStage(stageLines, stage)) {
            throw EInOutError(
                QStringLiteral("The stage file \"%1\" does not hold stage %2 of the project; "
                               "\"%3\" was not written.")
                    .arg(name, QString::number(stage), targetFile));
        }
        lines += stageLines;
    }
    writeTextFile(targetFile, crlfText(lines));
    moveStageFiles(sourceFile, targetFile, stages);
}

void moveStageFiles(const QString& fromFile, const QString& toFile, int stages) {
    // Projects differing only in their extension (Wall.kd4d, Wall.kd5d) share their stage files.
    if (isSameFile(stageFileName(fromFile, 1), stageFileName(toFile, 1))) return;
    int stage = 1;
    try {
        for (; stage <= stages; ++stage) {
            const QString from = stageFileName(fromFile, stage);
            const QString to = stageFileName(toFile, stage);
            removeExisting(to);
            if (!QFile::rename(from, to)) {
                throw EInOutError(
                    QStringLiteral("Cannot move file \"%1\" to \"%2\".").arg(from, to));
            }
        }
    } catch (const EInOutError&) {
        // Best effort: the error is what the user learns either way.
        while (--stage >= 1) {
            (void)QFile::rename(stageFileName(toFile, stage), stageFileName(fromFile, stage));
        }
        throw;
    }
}

}  // namespace StageFiles
