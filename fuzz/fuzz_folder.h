#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace tumblehand::fuzz {

/// One scratch folder per fuzzing process, on a memory file system when there is one:
/// the records writer syncs every file it writes, which costs nothing there.
inline const std::string& scratchFolder() {
    static const std::string folder = [] {
        namespace fs = std::filesystem;
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm")
                                                            : fs::temp_directory_path();
        std::string pattern = (base / "tumblehand-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        // Removed when the fuzzer exits normally; a crash leaves it for inspection.
        static const std::string removeAtExit = pattern;
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(removeAtExit, ignored);
        });
        return pattern;
    }();
    return folder;
}

inline void writeBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) std::abort();
}

/// Stops the run with a message libFuzzer keeps beside the crashing input.
[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

}  // namespace tumblehand::fuzz
