#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace mirvane {

// Ends the process with a report when the thread it watches has not called
// Tick for Limit: a hang must fail the run at once, with what was going on,
// not stall it until CI gives up.
class THangWatch {
public:
    THangWatch(std::chrono::seconds Limit, std::string Context)
        : Limit(Limit), Context(std::move(Context)), Watcher([this] { Watch(); })
    {
    }
    ~THangWatch()
    {
        {
            const std::lock_guard Lock(Mutex);
            Stopping = true;
        }
        Changed.notify_all();
        Watcher.join();
    }
    THangWatch(const THangWatch&) = delete;
    THangWatch& operator=(const THangWatch&) = delete;

    // Progress, and what is being done now.
    void Tick(std::string Doing)
    {
        const std::lock_guard Lock(Mutex);
        ++Ticks;
        Current = std::move(Doing);
    }

private:
    void Watch()
    {
        std::unique_lock Lock(Mutex);
        while (!Stopping) {
            const unsigned long long Seen = Ticks;
            if (!Changed.wait_for(Lock, Limit, [&] { return Stopping || Ticks != Seen; })) {
                std::fprintf(stderr, "hang: no progress for %lld s (%s) while: %s\n",
                             static_cast<long long>(Limit.count()), Context.c_str(), Current.c_str());
                std::abort();
            }
        }
    }

    const std::chrono::seconds Limit;
    const std::string Context;
    std::mutex Mutex;
    std::condition_variable Changed;
    unsigned long long Ticks = 0;
    std::string Current;
    bool Stopping = false;
    std::thread Watcher;  // last, so that it starts with everything above ready
};

}  // namespace mirvane
