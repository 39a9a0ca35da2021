#pragma once

#include "play/timer_schedule.h"
#include "ui/system/precise_alarm.h"
#include "ui/system/probe.h"
#include "ui/windows/hand_table_window.h"
#include "ui/windows/records_window.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>

#include <string>

namespace tumblehand {
class Form1;
}

class QAction;

namespace tumblehand::ui {

class BoardView;
class ModalTime;
class PlayerPresence;

/// The main window: the menu bar, the board view, and the one place where events reach
/// Form1. Every key, click, menu command and timer tick runs as a procedure of Form1;
/// while one runs (a dialog's nested event loop included) nothing else reaches Form1,
/// and the time spent in dialogs is taken out of the timer schedule afterwards. While the
/// player is away (another program in front, the window minimised) no pair falls: it is
/// suspended as STOP suspends it, and waits for the player to resume it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    /// probe hears of the window's paints and ticks, and of every procedure that ran.
    MainWindow(Form1& form, ModalTime& modalTime, Probe& probe = silentProbe(), QWidget* parent = nullptr);
    ~MainWindow() override;

    /// Runs Form_Load: the window is opening.
    void load();

    /// Paints what the model changed so far, also in the middle of a procedure: a dialog
    /// is about to open, and the game must be on screen as it is behind it.
    void showModelNow() { refreshViews(); }

    /// Shows the hand table, creating it the first time. It does not take the keys.
    void showHandTable();
    /// Shows the records window, creating it the first time. It does not take the keys.
    void showRecords();

    BoardView* boardView() const { return view_; }
    HandTableWindow* handTableWindow() const { return handTable_; }
    RecordsWindow* recordsWindow() const { return records_; }
    /// The menu commands: Kaisi, Chusi, Shuryo, YakuHyou, Seiseki.
    QAction* menuAction(const char* name) const;

    /// Milliseconds on the window's clock, rounded down.
    qint64 now() const { return nowNs() / 1'000'000; }
    /// Nanoseconds on the window's clock.
    qint64 nowNs() const { return clock_.nsecsElapsed(); }
    const TimerSchedule& schedule() const { return schedule_; }
    /// Whether the player has left the game for another program.
    bool playerAway() const;

    /// Sizes the window to the screen it is on: twice its 96-dpi size where that fits
    /// with its menu bar and frame, else the largest size that does. On a desktop that
    /// lets the game place its windows, also moves it so that its frame is on screen.
    void fitToScreen();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    /// Runs procedure if no other one runs; then takes dialog time out of the schedule,
    /// re-reads the timers, repaints what changed and sets the next tick.
    template <class Procedure>
    bool runProcedure(Procedure&& procedure);

    void buildMenus();
    /// Readies a secondary window before it is first shown: the game's icon, a size that
    /// leaves room beside this one for the other, beside this one, showing without taking
    /// the keys, passing the game's keys on to the board, closing on Escape.
    /// Returns the frame it was given.
    QRect setUpSecondary(ModelWindow& secondary) const;
    /// Shows a secondary window in front; where the desktop takes positions, at placed.
    static void showSecondary(QWidget& secondary, QPoint placed);
    void onTick();
    void refreshViews();
    void armTimer();
    /// Tells the probe which tick is about to run and how late it is.
    void reportTick(qint64 ns) const;

    Form1& form_;
    ModalTime& modal_;
    Probe& probe_;
    TimerSchedule schedule_;
    QElapsedTimer clock_;
    PreciseAlarm tick_;
    BoardView* view_ = nullptr;
    PlayerPresence* presence_ = nullptr;
    QPointer<HandTableWindow> handTable_;
    QPointer<RecordsWindow> records_;
    QRect handTableFrame_;  // where each was first placed
    QRect recordsFrame_;
    QAction* chusi_ = nullptr;
    bool busy_ = false;
    bool closing_ = false;
    bool fitted_ = false;
};

}  // namespace tumblehand::ui
