#include "ui/app/qt_platform.h"

#include <QDir>

#include <cstdlib>

#include <pwd.h>
#include <unistd.h>

namespace tumblehand::ui {

namespace {

bool absolute(const char* path) { return path && path[0] == '/'; }

// HOME, or without it (a cleared environment, a service) the account's home directory:
// the records are then where they are with HOME set. Qt would take the root folder.
QString homeFolder() {
    if (const char* home = std::getenv("HOME"); absolute(home)) return QString::fromLocal8Bit(home);
    if (const passwd* account = ::getpwuid(::getuid()); account && absolute(account->pw_dir)) {
        return QString::fromLocal8Bit(account->pw_dir);
    }
    return {};
}

}  // namespace

std::string QtPlatform::userDataFolder() {
    // $XDG_DATA_HOME, else ~/.local/share. A relative XDG_DATA_HOME is invalid and
    // ignored, as the XDG rules say; Qt would take it as it is.
    if (const char* dataHome = std::getenv("XDG_DATA_HOME"); absolute(dataHome)) {
        return QDir::cleanPath(QString::fromLocal8Bit(dataHome)).toStdString();
    }
    const QString home = homeFolder();
    if (home.isEmpty()) return {};
    return QDir::cleanPath(home + QStringLiteral("/.local/share")).toStdString();
}

}  // namespace tumblehand::ui
