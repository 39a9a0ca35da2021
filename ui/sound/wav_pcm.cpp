#include "ui/sound/wav_pcm.h"

#include <cstring>

namespace tumblehand::ui {

namespace {

std::uint16_t u16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t u32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(u16(bytes, at)) | static_cast<std::uint32_t>(u16(bytes, at + 2)) << 16;
}

bool tagIs(std::span<const std::uint8_t> bytes, std::size_t at, const char* tag) {
    return std::memcmp(bytes.data() + at, tag, 4) == 0;
}

constexpr std::uint16_t formatPcm = 1;
constexpr std::uint16_t formatExtensible = 0xFFFE;

}  // namespace

std::optional<PcmSound> decodeWav(std::span<const std::uint8_t> file) {
    if (file.size() < 12 || !tagIs(file, 0, "RIFF") || !tagIs(file, 8, "WAVE")) return std::nullopt;

    PcmSound sound;
    std::uint16_t bits = 0;
    bool haveFormat = false;
    // Chunks follow one another, each padded to an even length; the format comes before the data.
    for (std::size_t at = 12; at + 8 <= file.size();) {
        const std::uint32_t size = u32(file, at + 4);
        const std::size_t body = at + 8;
        if (size > file.size() - body) return std::nullopt;  // truncated: the header promises more
        if (tagIs(file, at, "fmt ")) {
            if (size < 16) return std::nullopt;
            std::uint16_t encoding = u16(file, body);
            // The extensible header names its real encoding in the first two bytes of its GUID.
            if (encoding == formatExtensible && size >= 26) encoding = u16(file, body + 24);
            sound.channels = u16(file, body + 2);
            sound.sampleRate = u32(file, body + 4);
            const std::uint16_t blockAlign = u16(file, body + 12);
            bits = u16(file, body + 14);
            if (encoding != formatPcm || (bits != 8 && bits != 16) || sound.channels < 1 || sound.channels > 2 ||
                sound.sampleRate < 4000 || sound.sampleRate > 192000 || blockAlign != sound.channels * bits / 8)
                return std::nullopt;
            haveFormat = true;
        } else if (tagIs(file, at, "data")) {
            if (!haveFormat) return std::nullopt;
            const std::size_t bytesPerFrame = sound.channels * bits / 8u;
            const std::size_t frames = size / bytesPerFrame;  // a partial last frame is dropped
            if (frames == 0) return std::nullopt;
            sound.samples.resize(frames * sound.channels);
            const std::uint8_t* data = file.data() + body;
            for (std::size_t i = 0; i < sound.samples.size(); ++i) {
                // 8-bit samples are unsigned around 128; 16-bit ones signed little-endian.
                sound.samples[i] = bits == 8 ? static_cast<std::int16_t>((data[i] - 128) * 256)
                                             : static_cast<std::int16_t>(data[2 * i] | data[2 * i + 1] << 8);
            }
            return sound;
        }
        at = body + size + (size & 1u);
    }
    return std::nullopt;
}

}  // namespace tumblehand::ui
