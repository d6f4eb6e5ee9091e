#include "app/studies/layer_study.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "app/studies/layer_variant.h"

namespace keldra::studies {

namespace {

// The most parts every problem's layers can be split into; 0 when no
// problem generates p-y curves from its layers.
int MostParts(const std::vector<ProblemLayers>& problems) {
    int most = 0;
    for (const ProblemLayers& p : problems)
        if (p.generated) most = most == 0 ? p.most_parts : std::min(most, p.most_parts);
    return most;
}

std::optional<double> Change(const results::Figure& value, const results::Figure& finest) {
    if (!value.known() || !finest.known() || finest.value == 0.0) return std::nullopt;
    return (value.value - finest.value) / std::fabs(finest.value) * 100.0;
}

void CompareWithFinest(LayerStudy& study) {
    if (study.rows.empty()) return;
    const LayerRow finest = study.rows.back();
    for (LayerRow& row : study.rows) {
        row.deflection_change = Change(row.top_deflection, finest.top_deflection);
        row.moment_change = Change(row.moment, finest.moment);
        row.shear_change = Change(row.shear, finest.shear);
    }
}

}  // namespace

LayerStudy RunLayerStudy(const QString& project, const QString& folder,
                         std::optional<int> max_parts, const StudyRunOptions& options) {
    if (max_parts && *max_parts < 1)
        throw std::invalid_argument("the number of splits must be at least 1");
    const QString stem = QFileInfo(project).completeBaseName();
    auto target = [&](int parts) {
        return QDir(folder).filePath(QStringLiteral("%1-layers%2.kd5d").arg(stem).arg(parts));
    };
    LayerStudy study;
    // The project as it is, whose layers say how far they can be split.
    study.most_parts = MostParts(WriteLayerVariant(project, target(1), 1));
    if (study.most_parts == 0)
        throw std::invalid_argument("the project generates no p-y curves from its soil layers");
    const int count = std::min(max_parts.value_or(study.most_parts), study.most_parts);
    study.limited = max_parts && *max_parts > count;
    std::vector<std::filesystem::path> files;
    for (int parts = 1; parts <= count; ++parts) files.emplace_back(target(parts).toStdString());
    StudyRunOptions writing = options;
    writing.prepare = [&](std::size_t k) {
        const int parts = static_cast<int>(k) + 1;
        return parts == 1 ? std::string() : WrittenOrWhyNot([&] {
            (void)WriteLayerVariant(project, target(parts), parts);
        });
    };
    const std::vector<StudyRun> runs = RunStudyProjects(files, writing);
    for (std::size_t k = 0; k < runs.size(); ++k) {
        if (runs[k].failure == kCancelled) study.cancelled = true;
        if (study.units.length.empty() && !runs[k].summary.problems.empty())
            study.units = runs[k].summary.problems.front().units;
        LayerRow row{RowOfRun(runs[k])};
        row.parts = static_cast<int>(k) + 1;
        study.rows.push_back(row);
    }
    CompareWithFinest(study);
    return study;
}

}  // namespace keldra::studies
