#pragma once

#include "TimeBounds.h"

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>

/** Ends the test process with a failure when its scope has not been left
    within the bound (a plain build's, longer under a sanitizer). A hang on the
    message thread cannot be caught from that thread, and the test would
    otherwise wait for the test runner's own limit. */
class HangGuard
{
public:
    HangGuard (std::string whatMustEnd, int boundMs)
        : watcher ([this, what = std::move (whatMustEnd), boundMs]
          {
              std::unique_lock<std::mutex> lock (mutex);

              if (! changed.wait_for (lock, std::chrono::milliseconds (TimeBounds::scaledMs (boundMs)), [this] { return left; }))
              {
                  std::cerr << "Hang: " << what << " did not end within " << TimeBounds::scaledMs (boundMs) << " ms" << std::endl;
                  std::_Exit (EXIT_FAILURE);
              }
          })
    {
    }

    ~HangGuard()
    {
        {
            const std::lock_guard<std::mutex> lock (mutex);
            left = true;
        }

        changed.notify_all();
        watcher.join();
    }

private:
    std::mutex mutex;
    std::condition_variable changed;
    bool left = false;
    std::thread watcher; // last: starts once the rest is there

    HangGuard (const HangGuard&) = delete;
    HangGuard& operator= (const HangGuard&) = delete;
};
