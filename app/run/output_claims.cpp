#include "app/run/output_claims.h"

#include <algorithm>

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
    Claimed claim{files.project, Resolved(files.project), {}};
    const auto outputs = files.outputs();
    std::transform(outputs.begin(), outputs.end(), claim.outputs.begin(), ResolvedOutput);
    for (const Claimed& earlier : claimed_) {
        if (earlier.project == claim.project)
            return "the same project as " + earlier.shown.string() +
                   " was given earlier in this batch";
        if (earlier.outputs == claim.outputs)
            return "its outputs " + OutputNames(files) + " are those of " + earlier.shown.string() +
                   ", given earlier in this batch";
    }
    claimed_.push_back(std::move(claim));
    return {};
}

}  // namespace keldra::run
