#pragma once

#include <functional>

namespace amsim {

// The bench's time, in seconds from the moment the bench starts: it follows a
// wall clock from where it was last set and stands still while paused. It is
// read from the clock at every frame, so a frame drawn late shows the later
// instant: frames may be dropped, time is never slowed.
class BenchClock {
public:
    // Seconds from any origin, never going back.
    using WallClock = std::function<double()>;

    explicit BenchClock(WallClock wall = steadySeconds);

    double now() const;
    bool paused() const { return paused_; }
    // Whether the time moves: neither paused nor standing at the latest
    // instant.
    bool runs() const;
    // The time from now on is this instant, running or standing still.
    void setTo(double seconds, bool paused);

    static double steadySeconds();
    // A clock that stands at this instant without being paused: the one a
    // file is drawn by, the same instant however long the drawing takes.
    static BenchClock standingAt(double seconds);

private:
    WallClock wall_;
    double benchAtMark_ = 0.0;
    double wallAtMark_;
    bool paused_ = false;
};

} // namespace amsim
