#pragma once

// The run's thread waiting for workers while the window stays alive: it
// looks at the window each time a short wait runs out.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

namespace lexicount {

// How long the run's thread waits for workers between two looks at the window.
inline constexpr auto kIdleInterval = std::chrono::milliseconds(50);

// Waits under the lock until ready(), calling idle (with the lock let go)
// each time kIdleInterval passes; without idle, simply waits.
template <typename Ready>
void WaitCallingIdle(std::unique_lock<std::mutex>& lock, std::condition_variable& condition, Ready ready,
                     const std::function<void()>& idle) {
    if (!idle) {
        condition.wait(lock, ready);
        return;
    }
    while (!condition.wait_for(lock, kIdleInterval, ready)) {
        lock.unlock();
        idle();
        lock.lock();
    }
}

}  // namespace lexicount
