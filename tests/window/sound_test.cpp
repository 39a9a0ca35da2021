// The cues as a player hears them: the real platform plays through a private PulseAudio
// server whose null sink is recorded. Each cue is heard whole and as its file, starts within
// 30 ms of the call, a cue cut off by the next fades out without a click, and a server that
// dies mid-cue and comes back leaves the game running and plays the next cue.
#include "ui/qt_platform.h"
#include "ui/wav_pcm.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/prctl.h>

#include <algorithm>
#include <csignal>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

using namespace tumblehand;
using ui::PcmSound;
using ui::decodeWav;

namespace {

constexpr int rate = 44100;  // the cues', the server's and the recording's rate

QElapsedTimer testClock;

// A private PulseAudio with a null sink, and its monitor recorded as mono at the cues' rate.
struct PrivatePulse {
    QTemporaryDir folder;
    QProcess daemon, recorder;
    std::vector<std::int16_t> heard;
    double firstSampleNs = std::numeric_limits<double>::max();  // test clock time of heard[0]

    QString socket() const { return folder.path() + "/native"; }

    void start() {
        QFile::remove(socket());
        daemon.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", folder.path()), env.insert("XDG_RUNTIME_DIR", folder.path());
        daemon.setProcessEnvironment(env);
        // A test that crashes must not leave its server behind.
        daemon.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        daemon.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                                    "--disable-shm=yes", "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket(),
                                    "--load=module-null-sink sink_name=cues"});
        // CI installs the server: a missing or broken one is a failure, never a skipped test.
        QVERIFY2(daemon.waitForStarted(), "cannot start pulseaudio (is the pulseaudio package installed?)");
        QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(socket()) || daemon.state() == QProcess::NotRunning,
                                  "pulseaudio did not open its socket", 20000);
        QVERIFY2(daemon.state() == QProcess::Running, daemon.readAll().constData());
    }

    void record() {
        quit(recorder, false);
        heard.clear();
        firstSampleNs = std::numeric_limits<double>::max();
        QObject::connect(&recorder, &QProcess::readyReadStandardOutput, [this] {
            const QByteArray bytes = recorder.readAllStandardOutput();
            const auto* samples = reinterpret_cast<const std::int16_t*>(bytes.constData());
            heard.insert(heard.end(), samples, samples + bytes.size() / 2);
            // A sample arrives no earlier than it was mixed: the earliest arrival dates them all.
            firstSampleNs = std::min(firstSampleNs, double(testClock.nsecsElapsed()) - heard.size() * 1e9 / rate);
        });
        recorder.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        recorder.start("parec", {"--server=unix:" + socket(), "--device=cues.monitor", "--format=s16le",
                                 "--rate=44100", "--channels=1", "--latency-msec=5", "--raw"});
        QVERIFY2(recorder.waitForStarted(), "cannot start parec (is pulseaudio-utils installed?)");
        QTRY_VERIFY_WITH_TIMEOUT(heard.size() > rate / 10, 10000);
    }

    static void quit(QProcess& process, bool kill) {
        process.disconnect();
        if (process.state() == QProcess::NotRunning) return;
        kill ? process.kill() : process.terminate();
        if (!process.waitForFinished(5000)) process.kill(), process.waitForFinished();
    }
    void stop(bool kill = false) { quit(recorder, kill), quit(daemon, kill); }
    ~PrivatePulse() { stop(true); }
};

PcmSound cueFile(const QString& name) {
    QFile file(QStringLiteral(TUMBLEHAND_CUE_DIR "/") + name + ".wav");
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    return decodeWav({reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())})
        .value_or(PcmSound{});
}

// What the recording holds of one cue played at callNs.
struct Heard {
    std::size_t at = 0;        // recording index of the cue's first sample
    double onsetMs = 0;        // from the call to that sample
    double correlation = 0;    // of the whole file with the recording from there
    double lengthShare = 0;    // sounding length heard over the file's own
};

std::size_t lastAbove(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to, int threshold) {
    for (std::size_t i = std::min(to, s.size()); i > from; --i)
        if (std::abs(s[i - 1]) >= threshold) return i;
    return from;
}

double correlation(const std::vector<std::int16_t>& heard, std::size_t at, const std::vector<std::int16_t>& file,
                   std::size_t count) {
    double xy = 0, xx = 0, yy = 0;
    for (std::size_t i = 0; i < count && at + i < heard.size(); ++i)
        xy += double(heard[at + i]) * file[i], xx += double(heard[at + i]) * heard[at + i], yy += double(file[i]) * file[i];
    return xx > 0 && yy > 0 ? xy / std::sqrt(xx * yy) : 0;
}

