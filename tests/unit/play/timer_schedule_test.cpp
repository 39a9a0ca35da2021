#include "play/timer_schedule.h"

#include "board/form1.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tumblehand {
namespace {

// Three timers whose handlers log "T<n>@<due time>" and then do what a case asks.
struct Clock {
    std::array<Timer, 3> timers{Timer(0), Timer(0), Timer(0)};
    std::array<std::function<void(Clock&)>, 3> actions;
    std::string log;
    std::int64_t firing = 0;
    TimerSchedule schedule{{&timers[0], &timers[1], &timers[2]},
                           {[this] { tick(0); }, [this] { tick(1); }, [this] { tick(2); }}};

    void tick(std::size_t i) {
        if (!log.empty()) log += ' ';
        log += "T" + std::to_string(i + 1) + "@" + std::to_string(firing);
        if (actions[i]) actions[i](*this);
    }

    // Fires due ticks one by one, remembering each one's due time for the log.
    void runTo(std::int64_t end) {
        for (auto due = schedule.nextDue(); due && *due <= end; due = schedule.nextDue()) {
            firing = *due;
            ASSERT_TRUE(schedule.fireNext(*due));
        }
    }

    Timer& T(int n) { return timers[static_cast<std::size_t>(n - 1)]; }
};

using Action = std::function<void(Clock&)>;

void restart(Timer& timer) {
    timer.setEnabled(false);
    timer.setEnabled(true);
}
void restartT1(Clock& c) { restart(c.T(1)); }
void enableT1(Clock& c) { c.T(1).setEnabled(true); }
void retimeT1(Clock& c) { c.T(1).setInterval(c.firing ? 30 : 40); }
void restartT2At100(Clock& c) {
    if (c.firing == 100) restart(c.T(2));
}
// Timer 2 stops itself and starts timer 1.
void handOver(Clock& c) {
    c.T(2).setEnabled(false);
    c.T(1).setEnabled(true);
}

// Every timer starts enabled (an interval of 0 never fires) unless t1Off; at30 is a click
// or key 30 ms in; handlers run inside each timer's tick.
struct Case {
    const char* name;
    std::array<int, 3> intervals;
    std::int64_t until;
    const char* expected;
    Action at30 = {};
    std::array<Action, 3> handlers = {};
    bool t1Off = false;
};

class ScheduleCase : public testing::TestWithParam<Case> {};

TEST_P(ScheduleCase, FiresTicksInOrder) {
    const Case& c = GetParam();
    Clock clock;
    for (std::size_t i = 0; i < 3; ++i) {
        clock.timers[i].setInterval(c.intervals[i]);
        clock.timers[i].setEnabled(i > 0 || !c.t1Off);
        clock.actions[i] = c.handlers[i];
    }
    clock.schedule.sync(0);
    if (c.at30) {
        clock.runTo(30);
        c.at30(clock);
        clock.schedule.sync(30);
    }
    clock.runTo(c.until);
    EXPECT_EQ(clock.log, c.expected);
}

const Case Cases[] = {
    {"EarliestFirstTiesInTimerOrder", {30, 20, 10}, 50, "T3@10 T2@20 T3@20 T1@30 T3@30 T2@40 T3@40 T3@50"},
    {"OffAndOnRestartsTheCount", {100, 0, 0}, 250, "T1@130 T1@230", restartT1},
    {"NewIntervalRestartsTheCount", {100, 0, 0}, 150, "T1@70 T1@110 T1@150", retimeT1},
    {"EnablingARunningTimerChangesNothing", {100, 0, 0}, 200, "T1@100 T1@200", enableT1},
    {"OffAndOnInsideAHandlerRestarts", {100, 150, 0}, 300, "T1@100 T1@200 T2@250 T1@300", {}, {restartT2At100}},
    {"HandlerHandsOverToAnother", {1000, 50, 0}, 2100, "T2@50 T1@1050 T1@2050", {}, {nullptr, handOver}, true},
    {"CountsFromTheHandlersTick", {20, 50, 100}, 110, "T2@50 T1@70 T1@90 T3@100 T1@110", {}, {nullptr, handOver}, true},
    {"HandlerRetimesItself", {100, 0, 0}, 160, "T1@100 T1@130 T1@160", {}, {retimeT1}},
    {"IntervalZeroNeverFires", {0, 50, 0}, 100, "T2@50 T2@100"},
};

INSTANTIATE_TEST_SUITE_P(Schedule, ScheduleCase, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tumblehand
