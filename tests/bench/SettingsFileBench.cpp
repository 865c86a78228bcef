#include "Benchmark.h"

#include "XmlFile.h"
#include "ZelManager49.h"

#include <algorithm>
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

// Today's file with further items until it reaches the largest size a load accepts.
juce::File largestAccepted (const juce::File& today, const juce::File& target)
{
    const auto text = today.loadFileAsString().toStdString();
    const auto itemsEnd = text.find ("  </Items>");
    const auto limit = (size_t) XmlFile::kMaxReadBytes;
    std::string items;

    for (int id = 1000; text.size() + items.size() < limit - 200; ++id)
        items += "    <Item ID=\"" + std::to_string (id)
                 + "\" Mode=\"1\" Chan=\"65\" Num=\"74\" MinLSB=\"0\" MaxMSB=\"127\" Option=\"0\"/>\r\n";

    auto whole = text.substr (0, itemsEnd) + items + text.substr (itemsEnd);
    whole.append (limit - whole.size(), ' ');
    target.replaceWithData (whole.data(), whole.size());
    return target;
}

void measureLoad (BenchmarkReport& report, const juce::String& what, juce::File file, int runs)
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

    measureLoad (report, "a file of today's size against reading it", today, 200);
    measureLoad (report, "the largest file accepted against reading it", largestAccepted (today, dir.getChildFile ("largest.vt49")), 10);

    dir.deleteRecursively();
}