Heard find(const PrivatePulse& pulse, double callNs, const PcmSound& file, std::size_t soundsUntil,
           std::size_t skip = rate / 100) {
    const auto& rec = pulse.heard;
    const auto expected = std::llround((callNs - pulse.firstSampleNs) * rate / 1e9);
    // The null sink mixes a new stream in by rewinding what it had already given the monitor,
    // so the recording loses a cue's first few milliseconds (a speaker would play them):
    // the file is matched from `skip` (10 ms) in, slid over 10 ms before the call to 60 ms after it.
    const std::vector<std::int16_t> body(file.samples.begin() + long(skip), file.samples.end());
    Heard best;
    for (long long at = std::max(0LL, expected - rate / 100); at < expected + rate * 6 / 100; ++at) {
        const double c = correlation(rec, std::size_t(at) + skip, body, rate / 20);
        if (c > best.correlation) best.correlation = c, best.at = std::size_t(at);
    }
    best.onsetMs = (double(best.at) - double(expected)) * 1000.0 / rate;
    best.correlation = correlation(rec, best.at + skip, body, body.size());
    const int peak = *std::max_element(file.samples.begin(), file.samples.end());
    const double fileLength = double(lastAbove(file.samples, 0, file.samples.size(), peak / 50));
    best.lengthShare = double(lastAbove(rec, best.at, soundsUntil, peak / 50) - best.at) / fileLength;
    return best;
}

int largestStep(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
    int step = 0;
    for (std::size_t i = from + 1; i < std::min(to, s.size()); ++i) step = std::max(step, std::abs(s[i] - s[i - 1]));
    return step;
}

// A player's own cue: an 8-bit stereo file at 22050 samples a second, 400 ms of tone.
QByteArray ownEightBitStereoWav() {
    const int frames = 22050 * 4 / 10;
    QByteArray data;
    for (int i = 0; i < frames; ++i) {
        const double envelope = std::min({1.0, i / 220.0, (frames - i) / 220.0});
        const auto value = char(128 + std::lround(100 * envelope * std::sin(2 * M_PI * 440 * i / 22050.0)));
        data.append(value).append(value);
    }
    QByteArray wav;
    auto u32 = [&wav](quint32 v) { for (int b = 0; b < 4; ++b) wav.append(char(v >> (8 * b))); };
    auto u16 = [&wav](quint16 v) { wav.append(char(v)).append(char(v >> 8)); };
    wav.append("RIFF"), u32(quint32(36 + data.size())), wav.append("WAVEfmt ");
    u32(16), u16(1), u16(2), u32(22050), u32(22050 * 2), u16(2), u16(8);
    wav.append("data"), u32(quint32(data.size()));
    return wav + data;
}

}  // namespace

class SoundTest : public QObject {
    Q_OBJECT

    PrivatePulse pulse;
    // One platform for the whole run, as in the game: Qt's link to the sound server lives on
    // the audio thread of the first player that connects, and reconnects there.
    std::unique_ptr<ui::QtPlatform> game;

private slots:
    void initTestCase() {
        testClock.start();
        qputenv("PULSE_SERVER", ("unix:" + pulse.socket()).toUtf8());
        pulse.start();
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(!cueFile("pn").samples.empty());
        game = std::make_unique<ui::QtPlatform>();
    }
    void cleanupTestCase() { game.reset(); }

