// The Qt platform: its dialogs look and answer as the game expects, its random numbers
// stay in [0, 1), and the program folder is the one the executable is in.
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

    // Cues heard and broken cues kept silent: sound_test, against a real sound server.
    void theProgramFolderIsTheExecutablesFolder() {
        QCOMPARE(QString::fromStdString(ui::QtPlatform().programFolder()), QCoreApplication::applicationDirPath());
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
