#include "params/BenchClock.h"

#include "signals/ScreenStart.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace amsim {

BenchClock::BenchClock(WallClock wall)
    : wall_(std::move(wall))
    , wallAtMark_(wall_()) {}

// Past the latest instant the bench shows, the time stands there.
double BenchClock::now() const {
    const double running = paused_ ? 0.0 : wall_() - wallAtMark_;
    return std::min(benchAtMark_ + std::max(running, 0.0), kLatestInstant);
}

bool BenchClock::runs() const {
    return !paused_ && now() < kLatestInstant;
}

void BenchClock::setTo(double seconds, bool paused) {
    benchAtMark_ = std::clamp(seconds, 0.0, kLatestInstant);
    wallAtMark_ = wall_();
    paused_ = paused;
}

BenchClock BenchClock::standingAt(double seconds) {
    BenchClock clock([] { return 0.0; });
    clock.setTo(seconds, false);
    return clock;
}

double BenchClock::steadySeconds() {
    using Seconds = std::chrono::duration<double>;
    return std::chrono::duration_cast<Seconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace amsim
