#include "app/main/texteditor.h"

#include <QProcess>
#include <QStringList>

bool openInTextEditor(const QString& editorCommand, const QString& file) {
    QStringList words = QProcess::splitCommand(editorCommand);
    if (words.isEmpty()) return false;
    const QString program = words.takeFirst();
    words << file;
    return QProcess::startDetached(program, words);
}
