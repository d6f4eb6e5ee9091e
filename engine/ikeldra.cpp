// The exported entry of libKeldraEngine.so.
#include "keldra/ikeldra.h"

#include "engine/driver.h"
#include "engine/state.h"

namespace {

std::int32_t interface_word = 0;
std::int32_t status_word = 0;

std::int32_t RunEntry(std::int32_t interface_version) {
    interface_word = keldra::entry::kInterfaceVersion;
    if (interface_version != interface_word) return keldra::entry::kInconsistent;
    status_word = keldra::entry::kCompleted;
    if (keldra::Run(keldra::Engine()) == keldra::RunOutputs::kIncomplete) {
        status_word = keldra::entry::kOutputIncomplete;
    }
    return status_word;
}

}  // namespace

extern "C" {

std::int32_t IKELDRA(std::int32_t interface_version) { return RunEntry(interface_version); }

std::int32_t _IKELDRA(std::int32_t interface_version) { return RunEntry(interface_version); }
}
