// The exported entry of libKeldraEngine.so.
#include "keldra/ikeldra.h"

#include "engine/driver.h"
#include "engine/state.h"

namespace {

constexpr std::int32_t kInterfaceVersion = 6;

std::int32_t interface_word = 0;
std::int32_t status_word = 0;

std::int32_t RunEntry(std::int32_t interface_version) {
    interface_word = kInterfaceVersion;
    if (interface_version != interface_word) return 1;
    status_word = 0;
    keldra::Run(keldra::Engine());
    return status_word;
}

}  // namespace

extern "C" {

std::int32_t IKELDRA(std::int32_t interface_version) { return RunEntry(interface_version); }

std::int32_t _IKELDRA(std::int32_t interface_version) { return RunEntry(interface_version); }
}
