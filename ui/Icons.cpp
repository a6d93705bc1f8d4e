#include "Icons.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPixmap>
#include <QRectF>

#include <functional>
#include <initializer_list>

namespace quorvane::ui {

namespace {

// Both icons are drawn once on a 48 by 48 grid and scaled, so that every size shows the same
// picture; the sizes are those that tool buttons, title bars and launchers ask for.
constexpr double Grid = 48.0;
constexpr std::initializer_list<int> IconSizes{16, 24, 32, 48};

const QColor DeepBlue(0x16, 0x3F, 0x7D);
const QColor Blue(0x1E, 0x5A, 0xA8);
const QColor BrightBlue(0x4A, 0x90, 0xE2);
const QColor PaleBlue(0x9C, 0xC3, 0xF5);
const QColor MistBlue(0xD6, 0xE6, 0xFA);

QIcon DrawnIcon(const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (const int size : IconSizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / Grid, size / Grid);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPen RoundPen(const QColor& colour, double width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void DrawHelp(QPainter& painter) {
    QPainterPath bubble;
    bubble.addEllipse(QRectF(4, 3, 40, 35));
    QPainterPath tail;
    tail.moveTo(12, 31);
    tail.lineTo(7, 45);
    tail.lineTo(22, 36);
    tail.closeSubpath();
    bubble = bubble.united(tail);

    QLinearGradient fill(0, 3, 0, 45);
    fill.setColorAt(0, Qt::white);
    fill.setColorAt(1, MistBlue);
    painter.setPen(RoundPen(Blue, 3));
    painter.setBrush(fill);
    painter.drawPath(bubble);

    QPainterPath hook;
    hook.moveTo(18, 15.5);
    hook.cubicTo(18, 8, 30, 8, 30, 15.5);
    hook.cubicTo(30, 20, 24, 20.5, 24, 25);
    painter.setPen(RoundPen(Blue, 5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(hook);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Blue);
    painter.drawEllipse(QPointF(24, 31.5), 3, 3);
}

void DrawApplication(QPainter& painter) {
    // The body of the cylinder, shaded dark at both sides so that it reads as round.
    QPainterPath body;
    body.addRect(QRectF(7, 10, 34, 28));
    body.addEllipse(QRectF(7, 33, 34, 10));
    body.setFillRule(Qt::WindingFill);
    QLinearGradient shade(7, 0, 41, 0);
    shade.setColorAt(0, DeepBlue);
    shade.setColorAt(0.4, BrightBlue);
    shade.setColorAt(1, DeepBlue);
    painter.setPen(RoundPen(DeepBlue, 1.5));
    painter.setBrush(shade);
    painter.drawPath(body.simplified());

    painter.setBrush(PaleBlue);
    painter.drawEllipse(QRectF(7, 5, 34, 10));

    // The seam between the two tiers: the server above, the client below.
    painter.setPen(RoundPen(PaleBlue, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(7, 17, 34, 10), 180 * 16, 180 * 16);

    painter.setPen(RoundPen(Qt::white, 3.5));
    painter.drawEllipse(QPointF(24, 33), 6.5, 6);
    painter.drawLine(QPointF(26.5, 35.5), QPointF(31.5, 40.5));
}

} // namespace

QIcon HelpIcon() {
    return DrawnIcon(DrawHelp);
}

QIcon ApplicationIcon() {
    return DrawnIcon(DrawApplication);
}

} // namespace quorvane::ui
