// The analysis run of the main window, its results summary, the text editor and help.
#include <keldra/ikeldra.h>
#include <keldra/version.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <fstream>

#include "app/main/designstudieswindow.h"
#include "app/main/mainform.h"
#include "app/main/reportviewer.h"
#include "app/main/resultssummarywindow.h"
#include "app/main/texteditor.h"
#include "app/main/userguide.h"
#include "app/report/calculationreport.h"
#include "app/results/report_reader.h"
#include "app/results/results_summary.h"
#include "app/results/summary_table.h"
#include "app/studies/subdivision_check.h"
#include "app/studies/subdivision_text.h"
#include "app/widgets/waitcursor.h"

namespace {

const char* const kCompleted =
    "Computations are completed. Please, check output file for results or error messages.";
const char* const kInconsistent =
    "Computations can not be performed. Executable files are not consistent.\n"
    "You may need to reinstall the program.\n"
    "Install the desktop program and libKeldraEngine.so from the same KELDRA release, "
    "in one folder.";

QString capitalised(const QString& text) {
    return text.isEmpty() ? text : text.front().toUpper() + text.mid(1);
}

// The run code words its explanations to follow a colon; a message box shows
// each as a sentence of its own.
QString sentence(const QString& text) { return capitalised(text) + "."; }

// What the user must know of a completed run: the warnings of every problem, labelled, and
// the message of a run that stopped on its input.
struct TReportNotes {
    QStringList lines;
    bool stopped = false;
};

TReportNotes reportNotes(const QString& reportFile) {
    std::ifstream report(QFile::encodeName(reportFile).toStdString());
    const keldra::results::ReportContents summary = keldra::results::ReadReport(report);
    TReportNotes notes;
    for (const keldra::results::ReportProblem& problem : summary.problems) {
        const QString label = capitalised(QString::fromStdString(problem.label));
        for (const std::string& warning : problem.warnings)
            notes.lines << label + ": " + QString::fromLocal8Bit(warning);
    }
    for (const std::string& line : summary.stop) notes.lines << QString::fromLocal8Bit(line);
    notes.stopped = !summary.stop.empty();
    return notes;
}

keldra::results::ResultsSummary summaryOf(const TRunFiles& files) {
    const auto path = [](const QString& file) { return QFile::encodeName(file).toStdString(); };
    return keldra::results::SummariseFiles(
        {path(files.report), path(files.plotData), path(files.projectFile)});
}

// Paragraphs of a message: the non-empty ones, a blank line between them.
QString paragraphs(const QList<QStringList>& parts) {
    QStringList texts;
    for (const QStringList& lines : parts)
        if (!lines.isEmpty()) texts << lines.join('\n');
    return texts.join("\n\n");
}

}  // namespace

void TMainForm::runAnalysis() {
    if (!fileSave() || m_session.isNew()) return;
    if (!inputChecksPass()) return;
    const TRunFiles files = TRunFiles::forProject(m_session.fileName());
    reportRun(runEngine(files), files);
}

TRunResult TMainForm::runEngine(const TRunFiles& files) {
    const TWaitCursor wait;
    return m_engine.run(files);
}

bool TMainForm::inputChecksPass() {
    const std::optional<QString> problem = firstInputProblem(m_session.inputCheckData());
    if (problem) m_prompts->warning(this, *problem);
    return !problem;
}

void TMainForm::reportRun(const TRunResult& result, const TRunFiles& files) {
    bool openReport = false;
    switch (result.outcome) {
        case TRunOutcome::AlreadyRunning:
            m_prompts->information(this, "Attempt to reinitialize DLL");
            return;
        case TRunOutcome::NotStarted:
            m_prompts->information(
                this, "Computations can not be performed.\n" + sentence(result.detail));
            return;
        case TRunOutcome::LibraryFailed:
            m_prompts->information(this, "Attempt to initialize DLL failed", result.detail);
            return;
        case TRunOutcome::Inconsistent:
            m_prompts->information(this,
                                   kInconsistent + QString("\n") + sentence(result.withdrawal));
            forgetResults();
            break;
        case TRunOutcome::Failed:
            m_prompts->information(this, "Computations did not complete.\n" +
                                             sentence(result.detail) + "\n" +
                                             sentence(result.withdrawal));
            forgetResults();
            break;
        case TRunOutcome::Completed: {
            const TReportNotes notes = reportNotes(files.report);
            const QString text = paragraphs(
                {{kCompleted}, notes.lines, subdivisionCheckLines(files, summaryOf(files))});
            openReport = m_prompts->informationOffering(this, text, "Open Report");
            // A run that stopped has said why; a plot-data file cut short by the stop is no
            // second error.
            loadResults(!notes.stopped);
            break;
        }
    }
    refreshCommands();
    closeChildWindows();
    if (openReport) showTextFile(files.report);
}

