// The Qt platform: its dialogs look and answer as the game expects, its random numbers
// stay in [0, 1), and a cue that cannot play is silent.
#include "ui/qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace tumblehand;

namespace {

// Runs check on the dialog of type T once it is open, then lets close answer it.
template <class T>
void whenOpen(std::function<void(T&)> check) {
    QTimer::singleShot(0, [check] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<T*>(widget); dialog && dialog->isVisible()) {
                check(*dialog);
                return;
            }
        }
        QFAIL("no dialog opened");
    });
}

}  // namespace

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void randomNumbersStayBelowOne() {
        ui::QtPlatform platform;
        platform.seedFromClock();
        float lowest = 1, highest = 0;
        for (int i = 0; i < 100000; ++i) {
            const float r = platform.random();
            QVERIFY(r >= 0.0f && r < 1.0f);
            lowest = std::min(lowest, r);
            highest = std::max(highest, r);
        }
        QVERIFY(lowest < 0.01f);
        QVERIFY(highest > 0.99f);
    }

    void theQuitQuestionIsAYesNoQuestionTitledWithTheGame() {
        ui::QtPlatform platform;
        QString title, text;
        bool question = false, yesAndNo = false;
        whenOpen<QMessageBox>([&](QMessageBox& box) {
            title = box.windowTitle();
            text = box.text();
            question = box.icon() == QMessageBox::Question;
            yesAndNo = box.standardButtons() == (QMessageBox::Yes | QMessageBox::No);
            box.button(QMessageBox::No)->click();
        });
        QVERIFY(!platform.askYesNo("本当に終了しますか？", ""));
        QCOMPARE(title, QStringLiteral("Tumblehand"));
        QCOMPARE(text, QStringLiteral("本当に終了しますか？"));
        QVERIFY(question);
        QVERIFY(yesAndNo);

        whenOpen<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
        QVERIFY(platform.askYesNo("本当に終了しますか？", "Tumblehand"));
    }

    void aMessageShowsItsTextAsPlainText() {
        ui::QtPlatform platform;
        Qt::TextFormat format = Qt::AutoText;
        QMessageBox::Icon icon = QMessageBox::Question;
        whenOpen<QMessageBox>([&](QMessageBox& box) {
            format = box.textFormat();
            icon = box.icon();
            box.button(QMessageBox::Ok)->click();
        });
        platform.messageBox("GAMEOVER", "Tumblehand");
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(icon, QMessageBox::NoIcon);
    }

    void theInputBoxShowsTwoLinesAndPreselectsTheDefault() {
        ui::QtPlatform platform;
        QString label, title, selected;
        whenOpen<QInputDialog>([&](QInputDialog& dialog) {
            label = dialog.labelText();
            title = dialog.windowTitle();
            // The selection is made once the dialog runs; look at it a moment later.
            QTimer::singleShot(0, &dialog, [&] {
                if (auto* edit = dialog.findChild<QLineEdit*>()) {
                    selected = edit->selectedText();
                    edit->setText(QStringLiteral("花子"));
                }
                dialog.accept();
            });
        });
        const std::string answer = platform.inputBox("1位\r\n名前を入力してください", "Tumblehand(ハイスコア)", "太郎");
        QCOMPARE(label, QStringLiteral("1位\n名前を入力してください"));
        QCOMPARE(title, QStringLiteral("Tumblehand(ハイスコア)"));
        QCOMPARE(selected, QStringLiteral("太郎"));
        QCOMPARE(QString::fromStdString(answer), QStringLiteral("花子"));

        whenOpen<QInputDialog>([](QInputDialog& dialog) { dialog.reject(); });
        QCOMPARE(platform.inputBox("1位\r\n名前を入力してください", "Tumblehand(ハイスコア)", "太郎"),
                 std::string());
    }

    void aMissingCueIsSilent() {
        ui::QtPlatform platform;
        platform.playWav("/nonexistent/sound/up2.wav");
        platform.playWav("");
        QCOMPARE(QString::fromStdString(platform.programFolder()), QCoreApplication::applicationDirPath());
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
