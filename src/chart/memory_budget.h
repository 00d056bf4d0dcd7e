#pragma once

#include <cstdint>
#include <optional>

namespace chartview {

// Bytes this process can still take without being refused or killed: the smallest of the
// system's available memory, the cgroup's remaining limit and the address-space and data
// limits. nullopt when none of them can be read.
std::optional<std::uint64_t> availableMemoryBytes();

}  // namespace chartview