// An editor set in the options opens the file; without one the built-in viewer shows it.
void TMainForm::openInEditor(const QString& file) {
    if (m_settings.editorPath.trimmed().isEmpty()) {
        showTextFile(file);
        return;
    }
    if (!openInTextEditor(m_settings.editorPath, file))
        m_prompts->information(this, "An error occurred in running the Word Processor");
}

void TMainForm::showTextFile(const QString& file) {
    QMdiSubWindow* child = showChildWindow("TextFile " + file, [] { return new TReportViewer; });
    auto* viewer = static_cast<TReportViewer*>(child->widget());
    QString error;
    if (!viewer->open(file, error)) {
        child->close();
        m_prompts->information(this, QString("The file \"%1\" could not be shown: %2")
                                         .arg(QDir::toNativeSeparators(file), error));
        return;
    }
}

// The check follows the saved project; results older than it are not the saved project's.
QStringList TMainForm::subdivisionCheckLines(const TRunFiles& files,
                                             const keldra::results::ResultsSummary& summary) {
    if (!m_settings.subdivisionCheck || summary.problems.empty()) return {};
    std::vector<std::string> lines;
    if (ResultsAreCurrent(files.projectFile)) {
        const TWaitCursor wait;
        lines = keldra::studies::CheckLines(
            summary,
            keldra::studies::CheckProject(files.projectFile, summary,
                                          QFile::encodeName(m_engine.libraryPath()).toStdString()));
    } else {
        lines = keldra::studies::CheckLines(
            {.reason = "the results are older than the project file; run the analysis again"});
    }
    QStringList out;
    for (const std::string& line : lines) out << QString::fromStdString(line);
    return out;
}

void TMainForm::showResultsSummary() {
    const TRunFiles files = TRunFiles::forProject(m_session.fileName());
    showChildWindow(QStringLiteral("ResultsSummary"), [&] {
        const keldra::results::ResultsSummary summary = summaryOf(files);
        keldra::results::SummaryTable table = keldra::results::TableOf(summary);
        for (const QString& line : subdivisionCheckLines(files, summary))
            table.notes.push_back(line.toStdString());
        return new TResultsSummaryWindow(std::move(table));
    });
}

// A study varies the saved project file, so the project is saved first.
void TMainForm::showDesignStudies() {
    if (!fileSave() || m_session.isNew()) return;
    const QString project = m_session.fileName();
    showChildWindow(QStringLiteral("DesignStudies"), [&] {
        auto* window = new TDesignStudiesWindow(project, m_session.unitSystem(),
                                                m_engine.libraryPath(), *m_prompts);
        // Opening replaces the project and closes this window: after its signal has returned.
        connect(window, &TDesignStudiesWindow::openProject, this, [this](const QString& file) {
            QMetaObject::invokeMethod(
                this,
                [this, file] {
                    if (maybeSave()) openFileByName(file, TFileLayout::Current);
                },
                Qt::QueuedConnection);
        });
        return window;
    });
}

void TMainForm::showUserGuide() {
    showChildWindow(QStringLiteral("UserGuide"), [] { return new TUserGuide; });
}

void TMainForm::showAbout() {
    const QString library = m_engine.libraryPath();
    const QString engine = QFileInfo::exists(library)
                               ? QStringLiteral("Analysis engine %1, interface version %2")
                                     .arg(QDir::toNativeSeparators(library))
                                     .arg(keldra::entry::kInterfaceVersion)
                               : "The analysis engine " + QString(TEngineRunner::kLibraryFile) +
                                     " is missing from " +
                                     QDir::toNativeSeparators(m_programFolder);
    m_prompts->about(this, "About KELDRA 2015",
                     "<h3>KELDRA 2015</h3><p>Version " + QString::fromLatin1(keldra::kVersion) +
                         "</p><p>Analysis of flexible retaining walls by the p-y method.</p><p>" +
                         engine.toHtmlEscaped() + "</p>");
}
