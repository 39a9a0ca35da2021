#include "ui/system/device_watch.h"

#include <QFileInfo>
#include <QSocketNotifier>

#include <array>
#include <cstring>

#include <sys/inotify.h>
#include <unistd.h>

namespace tumblehand::ui {

DeviceWatch::DeviceWatch(QString folder, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (!fd_.valid()) return;
    const QByteArray parentPath = QFileInfo(folder_).absolutePath().toLocal8Bit();
    parentWatch_ = inotify_add_watch(fd_.get(), parentPath.constData(), IN_CREATE | IN_MOVED_TO);
    watchFolder();
    if (parentWatch_ < 0 && folderWatch_ < 0) {
        fd_.close();
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd_.get(), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &DeviceWatch::readEvents);
}

DeviceWatch::~DeviceWatch() = default;

void DeviceWatch::watchFolder() {
    // A node appears (IN_CREATE), then the device manager gives it its owner and
    // permissions (IN_ATTRIB): only after that can it be opened.
    const QByteArray path = folder_.toLocal8Bit();
    folderWatch_ = inotify_add_watch(fd_.get(), path.constData(), IN_CREATE | IN_ATTRIB | IN_MOVED_TO);
}

void DeviceWatch::readEvents() {
    const QByteArray folderName = QFileInfo(folder_).fileName().toLocal8Bit();
    bool relevant = false;
    alignas(inotify_event) std::array<char, 4096> buffer;
    for (;;) {
        const ssize_t length = ::read(fd_.get(), buffer.data(), buffer.size());
        if (length <= 0) break;
        for (ssize_t at = 0; at < length;) {
            inotify_event event;
            std::memcpy(&event, buffer.data() + at, sizeof event);
            const char* name = buffer.data() + at + sizeof event;
            if (event.wd == folderWatch_ || (event.mask & IN_Q_OVERFLOW)) {
                relevant = true;
            } else if (event.wd == parentWatch_ && event.len > 0 && folderName == name) {
                watchFolder();
                relevant = true;
            }
            at += static_cast<ssize_t>(sizeof event + event.len);
        }
    }
    if (relevant) emit changed();
}

}  // namespace tumblehand::ui
