#include "ui/app/main_window.h"

#include "board/form1.h"
#include "ui/access/accessibility.h"
#include "ui/app/player_presence.h"
#include "ui/drawing/face_cache.h"
#include "ui/drawing/model_snapshot.h"
#include "ui/drawing/text_painting.h"
#include "ui/input/controller_keys.h"
#include "ui/system/modal_time.h"
#include "ui/windows/board_view.h"
#include "ui/windows/hand_table_window.h"
#include "ui/windows/records_window.h"
#include "ui/windows/secondary_placement.h"

#include <QAction>
#include <QCloseEvent>
#include <QIcon>
#include <QMenuBar>

#include <functional>

namespace tumblehand::ui {

namespace {

QIcon jokerIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QPixmap pixmap = FaceCache::icon(size);
        if (!pixmap.isNull()) icon.addPixmap(pixmap);
    }
    return icon;
}

// The player has left: a falling pair is suspended as STOP suspends it, so that the player
// comes back to the usual paused game. While a pair enters or hands are resolved gravity is
// off and STOP would do nothing; the pair is suspended as soon as gravity takes it. A game
// started while paused falls under "↓", where STOP's first press only brings back "STOP".
void suspendFallingPair(Form1& form) {
    if (!form.Timer1.Enabled()) return;
    if (form.StopL.Caption == Form1::PausedCaption) form.StopL_Click();
    form.StopL_Click();
}

}  // namespace

MainWindow::MainWindow(Form1& form, ModalTime& modalTime, Probe& probe, QWidget* parent)
    : QMainWindow(parent), form_(form), modal_(modalTime), probe_(probe), schedule_(form) {
    installAccessibility();
    setWindowTitle(QStringLiteral("Tumblehand"));
    setWindowIcon(jokerIcon());
    clock_.start();

    view_ = new BoardView(form_, probe_, this);
    setCentralWidget(view_);
    view_->setFocus();
    buildMenus();
    // A game controller presses the same keys; dialogs get its answers too.
    new ControllerKeys(form_, *view_, this);

    connect(&tick_, &PreciseAlarm::timeout, this, &MainWindow::onTick);
    presence_ = new PlayerPresence(*this);
    // Refused while a procedure runs (a dialog is open): that one looks when it ends.
    connect(presence_, &PlayerPresence::left, this, [this] { runProcedure([] {}); });

    connect(view_, &BoardView::keyPressed, this,
            [this](int key) { runProcedure([this, key] { form_.Form_KeyDown(key); }); });
    connect(view_, &BoardView::buttonClicked, this, [this](BoardView::Button button) {
        runProcedure([this, button] {
            switch (button) {
                case BoardView::Button::Start: form_.Start_Click(); break;
                case BoardView::Button::Stop: form_.StopL_Click(); break;
                case BoardView::Button::End: form_.Ending_Click(); break;
            }
        });
    });
    connect(view_, &BoardView::deckCardDropped, this, [this](BoardView::DropTarget target) {
        runProcedure([this, target] {
            if (target == BoardView::DropTarget::PigRate) {
                form_.Label4_DragDrop();
            } else {
                form_.Label3_DragDrop();
            }
        });
    });
    resize(sizeHint());
}

MainWindow::~MainWindow() {
    // Closing the window as QWidget goes hides it, and the presence would report the player
    // gone to a main window that no longer exists.
    disconnect(presence_, nullptr, this, nullptr);
}

void MainWindow::buildMenus() {
    // F1 and F2 run Chusi and Kaisi only as menu shortcuts (the board view never passes
    // them on), so the menu's rule applies to them: they work in every state of the
    // game, also while the second card of a pair comes in.
    const auto command = [this](QMenu* menu, const QString& caption, const QKeySequence& key, const char* name,
                                void (Form1::*procedure)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::ApplicationShortcut);
        connect(action, &QAction::triggered, this,
                [this, procedure] { runProcedure([this, procedure] { std::invoke(procedure, form_); }); });
        return action;
    };

    QMenu* menu = menuBar()->addMenu(QStringLiteral("メニュー(&M)"));
    command(menu, QStringLiteral("開始(&S)"), QKeySequence(Qt::Key_F2), "Kaisi", &Form1::Kaisi_Click);
    chusi_ = command(menu, toQString(form_.Chusi.Caption), QKeySequence(Qt::Key_F1), "Chusi", &Form1::Chusi_Click);
    menu->addSeparator();
    command(menu, QStringLiteral("終了(&X)"), QKeySequence(Qt::CTRL | Qt::Key_Q), "Shuryo", &Form1::Shuryo_Click);

    QMenu* viewer = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    command(viewer, QStringLiteral("役表(&H)"), QKeySequence(Qt::Key_F3), "YakuHyou", &Form1::YakuHyou_Click);
    command(viewer, QStringLiteral("成績表(&S)"), QKeySequence(Qt::Key_F4), "Seiseki", &Form1::Seiseki_Click);
}

