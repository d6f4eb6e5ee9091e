#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The lines of a text file of 8-bit characters. Lines end at CR LF, LF or a lone CR; a line end
// at the very end of the data opens no further line.
[[nodiscard]] QStringList textLines(const QByteArray& content);

// The lines joined with CR LF after each, as every project and stage file is written.
[[nodiscard]] QByteArray crlfText(const QStringList& lines);

// The whole file; raises EInOutError with the platform's message when it cannot be read.
[[nodiscard]] QByteArray readTextFile(const QString& fileName);

// Replaces the file by the text as a whole; raises EInOutError with the platform's message.
void writeTextFile(const QString& fileName, const QByteArray& content);
