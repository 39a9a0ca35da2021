#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tumblehand::ui {

/// A cue ready to play: 16-bit samples, one or two channels interleaved.
struct PcmSound {
    std::uint32_t sampleRate = 0;
    std::uint16_t channels = 0;
    std::vector<std::int16_t> samples;

    std::size_t frames() const { return channels ? samples.size() / channels : 0; }
};

/// The sample rates a cue may have; a file at another rate is silent.
inline constexpr std::uint32_t lowestCueRate = 4000, highestCueRate = 192000;

/// Decodes a cue file image: any WAV file that SDL reads (PCM of 8 to 32 bits, float, ADPCM,
/// A-law, µ-law, ...) becomes 16-bit samples at the file's own rate, mono or stereo as the file
/// is, and more channels than two are mixed down to one. Anything else (empty, cut short, not a
/// WAV, an encoding SDL does not read, no sound at all) gives nothing, so that a broken cue stays
/// silent instead of playing noise. Needs no SDL_Init and touches no SDL setting.
std::optional<PcmSound> decodeWav(std::span<const std::uint8_t> file);

}  // namespace tumblehand::ui
