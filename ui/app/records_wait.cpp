#include "ui/app/qt_platform.h"
#include "ui/windows/dialog_size.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace tumblehand::ui {

namespace {

// Another copy's save takes a moment: asked this often, ours follows it at once.
constexpr int AskEveryMs = 100;
// A wait shorter than this goes unnoticed; a longer one is explained.
constexpr int TellAfterMs = 3000;

}  // namespace

bool QtPlatform::waitUntil(std::string_view text, std::string_view title, const std::function<bool()>& ready) {
    if (ready()) return true;
    beforeDialog();
    ModalTime::Scope scope(modal_);
    // The wait runs in a loop of its own, as a dialog does: the windows paint and answer,
    // and the running procedure holds every tick, key and click back.
    QMessageBox box(QMessageBox::Information, dialogTitle(title), promptText(text), QMessageBox::NoButton,
                    dialogParent());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.setEscapeButton(box.addButton(QStringLiteral("待たずに保存"), QMessageBox::RejectRole));
    giveSensibleWidth(box);

    enum class End { Quit, Ready, GaveUp } end = End::Quit;
    QEventLoop loop;
    QTimer again;
    QObject::connect(&again, &QTimer::timeout, &loop, [&] {
        if (!ready()) return;
        end = End::Ready;
        loop.quit();
    });
    QObject::connect(&box, &QDialog::finished, &loop, [&] {
        end = End::GaveUp;
        loop.quit();
    });
    QTimer::singleShot(TellAfterMs, &box, [&box] { box.show(); });
    again.start(AskEveryMs);
    loop.exec();
    // The program ending meanwhile (its window closed) also ends the wait: the entries are
    // saved at once, as when the player gives up.
    return end == End::Ready;
}

}  // namespace tumblehand::ui
