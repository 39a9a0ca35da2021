#pragma once

#include <QObject>

class QWidget;

namespace tumblehand::ui {

/// Whether the player has left the game: another program has taken the focus, or the main
/// window is minimised or hidden. The game's own dialogs and secondary windows keep the
/// application in front, so opening them is no leaving. Until the window system first says
/// the application went to the background, the player counts as present: a desktop without
/// a window manager may never make it active at all.
class PlayerPresence : public QObject {
    Q_OBJECT
public:
    explicit PlayerPresence(QWidget& mainWindow);

    /// True from the moment the player left until the game is in front again.
    bool away() const { return background_ || hidden_; }

signals:
    /// The player has just left.
    void left();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update(bool background, bool hidden);

    QWidget& window_;
    bool background_ = false;
    bool hidden_ = false;
};

}  // namespace tumblehand::ui
