#include "app/export/zipentries.h"

#include <unzip.h>
#include <zip.h>

#include <QFile>

#include "app/export/exporterror.h"

namespace {

constexpr int kChunk = 64 * 1024;
constexpr int kZipEpoch = 1980;  // the earliest date a zip member can carry

QByteArray pathOf(const QString& fileName) { return QFile::encodeName(fileName); }

[[noreturn]] void failReading() {
    throw EExportError("The archive just written cannot be read back.");
}

[[noreturn]] void failWriting() {
    throw EExportError("The archive cannot be written: the disk may be full.");
}

// Reads the current member of an open archive.
QByteArray readCurrent(unzFile archive) {
    if (unzOpenCurrentFile(archive) != UNZ_OK) failReading();
    QByteArray data;
    char chunk[kChunk];
    int read = 0;
    while ((read = unzReadCurrentFile(archive, chunk, sizeof chunk)) > 0) data.append(chunk, read);
    // Closing checks the member's checksum.
    if (unzCloseCurrentFile(archive) != UNZ_OK || read < 0) failReading();
    return data;
}

QByteArray currentName(unzFile archive) {
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(archive, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        failReading();
    QByteArray name(static_cast<qsizetype>(info.size_filename), '\0');
    if (unzGetCurrentFileInfo64(archive, &info, name.data(), info.size_filename, nullptr, 0,
                                nullptr, 0) != UNZ_OK)
        failReading();
    return name;
}

}  // namespace

std::vector<TZipEntry> ReadZipEntries(const QString& fileName) {
    unzFile archive = unzOpen64(pathOf(fileName).constData());
    if (!archive) failReading();
    std::vector<TZipEntry> entries;
    try {
        for (int at = unzGoToFirstFile(archive); at != UNZ_END_OF_LIST_OF_FILE;
             at = unzGoToNextFile(archive)) {
            if (at != UNZ_OK) failReading();
            QByteArray name = currentName(archive);
            entries.push_back({std::move(name), readCurrent(archive)});
        }
    } catch (...) {
        unzClose(archive);
        throw;
    }
    unzClose(archive);
    return entries;
}

void WriteZipEntries(const QString& fileName, const std::vector<TZipEntry>& entries) {
    zipFile archive = zipOpen64(pathOf(fileName).constData(), APPEND_STATUS_CREATE);
    if (!archive) failWriting();
    zip_fileinfo info{};
    info.tmz_date.tm_year = kZipEpoch;
    info.tmz_date.tm_mday = 1;
    bool written = true;
    for (const TZipEntry& entry : entries) {
        written =
            zipOpenNewFileInZip64(archive, entry.name.constData(), &info, nullptr, 0, nullptr, 0,
                                  nullptr, Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0) == ZIP_OK &&
            zipWriteInFileInZip(archive, entry.data.constData(),
                                static_cast<unsigned>(entry.data.size())) == ZIP_OK &&
            zipCloseFileInZip(archive) == ZIP_OK;
        if (!written) break;
    }
    // Closing writes the archive's directory; a full disk shows here at the latest.
    if (zipClose(archive, nullptr) != ZIP_OK || !written) failWriting();
}
