// The Qt platform's cue player meets every kind of broken sound folder: it stays
// silent for what cannot play and goes on playing what can.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <string>
#include <vector>

#include "ui/qt_platform.h"

using namespace tumblehand;

namespace {

QByteArray tinyWav() {
    QByteArray wav;
    auto u32 = [&wav](quint32 v) { for (int i = 0; i < 4; ++i) wav.append(char(v >> (8 * i))); };
    auto u16 = [&wav](quint16 v) { wav.append(char(v)); wav.append(char(v >> 8)); };
    wav.append("RIFF");
    u32(36 + 8);
    wav.append("WAVEfmt ");
    u32(16);
    u16(1);      // PCM
    u16(1);      // mono
    u32(8000);   // samples per second
    u32(8000);   // bytes per second
    u16(1);      // block size
    u16(8);      // bits per sample
    wav.append("data");
    u32(8);
    wav.append(QByteArray(8, char(0x80)));
    return wav;
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

}  // namespace

class BrokenCuesTest : public QObject {
    Q_OBJECT

private slots:
    void brokenFilesAreSilentAndTheGoodOnesStillPlay() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QDir(folder.path()).mkdir("sound");
        const QString sound = folder.path() + "/sound/";
        write(sound + "up.wav", tinyWav());
        write(sound + "empty.wav", {});
        write(sound + "cut.wav", tinyWav().left(10));
        write(sound + "noise.wav", QByteArray(4000, char(0xA5)));
        write(sound + "header-lies.wav", tinyWav().replace(40, 4, "\xff\xff\xff\x7f"));
        QDir(sound).mkdir("folder.wav");
        write(sound + "locked.wav", tinyWav());
        QFile::setPermissions(sound + "locked.wav", QFileDevice::Permissions());

        const std::vector<std::string> cues = {"up", "empty", "cut", "noise", "header-lies",
                                               "folder", "locked", "missing"};
        ui::QtPlatform platform;
        // Each cue cuts off the one before, broken or not, again and again; the player
        // loads asynchronously, so let the event loop run between rounds.
        for (int round = 0; round < 5; ++round) {
            for (const std::string& cue : cues) {
                platform.playWav(sound.toStdString() + cue + ".wav");
                QCoreApplication::processEvents();
            }
            QTest::qWait(50);
        }
        platform.playWav(folder.path().toStdString() + "/no-such-folder/up.wav");
        platform.playWav(sound.toStdString() + "up.wav");
        QTest::qWait(50);
        QFile::setPermissions(sound + "locked.wav", QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void aSoundFolderThatIsAFileIsSilent() {
        QTemporaryDir folder;
        write(folder.path() + "/sound", "not a folder");
        ui::QtPlatform platform;
        platform.playWav(folder.path().toStdString() + "/sound/up.wav");
        platform.playWav(folder.path().toStdString() + "/sound/boo.wav");
        QCoreApplication::processEvents();
        QCOMPARE(QFileInfo(folder.path() + "/sound").isFile(), true);
    }
};

QTEST_MAIN(BrokenCuesTest)
#include "broken_cues_test.moc"
