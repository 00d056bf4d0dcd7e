#include "chart/memory_budget.h"

#include <sys/resource.h>
#include <unistd.h>

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

// Pages of this process's address space (field 0 of statm) or of its data (field 5).
std::uint64_t usedBytes(int statmField) {
    std::ifstream statm("/proc/self/statm");
    std::uint64_t pages = 0;
    for (int field = 0; field <= statmField && statm >> pages; ++field) {
    }
    return pages * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
}

// What is left under a resource limit, given what is in use.
std::optional<std::uint64_t> rlimitRemaining(int resource, int statmField) {
    rlimit limit{};
    if (getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
        return std::nullopt;
    }
    const std::uint64_t used = usedBytes(statmField);
    return limit.rlim_cur > used ? limit.rlim_cur - used : 0;
}

}  // namespace

std::optional<std::uint64_t> availableMemoryBytes() {
    std::optional<std::uint64_t> smallest;
    for (const auto& bound : {meminfoAvailable(), cgroupRemaining(), rlimitRemaining(RLIMIT_AS, 0),
                              rlimitRemaining(RLIMIT_DATA, 5)}) {
        if (bound) {
            smallest = smallest ? std::min(*smallest, *bound) : *bound;
        }
    }
    return smallest;
}

}  // namespace chartview
