#pragma once

// How much the resident memory of this process grows at its peak while some
// work runs, as the system counts it: every allocation counts, the parser
// library's own included.

#include <cstdint>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include <malloc.h>

namespace PeakMemory
{
// A figure in KiB from /proc/self/status, such as "VmRSS" or "VmHWM".
inline std::optional<std::int64_t> statusKiB (const std::string& field)
{
    std::ifstream status ("/proc/self/status");

    for (std::string line; std::getline (status, line);)
        if (line.compare (0, field.size() + 1, field + ":") == 0)
            return std::stoll (line.substr (field.size() + 1));

    return std::nullopt;
}

// The peak's growth in bytes, or nothing where the system can't tell.
inline std::optional<std::int64_t> growthWhile (const std::function<void()>& work)
{
    // Memory freed before is given back first, so that the work can't hide
    // what it takes in memory that the process already holds.
    ::malloc_trim (0);

    // Writing 5 makes the peak start again from what is resident now.
    std::ofstream reset ("/proc/self/clear_refs");
    reset << "5" << std::flush;
    const auto before = statusKiB ("VmRSS");

    if (! reset || ! before.has_value())
        return std::nullopt;

    work();

    const auto peak = statusKiB ("VmHWM");
    return peak.has_value() ? std::optional<std::int64_t> ((*peak - *before) * 1024) : std::nullopt;
}
} // namespace PeakMemory
