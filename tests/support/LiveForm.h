#pragma once

#include "support/ShownForm.h"

#include <QTimer>
#include <memory>

namespace amsim {

// The shown window on a wall clock that the test sets: its time moves only
// when the test says so, and a frame is waited for, never timed.
class LiveForm : public ShownForm {
protected:
    explicit LiveForm(std::shared_ptr<double> wall = std::make_shared<double>(0.0))
        : ShownForm(QLocale::c(), BenchClock([wall] { return *wall; }))
        , wall_(std::move(wall)) {}

    // The window's frame timer.
    QTimer* frames() const { return form.findChild<QTimer*>(QStringLiteral("frames")); }

    // The wall clock moved on, no frame waited for.
    void moveClock(double seconds) { *wall_ += seconds; }

    // The wall clock moved on, and the frame at the new instant drawn.
    void advance(double seconds) {
        const double before = form.instant();
        moveClock(seconds);
        constexpr int kEventually = 60000;
        ASSERT_TRUE(QTest::qWaitFor([&] { return form.instant() != before; }, kEventually));
    }

private:
    std::shared_ptr<double> wall_;
};

} // namespace amsim
