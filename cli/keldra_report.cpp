// keldra-report PROJECT [-o REPORT.pdf] [--with-text-report] [--no-subdivision-check]
//
// Writes the calculation report of a project data file as PDF, as the desktop program's
// "Export Calculation Report (PDF)..." does; runs the analysis first when the project has no
// results or they are older than the project file. The exit status is explained in the help
// text below.
#include <QApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>
#include <fstream>
#include <optional>

#include "app/analysis/enginerun.h"
#include "app/analysis/inputcheckdata.h"
#include "app/analysis/inputchecks.h"
#include "app/project/filelayout.h"
#include "app/report/calculationreport.h"
#include "app/results/report_reader.h"
#include "cli/opened_project.h"

namespace {

constexpr int kWritten = 0;
constexpr int kAnalysisFailed = 1;
constexpr int kUsageOrFiles = 2;

constexpr const char* kUsage =
    "Usage: keldra-report PROJECT.kd5d [-o REPORT.pdf] [--with-text-report]\n"
    "                     [--no-subdivision-check]\n"
    "  or:  keldra-report --help\n";

constexpr const char* kHelp =
    "Writes the calculation report of a KELDRA project data file as one PDF: a cover with\n"
    "the contents, the inputs of every stage as tables with their units, the soil profile of\n"
    "every stage, the results summary with every warning of the run's report and the\n"
    "subdivision check, and the graphs of deflection, bending moment, shear, soil reaction,\n"
    "earth pressure and the p-y curves.\n"
    "Pages are A4, or Letter where the locale measures in US units.\n"
    "\n"
    "When the project has no results next to it, or they are older than the project file,\n"
    "the analysis is run first, as the desktop program's Run command runs it (its input\n"
    "checks, then the engine libKeldraEngine.so from this program's folder); its report and\n"
    "plot data are put next to the project.\n"
    "\n"
    "Options:\n"
    "  -o, --output REPORT.pdf  the file to write; by default the project's name with\n"
    "                           \"-report.pdf\", beside the project\n"
    "  --with-text-report       adds the full text report as an appendix\n"
    "  --no-subdivision-check   leaves out the subdivision check: by default the project is\n"
    "                           run once more with every soil layer split in two, and the\n"
    "                           results summary tells, per problem, how much the top\n"
    "                           deflection and the maximum moment change\n"
    "  -h, --help               shows this help\n"
    "\n"
    "Exit status:\n"
    "  0  the report was written\n"
    "  1  the analysis failed or stopped on its input; its cause is printed and no report\n"
    "     is written\n"
    "  2  a usage error, a project file that does not exist, is not a regular file or\n"
    "     cannot be read, or a report that cannot be written\n";

struct Command {
    QString project;
    QString output;
    bool withTextReport = false;
    bool subdivisionCheck = true;
    bool help = false;
};

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

int UsageError(const QString& why) {
    Print(stderr, "keldra-report: " + why + '\n' + QString::fromLatin1(kUsage));
    return kUsageOrFiles;
}

int Failure(int status, const QString& why) {
    Print(stderr, "keldra-report: " + why + '\n');
    return status;
}

std::optional<Command> ParseCommand(const QStringList& arguments) {
    Command command;
    for (qsizetype k = 1; k < arguments.size(); ++k) {
        const QString& argument = arguments[k];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            command.help = true;
        } else if (argument == QLatin1String("--with-text-report")) {
            command.withTextReport = true;
        } else if (argument == QLatin1String("--no-subdivision-check")) {
            command.subdivisionCheck = false;
        } else if (argument == QLatin1String("-o") || argument == QLatin1String("--output")) {
            if (k + 1 >= arguments.size()) {
                UsageError(argument + " needs a file name");
                return std::nullopt;
            }
            command.output = arguments[++k];
        } else if (argument.startsWith('-')) {
            UsageError("unknown option \"" + argument + '"');
            return std::nullopt;
        } else if (command.project.isEmpty()) {
            command.project = argument;
        } else {
            UsageError("one project file at a time");
            return std::nullopt;
        }
    }
    return command;
}

// Each line of a message after the program's name.
QString Lines(const QString& message) {
    QString text = message;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
    return text.trimmed().replace('\n', QLatin1String("\nkeldra-report: "));
}

QString RunFailure(const TRunResult& result) {
    switch (result.outcome) {
        case TRunOutcome::LibraryFailed:
            return "the analysis engine could not be loaded: " + result.detail;
        case TRunOutcome::NotStarted:
            return "the analysis could not be started: " + result.detail;
        case TRunOutcome::Inconsistent:
            return "the analysis engine does not belong to this program: " + result.detail;
        default:
            return "the analysis did not complete: " + result.detail;
    }
}

// The message of a run that stopped on its input, empty after a run that went through.
QString StopMessage(const QString& reportFile) {
    std::ifstream report(QFile::encodeName(reportFile).toStdString());
    QStringList lines;
    for (const std::string& line : keldra::results::ReadReport(report).stop)
        lines << QString::fromLocal8Bit(line).trimmed();
    return lines.join('\n');
}

// Runs the analysis as the desktop program does; empty when it completed.
QString RunAnalysis(TProgramData& project, const QString& projectFile) {
    if (const std::optional<QString> problem = firstInputProblem(inputCheckDataOf(project)))
        return *problem;
    TEngineRunner engine(QCoreApplication::applicationDirPath());
    const TRunFiles files = TRunFiles::forProject(projectFile);
    const TRunResult result = engine.run(files);
    if (result.outcome != TRunOutcome::Completed) return RunFailure(result);
    return {};
}

int WriteReport(const Command& command) {
    const QFileInfo info(command.project);
    if (!info.exists()) return Failure(kUsageOrFiles, command.project + ": no such file");
    if (!info.isFile()) return Failure(kUsageOrFiles, command.project + ": not a regular file");
    const QString projectFile = info.absoluteFilePath();
    keldra::cli::OpenedProject opened(projectFile, layoutOfFileName(projectFile));
    if (!opened.messages().isEmpty())
        return Failure(kUsageOrFiles, command.project + ": " + Lines(opened.messages().join('\n')));
    if (!ResultsAreCurrent(projectFile)) {
        const QString failure = RunAnalysis(opened.project(), projectFile);
        if (!failure.isEmpty()) return Failure(kAnalysisFailed, Lines(failure));
    }
    const QString stop = StopMessage(TRunFiles::forProject(projectFile).report);
    if (!stop.isEmpty()) return Failure(kAnalysisFailed, "the analysis stopped: " + Lines(stop));
    const QString output =
        command.output.isEmpty() ? DefaultReportFile(projectFile) : command.output;
    TReportOptions options{.withTextReport = command.withTextReport};
    if (command.subdivisionCheck)
        options.checkEngine = TEngineRunner(QCoreApplication::applicationDirPath()).libraryPath();
    const QString error = WriteCalculationReport(opened.project(), projectFile, output, options);
    if (!error.isEmpty()) return Failure(kUsageOrFiles, error);
    return kWritten;
}

}  // namespace

int main(int argc, char** argv) {
    // No window: the report is drawn on PDF pages only.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QApplication application(argc, argv);
    const std::optional<Command> command = ParseCommand(QCoreApplication::arguments());
    if (!command) return kUsageOrFiles;
    if (command->help) {
        Print(stdout, QString::fromLatin1(kUsage) + '\n' + QString::fromLatin1(kHelp));
        return kWritten;
    }
    if (command->project.isEmpty()) return UsageError("no project file given");
    return WriteReport(*command);
}
