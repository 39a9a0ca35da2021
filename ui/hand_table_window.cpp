#include "ui/hand_table_window.h"
#include "ui/double_rule.h"
#include "ui/fonts.h"
#include "ui/text_painting.h"
#include "ui/twips_scale.h"

#include <QPainter>

#include <array>

namespace tumblehand::ui {

namespace {

struct HandRow {
    int top;
    const char* hand;
    const char* points;
    const char* cards;
    const char* effect;
    const char* effectSecondLine;  ///< where the effect wraps, or null for one line
};

// The effects that wrap onto a second line start 120 twips higher.
const std::array<HandRow, 11> Rows = {{
    {480, "ブタ", "0", "0", "ブタ化", nullptr},
    {840, "１ＰＡＩＲ", "10", "1", "ブタ　-　1", nullptr},
    {1200, "２ＰＡＩＲ", "50", "2", "ブタ　-　2", nullptr},
    {1560, "３ＣＡＲＤ", "100", "3", "　ブタ　-　3　　", "SCORE*1.5"},
    {1920, "ＳＴＲＡＩＧＨＴ", "1000", "5", "ブタ消去,SCORE*2", nullptr},
    {2280, "ＦＬＵＳＨ", "2000", "5", "全てのブタ　-　X", nullptr},
    {2640, "ＦＵＬＬ　ＨＯＵＳＥ", "5000", "5", "ブタ消去,SCORE*5", nullptr},
    {3000, "４ＣＡＲＤ", "8000", "5", "ブタ消去,JOKER*2,", "SCORE*2"},
    {3360, "STRAIGHT FLUSH", "15000", "5", "全ブタ消去", nullptr},
    {3720, "５ＣＡＲＤ", "25000", "5", "ブタ消去,JOKER*5,", " JOKER残留"},
    {4080, "ROYAL STRAIGHT FLUSH", "50000", "5", "全ブタ消去,SCORE*3,JOKER*5", nullptr},
}};

const QColor WindowColour(0xD8, 0xD4, 0xCB);
const QColor BarColour(0x6E, 0x6A, 0x63);
const QColor HandBlue(0x00, 0x00, 0xFF);
const QColor PigRed(0x80, 0x00, 0x00);

constexpr double RowHeight = 255;
constexpr double LineHeight = 240;
constexpr double EffectLeft = 4320;

void drawEffectLine(QPainter& painter, const TwipsScale& s, double top, const QString& text,
                    const QFont& font) {
    drawPlainTextFitted(painter, s.rect(EffectLeft, top, HandTableWindow::AreaWidth - EffectLeft - 30, LineHeight),
                        Qt::AlignLeft | Qt::AlignVCenter, text, font, Qt::black);
}

}  // namespace

HandTableWindow::HandTableWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("役"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

QSize HandTableWindow::sizeHint() const {
    return QSize(AreaWidth * 2 / 15, AreaHeight * 2 / 15);
}

void HandTableWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const TwipsScale s(QSizeF(size()), AreaWidth, AreaHeight);
    painter.fillRect(rect(), BarColour);
    painter.fillRect(s.area(), WindowColour);

    const QFont heading = gameFont(15.75, true, s.factor());
    const QFont smallHeading = gameFont(8.25, false, s.factor());
    const QFont columnHeading = gameFont(12, true, s.factor());
    const QFont handFont = gameFont(12, true, s.factor());
    const QFont cellFont = gameFont(9, false, s.factor());

    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignVCenter;
    drawPlainText(painter, s.rect(0, 0, 2640, 360), centred, QStringLiteral("役"), heading, Qt::black);
    drawPlainText(painter, s.rect(2760, 0, 600, 360), Qt::AlignLeft | Qt::AlignVCenter,
                  QStringLiteral("得点"), columnHeading, Qt::black);
    drawPlainText(painter, s.rect(3430, 0, 770, 360), Qt::AlignLeft | Qt::AlignVCenter,
                  QStringLiteral("消費枚数"), smallHeading, Qt::black);
    drawPlainText(painter, s.rect(EffectLeft, 0, AreaWidth - EffectLeft, 360), Qt::AlignLeft | Qt::AlignVCenter,
                  QStringLiteral("効果"), columnHeading, Qt::black);

    for (const HandRow& row : Rows) {
        const QString hand = QString::fromUtf8(row.hand);
        const bool pigRow = hand == QStringLiteral("ブタ");
        drawPlainTextFitted(painter, s.rect(60, row.top, 2520, RowHeight), centred, hand, handFont,
                            pigRow ? PigRed : HandBlue);
        drawPlainText(painter, s.rect(2760, row.top, 600, RowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                      QString::fromUtf8(row.points), cellFont, Qt::black);
        drawPlainText(painter, s.rect(3375, row.top, 825, RowHeight), centred,
                      QString::fromUtf8(row.cards), cellFont, Qt::black);
        if (row.effectSecondLine) {
            drawEffectLine(painter, s, row.top - 120, QString::fromUtf8(row.effect), cellFont);
            drawEffectLine(painter, s, row.top - 120 + LineHeight, QString::fromUtf8(row.effectSecondLine),
                           cellFont);
        } else {
            drawEffectLine(painter, s, row.top, QString::fromUtf8(row.effect), cellFont);
        }
    }

    painter.save();
    painter.setClipRect(s.area());
    drawHorizontalRule(painter, s, 360, 0, AreaWidth);
    for (const double x : {2640.0, 3360.0, 4200.0}) drawVerticalRule(painter, s, x, 0, 4560);
    painter.restore();
}

}  // namespace tumblehand::ui
