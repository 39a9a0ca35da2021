// The Qt platform: its dialogs look and answer as the game expects, its random numbers
// stay in [0, 1), and a cue that cannot play is silent while the good ones still play.
#include "ui/qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <string>
#include <utility>
#include <vector>

using namespace tumblehand;

namespace {

// Runs check on the dialog of type T once it is open; check answers it.
template <class T>
void whenOpen(std::function<void(T&)> check) {
    QTimer::singleShot(0, [check] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<T*>(widget); dialog && dialog->isVisible()) return check(*dialog);
        }
        QFAIL("no dialog opened");
    });
}

// A PCM WAV file of eight silent 8-bit mono samples at 8000 per second.
QByteArray tinyWav() {
    return QByteArray("RIFF\x2c\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0\x01\0\x08\0data\x08\0\0\0", 44) +
           QByteArray(8, char(0x80));
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

}  // namespace

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void userDataFolderFollowsXdgDataHome_data() {
        QTest::addColumn<QByteArray>("dataHome");
        QTest::addColumn<QString>("expected");
        QTest::newRow("set") << QByteArray("/xdg/data") << "/xdg/data";
        QTest::newRow("relative, invalid, ignored") << QByteArray("relative/data") << "/home/p/.local/share";
        QTest::newRow("empty") << QByteArray("") << "/home/p/.local/share";
    }

    void userDataFolderFollowsXdgDataHome() {
        QFETCH(QByteArray, dataHome);
        QFETCH(QString, expected);
        const bool dataSet = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        const QByteArray savedData = qgetenv("XDG_DATA_HOME"), savedHome = qgetenv("HOME");
        qputenv("XDG_DATA_HOME", dataHome);
        qputenv("HOME", "/home/p/");
        const std::string folder = ui::QtPlatform().userDataFolder();
        dataSet ? qputenv("XDG_DATA_HOME", savedData) : qunsetenv("XDG_DATA_HOME");
        qputenv("HOME", savedHome);
        QCOMPARE(QString::fromStdString(folder), expected);
    }

    void randomNumbersStayBelowOne() {
        ui::QtPlatform platform;
        platform.seedFromClock();
        float lowest = 1, highest = 0;
        for (int i = 0; i < 100000; ++i) {
            const float r = platform.random();
            QVERIFY(r >= 0.0f && r < 1.0f);
            lowest = std::min(lowest, r), highest = std::max(highest, r);
        }
        QVERIFY(lowest < 0.01f && highest > 0.99f);
    }

    void theQuitQuestionAndMessagesLookAsTheGameExpects() {
        ui::QtPlatform platform;
        // Clicked first, checked after, so that a failed check does not leave the box open.
        for (const auto& [title, yes] : {std::pair{"", false}, std::pair{"Tumblehand", true}}) {
            whenOpen<QMessageBox>([yes](QMessageBox& box) {
                box.button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
                QCOMPARE(box.windowTitle(), QStringLiteral("Tumblehand"));
                QCOMPARE(box.text(), QStringLiteral("本当に終了しますか？"));
                QVERIFY(box.icon() == QMessageBox::Question &&
                        box.standardButtons() == (QMessageBox::Yes | QMessageBox::No));
            });
            QCOMPARE(platform.askYesNo("本当に終了しますか？", title), yes);
        }
        // A message shows its text as plain text, without an icon.
        whenOpen<QMessageBox>([](QMessageBox& box) {
            box.button(QMessageBox::Ok)->click();
            QVERIFY(box.textFormat() == Qt::PlainText && box.icon() == QMessageBox::NoIcon);
        });
        platform.messageBox("GAMEOVER", "Tumblehand");
    }

    void theInputBoxShowsTwoLinesAndPreselectsTheDefault() {
        ui::QtPlatform platform;
        QString selected;
        whenOpen<QInputDialog>([&](QInputDialog& dialog) {
            QCOMPARE(dialog.labelText(), QStringLiteral("1位\n名前を入力してください"));
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Tumblehand(ハイスコア)"));
            // The selection is made once the dialog runs; look at it a moment later.
            QTimer::singleShot(0, &dialog, [&] {
                if (auto* edit = dialog.findChild<QLineEdit*>()) selected = edit->selectedText(), edit->setText("花子");
                dialog.accept();
            });
        });
        const char* prompt = "1位\r\n名前を入力してください";
        QCOMPARE(platform.inputBox(prompt, "Tumblehand(ハイスコア)", "太郎"), std::string("花子"));
        QCOMPARE(selected, QStringLiteral("太郎"));
        whenOpen<QInputDialog>([](QInputDialog& dialog) { dialog.reject(); });
        QCOMPARE(platform.inputBox(prompt, "Tumblehand(ハイスコア)", "太郎"), std::string());
    }

    void brokenCuesAreSilentAndTheGoodOnesStillPlay() {
        QTemporaryDir folder, fileFolder;
        QDir(folder.path()).mkdir("sound");
        const QString sound = folder.path() + "/sound/";
        const std::pair<const char*, QByteArray> files[] = {
            {"up.wav", tinyWav()}, {"empty.wav", {}}, {"cut.wav", tinyWav().left(10)},
            {"noise.wav", QByteArray(4000, char(0xA5))}, {"header-lies.wav", tinyWav().replace(40, 4, "\xff\xff\xff\x7f")},
            {"locked.wav", tinyWav()}};
        std::vector<std::string> cues;
        for (const auto& [name, bytes] : files) write(sound + name, bytes), cues.push_back((sound + name).toStdString());
        QFile::setPermissions(sound + "locked.wav", QFileDevice::Permissions());
        QDir(sound).mkdir("folder.wav");
        write(fileFolder.path() + "/sound", "not a folder");
        for (const QString& path : {sound + "folder.wav", sound + "missing.wav", folder.path() + "/no-such-folder/up.wav",
                                    fileFolder.path() + "/sound/up.wav", QString()})
            cues.push_back(path.toStdString());

        ui::QtPlatform platform;
        // Each cue cuts off the one before, broken or not, again and again; the player
        // loads asynchronously, so let the event loop run between rounds.
        for (int round = 0; round < 5; ++round) {
            for (const std::string& cue : cues) platform.playWav(cue), QCoreApplication::processEvents();
            QTest::qWait(50);
        }
        platform.playWav(cues.front());
        QTest::qWait(50);
        QFile::setPermissions(sound + "locked.wav", QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(QString::fromStdString(platform.programFolder()), QCoreApplication::applicationDirPath());
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
