#include "app/studies/subdivision_text.h"

#include <cmath>
#include <cstdio>

#include "app/results/summary_table.h"

namespace keldra::studies {

namespace {

constexpr const char* kLead = "Subdivision check: ";

std::string What(const ProblemCheck& check) {
    const LayerSplit& split = check.layers.split;
    if (split.split == split.splittable) return "splitting every soil layer in two";
    // The soil-layer table holds at most ten layers.
    return "splitting the " + std::to_string(split.split) + " thickest of the " +
           std::to_string(split.splittable) +
           " soil layers in two (a project holds at most 10 layers)";
}

std::string ChangeText(const std::optional<double>& change) {
    return change ? PercentText(*change) : "an amount that is no percentage of 0";
}

std::string Warning(const ProblemCheck& check) {
    std::string text =
        "Warning: the results depend on how the soil is split into layers by more "
        "than 10 %.";
    const ProblemLayers& layers = check.layers;
    if (layers.widest_layer > 0) {
        char spacing[32];
        std::snprintf(spacing, sizeof spacing, "%.1f", layers.widest_spacing);
        text += " The p-y curves of layer " + std::to_string(layers.widest_layer) + " (" +
                layers.widest_soil.toStdString() + ") lie " + spacing +
                " wall widths apart near the top.";
    }
    return text + " Use thinner layers.";
}

}  // namespace

std::string PercentText(double percent) {
    const long rounded = std::lround(percent);
    return (rounded > 0 ? "+" : "") + std::to_string(rounded) + " %";
}

std::vector<std::string> CheckLines(const ProblemCheck& check) {
    switch (check.verdict) {
        case ProblemCheck::Verdict::kNotApplicable:
            return {kLead + std::string("not applicable (") + check.reason + ")"};
        case ProblemCheck::Verdict::kFailed:
            return {kLead + std::string("could not be made: ") + check.reason};
        case ProblemCheck::Verdict::kCompared:
            break;
    }
    std::vector<std::string> lines{kLead + What(check) + " changes the top deflection by " +
                                   ChangeText(check.deflection_change) +
                                   " and the maximum moment by " + ChangeText(check.moment_change)};
    if (check.Warns()) lines.push_back(Warning(check));
    return lines;
}

std::vector<std::string> CheckLines(const results::ResultsSummary& summary,
                                    const SubdivisionCheck& check) {
    const bool labelled = check.problems.size() > 1;
    std::vector<std::string> lines;
    for (std::size_t k = 0; k < check.problems.size(); ++k) {
        const std::string label = labelled && k < summary.problems.size()
                                      ? results::Capitalised(summary.problems[k].label) + ": "
                                      : std::string();
        for (const std::string& line : CheckLines(check.problems[k])) lines.push_back(label + line);
    }
    return lines;
}

}  // namespace keldra::studies
