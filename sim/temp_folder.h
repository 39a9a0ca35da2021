#pragma once

#include <string>

namespace tumblehand::sim {

/// A fresh, empty folder under the system's temporary folder, removed with all its
/// contents when this object goes.
class TempFolder {
public:
    /// Creates the folder; path() is empty if that failed.
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace tumblehand::sim
