#pragma once

#include <chrono>

namespace platform {

// When the caller's service callback is due again during long work on one
// entry. The libraries call it at least this often, so that a program
// that handles its own events there never looks dead while one large
// entry is inflated or deflated.
class ServiceClock {
public:
    static constexpr std::chrono::milliseconds Interval{25};

    bool Due() const { return std::chrono::steady_clock::now() - last_ >= Interval; }
    void Served() { last_ = std::chrono::steady_clock::now(); }

private:
    std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
};

}  // namespace platform
