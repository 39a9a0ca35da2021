#include "play/timer_schedule.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "board/form1.h"

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
using Handlers = std::array<Action, 3>;

Handlers handlers(Action t1, Action t2 = {}, Action t3 = {}) { return {t1, t2, t3}; }
// Timer 2 stops itself and starts timer 1.
void handOver(Clock& c) { c.T(2).setEnabled(false), c.T(1).setEnabled(true); }

// handlers run inside each timer's tick; at: a click or key at this time doing action.
struct Case {
    const char* name;
    std::array<int, 3> intervals;
    std::array<bool, 3> enabled;
    std::array<std::function<void(Clock&)>, 3> handlers;
    std::optional<std::int64_t> at;
    std::function<void(Clock&)> action;
    std::int64_t until;
    std::string expected;
};

class ScheduleCase : public testing::TestWithParam<Case> {};

TEST_P(ScheduleCase, FiresTicksInOrder) {
    const Case& c = GetParam();
    Clock clock;
    for (std::size_t i = 0; i < 3; ++i) {
        clock.timers[i].setInterval(c.intervals[i]);
        clock.timers[i].setEnabled(c.enabled[i]);
        clock.actions[i] = c.handlers[i];
    }
    clock.schedule.sync(0);
    if (c.at) {
        clock.runTo(*c.at);
        c.action(clock);
        clock.schedule.sync(*c.at);
    }
    clock.runTo(c.until);
    EXPECT_EQ(clock.log, c.expected);
}

const Case Cases[] = {
    {"EarliestFirstTiesInTimerOrder",
     {30, 20, 10},
     {true, true, true},
     {},
     {},
     {},
     60,
     "T3@10 T2@20 T3@20 T1@30 T3@30 T2@40 T3@40 T3@50 T1@60 T2@60 T3@60"},
    {"OffAndOnRestartsTheCount",
     {100, 0, 0},
     {true, false, false},
     {},
     30,
     [](Clock& c) {
         c.T(1).setEnabled(false);
         c.T(1).setEnabled(true);
     },
     250,
     "T1@130 T1@230"},
    {"NewIntervalRestartsTheCount",
     {100, 0, 0},
     {true, false, false},
     {},
     30,
     [](Clock& c) { c.T(1).setInterval(40); },
     150,
     "T1@70 T1@110 T1@150"},
    {"EnablingARunningTimerChangesNothing",
     {100, 0, 0},
     {true, false, false},
     {},
     30,
     [](Clock& c) { c.T(1).setEnabled(true); },
     200,
     "T1@100 T1@200"},
    {"OffAndOnInsideAHandlerRestarts",
     {100, 150, 0},
     {true, true, false},
     handlers([](Clock& c) {
         if (c.firing == 100) c.T(2).setEnabled(false), c.T(2).setEnabled(true);
     }),
     {},
     {},
     300,
     "T1@100 T1@200 T2@250 T1@300"},
    {"HandlerDisablesItselfAndEnablesAnother",
     {1000, 50, 0},
     {false, true, false},
     handlers({}, handOver),
     {},
     {},
     2100,
     "T2@50 T1@1050 T1@2050"},
    {"TimerEnabledByAHandlerCountsFromItsTick",
     {20, 50, 100},
     {false, true, true},
     handlers({}, handOver),
     {},
     {},
     110,
     "T2@50 T1@70 T1@90 T3@100 T1@110"},
    {"HandlerRetimesItself",
     {100, 0, 0},
     {true, false, false},
     handlers([](Clock& c) { c.T(1).setInterval(30); }),
     {},
     {},
     160,
     "T1@100 T1@130 T1@160"},
    {"IntervalZeroNeverFires", {0, 50, 0}, {true, true, false}, {}, {}, {}, 100, "T2@50 T2@100"},
};

INSTANTIATE_TEST_SUITE_P(Schedule, ScheduleCase, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tumblehand
