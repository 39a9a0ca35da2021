#include "play/timer_schedule.h"

#include "board/form1.h"

namespace tumblehand {

TimerSchedule::TimerSchedule(Form1& form) : form_(form) {}

Timer& TimerSchedule::timer(std::size_t index) {
    switch (index) {
        case 0: return form_.Timer1;
        case 1: return form_.Timer2;
        default: return form_.Timer3;
    }
}

void TimerSchedule::sync(std::int64_t now) {
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const Timer& t = timer(i);
        Slot& slot = slots_[i];
        if (!t.Enabled()) {
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
    const std::int64_t firedAt = slot.due;
    // The next tick is counted from the due time, not from when it ran, so a late
    // tick does not shift the ones after it; a tick more than one interval late
    // restarts the count rather than firing a burst.
    const std::int64_t following = firedAt + slot.interval;
    slot.due = following > now ? following : now + slot.interval;
    fire(*next);
    // Handlers run at their due time: what they switch on counts from then.
    sync(firedAt);
    return true;
}

int TimerSchedule::advanceTo(std::int64_t now) {
    int fired = 0;
    while (fireNext(now)) ++fired;
    return fired;
}

void TimerSchedule::postpone(std::int64_t ms) {
    for (Slot& slot : slots_) slot.due += ms;
}

void TimerSchedule::fire(std::size_t index) {
    switch (index) {
        case 0: form_.Timer1_Timer(); break;
        case 1: form_.Timer2_Timer(); break;
        default: form_.Timer3_Timer(); break;
    }
}

}  // namespace tumblehand
