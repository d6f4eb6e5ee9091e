#include "app/main/texteditor.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

bool openInTextEditor(const QString& editorCommand, const QString& file) {
    if (editorCommand.trimmed().isEmpty())
        return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    QStringList words = QProcess::splitCommand(editorCommand);
    if (words.isEmpty()) return false;
    const QString program = words.takeFirst();
    words << file;
    return QProcess::startDetached(program, words);
}
