#pragma once

#include "board/form1.h"
#include "harness/scripted_platform.h"
#include "play/timer_schedule.h"
#include "sim/dump_json.h"

#include <cstdint>
#include <string>

namespace tumblehand::sim {

/// One run of a scenario: a fresh window on the scripted platform, its timer
/// schedule and the virtual clock.
struct Session {
    Session(std::string folder, std::uint32_t seed);

    ScriptedPlatform platform;
    Form1 form;
    TimerSchedule schedule;
    std::int64_t time = 0;  ///< virtual milliseconds since the start
};

/// The whole state as the dump prints it.
Json dumpJson(Session& session);

}  // namespace tumblehand::sim
