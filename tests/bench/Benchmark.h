#pragma once

#include <juce_core/juce_core.h>

#include <functional>

/** The benchmark's figures: each source file of tests/bench registers its
    measurements with ORLUNE_BENCHMARK, and each measurement reports its
    figures next to the floor they cannot go below. */
class BenchmarkReport
{
public:
    /** Prints one figure; the overhead is how far it lies above its floor. */
    void figure (const juce::String& name, double measured, double floor, const juce::String& unit);
};

namespace Benchmark
{
using Measurement = std::function<void (BenchmarkReport&)>;

bool add (const char* name, Measurement measurement);
void runAll (BenchmarkReport& report);

/** Milliseconds from a high-resolution counter. */
inline double nowMs() { return juce::Time::getMillisecondCounterHiRes(); }
} // namespace Benchmark

#define ORLUNE_BENCHMARK(name)                                                                          \
    static void name (BenchmarkReport&);                                                                \
    [[maybe_unused]] static const bool name##Registered = Benchmark::add (#name, name);        \
    static void name (BenchmarkReport& report)
