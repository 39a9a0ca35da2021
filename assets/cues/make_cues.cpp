// Writes the game's sound cues as WAV files into the folder given on the command line.
#include "assets/cues/cue_synth.h"
#include "assets/cues/wav_writer.h"

#include <filesystem>
#include <iostream>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_cues <sound folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "make_cues: cannot create " << folder << ": " << error.message() << '\n';
        return 1;
    }
    for (const auto& cue : tumblehand::cues::makeCues()) {
        const auto path = folder / (cue.name + ".wav");
        if (!tumblehand::cues::writeWav(path, cue.samples, tumblehand::cues::cueSampleRate)) {
            std::cerr << "make_cues: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
