#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <vector>

namespace tumblehand::cues {

/// A mono 16-bit PCM WAV file image of `samples` (each in -1..1; values outside are clipped).
inline std::vector<std::uint8_t> encodeWav(std::span<const double> samples, std::uint32_t sampleRate) {
    constexpr std::uint16_t channels = 1;
    constexpr std::uint16_t bitsPerSample = 16;
    constexpr std::uint16_t blockAlign = channels * bitsPerSample / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * blockAlign);

    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    auto text = [&out](const char* four) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(four[i]));
    };
    auto u16 = [&out](std::uint16_t v) {
        out.push_back(static_cast<std::uint8_t>(v & 0xFF));
        out.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    auto u32 = [&out](std::uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFF));
    };

    text("RIFF");
    u32(36 + dataBytes);
    text("WAVE");
    text("fmt ");
    u32(16);
    u16(1);  // PCM
    u16(channels);
    u32(sampleRate);
    u32(sampleRate * blockAlign);
    u16(blockAlign);
    u16(bitsPerSample);
    text("data");
    u32(dataBytes);
    for (double s : samples) {
        const double clipped = std::clamp(s, -1.0, 1.0);
        const auto value = static_cast<std::int16_t>(std::lround(clipped * 32767.0));
        u16(static_cast<std::uint16_t>(value));
    }
    return out;
}

/// Writes `samples` as a WAV file; false when the file cannot be written completely.
inline bool writeWav(const std::filesystem::path& path, std::span<const double> samples, std::uint32_t sampleRate) {
    const std::vector<std::uint8_t> bytes = encodeWav(samples, sampleRate);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}

}  // namespace tumblehand::cues
