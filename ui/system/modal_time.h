#pragma once

#include <QElapsedTimer>

namespace tumblehand::ui {

/// Milliseconds spent waiting in dialogs. The window holds the game still while a
/// dialog is open and afterwards moves the timers on by exactly this time.
class ModalTime {
public:
    /// Counts the time from its creation to its end (one dialog).
    class Scope {
    public:
        explicit Scope(ModalTime& time) : time_(time) { clock_.start(); }
        ~Scope() { time_.totalMs_ += clock_.elapsed(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        ModalTime& time_;
        QElapsedTimer clock_;
    };

    qint64 totalMs() const { return totalMs_; }

private:
    qint64 totalMs_ = 0;
};

}  // namespace tumblehand::ui
