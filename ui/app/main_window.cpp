#include "ui/app/main_window.h"

#include "board/form1.h"
#include "ui/access/accessibility.h"
#include "ui/app/player_presence.h"
#include "ui/drawing/face_cache.h"
#include "ui/drawing/text_painting.h"
#include "ui/drawing/window_frame.h"
#include "ui/input/controller_keys.h"
#include "ui/system/modal_time.h"
#include "ui/windows/board_view.h"
#include "ui/windows/hand_table_window.h"
#include "ui/windows/records_window.h"
#include "ui/windows/secondary_placement.h"
#include "ui/windows/wayland_placement.h"
#include "ui/windows/window_fit.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <algorithm>
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

// The frame a desktop adds around a window, where Qt cannot know it before the window is
// shown, or at all (a Wayland desktop that draws the frames itself): a title bar and
// thin borders, on the large side.
constexpr QSize LikelyFrame(16, 48);
// Room between windows that stand side by side (as in the placement beside the game).
constexpr int Gap = 4;

// Whether the game may place its own windows; a Wayland desktop places them itself.
bool placesItsWindows() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

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
    // The tables are windows of their own, not children: a desktop keeps a window's
    // children above it, over the well.
    delete handTable_;
    delete records_;
}

void MainWindow::fitToScreen() {
    const QScreen* screen = this->screen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    QSize frame = frameGeometry().size() - geometry().size();
    if (frame.isEmpty()) frame = LikelyFrame;
    const QSize menu(0, menuBar()->sizeHint().height());
    const QSize inside =
        fitMainWindow(size96(BoardView::AreaWidth, BoardView::AreaHeight), frame + menu, available.size());
    resize(inside + menu);
    if (!placesItsWindows() || !isVisible()) return;
    const QRect outer = frameGeometry();
    const QPoint corner(
        std::clamp(outer.left(), available.left(), std::max(available.left(), available.right() + 1 - outer.width())),
        std::clamp(outer.top(), available.top(), std::max(available.top(), available.bottom() + 1 - outer.height())));
    if (corner != outer.topLeft()) move(corner);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (fitted_) return;
    fitted_ = true;
    // Once before it is on screen, with a likely frame; once more when the desktop has
    // framed it.
    fitToScreen();
    QTimer::singleShot(0, this, &MainWindow::fitToScreen);
    // A desktop that would centre the game (KWin) leaves no room for the tables beside
    // it: where it lets the game say so, the game opens at the top left of the screen, as
    // on an empty GNOME desktop, and the tables beside it.
    if (desktopTakesPositions() && screen() && windowHandle()) {
        const QPoint corner = screen()->availableGeometry().topLeft();
        move(corner);
        askDesktopToPlace(*windowHandle(), corner);
    }
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
    // Every window finds what changed in its model the same way, control by control.
    view_->repaintChanges();
    announceChanges(*view_);
    if (handTable_) handTable_->repaintChanges();
    if (records_) records_->repaintChanges();
    const QString chusi = toQString(form_.Chusi.Caption);
    if (chusi_->text() != chusi) chusi_->setText(chusi);
}

void MainWindow::showHandTable() {
    if (!handTable_) {
        handTable_ = new HandTableWindow();
        handTableFrame_ = setUpSecondary(*handTable_);
    }
    showSecondary(*handTable_, handTableFrame_.topLeft());
}

void MainWindow::showRecords() {
    if (!records_) {
        records_ = new RecordsWindow(form_.form3());
        recordsFrame_ = setUpSecondary(*records_);
    }
    showSecondary(*records_, recordsFrame_.topLeft());
    records_->update();
}

void MainWindow::showSecondary(QWidget& secondary, QPoint placed) {
    secondary.show();
    secondary.raise();
    // Where the desktop places the windows itself but takes a position (KWin), the place
    // the game chose for it; each time, as the desktop forgets it when it is closed.
    if (secondary.windowHandle()) askDesktopToPlace(*secondary.windowHandle(), placed);
}

QRect MainWindow::setUpSecondary(ModelWindow& secondary) const {
    secondary.setWindowIcon(windowIcon());
    // The game keeps the keys: play goes on behind the secondary window. Where the desktop
    // gives it the keys all the same, the game's keys pressed there still reach the board.
    secondary.setAttribute(Qt::WA_ShowWithoutActivating);
    secondary.forwardKeysTo(view_);
    // As large as the room beside the game allows for both tables, from their 96-dpi size
    // to twice it: on a Wayland desktop, which places them itself, a window that leaves
    // room is one it can put beside the game.
    const QScreen* screen = this->screen();
    const QSize border = frameGeometry().size() - geometry().size();
    const QSize frame = border.isEmpty() ? LikelyFrame : border;
    const double scale = screen ? tablesScale(size96(Form2::ScaleWidth, Form2::ScaleHeight),
                                              size96(Form3::ScaleWidth, Form3::ScaleHeight), frame,
                                              frameGeometry().width(), screen->availableGeometry().size(), Gap)
                                : 2.0;
    secondary.resize(secondary.size96() * scale);
    const QRect well = view_->wellArea();
    // Not over the other secondary window either, if it is open.
    QWidget* other = &secondary == handTable_ ? static_cast<QWidget*>(records_) : handTable_;
    // Where the desktop took the positions, Qt does not know them: the ones asked for.
    const QRect otherFrame = !desktopTakesPositions() ? (other ? other->frameGeometry() : QRect())
                             : other == handTable_    ? handTableFrame_
                                                      : recordsFrame_;
    const QRect avoid = other && other->isVisible() ? otherFrame : QRect();
    const QRect placed =
        placeBesideMainWindow(secondary, *this, QRect(view_->mapTo(this, well.topLeft()), well.size()), avoid);
    closeOnEscape(secondary);
    return placed;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    closing_ = true;
    tick_.stop();
    if (handTable_) handTable_->close();
    if (records_) records_->close();
    event->accept();
}

}  // namespace tumblehand::ui
