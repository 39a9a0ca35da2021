#include "ui/sound/cue_player.h"

#include <pulse/context.h>
#include <pulse/mainloop-api.h>
#include <pulse/proplist.h>
#include <pulse/thread-mainloop.h>

#include <fstream>
#include <iterator>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tumblehand::ui {

namespace {

// A cue that waits this long for the server to answer is dropped: it would come too late.
constexpr auto waitAtMost = std::chrono::milliseconds(500);
// A cue is a few hundred kilobytes; anything far larger is not one.
constexpr long long largestFile = 64LL * 1024 * 1024;
// The decoded cues kept for the next time: the game's own are a few hundred kilobytes in
// all; a player's huge ones would otherwise stay for good, each the size of its file or more.
constexpr std::size_t cacheBytes = 16 * 1024 * 1024;

std::size_t bytesOf(const std::shared_ptr<const PcmSound>& sound) {
    return sound ? sound->samples.size() * sizeof(std::int16_t) : 0;
}

}  // namespace

CuePlayer::CuePlayer() {
    if (pipe2(requestPipe_, O_NONBLOCK | O_CLOEXEC) != 0) return;
    pa_threaded_mainloop* loop = pa_threaded_mainloop_new();
    if (!loop) return;
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop);
    requestEvent_ = api->io_new(api, requestPipe_[0], PA_IO_EVENT_INPUT, &CuePlayer::onRequest, this);
    pa_threaded_mainloop_set_name(loop, "cues");
    loop_ = loop;
    // Connecting ahead of the first cue lets it start at once; the thread is not running yet.
    connect();
    if (pa_threaded_mainloop_start(loop) < 0) {
        if (context_) pa_context_unref(context_), context_ = nullptr;
        api->io_free(requestEvent_);
        pa_threaded_mainloop_free(loop);
        loop_ = nullptr;
    }
}

CuePlayer::~CuePlayer() {
    if (loop_) {
        pa_threaded_mainloop_stop(loop_);
        streams_.clear();
        if (context_) pa_context_disconnect(context_), pa_context_unref(context_);
        pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop_);
        api->io_free(requestEvent_);
        pa_threaded_mainloop_free(loop_);
    }
    for (int fd : requestPipe_)
        if (fd >= 0) close(fd);
}

void CuePlayer::play(const std::string& path) {
    if (!loop_) return;
    {
        std::lock_guard<std::mutex> lock(requestLock_);
        request_ = path;
        requested_ = true;
    }
    // One byte wakes the client thread; a full pipe already holds a wake-up.
    const char wake = 1;
    [[maybe_unused]] const auto written = write(requestPipe_[1], &wake, 1);
}

void CuePlayer::onRequest(pa_mainloop_api*, pa_io_event*, int fd, pa_io_event_flags_t, void* self) {
    char bytes[64];
    while (read(fd, bytes, sizeof bytes) > 0) {
    }
    auto& player = *static_cast<CuePlayer*>(self);
    std::string path;
    {
        std::lock_guard<std::mutex> lock(player.requestLock_);
        if (!player.requested_) return;
        path.swap(player.request_);
        player.requested_ = false;
    }
    player.start(path);
}

void CuePlayer::start(const std::string& path) {
    streams_.remove_if([](const std::unique_ptr<CueStream>& stream) { return stream->finished(); });
    if (context_ && !PA_CONTEXT_IS_GOOD(pa_context_get_state(context_))) {
        pa_context_unref(context_);  // the server went away; this cue connects again
        context_ = nullptr;
    }
    for (auto& stream : streams_) stream->cutOff();
    waiting_ = load(path);
    if (!waiting_) return;
    if (context_ && pa_context_get_state(context_) == PA_CONTEXT_READY) {
        streams_.push_back(std::make_unique<CueStream>(context_, std::move(waiting_)));
        waiting_.reset();
        return;
    }
    waitingSince_ = std::chrono::steady_clock::now();
    if (!context_) connect();
}

void CuePlayer::connect() {
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop_);
    // The desktop's mixer lists the game by these, with its icon, and the server remembers a
    // volume or mute set there by the application id, for later cues and later runs. No media
    // role: "event" would fold the cues into the desktop's own system sounds.
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Tumblehand");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, TUMBLEHAND_APP_ID);
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, TUMBLEHAND_APP_ID);
    context_ = pa_context_new_with_proplist(api, "Tumblehand", properties);
    pa_proplist_free(properties);
    if (!context_) return;
    pa_context_set_state_callback(context_, &CuePlayer::onContextState, this);
    // A game does not start a sound server of its own; without one it is silent.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_unref(context_);
        context_ = nullptr;
    }
}

void CuePlayer::onContextState(pa_context* context, void* self) {
    auto& player = *static_cast<CuePlayer*>(self);
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_READY && player.waiting_) {
        if (std::chrono::steady_clock::now() - player.waitingSince_ <= waitAtMost)
            player.streams_.push_back(std::make_unique<CueStream>(context, std::move(player.waiting_)));
        player.waiting_.reset();
    } else if (!PA_CONTEXT_IS_GOOD(state)) {
        player.waiting_.reset();
    }
}

std::shared_ptr<const PcmSound> CuePlayer::load(const std::string& path) {
    // Decoded once and played from memory; a file the player replaces is read again.
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return nullptr;
    const long long modified = info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec;
    CachedFile& cached = files_[path];
    cached.lastUsed = ++uses_;
    if (cached.size == info.st_size && cached.modified == modified) return cached.sound;
    cached = {modified, info.st_size, nullptr, uses_};
    if (info.st_size > largestFile) return nullptr;
    {
        std::ifstream file(path, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        if (auto sound = decodeWav(bytes)) cached.sound = std::make_shared<const PcmSound>(std::move(*sound));
    }
    trimCache(cached);
    return cached.sound;
}

void CuePlayer::trimCache(const CachedFile& keep) {
    while (true) {
        std::size_t held = 0;
        CachedFile* oldest = nullptr;
        for (auto& [path, file] : files_) {
            held += bytesOf(file.sound);
            if (&file != &keep && file.sound && (!oldest || file.lastUsed < oldest->lastUsed)) oldest = &file;
        }
        if (held <= cacheBytes || !oldest) return;
        // Forgetting the size and time reads the file again next time; a stream still playing it keeps its copy.
        *oldest = {};
    }
}

}  // namespace tumblehand::ui
