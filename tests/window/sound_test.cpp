// The cues as a player hears them, through a private PulseAudio whose null sink is recorded:
// each cue, the game's and a player's own (8-bit stereo, 24-bit, IMA ADPCM), is heard whole and
// as its file (how soon after the call, tools/measure/measure_sound.py measures); a broken one is
// silent; one cut off by the next fades out without a click; after the server is killed mid-cue
// and started again, the next cue plays; and the desktop's mixer knows the game and remembers
// a mute set there.
#include "ui/app/qt_platform.h"
#include "ui/sound/cue_file.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <cmath>
#include <csignal>
#include <memory>

#include <sys/prctl.h>

using namespace tumblehand;
using Samples = std::vector<std::int16_t>;

namespace {

constexpr int rate = 44100;  // the cues', the server's and the recording's rate
constexpr std::size_t ms = rate / 1000;
QElapsedTimer testClock;
double now() { return double(testClock.nsecsElapsed()); }

// A private PulseAudio with a null sink, its monitor recorded as mono at the cues' rate;
// both die with the test, even when it crashes.
struct PrivatePulse {
    QTemporaryDir folder;
    QProcess daemon, recorder;
    Samples heard;
    double firstNs = 0;  // test clock time of heard[0]

    QString socket() const { return folder.path() + "/native"; }
    QString server() const { return "--server=unix:" + socket(); }
    std::size_t at(double ns) const { return std::size_t(std::max(0LL, std::llround((ns - firstNs) * rate / 1e9))); }
    void start() {
        kill();
        QFile::remove(socket());
        heard.clear();
        firstNs = 1e300;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_RUNTIME_DIR"}) env.insert(name, folder.path());
        daemon.setProcessEnvironment(env);
        daemon.setProcessChannelMode(QProcess::MergedChannels);
        for (QProcess* p : {&daemon, &recorder}) p->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        daemon.start("pulseaudio",
                     {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "--disable-shm=yes",
                      "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket(),
                      "--load=module-null-sink sink_name=cues", "--load=module-stream-restore"});
        // CI installs the server: a missing or broken one is a failure, never a skipped test.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket()) || daemon.state() == QProcess::NotRunning, 20000);
        QVERIFY2(daemon.state() == QProcess::Running, ("no pulseaudio: " + daemon.readAll()).constData());
        QObject::connect(&recorder, &QProcess::readyReadStandardOutput, [this] {
            const QByteArray bytes = recorder.readAllStandardOutput();
            const auto* samples = reinterpret_cast<const std::int16_t*>(bytes.constData());
            heard.insert(heard.end(), samples, samples + bytes.size() / 2);
            // A sample arrives no earlier than it was mixed: the earliest arrival dates them all.
            firstNs = std::min(firstNs, now() - double(heard.size()) * 1e9 / rate);
        });
        recorder.start("parec", {server(), "--device=cues.monitor", "--format=s16le", "--rate=44100", "--channels=1",
                                 "--latency-msec=5", "--raw"});
        QTRY_VERIFY_WITH_TIMEOUT(heard.size() > rate / 10, 10000);
    }
    void kill() {
        for (QProcess* p : {&recorder, &daemon}) p->disconnect(), p->kill(), p->waitForFinished();
    }
    ~PrivatePulse() { kill(); }
};

QString cuePath(const char* name) { return QString(TUMBLEHAND_CUE_DIR "/%1.wav").arg(name); }

// The samples of one of the game's cues.
Samples decoded(const char* name) {
    QFile file(cuePath(name));
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const auto pcm =
        ui::decodeWav({reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())});
    return pcm ? pcm->samples : Samples{};
}

// A player's own cue: 400 ms of a rising tone, as an 8-bit stereo file at 22050 a second.
double tone(double t) { return std::min({1.0, t * 100, (0.4 - t) * 100}) * std::sin(2 * M_PI * (300 + 2000 * t) * t); }
QByteArray eightBitStereoWav() {
    QByteArray wav("RIFF\x0c\x45\0\0WAVEfmt \x10\0\0\0\x01\0\x02\0\x22\x56\0\0\x44\xac\0\0\x02\0\x08\0data\xe8\x44\0\0",
                   44);
    for (int i = 0; i < 8820; ++i) wav.append(2, char(128 + std::lround(100 * tone(i / 22050.0))));
    return wav;
}

// After the last sample in [from, to) at least `level` loud, or from.
std::size_t soundsUntil(const Samples& s, std::size_t from, std::size_t to, int level) {
    for (std::size_t i = std::min(to, s.size()); i > from; --i)
        if (std::abs(s[i - 1]) >= level) return i;
    return from;
}

