#include "Benchmark.h"

#include <juce_events/juce_events.h>

#include <cstdio>
#include <vector>

namespace
{
struct Entry
{
    const char* name;
    Benchmark::Measurement measurement;
};

std::vector<Entry>& entries()
{
    static std::vector<Entry> all;
    return all;
}
} // namespace

void BenchmarkReport::figure (const juce::String& name, double measured, double floor, const juce::String& unit)
{
    const double overhead = floor > 0 ? 100.0 * (measured - floor) / floor : 0.0;
    std::printf ("  %-58s %12.3f %s   floor %12.3f %s   %+7.2f %%\n", name.toRawUTF8(), measured, unit.toRawUTF8(),
                 floor, unit.toRawUTF8(), overhead);
    std::fflush (stdout);
}

bool Benchmark::add (const char* name, Measurement measurement)
{
    entries().push_back ({ name, std::move (measurement) });
    return true;
}

void Benchmark::runAll (BenchmarkReport& report)
{
    for (const auto& entry : entries())
    {
        std::printf ("%s\n", entry.name);
        std::fflush (stdout);
        entry.measurement (report);
    }
}

int main()
{
    juce::ScopedJuceInitialiser_GUI framework;
    BenchmarkReport report;
    Benchmark::runAll (report);
    return 0;
}
