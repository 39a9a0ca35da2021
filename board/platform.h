#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tumblehand {

/// A uniform float in [0, 1) from 32 raw generator bits, for Platform::random(): the top
/// 24 give every k / 2^24, always below 1, the same with every standard library.
constexpr float unitFloat(std::uint32_t bits) { return static_cast<float>(bits >> 8) * (1.0f / 16777216.0f); }

/// Everything the game asks of the world outside the core: randomness, dialogs, the
/// program's folder, audio and the main window. The window implements it with Qt;
/// tests and the simulator with a scripted fake.
class Platform {
public:
    virtual ~Platform() = default;

    /// Seeds the random generator from the clock (once, at Form_Load).
    virtual void seedFromClock() = 0;
    /// The next uniform random number in [0, 1), single precision.
    virtual float random() = 0;

    /// A message box with an OK button, no icon; waits for OK.
    virtual void messageBox(std::string_view text, std::string_view title) = 0;
    /// A Yes/No question with the question icon; true for Yes.
    virtual bool askYesNo(std::string_view text, std::string_view title) = 0;
    /// A text-input box; the default text is preselected. Cancel answers empty.
    virtual std::string inputBox(std::string_view prompt, std::string_view title, std::string_view defaultText) = 0;
    /// Waits until ready() answers true, asking it again every little while, with the
    /// window painting and answering as it does under a dialog. A wait that lasts a few
    /// seconds tells the player text, under title, and lets them give up. True once ready,
    /// false when the player gave up waiting. The core has no clock: the platform times it.
    virtual bool waitUntil(std::string_view text, std::string_view title, const std::function<bool()>& ready) = 0;

    /// The folder of the program's executable, as the platform reports it.
    virtual std::string programFolder() = 0;
    /// The player's own data folder (on Linux $XDG_DATA_HOME, else ~/.local/share),
    /// where the records go when the program's folder cannot be written; empty when
    /// unknown. The core reads no environment: it asks here.
    virtual std::string userDataFolder() = 0;

    /// Stops the cue that is playing, if any, and plays the WAV file from its start
    /// without waiting. A missing or broken file plays nothing.
    virtual void playWav(const std::string& path) = 0;

    /// Closes the main window, which closes the secondary windows and ends the program.
    virtual void closeMainWindow() = 0;
    /// Shows the hand-table window (modeless), creating it the first time.
    virtual void showHandTable() = 0;
    /// Shows the records window (modeless). The model (Form3) exists already.
    virtual void showRecords() = 0;
};

}  // namespace tumblehand
