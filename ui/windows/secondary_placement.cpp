#include "ui/windows/secondary_placement.h"

#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>

namespace tumblehand::ui {

namespace {

// A little room between the two frames, so that their borders do not merge.
constexpr int Gap = 4;

long long overlap(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

// The frame moved the least so that it lies inside the screen (its top left corner
// wins where it is larger than the screen).
QRect inside(QRect frame, const QRect& screen) {
    frame.moveLeft(std::max(screen.left(), std::min(frame.left(), screen.right() + 1 - frame.width())));
    frame.moveTop(std::max(screen.top(), std::min(frame.top(), screen.bottom() + 1 - frame.height())));
    return frame;
}

// Beside the main window at full size, right then left, else shrunk (down to half its
// size) on the side with more room, then on the other; never over avoid.
std::optional<QRect> beside(QSize size, QSize border, const QRect& mainFrame, const QRect& screen, const QRect& avoid) {
    const auto free = [&](const QRect& frame) { return screen.contains(frame) && !frame.intersects(avoid); };
    const auto levelTop = [&](int height) {
        return std::max(screen.top(), std::min(mainFrame.top(), screen.bottom() + 1 - height));
    };
    const QSize full = size + border;
    const QRect right(QPoint(mainFrame.right() + 1 + Gap, levelTop(full.height())), full);
    if (free(right)) return right;
    const QRect left(QPoint(mainFrame.left() - Gap - full.width(), levelTop(full.height())), full);
    if (free(left)) return left;
    // The other one already stands there: beyond it, so that all three stand in a row.
    if (avoid.isValid()) {
        const QRect beyond(QPoint(avoid.right() + 1 + Gap, levelTop(full.height())), full);
        if (avoid.left() > mainFrame.right() && free(beyond)) return beyond;
        const QRect before(QPoint(avoid.left() - Gap - full.width(), levelTop(full.height())), full);
        if (avoid.right() < mainFrame.left() && free(before)) return before;
    }

    // Smaller: the drawing scales with the window, and at half its size a window shows
    // its layout at 96 dpi, still easy to read.
    const int roomRight = screen.right() - mainFrame.right() - Gap;
    const int roomLeft = mainFrame.left() - Gap - screen.left();
    const std::array<bool, 2> sides = {roomRight >= roomLeft, roomRight < roomLeft};
    for (const bool toRight : sides) {
        const QSize room((toRight ? roomRight : roomLeft) - border.width(), screen.height() - border.height());
        const QSize shrunk = size.scaled(room.boundedTo(size), Qt::KeepAspectRatio) + border;
        if ((shrunk.width() - border.width()) * 2 < size.width()) continue;
        const int x = toRight ? right.left() : mainFrame.left() - Gap - shrunk.width();
        const QRect frame(QPoint(x, levelTop(shrunk.height())), shrunk);
        if (free(frame)) return frame;
    }
    return std::nullopt;
}

}  // namespace

QRect besideMainWindow(QSize size, QSize border, const QRect& mainFrame, const QRect& well, const QRect& screen,
                       const QRect& avoid) {
    if (const auto frame = beside(size, border, mainFrame, screen, avoid)) return *frame;
    if (const auto frame = beside(size, border, mainFrame, screen, QRect())) return *frame;

    const int width = size.width() + border.width();
    const int height = size.height() + border.height();
    const int top = std::max(screen.top(), std::min(mainFrame.top(), screen.bottom() + 1 - height));
    const QRect right(mainFrame.right() + 1 + Gap, top, width, height);
    const QRect left(mainFrame.left() - Gap - width, top, width, height);
    // No room beside it at all: try the places along the main window, the well and the
    // screen's edges, and keep the one that hides the least of the well.
    const std::array<int, 6> xs = {right.left(),        left.left(),   well.right() + 1,
                                   well.left() - width, screen.left(), screen.right() + 1 - width};
    const std::array<int, 6> ys = {top,          mainFrame.bottom() + 1 + Gap, well.bottom() + 1, well.top() - height,
                                   screen.top(), screen.bottom() + 1 - height};
    QRect best;
    std::tuple<long long, long long, int> bestCost{};
    bool first = true;
    for (const int x : xs) {
        for (const int y : ys) {
            const QRect frame = inside(QRect(x, y, width, height), screen);
            const std::tuple cost{overlap(frame, well), overlap(frame, mainFrame),
                                  (frame.topLeft() - right.topLeft()).manhattanLength()};
            if (first || cost < bestCost) best = frame, bestCost = cost, first = false;
        }
    }
    return best;
}

QRect placeBesideMainWindow(QWidget& secondary, const QWidget& mainWindow, const QRect& well, const QRect& avoid) {
    const QScreen* screen = mainWindow.screen();
    if (!screen) return secondary.frameGeometry();
    const QRect available = screen->availableGeometry();
    // The secondary window is not decorated yet: take the main window's frame as the
    // measure of the border the window manager adds.
    const QRect mainFrame = mainWindow.frameGeometry();
    const QSize border = mainFrame.size() - mainWindow.geometry().size();
    const QSize room = available.size() - border;
    if (secondary.width() > room.width() || secondary.height() > room.height()) {
        secondary.resize(secondary.size().scaled(room, Qt::KeepAspectRatio));
    }
    const QRect frame = besideMainWindow(secondary.size(), border, mainFrame,
                                         QRect(mainWindow.mapToGlobal(well.topLeft()), well.size()), available, avoid);
    if (frame.size() != secondary.size() + border) secondary.resize(frame.size() - border);
    // A window's position is that of its frame.
    secondary.move(frame.topLeft());
    return frame;
}

void closeOnEscape(QWidget& secondary) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), &secondary);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &secondary, &QWidget::close);
}

}  // namespace tumblehand::ui
