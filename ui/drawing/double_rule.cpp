#include "ui/drawing/double_rule.h"

#include "ui/drawing/twips_scale.h"

#include <QPainter>

#include <algorithm>

namespace tumblehand::ui {

namespace {

const QColor RuleGrey(0x80, 0x80, 0x80);
constexpr double LineTwips = 15;

}  // namespace

void drawHorizontalRule(QPainter& painter, const TwipsScale& s, double y, double fromX, double toX) {
    const double height = std::max(s.length(LineTwips), 1.0);
    const QPointF left = s.point(fromX, y);
    const double width = s.length(toX - fromX);
    painter.fillRect(QRectF(left.x(), left.y(), width, height), Qt::white);
    painter.fillRect(QRectF(left.x(), left.y() + height, width, height), RuleGrey);
}

void drawVerticalRule(QPainter& painter, const TwipsScale& s, double x, double fromY, double toY) {
    const double width = std::max(s.length(LineTwips), 1.0);
    const QPointF top = s.point(x, fromY);
    const double height = s.length(toY - fromY);
    painter.fillRect(QRectF(top.x(), top.y(), width, height), Qt::white);
    painter.fillRect(QRectF(top.x() + width, top.y(), width, height), RuleGrey);
}

void paintRule(QPainter& painter, const TwipsScale& s, const Rule& rule) {
    if (rule.Y1 == rule.Y2) {
        drawHorizontalRule(painter, s, rule.Y1, rule.X1, rule.X2);
    } else {
        drawVerticalRule(painter, s, rule.X1, rule.Y1, rule.Y2);
    }
}

}  // namespace tumblehand::ui
