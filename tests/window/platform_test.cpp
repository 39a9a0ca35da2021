// The Qt platform: its dialogs look and answer as the game expects, its random numbers
// stay in [0, 1), and its folders are the executable's and the XDG data home.
#include "tests/window/window_platform.h"

#include <QAbstractButton>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>

#include <string>
#include <tuple>

using namespace tumblehand;

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
        QCOMPARE(QString::fromStdString(ui::QtPlatform().programFolder()), QCoreApplication::applicationDirPath());
    }

    void randomNumbersStayBelowOne() {
        // All 32 bits set would round up to 1 in a float without care.
        QVERIFY(unitFloat(0) == 0.0f && unitFloat(0xFFFFFFFFu) < 1.0f);
        ui::QtPlatform platform;
        platform.seedFromClock();
        float lowest = 1, highest = 0;
        for (int i = 0; i < 10000; ++i)
            lowest = std::min(lowest, platform.random()), highest = std::max(highest, platform.random());
        QVERIFY(lowest >= 0.0f && lowest < 0.01f && highest > 0.99f && highest < 1.0f);
    }

    void theQuitQuestionAndMessagesLookAsTheGameExpects() {
        ui::QtPlatform platform;
        // The question closes at the press of its letter, so that the arrows pressed right
        // after reach the game; keyed first, checked after, so that no box is left open.
        for (const auto& [title, letter, yes] :
             {std::tuple{"", Qt::Key_N, false}, std::tuple{"Tumblehand", Qt::Key_Y, true}}) {
            test::DialogAnswerer answerer([letter = letter](QDialog& dialog) {
                auto& box = static_cast<QMessageBox&>(dialog);
                QTest::keyClick(&box, letter);
                const bool closedAtOnce = !box.isVisible();
                if (!closedAtOnce) box.reject();
                QVERIFY(closedAtOnce);
                QCOMPARE(box.windowTitle(), QStringLiteral("Tumblehand"));
                QCOMPARE(box.text(), QStringLiteral("本当に終了しますか？"));
                QVERIFY(box.icon() == QMessageBox::Question &&
                        box.standardButtons() == (QMessageBox::Yes | QMessageBox::No));
            });
            QCOMPARE(platform.askYesNo("本当に終了しますか？", title), yes);
        }
        // A message shows its text as plain text, without an icon.
        test::DialogAnswerer answerer([](QDialog& dialog) {
            auto& box = static_cast<QMessageBox&>(dialog);
            box.button(QMessageBox::Ok)->click();
            QVERIFY(box.textFormat() == Qt::PlainText && box.icon() == QMessageBox::NoIcon);
        });
        platform.messageBox("GAMEOVER", "Tumblehand");
    }

    void theInputBoxShowsTwoLinesAndPreselectsTheDefault() {
        ui::QtPlatform platform;
        QString selected, label, title;
        const char* prompt = "1位\r\n名前を入力してください";
        for (const bool accept : {true, false}) {
            test::DialogAnswerer answerer([&, accept](QDialog& dialog) {
                auto& input = static_cast<QInputDialog&>(dialog);
                label = input.labelText(), title = input.windowTitle();
                if (auto* edit = input.findChild<QLineEdit*>()) selected = edit->selectedText(), edit->setText("花子");
                accept ? input.accept() : input.reject();
            });
            QCOMPARE(platform.inputBox(prompt, "Tumblehand(ハイスコア)", "太郎"), std::string(accept ? "花子" : ""));
        }
        QCOMPARE(label, QStringLiteral("1位\n名前を入力してください"));
        QCOMPARE(title, QStringLiteral("Tumblehand(ハイスコア)"));
        QCOMPARE(selected, QStringLiteral("太郎"));
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
