#include "ui/windows/dialog_size.h"

#include "ui/windows/wayland_placement.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QSpacerItem>
#include <QStyle>

#include <algorithm>

namespace tumblehand::ui {

namespace {

int sensibleWidth(const QWidget& dialog) {
    const QFontMetrics metrics(dialog.font());
    // A title bar holds an icon, the title, a little space around it and up to three
    // window buttons; its font is often bolder and larger than the dialog's (Qt's own
    // title bars on Wayland), hence half as wide again.
    const int title = metrics.horizontalAdvance(dialog.windowTitle()) * 3 / 2 + metrics.height() * 8;
    return std::max(title, metrics.height() * 16);
}

}  // namespace

void giveSensibleWidth(QMessageBox& box) {
    // A message box sets its own fixed size from its layout whenever it is shown, so
    // the width goes into the layout, as a row of its own.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    grid->addItem(new QSpacerItem(sensibleWidth(box), 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(),
                  0, 1, grid->columnCount());
}

void frameAsDialog(QDialog& dialog) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // Centred on the game on GNOME too, which centres only the dialogs it is told are modal.
    dialog.winId();
    if (dialog.windowHandle()) tellDesktopItIsModal(*dialog.windowHandle());
}

void giveSensibleWidth(QInputDialog& dialog) {
    // An input box, too, takes its size from its layout: the width goes to its prompt.
    auto* prompt = dialog.findChild<QLabel*>();
    if (!prompt) return;
    const int margins = dialog.style()->pixelMetric(QStyle::PM_LayoutLeftMargin) +
                        dialog.style()->pixelMetric(QStyle::PM_LayoutRightMargin);
    prompt->setMinimumWidth(sensibleWidth(dialog) - margins);
}

}  // namespace tumblehand::ui
