#include "play/timer_schedule.h"

#include "board/form1.h"

namespace tumblehand {

TimerSchedule::TimerSchedule(Form1& form)
    : TimerSchedule(
          {&form.Timer1, &form.Timer2, &form.Timer3},
          {[&form] { form.Timer1_Timer(); }, [&form] { form.Timer2_Timer(); }, [&form] { form.Timer3_Timer(); }}) {}

TimerSchedule::TimerSchedule(std::array<Timer*, 3> timers, std::array<Handler, 3> handlers)
    : timers_(timers), handlers_(std::move(handlers)) {}

void TimerSchedule::sync(std::int64_t now) {
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const Timer& t = *timers_[i];
        Slot& slot = slots_[i];
        // An interval of 0 stops a window timer; it would also never let time move on.
        if (!t.Enabled() || t.Interval() <= 0) {
            slot.scheduled = false;
        } else if (!slot.scheduled || slot.generation != t.generation()) {
            slot.scheduled = true;
            slot.due = now + t.Interval();
        }
        slot.generation = t.generation();
        slot.interval = t.Interval();
    }
}

std::optional<std::int64_t> TimerSchedule::nextDue() const {
    std::optional<std::int64_t> earliest;
    for (const Slot& slot : slots_) {
        if (slot.scheduled && (!earliest || slot.due < *earliest)) earliest = slot.due;
    }
    return earliest;
}

bool TimerSchedule::fireNext(std::int64_t now) {
    std::optional<std::size_t> next;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const Slot& slot = slots_[i];
        if (slot.scheduled && slot.due <= now && (!next || slot.due < slots_[*next].due)) next = i;
    }
    if (!next) return false;

    Slot& slot = slots_[*next];
    // The next tick is counted from the due time, not from when it ran, so a slightly
    // late tick does not shift the ones after it. A tick more than one interval late
    // counts as run now: firing the missed ones would be a burst.
    const bool late = slot.due + slot.interval <= now;
    const std::int64_t firedAt = late ? now : slot.due;
    slot.due = firedAt + slot.interval;
    if (handlers_[*next]) handlers_[*next]();
    // What the handler switched on counts from the moment it ran.
    sync(firedAt);
    return true;
}

int TimerSchedule::advanceTo(std::int64_t now) {
    int fired = 0;
    while (fireNext(now)) ++fired;
    return fired;
}

int TimerSchedule::runUntil(std::int64_t end) {
    int fired = 0;
    for (auto due = nextDue(); due && *due <= end; due = nextDue()) {
        fireNext(*due);
        ++fired;
    }
    return fired;
}

void TimerSchedule::postpone(std::int64_t ms) {
    for (Slot& slot : slots_) slot.due += ms;
}

}  // namespace tumblehand
