#pragma once

#include <QString>
#include <QThread>

namespace tumblehand::ui {

class CueVoices;

/// Plays the game's sound cues on an audio thread of its own, so that the window never
/// waits for the sound server: not to connect, not to open a stream, not when it is gone.
class CuePlayer {
public:
    CuePlayer();
    ~CuePlayer();
    CuePlayer(const CuePlayer&) = delete;
    CuePlayer& operator=(const CuePlayer&) = delete;

    /// Stops the cue that is sounding (with a short fade) and plays the WAV file at `path`
    /// whole; a file that cannot be played is silent. Returns at once.
    void play(const QString& path);

private:
    QThread thread_;
    CueVoices* voices_;  // lives on thread_, deleted there when it ends
};

}  // namespace tumblehand::ui
