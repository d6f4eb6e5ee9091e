#include "app/run/output_claims.h"

namespace keldra::run {

namespace fs = std::filesystem;

namespace {

fs::path Resolved(const fs::path& path) {
    std::error_code error;
    fs::path resolved = fs::weakly_canonical(path, error);
    return error ? path : resolved;
}

// An output is replaced by a rename in its folder, which replaces a symbolic
// link of that name rather than its target: only the folder is resolved.
fs::path ResolvedOutput(const fs::path& output) {
    return Resolved(output.parent_path()) / output.filename();
}

}  // namespace

std::string OutputClaims::Claim(const ProjectOutputs& files) {
    const std::string project = Resolved(files.project).native();
    std::string outputs;  // the three resolved outputs, each ended by a null
    for (const fs::path& output : files.outputs())
        outputs += ResolvedOutput(output).native() + '\0';
    // The earlier project that holds either; the first given when both are held.
    const auto same_project = projects_.find(project);
    const auto same_outputs = outputs_.find(outputs);
    const std::size_t none = shown_.size();
    const std::size_t by_project = same_project == projects_.end() ? none : same_project->second;
    const std::size_t by_outputs = same_outputs == outputs_.end() ? none : same_outputs->second;
    if (by_project < none && by_project <= by_outputs)
        return "the same project as " + shown_[by_project].string() +
               " was given earlier in this batch";
    if (by_outputs < none)
        return "its outputs " + OutputNames(files) + " are those of " +
               shown_[by_outputs].string() + ", given earlier in this batch";
    projects_.emplace(project, shown_.size());
    outputs_.emplace(std::move(outputs), shown_.size());
    shown_.push_back(files.project);
    return {};
}

}  // namespace keldra::run
