#include "ui/app/qt_platform.h"

#include <QDir>
#include <QStandardPaths>

namespace tumblehand::ui {

std::string QtPlatform::userDataFolder() {
    // $XDG_DATA_HOME, else ~/.local/share. A relative XDG_DATA_HOME is invalid and
    // ignored, as the XDG rules say; Qt would take it as it is.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (QDir::isRelativePath(folder)) folder = QDir::homePath() + QStringLiteral("/.local/share");
    if (folder.isEmpty() || QDir::isRelativePath(folder)) return {};
    return QDir::cleanPath(folder).toStdString();
}

}  // namespace tumblehand::ui
