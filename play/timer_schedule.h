#pragma once

#include <array>
#include <cstdint>
#include <functional>
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
/// A timer whose interval is 0 or less never fires, as a window timer does not.
class TimerSchedule {
public:
    using Handler = std::function<void()>;

    /// Drives Form1's Timer1..Timer3 with their tick procedures.
    explicit TimerSchedule(Form1& form);
    /// Drives any three timers with the given handlers (index 0 is Timer1).
    TimerSchedule(std::array<Timer*, 3> timers, std::array<Handler, 3> handlers);

    /// Re-reads the timers at time now: a timer switched on, or given a new interval,
    /// since the last look starts a fresh count from now; a timer switched off is dropped.
    void sync(std::int64_t now);

    /// For a real clock: fires every timer that is due at or before now, in order.
    /// A tick on time runs at its due time; a tick more than one interval late runs
    /// once, as if at now, and restarts its count, so a stall brings no burst of ticks.
    /// Returns the number of handlers run.
    int advanceTo(std::int64_t now);

    /// For virtual time: fires every tick due at or before end, each at its own due
    /// time, so that nothing is ever late. Returns the number of handlers run.
    int runUntil(std::int64_t end);

    /// Fires the single earliest timer if it is due at or before now (real-clock rule
    /// of advanceTo). Returns false if none was due.
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

    std::array<Timer*, 3> timers_;
    std::array<Handler, 3> handlers_;
    std::array<Slot, 3> slots_{};
};

}  // namespace tumblehand