int largestStep(const Samples& s, std::size_t from, std::size_t to) {
    int step = 0;
    for (std::size_t i = from + 1; i < std::min(to, s.size()); ++i) step = std::max(step, std::abs(s[i] - s[i - 1]));
    return step;
}

// The recording with the file placed at `at`, over the file's samples from `from` to `to`.
double correlation(const Samples& rec, std::size_t at, const Samples& file, std::size_t from, std::size_t to) {
    double xy = 0, xx = 0, yy = 0;
    for (std::size_t i = from; i < std::min(to, file.size()) && at + i < rec.size(); ++i) {
        const double r = rec[at + i], f = file[i];
        xy += r * f, xx += r * r, yy += f * f;
    }
    return xx > 0 && yy > 0 ? xy / std::sqrt(xx * yy) : 0;
}

struct Heard {
    std::size_t at = 0;  // where the file's first sample lies in the recording
    double correlation = 0, lengthShare = 0;
};

// The file in the recording of a call at callNs. The null sink mixes a
// new stream in by rewinding what it gave the monitor, so the recording loses a cue's first
// milliseconds (a speaker plays them): the file is matched from `skip` in. It is looked for up to
// a quarter second after the call, which no busy machine comes near.
Heard find(const PrivatePulse& pulse, double callNs, const Samples& file, std::size_t skip = 10 * ms) {
    const std::size_t call = pulse.at(callNs);
    Heard best;
    for (std::size_t at = call - std::min(call, 10 * ms); at < call + 250 * ms; ++at) {
        const double c = correlation(pulse.heard, at, file, skip, skip + 50 * ms);
        if (c > best.correlation) best = {at, c};
    }
    best.correlation = correlation(pulse.heard, best.at, file, skip, file.size());
    const int level = *std::max_element(file.begin(), file.end()) / 50;
    best.lengthShare = double(soundsUntil(pulse.heard, best.at, pulse.heard.size(), level) - best.at) /
                       double(soundsUntil(file, 0, file.size(), level));
    return best;
}

}  // namespace

class SoundTest : public QObject {
    Q_OBJECT

    PrivatePulse pulse;
    std::unique_ptr<ui::QtPlatform> game;  // one for the whole run, as in the game

    // Until the recording reaches ns on the test clock.
    bool recordedUntil(double ns) {
        return QTest::qWaitFor([&] { return pulse.heard.size() >= pulse.at(ns); }, 20000);
    }

    // Plays the file and returns when the recording holds the waitMs after the call
    // (at once without a server).
    double play(const QString& path, int waitMs) {
        const double call = now();
        game->playWav(path.toStdString());
        if (pulse.daemon.state() == QProcess::Running) recordedUntil(call + waitMs * 1e6);
        return call;
    }

    bool heardWhole(const QString& path, const Samples& file) {
        const Heard heard = find(pulse, play(path, int(file.size() / ms) + 400), file);
        return heard.lengthShare >= 0.95 && heard.correlation >= 0.9;
    }

    QJsonArray streams() {
        QProcess pactl;
        pactl.start("pactl", {pulse.server(), "--format=json", "list", "sink-inputs"});
        pactl.waitForFinished();
        return QJsonDocument::fromJson(pactl.readAllStandardOutput()).array();
    }

    // The server's stream of a cue while it plays; empty unless it is the only one.
    QJsonObject streamOf(const QString& path) {
        if (!QTest::qWaitFor([this] { return streams().isEmpty(); }, 5000)) return {};  // the last cue's is gone
        game->playWav(path.toStdString());
        QJsonArray playing;
        for (int i = 0; i < 100 && playing.isEmpty(); ++i) playing = streams();
        return playing.size() == 1 ? playing[0].toObject() : QJsonObject();
    }

    bool mute(const QJsonObject& stream, bool on) {
        return QProcess::execute("pactl", {pulse.server(), "set-sink-input-mute",
                                           QString::number(stream["index"].toInt()), on ? "1" : "0"}) == 0;
    }

private slots:
    void initTestCase() {
        testClock.start();
        qputenv("PULSE_SERVER", ("unix:" + pulse.socket()).toUtf8());
        pulse.start();
        QVERIFY(!QTest::currentTestFailed() && !decoded("pn").empty());
        game = std::make_unique<ui::QtPlatform>();  // a cue waits for it to connect
    }

