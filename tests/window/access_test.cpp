// A screen reader's view of the game through QAccessible, as the desktop's bridge asks
// for it: the board's objects from the painted controls, cards named by face and rank,
// the well as a table, START pressed as a click presses it, a resolved hand announced
// (and nothing made before a reader asks), the hand table and records as tables.
#include "harness/board_text.h"
#include "shell/records_file.h"
#include "tests/support/sample_records.h"
#include "tests/window/window_platform.h"
#include "ui/access/board_accessible.h"

#include <QAccessible>
#include <QtTest>

#include <tuple>
#include <utility>
#include <vector>

using namespace tumblehand;
using namespace tumblehand::test;

namespace {

QAccessibleInterface* find(QAccessibleInterface* in, QAccessible::Role role, const QString& name) {
    if (in->role() == role && in->text(QAccessible::Name) == name) return in;
    for (int i = 0; i < in->childCount(); ++i) {
        if (QAccessibleInterface* found = find(in->child(i), role, name)) return found;
    }
    return nullptr;
}

QAccessibleInterface* board(GameWindow& game) { return QAccessible::queryAccessibleInterface(game.window.boardView()); }
QAccessibleTableInterface* well(GameWindow& game) {
    QAccessibleInterface* table = find(board(game), QAccessible::Table, QStringLiteral("フィールド"));
    return table ? table->tableInterface() : nullptr;
}
// The offscreen platform has no accessibility bridge, so Qt never counts a reader as
// listening there: the test tells the board's objects to announce after each step, as
// the window does after each procedure while a reader listens.
void announce(GameWindow& game) { dynamic_cast<ui::BoardAccessible&>(*board(game)).announceChanges(); }
/// Whether the last announcement, the notification a reader speaks as it is shown, holds text.
bool said(GameWindow& game, const QString& text) {
    QAccessibleInterface* last = board(game)->child(board(game)->childCount() - 1);
    return last->role() == QAccessible::Notification && last->text(QAccessible::Name).split(", ").contains(text);
}
QString cell(GameWindow& game, int i) { return well(game)->cellAt(i / 5, i % 5)->text(QAccessible::Name); }

void press(GameWindow& game, const char* button) {
    QAccessibleInterface* found = find(board(game), QAccessible::Button, QString::fromLatin1(button));
    QVERIFY(found && found->actionInterface());
    found->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

}  // namespace

class AccessTest : public QObject {
    Q_OBJECT
private slots:
    void theBoardReadsAsThePlayerSeesIt() {
        GameWindow game;
        QVERIFY(game.open());
        QAccessibleInterface* root = board(game);
        using enum QAccessible::Role;
        const std::pair<QAccessible::Role, const char*> objects[] = {
            {Button, "START"}, {Button, "STOP"},    {Button, "END"},   {StaticText, "SCORE"},
            {StaticText, "0"}, {StaticText, "LV1"}, {Graphic, "ブタ"}, {Graphic, "JOKER"}};
        for (const auto& [role, name] : objects) QVERIFY2(find(root, role, QString::fromUtf8(name)), name);
        QAccessibleInterface* next = find(root, QAccessible::Grouping, QStringLiteral("NEXT"));
        QVERIFY(next && next->childCount() == 2 && next->child(0)->text(QAccessible::Name) == QStringLiteral("裏"));
        QAccessibleTableInterface* table = well(game);
        QVERIFY(table);
        QCOMPARE(std::make_pair(table->rowCount(), table->columnCount()), std::make_pair(10, 5));

        QCOMPARE(setBoardText(game.form,
                              ". . . . . . . . . . . . . . . . . . . . . . . . . "
                              ". . . . . . . . . . . . . . . 10S 6H JK PG P3 BK QD AC KS ."),
                 "");
        announce(game);
        const std::pair<int, const char*> cards[] = {
            {0, "空き"}, {40, "スペードの10"}, {41, "ハートの6"}, {42, "JOKER"},       {43, "ブタ"}, {44, "ブタ 3"},
            {45, "裏"},  {46, "ダイヤのQ"},    {47, "クラブのA"}, {48, "スペードのK"}, {49, "空き"}};
        for (const auto& [i, name] : cards) QCOMPARE(cell(game, i), QString::fromUtf8(name));
        QAccessibleTableCellInterface* c = well(game)->cellAt(8, 3)->tableCellInterface();
        QCOMPARE(std::make_pair(c->rowIndex(), c->columnIndex()), std::make_pair(8, 3));
    }

