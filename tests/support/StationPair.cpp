#include "StationPair.h"

#include <atomic>
#include <thread>

void atOnce(const std::function<void()>& one, const std::function<void()>& two)
{
    std::atomic<bool> go{false};
    auto wait = [&go] {
        while (!go)
            std::this_thread::yield();
    };
    std::thread a([&] { wait(); one(); }), b([&] { wait(); two(); });
    go = true;
    a.join();
    b.join();
}
