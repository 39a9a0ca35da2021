#include "shell/platform.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace tumblehand {

std::string Platform::userDataFolder() {
    // A relative XDG_DATA_HOME is invalid and ignored, as the XDG rules say.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/') return dataHome;
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd* entry = ::getpwuid(::getuid());
        home = entry ? entry->pw_dir : nullptr;
    }
    if (!home || home[0] != '/') return {};
    std::string folder = home;
    if (!folder.ends_with('/')) folder += '/';
    return folder + ".local/share";
}

}  // namespace tumblehand
