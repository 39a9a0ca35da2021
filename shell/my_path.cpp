#include "board/form1.h"

namespace tumblehand {

std::string Form1::MyPath() {
    std::string folder = platform().programFolder();
    // An unknown folder means the working folder, never the root.
    if (folder.empty()) return "./";
    while (folder.size() > 1 && folder.ends_with('/') && folder[folder.size() - 2] == '/') {
        folder.pop_back();
    }
    if (!folder.ends_with('/')) folder += '/';
    return folder;
}

}  // namespace tumblehand
