// Feeds arbitrary bytes to the cue-file reader as a player's own WAV file. Whatever it makes of
// them must be a sound the cue stream can play: one or two channels, a rate a cue may have,
// whole frames, at least one of them. Anything else must give nothing, without a crash or a hang.
#include "ui/sound/cue_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace tumblehand;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto sound = ui::decodeWav({data, size});
    if (sound && (sound->channels < 1 || sound->channels > 2 || sound->sampleRate < ui::lowestCueRate ||
                  sound->sampleRate > ui::highestCueRate || sound->frames() == 0 ||
                  sound->samples.size() != sound->frames() * sound->channels)) {
        std::fputs("fuzz check failed: the cue file gave a sound no stream can play\n", stderr);
        std::abort();
    }
    return 0;
}
