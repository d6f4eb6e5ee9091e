// keldra-study embedment PROJECT.kd5d --from E1 --to E2 --step DE [options]
// keldra-study strength PROJECT.kd5d [options]
// keldra-study layers PROJECT.kd5d [--max-splits K] [options]
//
// Design studies from many runs of the engine on varied copies of a
// project. What it does and its exit status are told by its help text.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "app/project/inouterror.h"
#include "app/run/engine_library.h"
#include "app/studies/embedment_study.h"
#include "app/studies/layer_study.h"
#include "app/studies/strength_study.h"
#include "app/studies/study_tables.h"
#include "app/studyplot/study_plot.h"

namespace {

using namespace keldra::studies;

constexpr int kStudied = 0;
constexpr int kRunsFailed = 1;
constexpr int kUsageOrInput = 2;

constexpr const char* kUsage =
    "Usage: keldra-study embedment PROJECT.kd5d --from E1 --to E2 --step DE [OPTION]...\n"
    "  or:  keldra-study strength PROJECT.kd5d [OPTION]...\n"
    "  or:  keldra-study layers PROJECT.kd5d [--max-splits K] [OPTION]...\n";

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
    "strength: searches the factor F by which the soil strength can be divided while\n"
    "every problem still closes (converges within the allowable deflection). The\n"
    "cohesion of clays and silts and the compressive strength of rocks are divided by F,\n"
    "and so is the tangent of every friction angle; unit weights, stiffnesses (k, E50,\n"
    "E), user tables and everything else stay. Factors double from 1 up to M until one\n"
    "fails, then the interval between the largest closing factor and the first failure\n"
    "is bisected down to P, N factors at a time. It prints the factors tried, then\n"
    "  factor of safety: F\n"
    "the largest closing factor below the first failure, or \"factor of safety: below 1\"\n"
    "when the project does not close as given; it warns when a factor closes above a\n"
    "failing one.\n"
    "\n"
    "layers: runs the project with every soil layer that carries p-y curves split into\n"
    "1, 2, ... K layers of equal thickness (the same soil, the parameters interpolated\n"
    "linearly between the layer's top and bottom), K limited by the 10 layers a project\n"
    "holds. It prints one row per split count: whether every problem closed, the\n"
    "iterations, the top deflection, the largest moment and shear, each with its change\n"
    "in percent against the finest split, and the file name of the studied project.\n"
    "\n"
    "Options:\n"
    "  --from E1     the shortest embedment studied (embedment)\n"
    "  --to E2       the longest embedment studied (embedment)\n"
    "  --step DE     the step between the embedments studied (embedment)\n"
    "  --jobs N      run up to N projects at a time (1 to 64; 1 when not given)\n"
    "  --keep DIR    keep every studied project and its outputs in DIR, so that a\n"
    "                plain keldra-run reproduces any row\n"
    "  --precision P the precision of the factor of safety, up to 1 (strength; 0.01\n"
    "                when not given)\n"
    "  --max M       the largest factor tried, from 1 to 1000 (strength; 10 when not\n"
    "                given)\n"
    "  --max-splits K  the most parts a layer is split into (layers; as many as the\n"
    "                project holds when not given)\n"
    "  --csv FILE    write the table as CSV, its header naming the unit of each column\n"
    "                (embedment) or the factors tried (strength)\n"
    "  --plot FILE   draw the top deflection and the largest moment against the\n"
    "                embedment, embedments that do not close marked with a red cross,\n"
    "                as SVG (FILE ending in .svg) or PNG (embedment only)\n"
    "  -h, --help    print this help and exit\n"
    "\n"
    "Exit status:\n"
    "  0        the study ran (rows that do not close are results)\n"
    "  1        a studied project could not be written or run and has no results\n"
    "  2        a usage error, a range that cannot be studied, or a project that\n"
    "           cannot be read\n"
    "  128 + N  signal N (SIGINT or SIGTERM) stopped the study\n";

enum class Kind { kEmbedment, kStrength, kLayers };

struct Options {
    Kind kind = Kind::kEmbedment;
    std::string project;
    double precision = 0.01, maximum = 10.0;
    std::optional<double> from, to, step;
    std::optional<int> max_splits;
    int jobs = 1;
    std::string csv, keep, plot;
};

enum class Parsed { kRun, kShowHelp, kUsageError };

bool ReadNumber(const char* text, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0';
}

Parsed ParseOptions(int argc, char** argv, Options& options) {
    for (int k = 1; k < argc; ++k)
        if (std::string(argv[k]) == "--help" || std::string(argv[k]) == "-h")
            return Parsed::kShowHelp;
    if (argc < 3) return Parsed::kUsageError;
    const std::string kind = argv[1];
    if (kind == "embedment")
        options.kind = Kind::kEmbedment;
    else if (kind == "strength")
        options.kind = Kind::kStrength;
    else if (kind == "layers")
        options.kind = Kind::kLayers;
    else
        return Parsed::kUsageError;
    options.project = argv[2];
    for (int k = 3; k < argc; ++k) {
        const std::string arg = argv[k];
        if (k + 1 >= argc) return Parsed::kUsageError;
        const char* value = argv[++k];
        double number = 0.0;
        if (arg == "--csv") {
            options.csv = value;
        } else if (arg == "--keep") {
            options.keep = value;
        } else if (arg == "--plot" && options.kind == Kind::kEmbedment) {
            options.plot = value;
        } else if (!ReadNumber(value, number)) {
            return Parsed::kUsageError;
        } else if (arg == "--from") {
            options.from = number;
        } else if (arg == "--to") {
            options.to = number;
        } else if (arg == "--step") {
            options.step = number;
        } else if (arg == "--precision") {
            options.precision = number;
        } else if (arg == "--max") {
            options.maximum = number;
        } else if (arg == "--max-splits" && options.kind == Kind::kLayers && number >= 1 &&
                   number <= 64 && number == int(number)) {
            options.max_splits = static_cast<int>(number);
        } else if (arg == "--jobs" && number >= 1 && number <= 64 && number == int(number)) {
            options.jobs = static_cast<int>(number);
        } else {
            return Parsed::kUsageError;
        }
    }
    if (options.kind != Kind::kEmbedment)
        return options.from || options.to || options.step ? Parsed::kUsageError : Parsed::kRun;
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

// The study was stopped: the runs in progress were killed.
int Stopped() {
    std::fprintf(stderr, "keldra-study: stopped by signal %d; the runs in progress were ended\n",
                 static_cast<int>(g_signal));
    return 128 + g_signal;
}

// Says why each failed run has no results; kRunsFailed when any failed.
template <typename Row>
int ReportFailures(const std::vector<Row>& rows) {
    int status = kStudied;
    for (const Row& row : rows) {
        if (row.failure.empty()) continue;
        std::fprintf(stderr, "keldra-study: %s: %s\n", row.project.toUtf8().constData(),
                     row.failure.c_str());
        status = kRunsFailed;
    }
    return status;
}

int StudyEmbedment(const Options& options, const QString& project, const QString& folder,
                   const StudyRunOptions& run) {
    const EmbedmentStudy study =
        RunEmbedmentStudy(project, folder, {*options.from, *options.to, *options.step}, run);
    if (study.cancelled) return Stopped();
    std::fputs(EmbedmentTable(study).c_str(), stdout);
    const int status = ReportFailures(study.rows);
    if (!options.csv.empty() && !WriteFile(options.csv, EmbedmentCsv(study)))
        return Fail("cannot write " + options.csv);
    if (!options.plot.empty()) {
        const QString error =
            keldra::studyplot::WriteEmbedmentPlot(QString::fromStdString(options.plot), study);
        if (!error.isEmpty()) return Fail(error.toStdString());
    }
    std::fputs(CriticalEmbedmentLine(study).c_str(), stdout);
    return status;
}

int StudyStrength(const Options& options, const QString& project, const QString& folder,
                  const StudyRunOptions& run) {
    const StrengthStudy study =
        RunStrengthStudy(project, folder, options.precision, options.maximum, run);
    if (study.cancelled) return Stopped();
    std::fputs(StrengthTable(study, options.precision).c_str(), stdout);
    const int status = ReportFailures(study.rows);
    if (!options.csv.empty() && !WriteFile(options.csv, StrengthCsv(study, options.precision)))
        return Fail("cannot write " + options.csv);
    if (study.non_monotone)
        std::fputs(
            "keldra-study: warning: closure is not monotone among the factors tried; the "
            "factor of safety is the largest closing factor below the first failure\n",
            stderr);
    std::fputs(FactorOfSafetyLine(study, options.precision).c_str(), stdout);
    return status;
}

int StudyLayers(const Options& options, const QString& project, const QString& folder,
                const StudyRunOptions& run) {
    const LayerStudy study = RunLayerStudy(project, folder, options.max_splits, run);
    if (study.cancelled) return Stopped();
    if (study.limited)
        std::fprintf(stderr,
                     "keldra-study: the project holds at most 10 soil layers: its layers are "
                     "split into at most %d parts\n",
                     study.most_parts);
    std::fputs(LayerTable(study).c_str(), stdout);
    const int status = ReportFailures(study.rows);
    if (!options.csv.empty() && !WriteFile(options.csv, LayerCsv(study)))
        return Fail("cannot write " + options.csv);
    return status;
}

int Study(const Options& options, const QString& project, const QString& folder,
          const StudyRunOptions& run) {
    switch (options.kind) {
        case Kind::kStrength:
            return StudyStrength(options, project, folder, run);
        case Kind::kLayers:
            return StudyLayers(options, project, folder, run);
        case Kind::kEmbedment:
            break;
    }
    return StudyEmbedment(options, project, folder, run);
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    const Parsed parsed = ParseOptions(argc, argv, options);
    // The plot is painted without a display.
    if (!options.plot.empty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> application =
        options.plot.empty() ? std::make_unique<QCoreApplication>(argc, argv)
                             : std::make_unique<QGuiApplication>(argc, argv);
    switch (parsed) {
        case Parsed::kShowHelp:
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
    try {
        return Study(options, project, folder, run);
    } catch (const std::invalid_argument& error) {
        return Fail(error.what());
    } catch (const EInOutError& error) {
        return Fail(error.message().toStdString());
    }
}
