#pragma once

#include "TimeBounds.h"
#include "ZelManager49.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include <sys/stat.h>

// A scratch directory per test, and a manager whose model the test fills.
class ModelFiles : public testing::Test
{
protected:
    void SetUp() override
    {
        dir = juce::File::getSpecialLocation (juce::File::tempDirectory)
                  .getChildFile ("orlune-files-" + juce::Uuid().toString());
        ASSERT_TRUE (dir.createDirectory());
    }

    void TearDown() override { dir.deleteRecursively(); }

    juce::File writeText (const juce::String& name, const juce::String& text)
    {
        auto file = dir.getChildFile (name);
        file.replaceWithText (text, false, false, nullptr);
        return file;
    }

    static juce::String readText (const juce::File& file)
    {
        juce::MemoryBlock bytes;
        file.loadFileAsData (bytes);
        return bytes.toString();
    }

    juce::File dir;
    ZelManager49 manager { nullptr };
};

// The two writers of the model's files, for tables that try each.
struct Writer
{
    const char* name;
    bool (ZelManager49::*write) (juce::File&) const;
};

inline void PrintTo (const Writer& writer, std::ostream* os) { *os << writer.name; }

inline const Writer writers[] = {
    { "Settings", &ZelManager49::saveSettings },
    { "Chart", &ZelManager49::generateChart },
};

// A table of cases, each tried with both writers.
template <typename Case>
class WriterTable : public ModelFiles, public testing::WithParamInterface<std::tuple<Case, Writer>>
{
public:
    static std::string rowName (const testing::TestParamInfo<std::tuple<Case, Writer>>& info)
    {
        return std::string (std::get<0> (info.param).name) + std::get<1> (info.param).name;
    }

protected:
    const Case& testCase() const { return std::get<0> (this->GetParam()); }

    bool write (juce::File file) { return (manager.*std::get<1> (this->GetParam()).write) (file); }

    // What the same save writes into a new plain file.
    juce::String plainSave()
    {
        auto reference = dir.getChildFile ("reference");
        EXPECT_TRUE (write (reference));
        const auto text = readText (reference);
        EXPECT_TRUE (reference.deleteFile());
        return text;
    }
};

inline struct stat statusOf (const juce::File& file)
{
    struct stat info {};
    EXPECT_EQ (::stat (file.getFullPathName().toRawUTF8(), &info), 0) << file.getFullPathName();
    return info;
}

inline mode_t permissionsOf (const juce::File& file) { return statusOf (file).st_mode & 07777; }

// Loads on a thread of its own, so that a load that never returns fails the
// test instead of hanging it; the thread shares ownership of what it uses.
// The limit is a plain build's, scaled here for a sanitizer's.
inline std::optional<bool> loadWithin (std::chrono::milliseconds limit, std::shared_ptr<ZelManager49> manager, juce::File file)
{
    auto result = std::make_shared<std::promise<bool>>();
    auto loaded = result->get_future();
    std::thread loader ([manager, file, result]() mutable { result->set_value (manager->loadSettings (file)); });

    if (loaded.wait_for (TimeBounds::scaled (limit)) != std::future_status::ready)
    {
        loader.detach();
        return std::nullopt;
    }

    loader.join();
    return loaded.get();
}

// Everything the files can touch (six parameters of ids -1 to 300, globals,
// curves) and the fields beside them that a load must leave alone, so that a
// write past the end of globals or curves shows.
struct ModelSnapshot
{
    std::vector<int> params, globals, curves, untouched;

    bool operator== (const ModelSnapshot& other) const
    {
        return params == other.params && globals == other.globals && curves == other.curves
               && untouched == other.untouched;
    }

    static constexpr int kFirstId = -1, kLastId = 300;

    int& param (int p, int item) { return params[(size_t) ((item - kFirstId) * 6 + p - 1)]; }

    static ModelSnapshot of (ZelManager49& m)
    {
        ModelSnapshot s;
        for (int item = kFirstId; item <= kLastId; ++item)
            for (int p = 1; p <= 6; ++p)
                s.params.push_back (m.getParamForItem (p, item));
        for (auto& g : m.globals)
            s.globals.push_back (g);
        for (int n = 0; n < 11; ++n)
            s.curves.push_back (m.getCurve (n));
        s.untouched = { m.getAftertouchSource(), m.getModelId(), m.connected, m.autoRedetect,
                        m.getInputName().hashCode(), m.getOutputName().hashCode() };
        for (auto& byte : m.firmwareRevision)
            s.untouched.push_back (byte);
        return s;
    }
};

inline void PrintTo (const ModelSnapshot& s, std::ostream* os)
{
    *os << "model with globals";
    for (int g : s.globals) *os << ' ' << g;
    *os << " and curves";
    for (int c : s.curves) *os << ' ' << c;
    *os << ", aftertouch source, model, flags, port names and firmware";
    for (int u : s.untouched) *os << ' ' << u;
}
