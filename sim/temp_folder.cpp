#include "sim/temp_folder.h"

#include <filesystem>
#include <system_error>

#include <stdlib.h>

namespace tumblehand::sim {

TempFolder::TempFolder() {
    std::error_code error;
    std::string pattern = (std::filesystem::temp_directory_path(error) / "tumblehand-sim-XXXXXX").string();
    if (error) pattern = "/tmp/tumblehand-sim-XXXXXX";
    if (mkdtemp(pattern.data())) path_ = pattern;
}

TempFolder::~TempFolder() {
    if (path_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace tumblehand::sim
