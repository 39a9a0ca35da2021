#pragma once

#include "board/platform.h"
#include "ui/app/main_window.h"
#include "ui/sound/cue_player.h"
#include "ui/system/modal_time.h"
#include "ui/system/probe.h"

#include <QPointer>
#include <QString>

#include <cstdint>
#include <random>

class QWidget;

namespace tumblehand::ui {

/// The platform of the real game: Qt dialogs, our cue player for the sound, the
/// executable's folder, and a clock-seeded generator.
class QtPlatform : public Platform {
public:
    /// probe hears of every cue the game asks for.
    explicit QtPlatform(Probe& probe = silentProbe());
    ~QtPlatform() override;

    /// The window that dialogs belong to and that the close and show requests reach.
    void attach(MainWindow& window) { window_ = &window; }
    /// Time spent in this platform's dialogs.
    ModalTime& modalTime() { return modal_; }

    void seedFromClock() override;
    float random() override;
    void messageBox(std::string_view text, std::string_view title) override;
    bool askYesNo(std::string_view text, std::string_view title) override;
    std::string inputBox(std::string_view prompt, std::string_view title, std::string_view defaultText) override;
    bool waitUntil(std::string_view text, std::string_view title, const std::function<bool()>& ready) override;
    std::string programFolder() override;
    std::string userDataFolder() override;
    void playWav(const std::string& path) override;
    void closeMainWindow() override;
    void showHandTable() override;
    void showRecords() override;

private:
    QWidget* dialogParent() const;
    /// What the game changed so far is painted before a dialog holds it still.
    void beforeDialog();

    std::mt19937 generator_;
    ModalTime modal_;
    QPointer<MainWindow> window_;
    Probe& probe_;
    CuePlayer cues_;
};

/// A dialog title: the one given, or the application's title when none is given.
QString dialogTitle(std::string_view title);
/// A prompt's lines, with the CR LF line breaks the game writes made plain.
QString promptText(std::string_view prompt);

}  // namespace tumblehand::ui
