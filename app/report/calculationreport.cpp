#include "app/report/calculationreport.h"

#include <keldra/version.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPdfWriter>
#include <QSaveFile>

#include "app/report/reportcontent.h"
#include "app/report/reportsections.h"
#include "app/run/project_outputs.h"

namespace {

constexpr double kMarginMm = 15.0;
constexpr int kMaxPasses = 4;
constexpr int kResolution = 1200;  // dots per inch of the page's coordinates

QString fromPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

keldra::run::ProjectOutputs outputsOf(const QString& projectFile) {
    return keldra::run::OutputsOf(QFile::encodeName(projectFile).toStdString());
}

QPageLayout pageLayout() {
    return QPageLayout(ReportPageSize(), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

void setUpPage(QPdfWriter& writer, const QString& title) {
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("KELDRA %1").arg(QLatin1String(keldra::kVersion)));
    writer.setResolution(kResolution);
    writer.setPageLayout(pageLayout());
}

// Lays the report out on pages in memory; `contents` and `totalPages` of an earlier pass give
// the contents' page numbers and the footers' page count.
QByteArray render(const TReportContent& content, std::vector<TContentsEntry>& contents,
                  int& totalPages) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    setUpPage(writer, content.heading.title);
    TReportCanvas canvas(writer, content.heading, totalPages);
    if (!canvas.isActive()) return {};
    DrawReport(canvas, content, contents);
    contents = canvas.contents();
    totalPages = canvas.page();
    canvas.finish();
    return buffer.data();
}

}  // namespace

QPageSize ReportPageSize() {
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                      : QPageSize(QPageSize::A4);
}

bool ResultsAreCurrent(const QString& projectFile) {
    const keldra::run::ProjectOutputs files = outputsOf(projectFile);
    const QFileInfo project(projectFile);
    for (const auto& output : {files.report, files.plot}) {
        const QFileInfo info(fromPath(output));
        if (!info.exists() || info.lastModified() < project.lastModified()) return false;
    }
    return true;
}

QString DefaultReportFile(const QString& projectFile) {
    const QFileInfo info(projectFile);
    const QString stem = QString::fromStdString(
        keldra::run::StemOf(QFile::encodeName(info.fileName()).toStdString()));
    return info.dir().filePath(stem + QStringLiteral("-report.pdf"));
}

QString WriteCalculationReport(TProgramData& project, const QString& projectFile,
                               const QString& pdfFile, const TReportOptions& options) {
    const keldra::run::ProjectOutputs files = outputsOf(projectFile);
    TReportFiles sources{QFileInfo(projectFile).absoluteFilePath(), fromPath(files.report),
                         fromPath(files.plot)};
    const std::unique_ptr<TReportContent> content =
        CollectReportContent(project, sources, options.withTextReport, options.checkEngine,
                             pageLayout().paintRectPixels(kResolution).size());
    // The contents and the page count are known once the pages are laid out; the contents on
    // the cover can move the pages after it, so the layout is repeated until it settles.
    std::vector<TContentsEntry> contents;
    int totalPages = 0;
    QByteArray pdf;
    for (int pass = 0; pass < kMaxPasses; ++pass) {
        const std::vector<TContentsEntry> before = contents;
        const int pagesBefore = totalPages;
        pdf = render(*content, contents, totalPages);
        if (pass > 0 && contents == before && totalPages == pagesBefore) break;
    }
    if (pdf.isEmpty()) return QStringLiteral("The report could not be drawn.");
    QSaveFile file(pdfFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() || !file.commit())
        return QStringLiteral("Cannot write \"%1\". %2").arg(pdfFile, file.errorString());
    return {};
}
