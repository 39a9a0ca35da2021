#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tumblehand::ui {

/// A cue ready to play: 16-bit samples, channels interleaved.
struct PcmSound {
    std::uint32_t sampleRate = 0;
    std::uint16_t channels = 0;
    std::vector<std::int16_t> samples;

    std::size_t frames() const { return channels ? samples.size() / channels : 0; }
};

/// Decodes a PCM WAV file image: 8- or 16-bit, mono or stereo, 4000..192000 samples a second.
/// Anything else (empty, truncated, not a WAV, another encoding, no sound at all) gives nothing,
/// so that a broken cue stays silent instead of playing noise.
std::optional<PcmSound> decodeWav(std::span<const std::uint8_t> file);

}  // namespace tumblehand::ui
