#include "app/studies/strength_study.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <stdexcept>
#include <string>

#include "app/studies/strength_search.h"
#include "app/studies/strength_variant.h"

namespace keldra::studies {

StrengthStudy RunStrengthStudy(const QString& project, const QString& folder, double precision,
                               double maximum, const StudyRunOptions& options) {
    if (!(precision > 0.0 && precision <= 1.0))
        throw std::invalid_argument("the precision must be greater than 0 and at most 1");
    if (!(maximum >= 1.0 && maximum <= kLargestFactor))
        throw std::invalid_argument("the largest factor must be from 1 to " +
                                    std::to_string(static_cast<int>(kLargestFactor)));
    StrengthStudy study;
    StrengthSearch search(precision, maximum, options.jobs);
    const QString stem = QFileInfo(project).completeBaseName();
    for (std::vector<double> factors = search.Next(); !factors.empty(); factors = search.Next()) {
        std::vector<QString> targets;
        std::vector<std::filesystem::path> files;
        for (double factor : factors) {
            targets.push_back(QDir(folder).filePath(
                QStringLiteral("%1-f%2.kd5d").arg(stem, QString::number(factor, 'g', 10))));
            files.emplace_back(targets.back().toStdString());
        }
        StudyRunOptions writing = options;
        writing.prepare = [&](std::size_t k) {
            return WrittenOrWhyNot([&] { WriteStrengthVariant(project, targets[k], factors[k]); });
        };
        const std::vector<StudyRun> runs = RunStudyProjects(files, writing);
        for (std::size_t k = 0; k < runs.size(); ++k) {
            if (runs[k].failure == kCancelled) study.cancelled = true;
            const bool closed = Closed(runs[k]);
            search.Record(factors[k], closed);
            study.rows.push_back({factors[k], closed,
                                  QString::fromStdString(runs[k].project.filename().string()),
                                  runs[k].failure});
        }
        if (study.cancelled) return study;
    }
    std::sort(study.rows.begin(), study.rows.end(),
              [](const StrengthRow& a, const StrengthRow& b) { return a.factor < b.factor; });
    study.factor = search.Answer();
    study.non_monotone = search.NonMonotone();
    return study;
}

}  // namespace keldra::studies
