#include "Benchmark.h"

#include "CostlySettingsFiles.h"
#include "PeakMemory.h"
#include "XmlFile.h"
#include "XmlTreeParser.h"
#include "ZelManager49.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace
{
// The least a load can cost: the file's bytes read from disk (most likely
// from the page cache), in the loader's pieces, without parsing.
void readBytesOnly (const juce::File& file)
{
    juce::FileInputStream stream (file);
    juce::HeapBlock<char> buffer (64 * 1024);

    while (stream.read (buffer, 64 * 1024) > 0) {}
}

// Drops the file's pages from the page cache, so that the next read goes to the disk.
void evictFromCache (const juce::File& file)
{
    const int fd = ::open (file.getFullPathName().toRawUTF8(), O_RDONLY | O_CLOEXEC);

    if (fd < 0)
        return;

    ::fdatasync (fd);
    ::posix_fadvise (fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close (fd);
}

template <typename Work>
double fastestMs (int runs, Work&& work, const std::function<void()>& beforeEachRun = [] {})
{
    double fastest = 1.0e9;

    for (int run = 0; run < runs; ++run)
    {
        beforeEachRun();
        const auto start = Benchmark::nowMs();
        work();
        fastest = std::min (fastest, Benchmark::nowMs() - start);
    }

    return fastest;
}

// Today's file with further items up to the most elements a load accepts,
// padded with blanks to the largest size it accepts.
juce::File largestAccepted (const juce::File& today, const juce::File& target)
{
    const auto text = today.loadFileAsString().toStdString();
    const auto itemsEnd = text.find ("  </Items>");
    size_t elements = 0;

    // A '<' and a letter start an element; the declaration and the end tags start otherwise.
    for (auto at = text.find ('<'); at != std::string::npos; at = text.find ('<', at + 1))
        elements += juce::CharacterFunctions::isLetter (text[at + 1]) ? 1u : 0u;

    std::string items;

    for (size_t added = 0; elements + added < (size_t) XmlTreeParser::kMaxElements; ++added)
        items += "    <Item ID=\"" + std::to_string (1000 + added)
                 + "\" Mode=\"1\" Chan=\"65\" Num=\"74\" MinLSB=\"0\" MaxMSB=\"127\" Option=\"0\"/>\r\n";

    auto whole = text.substr (0, itemsEnd) + items + text.substr (itemsEnd);
    whole.append ((size_t) XmlFile::kMaxReadBytes - whole.size(), ' ');
    target.replaceWithData (whole.data(), whole.size());
    return target;
}

double peakKiB (ZelManager49& manager, juce::File& file)
{
    const auto growth = PeakMemory::growthWhile ([&] { manager.loadSettings (file); });
    return growth.has_value() ? (double) *growth / 1024.0 : -1.0;
}

struct Figures
{
    double loadMs, peakKiB;
};

Figures measureLoad (BenchmarkReport& report, const juce::String& what, juce::File file, int runs)
{
    ZelManager49 manager (nullptr);
    const double read = fastestMs (runs, [&] { readBytesOnly (file); });
    const double parse = fastestMs (runs, [&] { XmlFile::read (file); });
    const double load = fastestMs (runs, [&] { manager.loadSettings (file); });
    const auto size = " (" + juce::File::descriptionOfSizeInBytes (file.getSize()) + ")";

    report.figure ("loadSettings, " + what + size, load, read, "ms");
    report.figure ("  its parse alone, without the model, against reading it", parse, read, "ms");

    // As a user meets it: the file comes from the disk, not from the page cache.
    const auto cold = [&] { evictFromCache (file); };
    const double coldRead = fastestMs (runs, [&] { readBytesOnly (file); }, cold);
    const double coldLoad = fastestMs (runs, [&] { manager.loadSettings (file); }, cold);
    report.figure ("  the same from the disk, the page cache dropped first", coldLoad, coldRead, "ms");

    const auto peak = peakKiB (manager, file);
    report.figure ("  its peak memory, against the file's size", peak, (double) file.getSize() / 1024.0, "KiB");
    return { load, peak };
}

// The shapes that cost a load the most, each as large as a load accepts,
// next to a file of today's size.
void measureCostlyShapes (BenchmarkReport& report, const juce::File& dir, const Figures& today)
{
    std::printf ("  files shaped to cost the most, as large as a load accepts, against today's size:\n");

    for (const auto& shape : CostlySettingsFiles::shapes)
    {
        const auto text = shape.make ((size_t) XmlFile::kMaxReadBytes);
        auto file = dir.getChildFile (juce::String (shape.name) + ".vt49");
        file.replaceWithData (text.data(), text.size());

        ZelManager49 manager (nullptr);
        const auto outcome = manager.loadSettings (file) ? "loads" : "refused";
        const double load = fastestMs (5, [&] { manager.loadSettings (file); });

        report.figure (juce::String ("  ") + shape.name + ", " + outcome + ": time", load, today.loadMs, "ms");
        report.figure ("    peak memory", peakKiB (manager, file), today.peakKiB, "KiB");
    }
}
} // namespace

ORLUNE_BENCHMARK (settingsFileLoads)
{
    const auto dir = juce::File::getSpecialLocation (juce::File::tempDirectory)
                         .getChildFile ("orlune-bench-" + juce::Uuid().toString());
    dir.createDirectory();

    ZelManager49 factory (nullptr);
    auto today = dir.getChildFile ("today.vt49");
    factory.saveSettings (today);

    const auto todays = measureLoad (report, "a file of today's size against reading it", today, 200);
    measureLoad (report, "the largest file accepted against reading it", largestAccepted (today, dir.getChildFile ("largest.vt49")), 10);
    measureCostlyShapes (report, dir, todays);

    dir.deleteRecursively();
}
