#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// One member of a zip archive, unpacked.
struct TZipEntry {
    QByteArray name;  // its path inside the archive
    QByteArray data;
};

// Every member of a zip archive, in archive order. Raises EExportError.
[[nodiscard]] std::vector<TZipEntry> ReadZipEntries(const QString& fileName);

// Writes the entries, deflated and in the given order, as a new archive. Raises EExportError.
void WriteZipEntries(const QString& fileName, const std::vector<TZipEntry>& entries);
