#include "ui/sound/cue_file.h"

#include <SDL.h>

#include <climits>
#include <cstring>
#include <memory>

namespace tumblehand::ui {

namespace {

std::uint32_t u32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16) |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// SDL plays whatever it finds of a file whose sound is cut short; such a file is broken, and a
// broken cue stays silent. Chunks follow one another, each padded to an even length.
bool soundCutShort(std::span<const std::uint8_t> file) {
    for (std::size_t at = 12; at + 8 <= file.size();) {
        const std::uint32_t size = u32(file, at + 4);
        const std::size_t body = at + 8;
        if (size > file.size() - body) return true;  // the header promises more than there is
        if (std::memcmp(file.data() + at, "data", 4) == 0) return false;
        at = body + size + (size & 1u);
    }
    return true;
}

struct FreeWav {
    void operator()(Uint8* audio) const { SDL_FreeWAV(audio); }
};

}  // namespace

std::optional<PcmSound> decodeWav(std::span<const std::uint8_t> file) {
    if (file.size() < 12 || file.size() > INT_MAX || soundCutShort(file)) return std::nullopt;
    SDL_AudioSpec wav{};
    Uint8* loaded = nullptr;
    Uint32 length = 0;
    // SDL_LoadWAV_RW closes the memory source whatever happens (freesrc 1).
    if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(file.data(), static_cast<int>(file.size())), 1, &wav, &loaded, &length))
        return std::nullopt;
    const std::unique_ptr<Uint8, FreeWav> audio(loaded);
    const std::size_t channels = wav.channels, sampleBytes = SDL_AUDIO_BITSIZE(wav.format) / 8u;
    if (wav.freq < static_cast<int>(lowestCueRate) || wav.freq > static_cast<int>(highestCueRate) || channels == 0 ||
        sampleBytes == 0)
        return std::nullopt;
    const std::size_t frames = length / (channels * sampleBytes);
    if (frames == 0) return std::nullopt;

    // Every sample to 16 bits. SDL converts the encoding sample by sample, so all channels go
    // through as one, whatever their number (its channel mixing knows eight at most).
    SDL_AudioCVT convert;
    if (SDL_BuildAudioCVT(&convert, wav.format, 1, wav.freq, AUDIO_S16SYS, 1, wav.freq) < 0) return std::nullopt;
    const std::size_t bytes = frames * channels * sampleBytes;
    if (bytes > static_cast<std::size_t>(INT_MAX / convert.len_mult)) return std::nullopt;
    std::vector<std::int16_t> all((bytes * static_cast<std::size_t>(convert.len_mult) + 1) / 2);
    std::memcpy(all.data(), audio.get(), bytes);
    if (convert.needed) {
        convert.buf = reinterpret_cast<Uint8*>(all.data());
        convert.len = static_cast<int>(bytes);
        if (SDL_ConvertAudio(&convert) < 0) return std::nullopt;
    }
    all.resize(frames * channels);

    PcmSound sound{static_cast<std::uint32_t>(wav.freq), static_cast<std::uint16_t>(channels <= 2 ? channels : 1), {}};
    if (channels <= 2) {
        sound.samples = std::move(all);
        return sound;
    }
    // Surround and other many-channel files: the mean of the channels, which cannot clip.
    sound.samples.resize(frames);
    for (std::size_t f = 0; f < frames; ++f) {
        long sum = 0;
        for (std::size_t c = 0; c < channels; ++c) sum += all[f * channels + c];
        sound.samples[f] = static_cast<std::int16_t>(sum / static_cast<long>(channels));
    }
    return sound;
}

}  // namespace tumblehand::ui
