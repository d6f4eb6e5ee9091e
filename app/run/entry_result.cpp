#include "app/run/entry_result.h"

#include <keldra/ikeldra.h>

namespace keldra::run {

std::string DescribeEntryResult(std::int32_t result) {
    const std::string returned =
        " (" + std::string(entry::kName) + " returned " + std::to_string(result) + ")";
    switch (result) {
        case entry::kCompleted:
            return {};
        case entry::kInconsistent:
            return "the engine and this program do not belong together" + returned;
        case entry::kOutputIncomplete:
            return "the engine could not write its output files completely" + returned;
        default:
            return "the engine ended with a result it does not define" + returned;
    }
}

}  // namespace keldra::run
