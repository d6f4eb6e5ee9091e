#include "app/studies/embedment_study.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <stdexcept>

#include "app/studies/critical_embedment.h"

namespace keldra::studies {

namespace {

std::string Length(double value, const WallGeometry& wall) {
    return QString::number(value, 'g', 10).toStdString() + " " +
           LengthUnit(wall.units).toStdString();
}

EmbedmentRow RowOf(const StudyRun& run, const WallGeometry& wall, int increments) {
    EmbedmentRow row{RowOfRun(run)};
    row.embedment = wall.Embedment(increments);
    row.wall_length = increments * wall.increment_length;
    return row;
}

}  // namespace

std::vector<int> StudiedIncrements(const WallGeometry& wall, const EmbedmentRange& range) {
    if (!(wall.increment_length > 0.0) || !std::isfinite(wall.increment_length))
        throw std::invalid_argument("the project's increment length must be greater than 0");
    if (!(range.step > 0.0) || !std::isfinite(range.step))
        throw std::invalid_argument("the step must be greater than 0");
    if (!std::isfinite(range.from) || !std::isfinite(range.to))
        throw std::invalid_argument("the range must be given by finite numbers");
    if (range.from > range.to)
        throw std::invalid_argument("the range is empty: it starts at " + Length(range.from, wall) +
                                    " and ends at " + Length(range.to, wall));
    std::vector<int> studied;
    const double steps = std::floor((range.to - range.from) / range.step + 1e-9);
    // From one number of increments straight to the first step beyond it, so
    // that a step far below the increment length costs nothing.
    for (double k = 0; k <= steps;) {
        const double embedment = range.from + k * range.step;
        const double increments = std::round((wall.excavation + embedment) / wall.increment_length);
        if (increments > kMaxIncrements)
            throw std::invalid_argument("embedment " + Length(embedment, wall) + " needs " +
                                        QString::number(increments, 'g', 10).toStdString() +
                                        " increments; the engine holds at most " +
                                        std::to_string(kMaxIncrements));
        const int n = wall.IncrementsFor(embedment);
        if (wall.Embedment(n) <= 0.0)
            throw std::invalid_argument("embedment " + Length(embedment, wall) +
                                        " does not reach below the excavation at " +
                                        Length(wall.excavation, wall));
        studied.push_back(n);
        const double beyond =
            ((n + 0.5) * wall.increment_length - wall.excavation - range.from) / range.step;
        k = std::max(k + 1, std::ceil(beyond));
        // Rounding at the boundary may land the step on the same number again.
        while (k <= steps && wall.IncrementsFor(range.from + k * range.step) == n) ++k;
    }
    return studied;
}

EmbedmentStudy RunEmbedmentStudy(const QString& project, const QString& folder,
                                 const EmbedmentRange& range, const StudyRunOptions& options) {
    EmbedmentStudy study;
    study.wall = ReadWallGeometry(project);
    const std::vector<int> studied = StudiedIncrements(study.wall, range);
    const QString stem = QFileInfo(project).completeBaseName();
    std::vector<QString> targets;
    std::vector<std::filesystem::path> files;
    for (int increments : studied) {
        targets.push_back(
            QDir(folder).filePath(QStringLiteral("%1-ninc%2.kd5d").arg(stem).arg(increments)));
        files.emplace_back(targets.back().toStdString());
    }
    StudyRunOptions writing = options;
    writing.prepare = [&](std::size_t k) {
        return WrittenOrWhyNot([&] { WriteEmbedmentVariant(project, targets[k], studied[k]); });
    };
    const std::vector<StudyRun> runs = RunStudyProjects(files, writing);
    std::vector<EmbedmentPoint> points;
    for (std::size_t k = 0; k < runs.size(); ++k) {
        study.rows.push_back(RowOf(runs[k], study.wall, studied[k]));
        study.cancelled = study.cancelled || runs[k].failure == kCancelled;
        const EmbedmentRow& row = study.rows.back();
        if (study.units.length.empty() && !runs[k].summary.problems.empty())
            study.units = runs[k].summary.problems.front().units;
        points.push_back({row.embedment, row.closed, row.top_deflection.value});
    }
    if (!study.cancelled) study.critical = CriticalEmbedment(points);
    return study;
}

}  // namespace keldra::studies
