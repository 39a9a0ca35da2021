#pragma once

#include "ui/system/file_descriptor.h"

#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

namespace tumblehand::ui {

/// Tells when an input device node appears or changes its permissions, without polling:
/// inotify on the device folder (and on its parent, for the folder itself appearing, as
/// it does when the first input device arrives). Without inotify it stays silent.
class DeviceWatch : public QObject {
    Q_OBJECT
public:
    explicit DeviceWatch(QString folder, QObject* parent = nullptr);
    ~DeviceWatch() override;

    /// True when the folder (or its parent, until the folder exists) is being watched.
    bool watching() const { return notifier_ != nullptr; }

signals:
    /// Something was created in the folder, or changed its permissions.
    void changed();

private:
    void readEvents();
    void watchFolder();

    QString folder_;
    FileDescriptor fd_;
    int folderWatch_ = -1;
    int parentWatch_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace tumblehand::ui