bool MainWindow::playerAway() const { return presence_->away(); }

QAction* MainWindow::menuAction(const char* name) const { return findChild<QAction*>(QString::fromLatin1(name)); }

template <class Procedure>
bool MainWindow::runProcedure(Procedure&& procedure) {
    if (busy_ || closing_) return false;
    const qint64 modalBefore = modal_.totalMs();
    busy_ = true;
    struct Release {
        bool& busy;
        ~Release() { busy = false; }
    } release{busy_};
    procedure();
    if (presence_->away()) suspendFallingPair(form_);
    probe_.procedureRan(form_.state);
    busy_ = false;

    // The game stood still while a dialog was open: move its timers on by that time.
    const qint64 held = modal_.totalMs() - modalBefore;
    if (held > 0) schedule_.postpone(held);
    schedule_.sync(now());
    refreshViews();
    armTimer();
    return true;
}

void MainWindow::load() {
    runProcedure([this] { form_.Form_Load(); });
}

void MainWindow::onTick() {
    // A tick that falls inside a running procedure waits: the timer is set again
    // when that procedure ends.
    runProcedure([this] {
        const qint64 ns = nowNs();
        reportTick(ns);
        // Whole milliseconds, rounded down: the tick is due once ns reaches due × 10⁶,
        // which is when ns / 10⁶ reaches due.
        schedule_.advanceTo(ns / 1'000'000);
    });
}

void MainWindow::reportTick(qint64 ns) const {
    const std::optional<std::int64_t> due = schedule_.nextDue();
    if (!due || *due * 1'000'000 > ns) return;
    // In play one timer runs at a time: the one switched on is the one due.
    const int number = form_.runningTimer();
    const Timer& timer = number == 1 ? form_.Timer1 : number == 2 ? form_.Timer2 : form_.Timer3;
    probe_.tick(number, timer.Interval(), static_cast<double>(ns - *due * 1'000'000) / 1000.0);
}

void MainWindow::armTimer() {
    if (closing_) {
        tick_.stop();
        return;
    }
    const std::optional<std::int64_t> due = schedule_.nextDue();
    if (!due) {
        tick_.stop();
        return;
    }
    // To the nanosecond: due is in whole milliseconds of the window's clock, and the
    // alarm never fires early, so the tick finds itself due when it runs.
    tick_.start(*due * 1'000'000 - nowNs());
}

void MainWindow::refreshViews() {
    view_->repaintChanges();
    announceChanges(*view_);
    std::string records = recordsSnapshot(form_.existingForm3());
    if (records != shownRecords_) {
        shownRecords_ = std::move(records);
        if (records_) records_->update();
    }
    const QString chusi = toQString(form_.Chusi.Caption);
    if (chusi_->text() != chusi) chusi_->setText(chusi);
}

void MainWindow::showHandTable() {
    if (!handTable_) {
        handTable_ = new HandTableWindow(this);
        setUpSecondary(*handTable_);
    }
    handTable_->show();
    handTable_->raise();
}

void MainWindow::showRecords() {
    if (!records_) {
        records_ = new RecordsWindow(form_.form3(), this);
        setUpSecondary(*records_);
    }
    records_->show();
    records_->raise();
    records_->update();
}

void MainWindow::setUpSecondary(QWidget& secondary) const {
    secondary.setWindowIcon(windowIcon());
    // The game keeps the keys: play goes on behind the secondary window.
    secondary.setAttribute(Qt::WA_ShowWithoutActivating);
    secondary.resize(secondary.sizeHint());
    const QRect well = view_->wellArea();
    // Not over the other secondary window either, if it is open.
    QWidget* other = &secondary == handTable_ ? static_cast<QWidget*>(records_) : handTable_;
    const QRect avoid = other && other->isVisible() ? other->frameGeometry() : QRect();
    placeBesideMainWindow(secondary, *this, QRect(view_->mapTo(this, well.topLeft()), well.size()), avoid);
    closeOnEscape(secondary);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    closing_ = true;
    tick_.stop();
    if (handTable_) handTable_->close();
    if (records_) records_->close();
    event->accept();
}

}  // namespace tumblehand::ui
