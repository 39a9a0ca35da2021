#pragma once

#include "ui/sound/cue_file.h"
#include "ui/sound/cue_stream.h"

#include <pulse/mainloop-api.h>

#include <chrono>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <string>

struct pa_context;
struct pa_io_event;
struct pa_threaded_mainloop;

namespace tumblehand::ui {

/// Plays the game's sound cues through the sound server (PulseAudio, or PipeWire's
/// PulseAudio service) from a client thread of its own, so that the window never waits for
/// the server: not to connect, not to open a stream, not when it is gone. Between cues
/// nothing is open but the connection, and nothing polls. A server that goes away is
/// connected to again by the next cue.
class CuePlayer {
public:
    CuePlayer();
    ~CuePlayer();
    CuePlayer(const CuePlayer&) = delete;
    CuePlayer& operator=(const CuePlayer&) = delete;

    /// Fades out the cue that is sounding and plays the WAV file at `path` whole; a file that
    /// cannot be played is silent. Returns at once.
    void play(const std::string& path);

private:
    static void onRequest(pa_mainloop_api*, pa_io_event*, int fd, pa_io_event_flags_t, void* self);
    static void onContextState(pa_context* context, void* self);
    void start(const std::string& path);
    void connect();
    std::shared_ptr<const PcmSound> load(const std::string& path);

    struct CachedFile {
        long long modified = 0;
        long long size = -1;
        std::shared_ptr<const PcmSound> sound;  // null for a file that cannot play
        unsigned long long lastUsed = 0;
    };
    /// Drops the decoded sounds used longest ago, but keep, while they hold more than
    /// the cap; a dropped cue is decoded again when it next plays.
    void trimCache(const CachedFile& keep);

    pa_threaded_mainloop* loop_ = nullptr;
    pa_io_event* requestEvent_ = nullptr;
    int requestPipe_[2] = {-1, -1};
    std::mutex requestLock_;
    std::string request_;  // the latest cue asked for; an earlier one would be cut off at once
    bool requested_ = false;

    // Owned by the client thread.
    pa_context* context_ = nullptr;
    std::list<std::unique_ptr<CueStream>> streams_;
    std::map<std::string, CachedFile> files_;
    unsigned long long uses_ = 0;
    std::shared_ptr<const PcmSound> waiting_;  // the cue that waits for the connection
    std::chrono::steady_clock::time_point waitingSince_;
};

}  // namespace tumblehand::ui
