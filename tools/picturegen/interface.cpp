#include <QPainterPath>
#include <QStringList>

#include "pictures.h"

namespace picturegen {
namespace {

// Small pictures for the caption-less buttons of the preset editor.
void checkBox(QPainter& p, QRectF r, bool checked) {
    const QColor ink(0x30, 0x30, 0x30);
    const QColor tick(0x00, 0x60, 0xC0);
    p.setPen(QPen(ink, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(r);
    if (checked) {
        p.setPen(QPen(tick, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath path;
        path.moveTo(r.left() + 2, r.center().y());
        path.lineTo(r.center().x() - 0.5, r.bottom() - 2);
        path.lineTo(r.right() - 1.5, r.top() + 2);
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
}

void fourBoxes(QPainter& p, bool checked) {
    for (int i = 0; i < 4; ++i) {
        checkBox(p, QRectF(2.5 + (i % 2) * 11, 2.5 + (i / 2) * 11, 8, 8), checked);
    }
}

void invertGlyph(QPainter& p) {
    checkBox(p, QRectF(2.5, 2.5, 8, 8), true);
    checkBox(p, QRectF(13.5, 13.5, 8, 8), false);
    p.setPen(QPen(QColor(0x00, 0x60, 0xC0), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 5), QPointF(20, 5));
    p.drawLine(QPointF(20, 5), QPointF(20, 10));
    p.drawLine(QPointF(18, 8), QPointF(20, 10));
    p.drawLine(QPointF(22, 8), QPointF(20, 10));
    p.drawLine(QPointF(10, 19), QPointF(4, 19));
    p.drawLine(QPointF(4, 19), QPointF(4, 14));
    p.drawLine(QPointF(2, 16), QPointF(4, 14));
    p.drawLine(QPointF(6, 16), QPointF(4, 14));
}

void openGlyph(QPainter& p) {
    p.setPen(QPen(QColor(0x8A, 0x6A, 0x10), 1.0));
    p.setBrush(QColor(0xF0, 0xC8, 0x50));
    p.drawRect(QRectF(2.5, 6.5, 18, 13));
    p.drawRect(QRectF(2.5, 4.5, 7, 2));
    p.setBrush(QColor(0xFA, 0xE0, 0x8A));
    QPolygonF lid;
    lid << QPointF(5.5, 10.5) << QPointF(22.5, 10.5) << QPointF(19.5, 19.5) << QPointF(2.5, 19.5);
    p.drawPolygon(lid);
}

void saveGlyph(QPainter& p) {
    p.setPen(QPen(QColor(0x10, 0x30, 0x70), 1.0));
    p.setBrush(QColor(0x30, 0x60, 0xB0));
    p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 3.5, 11, 7));
    p.setBrush(QColor(0xC0, 0xC0, 0xC0));
    p.drawRect(QRectF(7.5, 14.5, 9, 6));
}

constexpr QSize kFlag{40, 25};

void czechFlag(QPainter& p) {
    const int w = kFlag.width();
    const int h = kFlag.height();
    p.fillRect(0, 0, w, h / 2, QColor(255, 255, 255));
    p.fillRect(0, h / 2, w, h - h / 2, QColor(215, 20, 26));
    QPainterPath wedge;
    wedge.moveTo(0, 0);
    wedge.lineTo(w / 2.0, h / 2.0);
    wedge.lineTo(0, h);
    wedge.closeSubpath();
    p.fillPath(wedge, QColor(17, 69, 126));
}

void unitedKingdomFlag(QPainter& p) {
    const int w = kFlag.width();
    const int h = kFlag.height();
    const QColor red(200, 16, 46);
    p.fillRect(0, 0, w, h, QColor(1, 33, 105));
    const QLineF d1(0, 0, w, h);
    const QLineF d2(0, h, w, 0);
    p.setPen(QPen(Qt::white, 5));
    p.drawLine(d1);
    p.drawLine(d2);
    p.setPen(QPen(red, 2));
    p.drawLine(d1);
    p.drawLine(d2);
    p.fillRect(w / 2 - 4, 0, 8, h, Qt::white);
    p.fillRect(0, h / 2 - 4, w, 8, Qt::white);
    p.fillRect(w / 2 - 2, 0, 4, h, red);
    p.fillRect(0, h / 2 - 2, w, 4, red);
}

// A receiver lead (three wires into a plug) beside each input's controls.
void receiverLead(QPainter& p) {
    const QColor wires[] = {QColor(0x8B, 0x45, 0x13), QColor(0xD0, 0x20, 0x20),
                            QColor(0xF0, 0x90, 0x10)};
    for (int i = 0; i < 3; ++i) {
        const qreal y = 8.5 + 4 * i;
        QPainterPath path(QPointF(1, y + (i - 1) * 2.5));
        path.cubicTo(QPointF(16, y + (i - 1) * 4), QPointF(26, y), QPointF(42, y));
        p.setPen(QPen(wires[i], 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
    p.setBrush(QColor(0x40, 0x40, 0x40));
    p.drawRoundedRect(QRectF(42, 4.5, 20, 16), 2, 2);
    p.setBrush(QColor(0xC8, 0xC8, 0xC8));
    for (int i = 0; i < 3; ++i) {
        p.drawRect(QRectF(62, 6.5 + 4 * i, 5, 1.8));
    }
}

// The switch module with its two receiver inputs and its pin row.
void moduleDrawing(QPainter& p) {
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(9);
    p.setFont(small);

    const QColor leadColours[3] = {QColor(0x40, 0x30, 0x20), QColor(0xD0, 0x30, 0x20),
                                   QColor(0xF0, 0xA0, 0x10)};
    for (int input = 0; input < 2; ++input) {
        const int y = 30 + input * 42;
        for (int wire = 0; wire < 3; ++wire) {
            p.setPen(QPen(leadColours[wire], 2));
            p.drawLine(6, y + wire * 3, 70, y + wire * 3);
        }
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(0x20, 0x20, 0x20));
        p.drawRect(QRectF(0.5, y - 3.5, 10, 13));
        p.setPen(Qt::black);
        p.drawText(QRect(12, y - 15, 58, 12), Qt::AlignLeft,
                   QStringLiteral("IN%1 max 6V").arg(input + 1));
    }

    p.setPen(QPen(QColor(0x10, 0x40, 0x10), 1));
    p.setBrush(QColor(0x2E, 0x8B, 0x3A));
    p.drawRoundedRect(QRectF(70.5, 6.5, 120, 99), 4, 4);
    p.setBrush(QColor(0x18, 0x18, 0x18));
    p.drawRect(QRectF(96.5, 36.5, 40, 40));
    p.setPen(Qt::white);
    QFont bold = small;
    bold.setBold(true);
    bold.setPixelSize(10);
    p.setFont(bold);
    p.drawText(QRect(72, 10, 116, 14), Qt::AlignCenter, QStringLiteral("RC Lumidor v4.0"));
    p.setFont(small);

    const QStringList pins{QStringLiteral("+EXT"), QStringLiteral("-EXT"), QStringLiteral("OUT1"),
                           QStringLiteral("OUT2"), QStringLiteral("OUT3"), QStringLiteral("OUT4"),
                           QStringLiteral("+Ucc"), QStringLiteral("OUT5"), QStringLiteral("OUT6"),
                           QStringLiteral("OUT7"), QStringLiteral("OUT8")};
    for (int i = 0; i < pins.size(); ++i) {
        const qreal y = 10.5 + i * 8.7;
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(0xD4, 0xAF, 0x37));
        p.drawRect(QRectF(180.5, y, 6, 6));
        p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
        p.drawLine(QPointF(187, y + 3), QPointF(200, y + 3));
        p.setPen(Qt::black);
        p.drawText(QRectF(203, y - 3, 50, 11), Qt::AlignLeft | Qt::AlignVCenter, pins[i]);
    }
}

}  // namespace

std::vector<Drawing> interfaceDrawings() {
    const QSize glyph(24, 24);
    const QColor none = Qt::transparent;
    return {
        {QStringLiteral("glyphs/clear.png"), glyph, none, [](QPainter& p) { fourBoxes(p, false); }},
        {QStringLiteral("glyphs/fill.png"), glyph, none, [](QPainter& p) { fourBoxes(p, true); }},
        {QStringLiteral("glyphs/invert.png"), glyph, none, invertGlyph},
        {QStringLiteral("glyphs/open.png"), glyph, none, openGlyph},
        {QStringLiteral("glyphs/save.png"), glyph, none, saveGlyph},
        // The active language shows its flag in colour, the other one greyed.
        {QStringLiteral("flags/cz.png"), kFlag, Qt::white, czechFlag},
        {QStringLiteral("flags/cz-grey.png"), kFlag, Qt::white, czechFlag, true},
        {QStringLiteral("flags/gb.png"), kFlag, Qt::white, unitedKingdomFlag},
        {QStringLiteral("flags/gb-grey.png"), kFlag, Qt::white, unitedKingdomFlag, true},
        {QStringLiteral("pictures/receiver-lead.png"), QSize(69, 25), none, receiverLead},
        {QStringLiteral("pictures/module.png"), QSize(253, 112), Qt::white, moduleDrawing},
    };
}

}  // namespace picturegen