    void everyCueIsHeardWholeOnTimeAndAsItsFile() {
        QTemporaryDir folder;
        const QString own = folder.filePath("own.wav"), broken = folder.filePath("broken.wav"),
                      own24 = folder.filePath("own24.wav"), ownAdpcm = folder.filePath("own-adpcm.wav");
        QFile file(own);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(eightBitStereoWav()) == 44 + 8820 * 2);
        file.close();
        QVERIFY(QFile::copy(own, broken) && QFile::resize(broken, 4000));
        QCOMPARE(QProcess::execute("sox", {own, "-b", "24", own24}), 0);
        QCOMPARE(QProcess::execute("sox", {own, "-e", "ima-adpcm", ownAdpcm}), 0);
        Samples ownTone(rate * 4 / 10);
        for (std::size_t i = 0; i < ownTone.size(); ++i)
            ownTone[i] = std::int16_t(std::lround(25600 * tone(double(i) / rate)));
        const double brokenCall = play(broken, 400);  // not a sound: silent
        QCOMPARE(soundsUntil(pulse.heard, pulse.at(brokenCall), pulse.heard.size(), 1), pulse.at(brokenCall));
        for (const QString& path : {own, own24, ownAdpcm}) QVERIFY2(heardWhole(path, ownTone), qPrintable(path));
        for (const char* name : {"pn", "pe", "te", "ph", "Flush", "up", "up2", "boo"})
            QVERIFY2(heardWhole(cuePath(name), decoded(name)), name);
    }

    void aCueCutOffByTheNextFadesOut() {
        const Samples old = decoded("up2"), next = decoded("pn");
        play(cuePath("up2"), 250);
        // The new cue is placed by its sound after the old one has surely gone (60 ms in).
        const Heard cutter = find(pulse, play(cuePath("pn"), 700), next, 60 * ms);
        QVERIFY(cutter.correlation >= 0.9);
        // What is left of the old cue must fade out with no step larger than its own largest:
        // over its last 10 ms, and its last millisecond against the ten before.
        Samples rest(pulse.heard.begin() + long(cutter.at), pulse.heard.end());
        for (std::size_t i = 0; i < rest.size() && i < next.size(); ++i)
            rest[i] = std::int16_t(std::clamp(rest[i] - next[i], -32768, 32767));
        const std::size_t silent = soundsUntil(rest, 0, rest.size(), *std::max_element(old.begin(), old.end()) / 20);
        QVERIFY(silent > 11 * ms);
        QVERIFY2(largestStep(rest, silent - 10 * ms, silent + 5 * ms) <= largestStep(old, 0, old.size()) &&
                     largestStep(rest, silent - ms, silent) * 2 <= largestStep(rest, silent - 11 * ms, silent - ms),
                 "the cut-off cue clicks");
        QVERIFY2(silent <= 60 * ms, "the cut-off cue goes on sounding");
    }

    void aServerKilledMidCueAndStartedAgainPlaysTheNextCue() {
        play(cuePath("up2"), 100);
        pulse.kill();
        for (const char* name : {"pn", "boo", "up"}) play(cuePath(name), 200);  // no server: silent, the game goes on
        pulse.start();
        // The next cue connects again and is heard on time, with no clock to wait for.
        QVERIFY(heardWhole(cuePath("pn"), decoded("pn")));
    }

    // The mixer lists the game by its name and desktop id, with its icon, in no system-sound
    // group; a cue muted there leaves the game's next cue muted, a stream of its own, even in a
    // later run of the game (the server keys what it remembers by the application id).
    void theMixerKnowsTheGameAndRemembersItsMute() {
        // Whatever happens below, the server forgets the mute again, so that no other
        // test, nor a run of this one alone, starts with the game muted.
        const auto unmute = qScopeGuard([this] {
            const QJsonObject stream = streamOf(cuePath("pn"));
            if (!stream.isEmpty()) mute(stream, false);
            static_cast<void>(QTest::qWaitFor([this] { return streams().isEmpty(); }, 5000));
        });
        const QJsonObject first = streamOf(cuePath("up2")), properties = first["properties"].toObject();
        QCOMPARE(properties["application.name"].toString(), "Tumblehand");
        QCOMPARE(properties["application.id"].toString(), TUMBLEHAND_APP_ID);
        QVERIFY(properties["application.icon_name"] == TUMBLEHAND_APP_ID && !properties.contains("media.role"));
        QVERIFY(mute(first, true));
        game.reset();  // the game started anew
        game = std::make_unique<ui::QtPlatform>();
        const double call = now();
        const QJsonObject next = streamOf(cuePath("up2"));
        QVERIFY(next["index"].toInt() != first["index"].toInt() && next["mute"].toBool());
        QVERIFY(recordedUntil(call + 300e6));
        QCOMPARE(soundsUntil(pulse.heard, pulse.at(call), pulse.heard.size(), 1), pulse.at(call));
        QVERIFY(mute(next, false));  // lifted in the mixer while it sounds
        QVERIFY(QTest::qWaitFor([this] { return streams().isEmpty(); }, 5000));
        QVERIFY(heardWhole(cuePath("pn"), decoded("pn")));
    }
};

QTEST_MAIN(SoundTest)
#include "sound_test.moc"
