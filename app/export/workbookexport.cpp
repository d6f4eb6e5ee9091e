#include "app/export/workbookexport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/export/exporterror.h"
#include "app/export/legendframe.h"
#include "app/export/plotworkbook.h"
#include "app/export/zipentries.h"

namespace {

// A hidden file beside the target, removed again unless it is renamed to it.
class TDraft : public QTemporaryFile {
  public:
    explicit TDraft(const QFileInfo& target)
        : QTemporaryFile(target.absoluteDir().filePath("." + target.fileName() + "-XXXXXX")) {
        if (!open())
            throw EExportError(
                QString("The folder \"%1\" does not take new files: %2.")
                    .arg(QDir::toNativeSeparators(target.absolutePath()), errorString()));
    }
};

void writeWorkbook(const std::vector<const TGraphPlot*>& graphs, const QString& fileName) {
    TPlotWorkbook workbook(fileName);
    for (const TGraphPlot* graph : graphs) workbook.addPlot(*graph);
    workbook.write();
}

// The finished file takes the target's name, replacing an older file, with the permissions of
// a newly saved document.
void moveInPlace(TDraft& finished, const QString& target) {
    finished.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                            QFile::ReadOther);
    if (std::rename(QFile::encodeName(finished.fileName()).constData(),
                    QFile::encodeName(target).constData()) != 0)
        throw EExportError(QString::fromLocal8Bit(std::strerror(errno)) + ".");
    finished.setAutoRemove(false);
}

}  // namespace

void ExportPlotsToWorkbook(const std::vector<const TGraphPlot*>& graphs, const QString& fileName) {
    const QFileInfo target(fileName);
    try {
        // libxlsxwriter writes the workbook; its chart legends are framed on the way to the
        // finished file.
        TDraft written(target);
        writeWorkbook(graphs, written.fileName());
        std::vector<TZipEntry> parts = ReadZipEntries(written.fileName());
        FrameChartLegends(parts);
        TDraft finished(target);
        WriteZipEntries(finished.fileName(), parts);
        moveInPlace(finished, target.absoluteFilePath());
    } catch (const EExportError& error) {
        throw EExportError(
            QString("The plots could not be exported to \"%1\".\n%2")
                .arg(QDir::toNativeSeparators(target.absoluteFilePath()), error.message()));
    }
}
