#pragma once

#include "ui/system/file_descriptor.h"

#include <QObject>
#include <QTimer>

#include <memory>

class QSocketNotifier;

namespace tumblehand::ui {

/// A one-shot alarm with nanosecond resolution. A QTimer takes whole milliseconds, and
/// the event loop waits for it in whole milliseconds rounded up, which makes a tick up
/// to two milliseconds late; this one sets a kernel timer (timerfd) to the nanosecond
/// and wakes the event loop through its descriptor. Where no timerfd can be had it
/// falls back to a precise QTimer with the wait rounded up. It never fires early.
class PreciseAlarm : public QObject {
    Q_OBJECT
public:
    explicit PreciseAlarm(QObject* parent = nullptr);
    ~PreciseAlarm() override;

    /// Fires once, waitNs nanoseconds from now (at once if waitNs <= 0); replaces any
    /// alarm already set.
    void start(qint64 waitNs);
    void stop();

    /// True when the kernel timer is in use rather than the millisecond fallback.
    bool precise() const { return fd_.valid(); }

signals:
    void timeout();

private:
    void onReadable();

    FileDescriptor fd_;
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer fallback_;
};

}  // namespace tumblehand::ui
