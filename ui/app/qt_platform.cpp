#include "ui/app/qt_platform.h"

#include "ui/app/main_window.h"
#include "ui/input/dialog_answer_keys.h"
#include "ui/windows/dialog_size.h"
#include "ui/windows/hand_table_window.h"
#include "ui/windows/records_window.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QInputDialog>
#include <QMessageBox>

namespace tumblehand::ui {

namespace {

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

QString dialogTitle(std::string_view title) { return title.empty() ? QStringLiteral("Tumblehand") : fromUtf8(title); }

QString promptText(std::string_view prompt) {
    QString text = fromUtf8(prompt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QtPlatform::QtPlatform(Probe& probe) : generator_(1), probe_(probe) {}

QtPlatform::~QtPlatform() = default;

void QtPlatform::seedFromClock() {
    const auto now = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
    std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32)};
    generator_.seed(seed);
}

float QtPlatform::random() { return unitFloat(static_cast<std::uint32_t>(generator_())); }

QWidget* QtPlatform::dialogParent() const { return window_.data(); }

void QtPlatform::beforeDialog() {
    if (window_) window_->showModelNow();
}

void QtPlatform::messageBox(std::string_view text, std::string_view title) {
    beforeDialog();
    ModalTime::Scope scope(modal_);
    QMessageBox box(QMessageBox::NoIcon, dialogTitle(title), fromUtf8(text), QMessageBox::Ok, dialogParent());
    box.setTextFormat(Qt::PlainText);
    giveSensibleWidth(box);
    frameAsDialog(box);
    box.exec();
}

bool QtPlatform::askYesNo(std::string_view text, std::string_view title) {
    beforeDialog();
    ModalTime::Scope scope(modal_);
    QMessageBox box(QMessageBox::Question, dialogTitle(title), fromUtf8(text), QMessageBox::Yes | QMessageBox::No,
                    dialogParent());
    box.setTextFormat(Qt::PlainText);
    giveSensibleWidth(box);
    frameAsDialog(box);
    box.setDefaultButton(QMessageBox::Yes);
    answerOnLetterPress(box);
    return box.exec() == QMessageBox::Yes;
}

std::string QtPlatform::inputBox(std::string_view prompt, std::string_view title, std::string_view defaultText) {
    beforeDialog();
    ModalTime::Scope scope(modal_);
    QInputDialog dialog(dialogParent());
    dialog.setWindowTitle(dialogTitle(title));
    dialog.setLabelText(promptText(prompt));
    giveSensibleWidth(dialog);
    frameAsDialog(dialog);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(fromUtf8(defaultText));
    // QInputDialog selects the default answer itself, so typing replaces it.
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.textValue().toStdString();
}

std::string QtPlatform::programFolder() { return QCoreApplication::applicationDirPath().toStdString(); }

void QtPlatform::playWav(const std::string& path) {
    probe_.cue(path);
    cues_.play(path);
}

void QtPlatform::closeMainWindow() {
    if (window_) window_->close();
}

void QtPlatform::showHandTable() {
    if (window_) window_->showHandTable();
}

void QtPlatform::showRecords() {
    if (window_) window_->showRecords();
}

}  // namespace tumblehand::ui
