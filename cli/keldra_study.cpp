// keldra-study embedment PROJECT.kd5d --from E1 --to E2 --step DE [options]
//
// Design studies from many runs of the engine on varied copies of a
// project. What it does and its exit status are told by its help text.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>

#include "app/project/inouterror.h"
#include "app/run/engine_child.h"
#include "app/studies/embedment_study.h"
#include "cli/study_table.h"

namespace {

using namespace keldra::studies;

constexpr int kStudied = 0;
constexpr int kRunsFailed = 1;
constexpr int kUsageOrInput = 2;

constexpr const char* kUsage =
    "Usage: keldra-study embedment PROJECT.kd5d --from E1 --to E2 --step DE [--jobs N]\n"
    "                              [--csv OUT.csv] [--keep DIR]\n";

constexpr const char* kHelp =
    "embedment: runs the project with the wall's tip at each embedment from E1 to E2 in\n"
    "steps of DE. The embedment is the depth of the tip below the excavation level (the\n"
    "free height of the last stage), in the project's length unit: inches for English\n"
    "projects, metres for SI ones, L for generic ones. The increment length stays; each\n"
    "embedment is rounded to whole increments and the table gives the value studied.\n"
    "Everything tied to the tip follows it in every stage, and a soil profile that ends\n"
    "above the tip is deepened by its deepest layer.\n"
    "\n"
    "It prints one row per embedment: the embedment, the wall length, whether every\n"
    "problem closed (1/0), the iterations, the top deflection, the largest moment and\n"
    "shear with their depths and the file name of the studied project; then the line\n"
    "  critical embedment: VALUE UNIT\n"
    "naming the shortest studied embedment from which every longer studied embedment\n"
    "closes and has a top deflection within 1 % of the top deflection at the longest\n"
    "studied embedment, or \"critical embedment: none\" when no embedment qualifies.\n"
    "\n"
    "Options:\n"
    "  --jobs N      run up to N projects at a time (1 to 64; 1 when not given)\n"
    "  --csv FILE    write the table as CSV, its header naming the unit of each column\n"
    "  --keep DIR    keep every studied project and its outputs in DIR, so that a\n"
    "                plain keldra-run reproduces any row\n"
    "  -h, --help    print this help and exit\n"
    "\n"
    "Exit status:\n"
    "  0        the study ran (rows that do not close are results)\n"
    "  1        a run failed and has no results\n"
    "  2        a usage error, a range that cannot be studied, or a project that\n"
    "           cannot be read\n"
    "  128 + N  signal N (SIGINT or SIGTERM) stopped the study\n";

struct Options {
    std::string project;
    std::optional<double> from, to, step;
    int jobs = 1;
    std::string csv, keep;
};

enum class Parsed { kRun, kHelp, kUsageError };

bool ReadNumber(const char* text, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0';
}

Parsed ParseOptions(int argc, char** argv, Options& options) {
    if (argc > 1 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h"))
        return Parsed::kHelp;
    if (argc < 3 || std::string(argv[1]) != "embedment") return Parsed::kUsageError;
    options.project = argv[2];
    for (int k = 3; k < argc; ++k) {
        const std::string arg = argv[k];
        if (arg == "--help" || arg == "-h") return Parsed::kHelp;
        if (k + 1 >= argc) return Parsed::kUsageError;
        const char* value = argv[++k];
        double number = 0.0;
        if (arg == "--csv") {
            options.csv = value;
        } else if (arg == "--keep") {
            options.keep = value;
        } else if (!ReadNumber(value, number)) {
            return Parsed::kUsageError;
        } else if (arg == "--from") {
            options.from = number;
        } else if (arg == "--to") {
            options.to = number;
        } else if (arg == "--step") {
            options.step = number;
        } else if (arg == "--jobs" && number >= 1 && number <= 64 && number == int(number)) {
            options.jobs = static_cast<int>(number);
        } else {
            return Parsed::kUsageError;
        }
    }
    return options.from && options.to && options.step ? Parsed::kRun : Parsed::kUsageError;
}

std::atomic<bool> g_cancel{false};
volatile std::sig_atomic_t g_signal = 0;

void OnStop(int signal) {
    g_signal = signal;
    g_cancel = true;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "keldra-study: %s\n", message.c_str());
    return kUsageOrInput;
}

bool WriteFile(const std::string& name, const std::string& text) {
    QFile file(QString::fromStdString(name));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text.data(), static_cast<qint64>(text.size())) ==
               static_cast<qint64>(text.size()) &&
           file.flush();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    Options options;
    switch (ParseOptions(argc, argv, options)) {
        case Parsed::kHelp:
            std::printf("%s\n%s", kUsage, kHelp);
            return kStudied;
        case Parsed::kUsageError:
            std::fputs(kUsage, stderr);
            return kUsageOrInput;
        case Parsed::kRun:
            break;
    }
    const QString project = QString::fromStdString(options.project);
    if (!QFileInfo(project).isFile()) return Fail("no such project file: " + options.project);
    std::optional<QTemporaryDir> scratch;
    QString folder = QString::fromStdString(options.keep);
    if (folder.isEmpty()) {
        scratch.emplace();
        if (!scratch->isValid()) return Fail("cannot make a study folder");
        folder = scratch->path();
    } else if (!QDir().mkpath(folder)) {
        return Fail("cannot make the folder " + options.keep);
    }
    std::signal(SIGINT, OnStop);
    std::signal(SIGTERM, OnStop);
    StudyRunOptions run;
    run.jobs = options.jobs;
    run.library = keldra::run::EngineLibraryPath();
    run.cancel = &g_cancel;
    EmbedmentStudy study;
    try {
        study = RunEmbedmentStudy(project, folder, {*options.from, *options.to, *options.step}, run);
    } catch (const std::invalid_argument& error) {
        return Fail(error.what());
    } catch (const EInOutError& error) {
        return Fail(error.message().toStdString());
    }
    if (study.cancelled) {
        std::fprintf(stderr, "keldra-study: stopped by signal %d; the runs in progress were ended\n",
                     static_cast<int>(g_signal));
        return 128 + g_signal;
    }
    std::fputs(keldra::cli::EmbedmentTable(study).c_str(), stdout);
    int status = kStudied;
    for (const EmbedmentRow& row : study.rows) {
        if (row.failure.empty()) continue;
        std::fprintf(stderr, "keldra-study: %s: %s\n", row.project.toUtf8().constData(),
                     row.failure.c_str());
        status = kRunsFailed;
    }
    if (!options.csv.empty() && !WriteFile(options.csv, keldra::cli::EmbedmentCsv(study)))
        return Fail("cannot write " + options.csv);
    std::fputs(keldra::cli::CriticalEmbedmentLine(study).c_str(), stdout);
    return status;
}
