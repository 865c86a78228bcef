#include "CostlySettingsFiles.h"
#include "ModelFiles.h"
#include "PeakMemory.h"
#include "XmlFile.h"

namespace CostlySettingsFiles
{
void PrintTo (const Shape& shape, std::ostream* os) { *os << shape.name; }
}

namespace
{
// What a load may cost at most, whatever the file's shape: a file of the
// largest size accepted costs a few times its size, and takes a fraction of a
// second in a Debug build on a busy machine, where an entity expansion takes
// many seconds. A sanitizer's own bookkeeping would swamp the memory figure,
// so under one only the time counts.
#if defined(ORLUNE_ADDRESS_SANITIZER) || defined(ORLUNE_THREAD_SANITIZER)
constexpr bool kMemoryIsMeasured = false;
#else
constexpr bool kMemoryIsMeasured = true;
#endif
constexpr std::int64_t kMostMemory = 8 * XmlFile::kMaxReadBytes;
constexpr auto kLongestLoad = std::chrono::seconds (2);

using Shape = CostlySettingsFiles::Shape;

class CostlySettings : public ModelFiles, public testing::WithParamInterface<Shape> {};

TEST_P (CostlySettings, LoadOrAreRefusedQuicklyInLittleMemory)
{
    const auto text = GetParam().make ((size_t) XmlFile::kMaxReadBytes);
    auto file = dir.getChildFile ("costly.vt49");
    ASSERT_TRUE (file.replaceWithData (text.data(), text.size()));
    ASSERT_GT (file.getSize(), XmlFile::kMaxReadBytes - 1024) << "as large as a load accepts";

    auto loading = std::make_shared<ZelManager49> (nullptr);
    const auto before = ModelSnapshot::of (*loading);
    std::optional<bool> loaded;
    const auto growth = PeakMemory::growthWhile ([&] { loaded = loadWithin (kLongestLoad, loading, file); });

    ASSERT_TRUE (loaded.has_value()) << "the load did not end within " << TimeBounds::scaled (kLongestLoad).count() << " s";
    EXPECT_EQ (*loaded, GetParam().loads);

    if (GetParam().loads)
        EXPECT_FALSE (ModelSnapshot::of (*loading) == before) << "the item is loaded";
    else
        EXPECT_EQ (ModelSnapshot::of (*loading), before);

    if (kMemoryIsMeasured)
    {
        ASSERT_TRUE (growth.has_value()) << "this system does not tell a process's peak memory";
        EXPECT_LT (*growth, kMostMemory) << "the load's peak memory, in bytes";
    }
}

INSTANTIATE_TEST_SUITE_P (SettingsFile, CostlySettings, testing::ValuesIn (CostlySettingsFiles::shapes),
                          [] (const testing::TestParamInfo<Shape>& row) { return std::string (row.param.name); });
} // namespace
