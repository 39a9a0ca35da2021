#include "ui/records_window.h"
#include "board/form1.h"
#include "ui/double_rule.h"
#include "ui/fonts.h"
#include "ui/text_painting.h"
#include "ui/twips_scale.h"

#include <QPainter>

#include <array>

namespace tumblehand::ui {

namespace {

const QColor WindowColour(0xD8, 0xD4, 0xCB);
const QColor BarColour(0x6E, 0x6A, 0x63);
const QColor HeadingBlue(0x00, 0x00, 0xFF);
const QColor HolderPurple(0x80, 0x00, 0x80);
const QColor BestMagenta(0xC0, 0x00, 0xC0);
// Places 1, 2 and 3; the others are black.
const std::array<QColor, 3> PlaceColours = {QColor(0xFF, 0x00, 0x00), QColor(0xFF, 0x80, 0x00),
                                            QColor(0xFF, 0xFF, 0x00)};

constexpr double RowHeight = 300;
constexpr double NamePoints = 11.25;
constexpr double NumberPoints = 14.25;

QColor placeColour(std::size_t place) {
    return place < PlaceColours.size() ? PlaceColours[place] : QColor(Qt::black);
}

}  // namespace

RecordsWindow::RecordsWindow(const Form1& form, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form) {
    setWindowTitle(QStringLiteral("成績"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

QSize RecordsWindow::sizeHint() const {
    return QSize(AreaWidth * 2 / 15, AreaHeight * 2 / 15);
}

void RecordsWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const TwipsScale s(QSizeF(size()), AreaWidth, AreaHeight);
    painter.fillRect(rect(), BarColour);
    painter.fillRect(s.area(), WindowColour);

    // Before the model exists the labels show their design texts.
    static const Form3 designTime;
    const Form3& model = form_.existingForm3() ? *form_.existingForm3() : designTime;

    const QFont heading = gameFont(15.75, true, s.factor());
    const QFont placeFont = gameFont(NamePoints, false, s.factor());
    const QFont nameFont = gameFont(NamePoints, true, s.factor());
    const QFont numberFont = gameFont(NumberPoints, true, s.factor());
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignVCenter;

    drawPlainText(painter, s.rect(600, 0, 3255, 345), centred, QStringLiteral("High Score"), heading,
                  HeadingBlue);
    for (std::size_t i = 0; i < 10; ++i) {
        const double top = 480 + 360.0 * static_cast<double>(i);
        const double placeLeft = i == 9 ? 0 : 120;
        drawPlainText(painter, s.rect(placeLeft, top, 240, RowHeight), left, QString::number(i + 1),
                      placeFont, Qt::black);
        drawPlainText(painter, s.rect(240, top, 585, RowHeight), left, toQString(model.Label1[i].Caption),
                      nameFont, placeColour(i));
        drawPlainText(painter, s.rect(2280, top, 1980, RowHeight), left, toQString(model.Score[i].Caption),
                      numberFont, placeColour(i));
    }

    drawPlainText(painter, s.rect(600, 4250, 3255, 345), centred, QStringLiteral("Max Combo"), heading,
                  HeadingBlue);
    drawPlainText(painter, s.rect(120, 4680 - 60, 2000, RowHeight), left, toQString(model.Maxcombop.Caption),
                  nameFont, HolderPurple);
    drawPlainText(painter, s.rect(2160, 4680 - 60, 2100, RowHeight), left, toQString(model.Maxcombon.Caption),
                  numberFont, BestMagenta);

    drawPlainText(painter, s.rect(600, 5060, 3255, 345), centred, QStringLiteral("Max Points"), heading,
                  HeadingBlue);
    drawPlainText(painter, s.rect(120, 5520 - 60, 2000, RowHeight), left,
                  toQString(model.MaxpointsP.Caption), nameFont, HolderPurple);
    drawPlainText(painter, s.rect(2160, 5520 - 60, 2100, RowHeight), left,
                  toQString(model.Maxpointsn.Caption), numberFont, BestMagenta);

    for (const double y : {360.0, 4215.0, 4560.0, 5040.0, 5400.0}) drawHorizontalRule(painter, s, y, 0, AreaWidth);
}

}  // namespace tumblehand::ui
