#include "ui/system/precise_alarm.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cstdint>
#include <ctime>

#include <sys/timerfd.h>
#include <unistd.h>

namespace tumblehand::ui {

namespace {

constexpr qint64 NsPerSecond = 1'000'000'000;

}  // namespace

PreciseAlarm::PreciseAlarm(QObject* parent)
    : QObject(parent), fd_(timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)) {
    fallback_.setSingleShot(true);
    fallback_.setTimerType(Qt::PreciseTimer);
    connect(&fallback_, &QTimer::timeout, this, &PreciseAlarm::timeout);
    if (!fd_.valid()) return;
    notifier_ = std::make_unique<QSocketNotifier>(fd_.get(), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &PreciseAlarm::onReadable);
}

PreciseAlarm::~PreciseAlarm() = default;

void PreciseAlarm::start(qint64 waitNs) {
    waitNs = std::max<qint64>(waitNs, 0);
    if (!fd_.valid()) {
        // Rounded up, so that it never fires before its time.
        const qint64 ms = (waitNs + 999'999) / 1'000'000;
        fallback_.start(static_cast<int>(std::min<qint64>(ms, 1'000'000'000)));
        return;
    }
    // Absolute on the monotonic clock: the time spent here only makes it later, never
    // earlier. A zero expiry would disarm it, so "now" is one nanosecond.
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const qint64 at = static_cast<qint64>(now.tv_sec) * NsPerSecond + now.tv_nsec + std::max<qint64>(waitNs, 1);
    itimerspec expiry{};
    expiry.it_value.tv_sec = static_cast<time_t>(at / NsPerSecond);
    expiry.it_value.tv_nsec = static_cast<long>(at % NsPerSecond);
    timerfd_settime(fd_.get(), TFD_TIMER_ABSTIME, &expiry, nullptr);
}

void PreciseAlarm::stop() {
    fallback_.stop();
    if (!fd_.valid()) return;
    const itimerspec off{};
    timerfd_settime(fd_.get(), 0, &off, nullptr);
    // An expiry not yet read would still wake the loop.
    std::uint64_t expiries = 0;
    [[maybe_unused]] const auto read = ::read(fd_.get(), &expiries, sizeof expiries);
}

void PreciseAlarm::onReadable() {
    std::uint64_t expiries = 0;
    if (::read(fd_.get(), &expiries, sizeof expiries) != static_cast<ssize_t>(sizeof expiries)) return;
    emit timeout();
}

}  // namespace tumblehand::ui
