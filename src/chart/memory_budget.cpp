#include "chart/memory_budget.h"

#include <sys/resource.h>

#include <algorithm>
#include <fstream>
#include <string>

namespace chartview {

namespace {

std::optional<std::uint64_t> meminfoAvailable() {
    std::ifstream meminfo("/proc/meminfo");
    std::string key;
    std::uint64_t kib = 0;
    std::string unit;
    while (meminfo >> key >> kib >> unit) {
        if (key == "MemAvailable:") {
            return kib * 1024;
        }
    }
    return std::nullopt;
}

std::optional<std::uint64_t> readNumber(const char* path) {
    std::ifstream file(path);
    std::uint64_t value = 0;
    if (file >> value) {
        return value;  // "max" (no limit) does not read as a number
    }
    return std::nullopt;
}

std::optional<std::uint64_t> cgroupRemaining() {
    const auto limit = readNumber("/sys/fs/cgroup/memory.max");
    const auto used = readNumber("/sys/fs/cgroup/memory.current");
    if (!limit || !used) {
        return std::nullopt;
    }
    return *limit > *used ? *limit - *used : 0;
}

std::optional<std::uint64_t> rlimitBytes(int resource) {
    rlimit limit{};
    if (getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
        return std::nullopt;
    }
    return limit.rlim_cur;
}

}  // namespace

std::optional<std::uint64_t> availableMemoryBytes() {
    std::optional<std::uint64_t> smallest;
    for (const auto& bound : {meminfoAvailable(), cgroupRemaining(), rlimitBytes(RLIMIT_AS),
                              rlimitBytes(RLIMIT_DATA)}) {
        if (bound) {
            smallest = smallest ? std::min(*smallest, *bound) : *bound;
        }
    }
    return smallest;
}

}  // namespace chartview
