#pragma once

#include "ZelManagerListener.h"

#include <juce_core/juce_core.h>

#include <functional>
#include <mutex>
#include <ostream>
#include <vector>

/** One info code as a listener received it. */
struct Info
{
    int code, a, b;

    bool operator== (const Info& other) const { return code == other.code && a == other.a && b == other.b; }
};

inline std::ostream& operator<< (std::ostream& os, const Info& info)
{
    return os << "{" << info.code << ", " << info.a << ", " << info.b << "}";
}

/** Records every info code, from any thread, and can react to each one on
    the thread that posted it, as the panels do. */
class InfoRecorder final : public ZelManagerListener
{
public:
    void ZelInfoReceived (int code, int a, int b, void* p) override
    {
        {
            const std::lock_guard<std::mutex> lock (mutex);
            infos.push_back ({ code, a, b });
            nonNullPointer = nonNullPointer || p != nullptr;
        }

        if (onInfo)
            onInfo (code, a, b);
    }

    std::vector<Info> get() const
    {
        const std::lock_guard<std::mutex> lock (mutex);
        return infos;
    }

    std::vector<int> codes() const
    {
        std::vector<int> result;

        for (const auto& info : get())
            result.push_back (info.code);

        return result;
    }

    void clear()
    {
        const std::lock_guard<std::mutex> lock (mutex);
        infos.clear();
    }

    bool sawNonNullPointer() const
    {
        const std::lock_guard<std::mutex> lock (mutex);
        return nonNullPointer;
    }

    /** Set before the recorder is registered. */
    std::function<void (int, int, int)> onInfo;

private:
    mutable std::mutex mutex;
    std::vector<Info> infos;
    bool nonNullPointer = false;
};
