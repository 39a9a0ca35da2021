#include "ui/windows/wayland_placement.h"

#include "qwayland-gtk-shell.h"
#include "qwayland-plasma-shell.h"
#include "wayland-gtk-shell-client-protocol.h"
#include "wayland-plasma-shell-client-protocol.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QWindow>
#include <QtWaylandClient/QWaylandClientExtensionTemplate>
#include <qpa/qplatformnativeinterface.h>

#include <functional>
#include <utility>

namespace tumblehand::ui {

namespace {

// The desktop's globals, bound once, when first asked for; inactive where the desktop
// does not offer them.
class PlasmaShell : public QWaylandClientExtensionTemplate<PlasmaShell>, public QtWayland::org_kde_plasma_shell {
public:
    PlasmaShell() : QWaylandClientExtensionTemplate(1) { initialize(); }
};

class GtkShell : public QWaylandClientExtensionTemplate<GtkShell>, public QtWayland::gtk_shell1 {
public:
    GtkShell() : QWaylandClientExtensionTemplate(1) { initialize(); }
};

template <typename Extension>
Extension* bound() {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return nullptr;
    // Owned by the application, so that it goes before the Wayland connection does.
    static QPointer<Extension> extension = [] {
        auto* made = new Extension();
        made->setParent(qApp);
        return made;
    }();
    return extension && extension->isActive() ? extension.data() : nullptr;
}

::wl_surface* surfaceOf(QWindow& window) {
    return static_cast<::wl_surface*>(
        QGuiApplication::platformNativeInterface()->nativeResourceForWindow("surface", &window));
}

// Runs action with the window's surface: now where it has one (or, with onExpose, once
// the desktop has taken it on as a window), else when the window is first exposed, which
// is after that and before its first picture is committed.
class WhenSurfaceExists : public QObject {
public:
    WhenSurfaceExists(QWindow& window, std::function<void(::wl_surface*)> action, bool onExpose = false)
        : QObject(&window), action_(std::move(action)) {
        ::wl_surface* surface = onExpose ? nullptr : surfaceOf(window);
        if (surface) {
            action_(surface);
            deleteLater();
        } else {
            window.installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose) {
            if (::wl_surface* surface = surfaceOf(*static_cast<QWindow*>(watched))) {
                watched->removeEventFilter(this);
                action_(surface);
                deleteLater();
            }
        }
        return false;
    }

private:
    std::function<void(::wl_surface*)> action_;
};

// The window's plasma surface, which says where the desktop is to put it. Kept while the
// window is shown: KWin reads the position only when it takes the window on, which may
// be after the game asked (a window's surface and its role come together).
class PlasmaPlacement : public QObject {
public:
    explicit PlasmaPlacement(QWindow& window) : QObject(&window), window_(window) { window.installEventFilter(this); }
    ~PlasmaPlacement() override { drop(); }

    void place(QPoint frameTopLeft) {
        new WhenSurfaceExists(window_, [this, frameTopLeft](::wl_surface* surface) {
            PlasmaShell* shell = bound<PlasmaShell>();
            if (!shell) return;
            if (!plasma_) plasma_ = shell->get_surface(surface);
            org_kde_plasma_surface_set_position(plasma_, frameTopLeft.x(), frameTopLeft.y());
        });
    }

protected:
    // Hidden, the window loses its surface; shown again, it has a new one.
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) drop();
        return false;
    }

private:
    void drop() {
        if (plasma_) org_kde_plasma_surface_destroy(plasma_);
        plasma_ = nullptr;
    }

    QWindow& window_;
    ::org_kde_plasma_surface* plasma_ = nullptr;
};

}  // namespace

bool desktopTakesPositions() { return bound<PlasmaShell>() != nullptr; }

void askDesktopToPlace(QWindow& window, QPoint frameTopLeft) {
    if (!bound<PlasmaShell>()) return;
    auto* placement = window.findChild<PlasmaPlacement*>(QString(), Qt::FindDirectChildrenOnly);
    if (!placement) placement = new PlasmaPlacement(window);
    placement->place(frameTopLeft);
}

void tellDesktopItIsModal(QWindow& dialog) {
    if (!bound<GtkShell>()) return;
    // Mutter takes it only from a surface that is a window already.
    new WhenSurfaceExists(
        dialog,
        [](::wl_surface* surface) {
            GtkShell* shell = bound<GtkShell>();
            if (!shell) return;
            // gtk_surface1 has no destructor at version 1: the desktop drops it with the
            // surface. Without a listener, its events are dropped here too.
            gtk_surface1_set_modal(shell->get_gtk_surface(surface));
        },
        true);
}

}  // namespace tumblehand::ui
