#pragma once

// A wall-clock bound in a test only catches a hang or a cost that runs away;
// speed is the benchmark's business. Each bound is written for a plain build
// on a machine busy with other work, and grows under a sanitizer by more than
// the sanitizer slows the code down.

#include <chrono>

// GCC names the sanitizers by macros, clang by features.
#if defined(__SANITIZE_THREAD__)
 #define ORLUNE_THREAD_SANITIZER 1
#endif
#if defined(__SANITIZE_ADDRESS__)
 #define ORLUNE_ADDRESS_SANITIZER 1
#endif
#if defined(__has_feature)
 #if __has_feature(thread_sanitizer)
  #define ORLUNE_THREAD_SANITIZER 1
 #endif
 #if __has_feature(address_sanitizer)
  #define ORLUNE_ADDRESS_SANITIZER 1
 #endif
#endif

namespace TimeBounds
{
#if defined(ORLUNE_THREAD_SANITIZER)
inline constexpr int kSlowdown = 10; // about 2 to 8 times slower, more where threads meet
#elif defined(ORLUNE_ADDRESS_SANITIZER)
inline constexpr int kSlowdown = 4; // about 2 times slower with the undefined-behaviour checks
#else
inline constexpr int kSlowdown = 1;
#endif

/** A bound in milliseconds for this build. */
constexpr int scaledMs (int milliseconds) { return milliseconds * kSlowdown; }

/** A bound for this build. */
template <typename Rep, typename Period>
constexpr std::chrono::duration<Rep, Period> scaled (std::chrono::duration<Rep, Period> bound)
{
    return bound * kSlowdown;
}
} // namespace TimeBounds
