#include "ui/cue_player.h"
#include "ui/cue_voices.h"

#include <QMetaObject>

namespace tumblehand::ui {

CuePlayer::CuePlayer() : voices_(new CueVoices) {
    thread_.setObjectName(QStringLiteral("cues"));
    voices_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, voices_, &QObject::deleteLater);
    thread_.start();
    QMetaObject::invokeMethod(voices_, &CueVoices::warmUp, Qt::QueuedConnection);
}

CuePlayer::~CuePlayer() {
    thread_.quit();
    // A sound server that hangs mid-call could hold the thread; the game still ends.
    if (!thread_.wait(2000)) thread_.terminate(), thread_.wait();
}

void CuePlayer::play(const QString& path) {
    QMetaObject::invokeMethod(voices_, [voices = voices_, path] { voices->play(path); }, Qt::QueuedConnection);
}

}  // namespace tumblehand::ui
