#pragma once

#include "ui/wav_pcm.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstddef>
#include <list>
#include <memory>

class QAudioSink;
class QIODevice;

namespace tumblehand::ui {

/// The audio thread's side of the cue player. Each sounding cue is one short-lived
/// QAudioSink stream fed from memory; a stream is opened when its cue starts and closed
/// once the server has played it out, so nothing is open or polled between cues.
class CueVoices : public QObject {
    Q_OBJECT

public:
    explicit CueVoices(QObject* parent = nullptr);
    ~CueVoices() override;

public slots:
    /// Fades out whatever is sounding and starts the cue in `path` from its beginning.
    void play(const QString& path);
    /// Connects to the sound server ahead of the first cue, so that it starts at once.
    void warmUp();

private:
    struct Voice;

    std::shared_ptr<const PcmSound> load(const QString& path);
    void feed();
    bool feedVoice(Voice& voice);

    struct CachedFile {
        QDateTime modified;
        qint64 size = -1;
        std::shared_ptr<const PcmSound> sound;  // null for a file that cannot play
    };
    QHash<QString, CachedFile> files_;
    std::list<std::unique_ptr<Voice>> voices_;
    QTimer feedTimer_;  // a child, so that it moves to the audio thread with us
};

}  // namespace tumblehand::ui
