#pragma once

#include "ui/sound/cue_file.h"

#include <cstddef>
#include <memory>

struct pa_context;
struct pa_stream;

namespace tumblehand::ui {

/// One sounding cue: a playback stream on the sound server, fed from memory as the server
/// asks for data, then drained and closed. Lives on the sound server's client thread; every
/// call is made with that thread's lock held.
class CueStream {
public:
    CueStream(pa_context* context, std::shared_ptr<const PcmSound> sound);
    ~CueStream();
    CueStream(const CueStream&) = delete;
    CueStream& operator=(const CueStream&) = delete;

    /// The next cue starts: what the server holds of this one plays, then it fades out.
    void cutOff();
    /// Played out, or lost with the server; the stream is closed and can be deleted.
    bool finished() const { return finished_; }

private:
    static void onWrite(pa_stream* stream, std::size_t bytes, void* self);
    static void onState(pa_stream* stream, void* self);
    static void onDrained(pa_stream* stream, int success, void* self);
    void write(std::size_t bytes);
    void finish();

    pa_stream* stream_ = nullptr;
    std::shared_ptr<const PcmSound> sound_;
    std::size_t frame_ = 0;     // the next frame of the sound to write
    std::size_t fadeLeft_ = 0;  // while cut off: frames of fade still to write
    std::size_t fadeLength_ = 0;
    std::size_t silenceLeft_;  // frames of silence still to write after the sound
    bool draining_ = false;
    bool finished_ = false;
};

}  // namespace tumblehand::ui
