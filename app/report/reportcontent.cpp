#include "app/report/reportcontent.h"

#include <keldra/version.h>

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include "app/graphs/plotdataloader.h"
#include "app/project/programdata.h"
#include "app/results/results_summary.h"
#include "app/results/summary_table.h"
#include "app/studies/subdivision_check.h"
#include "app/studies/subdivision_text.h"

namespace {

// The soil profile takes most of a page below its heading.
constexpr double kProfileShare = 0.8;

QString fromText(const std::string& text) { return QString::fromLocal8Bit(text); }

QString capitalised(QString text) {
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}

QStringList linesOf(const QString& fileName) {
    QFile file(fileName);
    QStringList lines;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return lines;
    QTextStream in(&file);
    while (!in.atEnd()) lines << in.readLine();
    return lines;
}

// The engine dates its report in one line, "Date:  December 10, 2026     Time:  16:30:05",
// shown as "December 10, 2026, 16:30:05".
QString runDateOf(const QStringList& report) {
    static const QRegularExpression dateLine(QStringLiteral("Date:\\s*(.*\\S)\\s+Time:\\s*(\\S+)"));
    for (const QString& line : report)
        if (const QRegularExpressionMatch match = dateLine.match(line); match.hasMatch())
            return match.captured(1).simplified() + QStringLiteral(", ") + match.captured(2);
    return {};
}

TReportTable summaryTableOf(const keldra::results::SummaryTable& table) {
    TReportTable out{QStringLiteral("Results Summary"),
                     {QStringLiteral("Quantity"), QStringLiteral("Unit")},
                     {},
                     {}};
    for (const std::string& problem : table.problems) out.headings << fromText(problem);
    for (const auto& row : table.rows) {
        QStringList cells{fromText(row.quantity), fromText(row.unit)};
        for (const std::string& cell : row.cells) cells << fromText(cell);
        out.rows.push_back(cells);
    }
    for (const std::string& note : table.notes) out.notes << fromText(note);
    return out;
}

QStringList warningsOf(const keldra::results::ResultsSummary& summary) {
    QStringList warnings;
    for (const auto& problem : summary.problems)
        for (const std::string& warning : problem.warnings)
            warnings << capitalised(fromText(problem.label)) + QStringLiteral(": ") +
                            fromText(warning).trimmed();
    for (const std::string& line : summary.stop) warnings << fromText(line).trimmed();
    if (!summary.error.empty()) warnings << fromText(summary.error);
    return warnings;
}

std::string pathOf(const QString& file) { return QFile::encodeName(file).toStdString(); }

QStringList subdivisionCheckOf(const QString& project,
                               const keldra::results::ResultsSummary& summary,
                               const QString& engine) {
    QStringList lines;
    if (engine.isEmpty() || summary.problems.empty()) return lines;
    const keldra::studies::SubdivisionCheck check =
        keldra::studies::CheckProject(project, summary, pathOf(engine));
    for (const std::string& line : keldra::studies::CheckLines(summary, check))
        lines << fromText(line);
    return lines;
}

}  // namespace

std::unique_ptr<TReportContent> CollectReportContent(TProgramData& project,
                                                     const TReportFiles& files, bool withTextReport,
                                                     const QString& checkEngine, QSize page) {
    auto content = std::make_unique<TReportContent>();
    content->projectFile = files.project;
    content->heading = {project.title, QFileInfo(files.project).fileName(),
                        QDate::currentDate().toString(Qt::ISODate),
                        QString::fromLatin1(keldra::kVersion)};
    content->units = UnitSystemName(project.units());
    content->stages =
        CollectStageInputs(project, QSize(page.width(), int(page.height() * kProfileShare)));

    const QStringList report = linesOf(files.report);
    content->runDate = runDateOf(report);
    if (withTextReport) content->textReport = report;

    const keldra::results::ResultsSummary summary = keldra::results::SummariseFiles(
        {pathOf(files.report), pathOf(files.plotData), pathOf(files.project)});
    content->summary = summaryTableOf(keldra::results::TableOf(summary));
    content->warnings = warningsOf(summary);
    content->subdivisionCheck = subdivisionCheckOf(files.project, summary, checkEngine);

    QStringList& problems = content->plotProblems;
    if (!LoadPlotData(content->graphs, files.plotData, PlotProjectOf(project),
                      [&problems](const QString& message) { problems << message; }) &&
        problems.isEmpty())
        problems << kPlotDataFailed;
    return content;
}
