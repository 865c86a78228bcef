#include "KnownPortManager.h"

#include <gtest/gtest.h>

#include <thread>
#include <tuple>

namespace
{
std::vector<std::tuple<std::string, int, int>> entriesOf (KnownPortManager& ports)
{
    std::vector<std::tuple<std::string, int, int>> entries;
    for (int i = 0; i < ports.count(); ++i)
        entries.emplace_back (ports.get (i)->name.toStdString(), ports.get (i)->keys, ports.get (i)->modelId);
    return entries;
}

const std::vector<std::tuple<std::string, int, int>> knownPorts {
    { "Brindor", 32, 0x101 },
    { "The Quillary", 61, 0x1300 },
    { "Corvane - The Tressom", 25, 0x200 },
    { "Tesmira Pellivo", 25, 0x400 },
};
}

TEST (KnownPortManager, OneInstanceFilledOnce)
{
    auto* first = KnownPortManager::getInstance();
    auto* second = KnownPortManager::getInstance();

    ASSERT_EQ (first, second);
    EXPECT_EQ (entriesOf (*first), knownPorts);
}

TEST (KnownPortManager, ANewInstanceAfterDeletion)
{
    delete KnownPortManager::getInstance();

    auto* renewed = KnownPortManager::getInstance();
    ASSERT_NE (renewed, nullptr);
    EXPECT_EQ (entriesOf (*renewed), knownPorts);
    EXPECT_EQ (KnownPortManager::getInstance(), renewed);
}

TEST (KnownPortManager, InstanceIsSharedAcrossThreads)
{
    delete KnownPortManager::getInstance();

    std::vector<KnownPortManager*> seen (8, nullptr);
    std::vector<std::thread> threads;
    for (auto& slot : seen)
        threads.emplace_back ([&slot] { slot = KnownPortManager::getInstance(); });
    for (auto& t : threads)
        t.join();

    for (auto* instance : seen)
        EXPECT_EQ (instance, seen.front());
    EXPECT_EQ (seen.front()->count(), 4);
}
