#include "app/run/prepared_run.h"

#include <utility>

#include "app/run/checked_files.h"
#include "app/run/publication.h"

namespace keldra::run {

namespace fs = std::filesystem;

PreparedRun::PreparedRun(ProjectOutputs files, const fs::path& base)
    : files_(std::move(files)), names_(EngineNamesFor(files_)) {
    error_ = SelfOverwrite(files_);
    if (error_.empty()) error_ = Prepare(base);
}

std::string PreparedRun::Prepare(const fs::path& base) {
    std::string error;
    folder_ = RunFolder::Create(base, error);
    if (!error.empty()) return error;
    if (names_.copy_project) {
        std::string project;
        std::error_code failed = ReadWholeFile(files_.project, project);
        if (failed) return "cannot read the project file: " + failed.message();
        failed = WriteNewFile(folder() / names_.project, project);
        if (failed)
            return "cannot copy the project into the run folder " + folder().string() + ": " +
                   failed.message();
    }
    if (const std::error_code failed = WriteNewFile(folder() / kNamesFile, NamesFileText(names_)))
        return "cannot write the names file in " + folder().string() + ": " + failed.message();
    return {};
}

RunConclusion PreparedRun::Conclude(const std::string& failure) {
    RunConclusion conclusion{false, failure, {}};
    if (conclusion.failure.empty()) conclusion.failure = Publish(folder(), names_, files_);
    conclusion.published = conclusion.failure.empty();
    if (!conclusion.published) conclusion.withdrawal = Withdraw(files_);
    return conclusion;
}

}  // namespace keldra::run
