#include "ui/cue_voices.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>

#include <algorithm>
#include <vector>

namespace tumblehand::ui {

namespace {

// How far ahead of the speaker the stream is kept filled: enough to ride out a busy
// machine, short enough that a cut-off cue stops soon after the next one starts.
constexpr int queuedMs = 40;
// A cut-off cue fades out over this long instead of stopping dead, which would click.
constexpr int fadeMs = 5;
// After its sound a stream plays silence until the server has taken the sound and this
// much more, so that closing it cuts nothing off. It is closed while silence is still
// queued: a stream left to run dry makes Qt report the underrun from the server's thread,
// which races with deleting the sink.
constexpr int tailMs = 60;
// The feed tops the stream up this often while a cue sounds, and not at all otherwise.
constexpr int feedMs = 10;
// A stream that the server stops taking is given up this long after its sound should end.
constexpr qint64 giveUpMs = 2000;

std::size_t framesIn(std::uint32_t sampleRate, int ms) {
    return static_cast<std::size_t>(sampleRate) * static_cast<std::size_t>(ms) / 1000;
}

}  // namespace

struct CueVoices::Voice {
    std::shared_ptr<const PcmSound> sound;
    QAudioSink* sink = nullptr;
    QIODevice* out = nullptr;
    std::size_t frame = 0;         // the next frame of the sound to write
    std::size_t fadeLeft = 0;      // while cut off: frames of fade still to write
    std::size_t fadeLength = 0;
    std::size_t written = 0;       // frames written to the stream, sound and silence
    std::size_t soundEnd = 0;      // where the sound stops in the stream, once silence follows it
    QElapsedTimer age;

    ~Voice() {
        if (!sink) return;
        sink->stop();
        // Deleting a Qt sink runs the event loop, so it must not happen inside the feed.
        sink->deleteLater();
    }
    bool cutOff() const { return fadeLength != 0; }
};

CueVoices::CueVoices(QObject* parent) : QObject(parent), feedTimer_(this) {
    feedTimer_.setTimerType(Qt::PreciseTimer);
    feedTimer_.setInterval(feedMs);
    connect(&feedTimer_, &QTimer::timeout, this, &CueVoices::feed);
}

CueVoices::~CueVoices() = default;

void CueVoices::warmUp() {
    // Asking for the default output connects Qt to the sound server, on this thread.
    (void)QMediaDevices::defaultAudioOutput();
}

std::shared_ptr<const PcmSound> CueVoices::load(const QString& path) {
    // Decoded once and played from memory; a file the player replaces is read again.
    const QFileInfo info(path);
    if (!info.isFile()) return nullptr;
    CachedFile& cached = files_[path];
    if (cached.size == info.size() && cached.modified == info.lastModified()) return cached.sound;
    cached = {info.lastModified(), info.size(), nullptr};
    QFile file(path);
    // A cue is a few hundred kilobytes; anything far larger is not one of ours.
    if (info.size() > 64 * 1024 * 1024 || !file.open(QIODevice::ReadOnly)) return nullptr;
    const QByteArray bytes = file.readAll();
    auto sound = decodeWav({reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                            static_cast<std::size_t>(bytes.size())});
    if (sound) cached.sound = std::make_shared<const PcmSound>(std::move(*sound));
    return cached.sound;
}

void CueVoices::play(const QString& path) {
    // The cue before stops: what the server already holds of it plays, then it fades out.
    for (auto& voice : voices_) {
        if (!voice->cutOff() && voice->frame < voice->sound->frames()) {
            voice->fadeLength = voice->fadeLeft = std::max<std::size_t>(1, framesIn(voice->sound->sampleRate, fadeMs));
        }
    }

    std::shared_ptr<const PcmSound> sound = load(path);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!sound || device.isNull()) return;  // silent: no file, a broken one, or no server

    QAudioFormat format;
    format.setSampleRate(static_cast<int>(sound->sampleRate));
    format.setChannelCount(sound->channels);
    format.setSampleFormat(QAudioFormat::Int16);

    auto voice = std::make_unique<Voice>();
    voice->sound = sound;
    voice->sink = new QAudioSink(device, format, this);
    voice->sink->setBufferSize(static_cast<qsizetype>(framesIn(sound->sampleRate, queuedMs)) * format.bytesPerFrame());
    voice->out = voice->sink->start();
    if (!voice->out || voice->sink->state() == QAudio::StoppedState) return;
    voice->age.start();
    // The first write fills the stream, and the server starts playing at once.
    feedVoice(*voice);
    voices_.push_back(std::move(voice));
    if (!feedTimer_.isActive()) feedTimer_.start();
}

void CueVoices::feed() {
    voices_.remove_if([this](const std::unique_ptr<Voice>& voice) { return !feedVoice(*voice); });
    if (voices_.empty()) feedTimer_.stop();
}

bool CueVoices::feedVoice(Voice& voice) {
    QAudioSink& sink = *voice.sink;
    const PcmSound& sound = *voice.sound;
    const qint64 soundMs = static_cast<qint64>(sound.frames()) * 1000 / sound.sampleRate;
    if (sink.state() == QAudio::StoppedState || voice.age.elapsed() > soundMs + giveUpMs) return false;

    const std::size_t channels = sound.channels;
    const std::size_t frameBytes = channels * sizeof(std::int16_t);
    const auto free = static_cast<std::size_t>(std::clamp<qsizetype>(sink.bytesFree(), 0, sink.bufferSize()));
    const std::size_t queued = (static_cast<std::size_t>(sink.bufferSize()) - free) / frameBytes;
    const std::size_t played = voice.written - std::min(queued, voice.written);
    if (voice.soundEnd != 0 && played >= voice.soundEnd + framesIn(sound.sampleRate, tailMs))
        return false;  // the server has played the sound out

    std::size_t room = free / frameBytes;
    std::vector<std::int16_t> chunk;
    chunk.reserve(room * channels);
    while (room > 0) {
        if (!voice.cutOff() && voice.frame < sound.frames()) {
            const std::size_t n = std::min(room, sound.frames() - voice.frame);
            const auto first = sound.samples.begin() + static_cast<std::ptrdiff_t>(voice.frame * channels);
            chunk.insert(chunk.end(), first, first + static_cast<std::ptrdiff_t>(n * channels));
            voice.frame += n, room -= n, voice.written += n;
        } else if (voice.cutOff() && voice.fadeLeft > 0) {
            // The fade carries on from where the written sound stopped, down to silence.
            for (; room > 0 && voice.fadeLeft > 0; --room, --voice.fadeLeft, ++voice.frame, ++voice.written) {
                const double gain = static_cast<double>(voice.fadeLeft - 1) / static_cast<double>(voice.fadeLength);
                for (std::size_t c = 0; c < channels; ++c) {
                    const std::size_t at = voice.frame * channels + c;
                    const std::int16_t sample = at < sound.samples.size() ? sound.samples[at] : 0;
                    chunk.push_back(static_cast<std::int16_t>(sample * gain));
                }
            }
        } else {
            if (voice.soundEnd == 0) voice.soundEnd = voice.written;
            chunk.insert(chunk.end(), room * channels, 0);
            voice.written += room, room = 0;
        }
    }
    if (!chunk.empty()) voice.out->write(reinterpret_cast<const char*>(chunk.data()),
                                         static_cast<qint64>(chunk.size() * sizeof(std::int16_t)));
    return true;
}

}  // namespace tumblehand::ui
