#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace tumblehand {

class Form1;
class Timer;

/// Fires the three timers of Form1 from a clock it is given, in milliseconds. The
/// window feeds it a precise real clock, the simulator virtual time; nothing else
/// fires timer handlers.
///
/// An enabled timer is due Interval ms after it was enabled or re-timed. The earliest
/// due timer fires first, ties in the order Timer1, Timer2, Timer3. After each
/// handler, and after every key or click (call sync), the schedule re-reads all three.
class TimerSchedule {
public:
    explicit TimerSchedule(Form1& form);

    /// Re-reads the timers at time now: a timer switched on, or given a new interval,
    /// since the last look starts a fresh count from now; a timer switched off is dropped.
    void sync(std::int64_t now);

    /// Fires every timer that is due at or before now, in order, each at its due time.
    /// Returns the number of handlers run.
    int advanceTo(std::int64_t now);

    /// Fires the single earliest timer if it is due at or before now. Returns false if
    /// none was due.
    bool fireNext(std::int64_t now);

    /// The time the next timer is due, or nothing while all are off.
    std::optional<std::int64_t> nextDue() const;

    /// Moves every due time later by ms: the window calls it after a modal dialog held
    /// the game still, so that the game goes on where it was without a burst of ticks.
    void postpone(std::int64_t ms);

private:
    struct Slot {
        bool scheduled = false;
        std::uint32_t generation = 0;
        int interval = 0;
        std::int64_t due = 0;
    };

    Timer& timer(std::size_t index);
    void fire(std::size_t index);

    Form1& form_;
    std::array<Slot, 3> slots_{};
};

}  // namespace tumblehand
