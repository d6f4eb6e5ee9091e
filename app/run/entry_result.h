// What a result of the engine's entry means for the caller.
#pragma once

#include <cstdint>
#include <string>

namespace keldra::run {

// Empty for a completed run; otherwise why the run has no results.
[[nodiscard]] std::string DescribeEntryResult(std::int32_t result);

}  // namespace keldra::run
