#include "app/project/textfile.h"

#include <QFile>
#include <QSaveFile>

#include "app/project/inouterror.h"

QStringList textLines(const QByteArray& content) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = content.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && content[end] != '\r' && content[end] != '\n') ++end;
        lines.append(QString::fromLatin1(content.mid(start, end - start)));
        if (end + 1 < size && content[end] == '\r' && content[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return lines;
}

QByteArray crlfText(const QStringList& lines) {
    QByteArray text;
    for (const QString& line : lines) text += line.toLatin1() + "\r\n";
    return text;
}

void writeTextFile(const QString& fileName, const QByteArray& content) {
    // QSaveFile buffers: a full disk may show only when the buffer is flushed, and commit()
    // would still rename the short file over the original. So the flush is checked first;
    // an uncommitted QSaveFile removes its draft and leaves the original as it was.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
        !file.flush() || file.error() != QFileDevice::NoError || !file.commit()) {
        throw EInOutError(
            QStringLiteral("Cannot write file \"%1\". %2").arg(fileName, file.errorString()));
    }
}

QByteArray readTextFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        throw EInOutError(
            QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    }
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw EInOutError(
            QStringLiteral("Cannot read file \"%1\". %2").arg(fileName, file.errorString()));
    }
    return content;
}
