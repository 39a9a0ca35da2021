#pragma once

#include <filesystem>
#include <string>

namespace tumblehand {

/// A fresh, empty folder, removed with everything in it when this object goes: where the
/// runner, a benchmark, a fuzzer or a test keeps the records file of its games.
class TempFolder {
public:
    /// Creates the folder in parent, by default the system's temporary folder; path() is
    /// empty if that failed.
    explicit TempFolder(const std::filesystem::path& parent = {});
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    /// The path of name inside the folder.
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    /// Writes bytes to name inside the folder, replacing what was there.
    void write(const std::string& name, const std::string& bytes) const;
    /// The bytes of name inside the folder; empty if it cannot be read.
    std::string read(const std::string& name) const;
    /// The names of everything in the folder (or in a folder inside it), sorted, each
    /// followed by a space.
    std::string listing(const std::string& inside = "") const;

private:
    std::string path_;
};

}  // namespace tumblehand