    void theFallingPairMovesThroughTheTable() {
        GameWindow game;
        QVERIFY(game.open());
        press(game, "START");
        QVERIFY(game.form.Timer2.Enabled());
        game.dealIn();
        announce(game);
        QAccessibleInterface* now = find(board(game), QAccessible::Grouping, QStringLiteral("NOW"));
        QVERIFY(now && !now->state().invisible);
        const QString upper = now->child(0)->text(QAccessible::Name);
        QCOMPARE(cell(game, 2), upper);
        QCOMPARE(now->child(0)->text(QAccessible::Description), QStringLiteral("1行3列"));
        game.key(Qt::Key_Left);
        QCOMPARE(cell(game, 1), upper);
        QCOMPARE(now->child(0)->text(QAccessible::Description), QStringLiteral("1行2列"));

        press(game, "STOP");
        announce(game);
        QVERIFY(said(game, QStringLiteral("中断")));
        QVERIFY(find(board(game), QAccessible::Button, QStringLiteral("↓")));
        game.window.menuAction("Chusi")->trigger();
        announce(game);
        QVERIFY(said(game, QStringLiteral("再開")));
    }

    void aResolvedHandIsAnnounced() {
        GameWindow game;
        QVERIFY(game.open());
        game.window.menuAction("Kaisi")->trigger();
        game.dealIn();
        // Qt has asked for the board's interface as the window was shown; no reader has
        // asked for its objects, so none are made.
        QVERIFY(!dynamic_cast<ui::BoardAccessible&>(*board(game)).made());
        // The pair 2C over 7D falls in column 2 into the gap of a row holding a pair of aces.
        std::string rows = ". . 2C . . . . 7D . . ";
        for (int r = 2; r < 9; ++r) rows += ". . . . . ";
        QCOMPARE(setBoardText(game.form, rows + "AS AH . 5C 9D"), "");
        for (int k = 0; k < 2; ++k) {
            game.form.NowCard[k].Face = game.form.Mas(k == 0 ? 7 : 2).Face;
            game.form.NowNum[k].Caption = game.form.Num(k == 0 ? 7 : 2).Caption;
        }
        announce(game);
        for (int n = 0; n < 12 && !game.form.Timer3.Enabled(); ++n) game.key(Qt::Key_Down);
        announce(game);
        QVERIFY(game.form.Timer3.Enabled());
        QVERIFY(said(game, QStringLiteral("１ＰＡＩＲ 10")));
        QVERIFY(!said(game, QStringLiteral("SCORE 10")));
        for (int n = 0; n < 10; ++n) game.form.Timer3_Timer();
        announce(game);
        QVERIFY(said(game, QStringLiteral("SCORE 10")));
    }

    void theSecondaryWindowsAreTables() {
        GameWindow game;
        const std::string records = game.folder.filePath("data.dat").toStdString();
        QCOMPARE(saveRecordsFile(records, testing::sampleRecords(900, 100), RecordsStatus::Ok).error, "");
        QVERIFY(game.open());
        game.window.showHandTable();
        game.window.showRecords();

        QAccessibleTableInterface* table =
            QAccessible::queryAccessibleInterface(game.window.handTableWindow())->child(0)->tableInterface();
        QCOMPARE(std::make_pair(table->rowCount(), table->columnCount()), std::make_pair(11, 4));
        const std::tuple<int, int, const char*> cells[] = {
            {6, 0, "ＦＵＬＬ　ＨＯＵＳＥ"}, {6, 1, "5000"}, {7, 3, "ブタ消去,JOKER*2,SCORE*2"}};
        for (const auto& [r, c, name] : cells)
            QCOMPARE(table->cellAt(r, c)->text(QAccessible::Name), QString::fromUtf8(name));
        QCOMPARE(table->columnDescription(3), QStringLiteral("効果"));
        QCOMPARE(table->cellAt(6, 2)->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name),
                 QStringLiteral("消費枚数"));

        QAccessibleInterface* best = QAccessible::queryAccessibleInterface(game.window.recordsWindow());
        table = best->child(1)->tableInterface();
        QCOMPARE(std::make_pair(table->rowCount(), table->columnCount()), std::make_pair(10, 3));
        const char* row[] = {"2位", "P2", "800"};
        for (int c = 0; c < 3; ++c) QCOMPARE(table->cellAt(1, c)->text(QAccessible::Name), QString::fromUtf8(row[c]));
        QStringList lines;
        for (int i = 0; i < best->childCount(); ++i) lines << best->child(i)->text(QAccessible::Name);
        QCOMPARE(lines,
                 QStringList({"High Score", "High Score", "Max Combo", "AB", "7combo", "Max Points", "CD", "900p"}));
    }
};

QTEST_MAIN(AccessTest)
#include "access_test.moc"