    void everyCueIsHeardWholeAndOnTimeAndACutOneFadesOut() {
        ui::QtPlatform& platform = *game;
        pulse.record();
        QTest::qWait(500);  // the platform connects to the server on its own thread

        const QStringList names = {"pn", "pe", "te", "ph", "Flush", "up", "up2", "boo"};
        std::vector<double> calls;
        for (const QString& name : names) {
            calls.push_back(double(testClock.nsecsElapsed()));
            platform.playWav(QString(TUMBLEHAND_CUE_DIR "/%1.wav").arg(name).toStdString());
            QTest::qWait(int(cueFile(name).frames() * 1000 / rate) + 300);
        }
        // The long cue, cut off by the next a third of the way in.
        const double longCall = double(testClock.nsecsElapsed());
        platform.playWav(TUMBLEHAND_CUE_DIR "/up2.wav");
        QTest::qWait(250);
        const double cutCall = double(testClock.nsecsElapsed());
        platform.playWav(TUMBLEHAND_CUE_DIR "/pn.wav");
        QTest::qWait(700);

        const auto end = pulse.heard.size();
        for (std::size_t i = 0; i < calls.size(); ++i) {
            const PcmSound file = cueFile(names[qsizetype(i)]);
            const double until = i + 1 < calls.size() ? calls[i + 1] : longCall;
            const auto soundsUntil = std::size_t(std::llround((until - pulse.firstSampleNs) * rate / 1e9) - rate / 100);
            const Heard heard = find(pulse, calls[i], file, soundsUntil);
            qInfo("%-5s %4zu ms in the file, heard %5.1f %% of it, correlation %.3f, onset %5.1f ms",
                  qPrintable(names[qsizetype(i)]), file.frames() * 1000 / rate, 100 * heard.lengthShare, heard.correlation,
                  heard.onsetMs);
            QVERIFY2(heard.lengthShare >= 0.95, qPrintable(names[qsizetype(i)] + " is cut short"));
            QVERIFY2(heard.correlation >= 0.9, qPrintable(names[qsizetype(i)] + " does not sound like its file"));
            QVERIFY2(heard.onsetMs <= 30, qPrintable(names[qsizetype(i)] + " starts late"));
        }

        // Past the cut the recording is the new cue plus what is left of the old one: that
        // rest must fade out, with no step larger than the old cue's own largest step.
        const PcmSound longCue = cueFile("up2"), next = cueFile("pn");
        // The new cue is placed by its sound after the old one has surely gone (60 ms in).
        const Heard cutter = find(pulse, cutCall, next, end, rate * 6 / 100);
        QVERIFY(cutter.correlation >= 0.9 && cutter.onsetMs <= 30);
        const Heard cut = find(pulse, longCall, longCue, cutter.at);
        std::vector<std::int16_t> rest(pulse.heard.begin() + long(cutter.at), pulse.heard.end());
        for (std::size_t i = 0; i < rest.size() && i < next.samples.size(); ++i)
            rest[i] = std::int16_t(std::clamp(rest[i] - next.samples[i], -32768, 32767));
        // Where the rest falls below 5 % of the old cue's peak: its last steps, and its last
        // millisecond against the ten before.
        const int oldPeak = *std::max_element(longCue.samples.begin(), longCue.samples.end());
        const std::size_t silent = lastAbove(rest, 0, rest.size(), oldPeak / 20), ms = rate / 1000;
        const int ownStep = largestStep(longCue.samples, 0, longCue.samples.size());
        const int endStep = largestStep(rest, silent - std::min(silent, 10 * ms), silent + 5 * ms);
        const int lastMs = largestStep(rest, silent - ms, silent), before = largestStep(rest, silent - 11 * ms, silent - ms);
        qInfo("cut: old cue's largest step %d, at its end %d (last ms %d, the ten before %d); it went silent %zu ms "
              "after the new one began", ownStep, endStep, lastMs, before, silent / ms);
        QVERIFY(cut.onsetMs <= 30 && silent > 11 * ms);
        QVERIFY2(endStep <= ownStep && lastMs * 2 <= before, "the cut-off cue clicks");
        QVERIFY2(silent <= 60 * ms, "the cut-off cue goes on sounding");
    }

    void aPlayersOwnFilesPlayAndBrokenOnesAreSilent() {
        QTemporaryDir folder;
        const QString own = folder.path() + "/own.wav", broken = folder.path() + "/broken.wav";
        QFile file(own);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(ownEightBitStereoWav()) > 0);
        file.close();
        QFile::copy(own, broken), QFile::resize(broken, 100);
        ui::QtPlatform& platform = *game;
        pulse.record();
        QTest::qWait(500);
        const std::size_t before = pulse.heard.size();
        platform.playWav(broken.toStdString());
        QTest::qWait(500);
        QCOMPARE(lastAbove(pulse.heard, before, pulse.heard.size(), 1), before);
        platform.playWav(own.toStdString());
        QTest::qWait(800);
        const double heardMs = double(lastAbove(pulse.heard, before, pulse.heard.size(), 256) -
                                      (std::find_if(pulse.heard.begin() + long(before), pulse.heard.end(),
                                                    [](std::int16_t s) { return std::abs(s) >= 256; }) -
                                       pulse.heard.begin())) * 1000.0 / rate;
        qInfo("own 8-bit stereo 22050 Hz cue: 400 ms in the file, %.0f ms heard", heardMs);
        QVERIFY(heardMs >= 0.95 * 390);
    }

    void aServerThatDiesAndComesBackLeavesTheGamePlaying() {
        ui::QtPlatform& platform = *game;
        pulse.record();
        QTest::qWait(500);
        platform.playWav(TUMBLEHAND_CUE_DIR "/up2.wav");
        QTest::qWait(100);
        pulse.stop(true);  // killed while a cue sounds
        for (const char* name : {"pn", "boo", "up"})  // no server: silent, and the window goes on
            platform.playWav(QString(TUMBLEHAND_CUE_DIR "/%1.wav").arg(name).toStdString()), QTest::qWait(200);
        QTest::qWait(4000);  // long enough for a player that retries on a clock to find no server
        pulse.start();
        pulse.record();
        QVERIFY(!QTest::currentTestFailed());
        QTest::qWait(500);
        const double call = double(testClock.nsecsElapsed());
        platform.playWav(TUMBLEHAND_CUE_DIR "/pn.wav");
        QTest::qWait(700);
        const Heard heard = find(pulse, call, cueFile("pn"), pulse.heard.size());
        qInfo("after the server came back: heard %.1f %% of pn, correlation %.3f, onset %.1f ms",
              100 * heard.lengthShare, heard.correlation, heard.onsetMs);
        QVERIFY(heard.lengthShare >= 0.95 && heard.correlation >= 0.9);
    }
};

QTEST_MAIN(SoundTest)
#include "sound_test.moc"
