#include "ui/sound/cue_stream.h"

#include <pulse/context.h>
#include <pulse/stream.h>
#include <pulse/timeval.h>

#include <algorithm>
#include <vector>

namespace tumblehand::ui {

namespace {

// How far ahead of the speaker the server holds the stream: enough to ride out a busy
// machine, short enough that a cut-off cue stops soon after the next one starts.
constexpr std::size_t queuedMs = 40;
// A cut-off cue fades out over this long instead of stopping dead, which would click.
constexpr std::size_t fadeMs = 8;
// Silence after the sound, drained with it: closing a stream drops what the sound card has
// not played yet, and this is all it can drop.
constexpr std::size_t tailMs = 100;

std::size_t framesIn(std::uint32_t sampleRate, std::size_t ms) {
    return static_cast<std::size_t>(sampleRate) * ms / 1000;
}

}  // namespace

CueStream::CueStream(pa_context* context, std::shared_ptr<const PcmSound> sound)
    : sound_(std::move(sound)), silenceLeft_(framesIn(sound_->sampleRate, tailMs)) {
    const pa_sample_spec format{PA_SAMPLE_S16LE, sound_->sampleRate, static_cast<std::uint8_t>(sound_->channels)};
    stream_ = pa_stream_new(context, "cue", &format, nullptr);
    if (!stream_) {
        finished_ = true;
        return;
    }
    pa_stream_set_state_callback(stream_, &CueStream::onState, this);
    pa_stream_set_write_callback(stream_, &CueStream::onWrite, this);
    pa_buffer_attr buffer;
    buffer.maxlength = buffer.prebuf = buffer.minreq = buffer.fragsize = static_cast<std::uint32_t>(-1);
    buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(queuedMs * PA_USEC_PER_MSEC, &format));
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_NOFLAGS, nullptr, nullptr) < 0) finish();
}

CueStream::~CueStream() {
    if (!stream_) return;
    finish();
    pa_stream_unref(stream_);
}

void CueStream::cutOff() {
    if (finished_ || fadeLength_ != 0 || frame_ >= sound_->frames()) return;
    fadeLength_ = fadeLeft_ = std::max<std::size_t>(1, framesIn(sound_->sampleRate, fadeMs));
}

void CueStream::onWrite(pa_stream*, std::size_t bytes, void* self) { static_cast<CueStream*>(self)->write(bytes); }

void CueStream::onState(pa_stream* stream, void* self) {
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED) static_cast<CueStream*>(self)->finish();
}

void CueStream::onDrained(pa_stream*, int, void* self) { static_cast<CueStream*>(self)->finish(); }

void CueStream::write(std::size_t bytes) {
    if (finished_ || draining_) return;
    const PcmSound& sound = *sound_;
    const std::size_t channels = sound.channels;
    std::size_t room = bytes / (channels * sizeof(std::int16_t));
    std::vector<std::int16_t> chunk;
    chunk.reserve(room * channels);
    while (room > 0 && silenceLeft_ > 0) {
        if (fadeLength_ == 0 && frame_ < sound.frames()) {
            const std::size_t n = std::min(room, sound.frames() - frame_);
            const auto first = sound.samples.begin() + static_cast<std::ptrdiff_t>(frame_ * channels);
            chunk.insert(chunk.end(), first, first + static_cast<std::ptrdiff_t>(n * channels));
            frame_ += n, room -= n;
        } else if (fadeLeft_ > 0) {
            // The fade carries on from where the written sound stopped, down to silence.
            for (; room > 0 && fadeLeft_ > 0; --room, --fadeLeft_, ++frame_) {
                const double gain = static_cast<double>(fadeLeft_ - 1) / static_cast<double>(fadeLength_);
                for (std::size_t c = 0; c < channels; ++c) {
                    const std::size_t at = frame_ * channels + c;
                    chunk.push_back(
                        static_cast<std::int16_t>((at < sound.samples.size() ? sound.samples[at] : 0) * gain));
                }
            }
        } else {
            const std::size_t n = std::min(room, silenceLeft_);
            chunk.insert(chunk.end(), n * channels, 0);
            silenceLeft_ -= n, room -= n;
        }
    }
    if (!chunk.empty() &&
        pa_stream_write(stream_, chunk.data(), chunk.size() * sizeof(std::int16_t), nullptr, 0, PA_SEEK_RELATIVE) < 0)
        return finish();
    if (silenceLeft_ == 0) {
        // All written: the server plays what it holds (even a cue shorter than its buffer), then says so.
        draining_ = true;
        if (pa_operation* drain = pa_stream_drain(stream_, &CueStream::onDrained, this))
            pa_operation_unref(drain);
        else
            finish();
    }
}

void CueStream::finish() {
    if (finished_ && !stream_) return;
    finished_ = true;
    if (!stream_) return;
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    const pa_stream_state_t state = pa_stream_get_state(stream_);
    if (state == PA_STREAM_READY || state == PA_STREAM_CREATING) pa_stream_disconnect(stream_);
}

}  // namespace tumblehand::ui
