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

namespace {

// A write that stops short (a full disk) is followed by one for the rest, which fails with the
// system's reason; a write stopping short sets no error text of its own.
bool writeAll(QSaveFile& file, const QByteArray& content) {
    qint64 done = 0;
    while (done < content.size()) {
        const qint64 written = file.write(content.constData() + done, content.size() - done);
        if (written <= 0) return false;
        done += written;
    }
    return true;
}

}  // namespace

void writeTextFile(const QString& fileName, const QByteArray& content) {
    // Unbuffered, so a full disk shows at the write that meets it: commit() would rename a
    // short file over the original. An uncommitted QSaveFile removes its draft and leaves the
    // original as it was.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !writeAll(file, content) ||
        !file.commit()) {
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
