#include "harness/temp_folder.h"

#include <fstream>
#include <iterator>
#include <set>
#include <system_error>

#include <stdlib.h>

namespace tumblehand {

TempFolder::TempFolder(const std::filesystem::path& parent) {
    std::error_code error;
    std::filesystem::path where = parent.empty() ? std::filesystem::temp_directory_path(error) : parent;
    if (error) where = "/tmp";
    std::string pattern = (where / "tumblehand-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
}

TempFolder::~TempFolder() {
    if (path_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TempFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream(file(name), std::ios::binary | std::ios::trunc) << bytes;
}

std::string TempFolder::read(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string TempFolder::listing(const std::string& inside) const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(inside.empty() ? path_ : file(inside)))
        names.insert(entry.path().filename().string());
    std::string result;
    for (const std::string& name : names) result += name + " ";
    return result;
}

}  // namespace tumblehand
