// Line-and-fill drawings of the models. The lamps of the model preview window
// lie on top of these pictures at fixed places, so each drawing puts the part a
// lamp belongs to (wing tip, arm, hull, light) under that lamp; the places in
// the comments are lamp centres in the picture's own pixels.
#include <QPainterPath>
#include <QtMath>

#include "pictures.h"

namespace picturegen {
namespace {

const QColor kInk(0x2F, 0x3A, 0x45);
const QColor kSkin(0xE4, 0xEA, 0xF0);
const QColor kSkinDark(0xC4, 0xCD, 0xD6);
const QColor kGlass(0x9E, 0xC3, 0xE0);
const QColor kRubber(0x2B, 0x2F, 0x33);
const QColor kMetal(0x6A, 0x73, 0x7D);

void outline(QPainter& p, const QColor& fill, qreal width = 1.5) {
    p.setPen(QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
}

void detail(QPainter& p, qreal width = 1.0) {
    p.setPen(QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

// A shape symmetric about the vertical line x = axis, given by its half-widths
// from top to bottom.
QPolygonF symmetric(qreal axis, const std::vector<QPointF>& halfWidths) {
    QPolygonF shape;
    for (const QPointF& hw : halfWidths) {
        shape << QPointF(axis - hw.x(), hw.y());
    }
    for (auto it = halfWidths.rbegin(); it != halfWidths.rend(); ++it) {
        shape << QPointF(axis + it->x(), it->y());
    }
    return shape;
}

// Twin-engined aeroplane from above, nose up. Lamps: beacon (176, 91) on the
// fuselage, position and flash lights stacked at the wing tips (14, 117/133)
// and (338, 116/132), landing lights at the wings' leading edges (110, 101)
// and (241, 101), the tail light at the fuselage's end (176, 264).
void aeroplane(QPainter& p) {
    const qreal axis = 176;

    // Wing, one piece through the fuselage: tapered, swept slightly back.
    QPainterPath wing;
    wing.moveTo(axis - 16, 86);
    wing.lineTo(100, 93);
    wing.lineTo(16, 105);
    wing.quadTo(5, 106, 5, 116);
    wing.lineTo(5, 134);
    wing.quadTo(5, 145, 16, 145);
    wing.lineTo(axis - 16, 152);
    wing.lineTo(axis + 16, 152);
    wing.lineTo(2 * axis - 16, 145);
    wing.quadTo(2 * axis - 5, 145, 2 * axis - 5, 134);
    wing.lineTo(2 * axis - 5, 116);
    wing.quadTo(2 * axis - 5, 106, 2 * axis - 16, 105);
    wing.lineTo(2 * axis - 100, 93);
    wing.lineTo(axis + 16, 86);
    wing.closeSubpath();
    outline(p, kSkin);
    p.drawPath(wing);
    // Ailerons and flaps along the trailing edge.
    detail(p, 0.8);
    for (const int side : {-1, 1}) {
        p.drawLine(QPointF(axis + side * 146, 137), QPointF(axis + side * 86, 140));
        p.drawLine(QPointF(axis + side * 86, 140), QPointF(axis + side * 86, 146.5));
        p.drawLine(QPointF(axis + side * 146, 137), QPointF(axis + side * 146, 144));
        p.drawLine(QPointF(axis + side * 70, 141), QPointF(axis + side * 22, 143));
        p.drawLine(QPointF(axis + side * 70, 141), QPointF(axis + side * 70, 148));
    }

    // Tailplane.
    QPolygonF tail;
    tail << QPointF(axis - 10, 222) << QPointF(axis - 58, 236) << QPointF(axis - 60, 244)
         << QPointF(axis - 58, 252) << QPointF(axis - 10, 256) << QPointF(axis + 10, 256)
         << QPointF(axis + 58, 252) << QPointF(axis + 60, 244) << QPointF(axis + 58, 236)
         << QPointF(axis + 10, 222);
    outline(p, kSkin);
    p.drawPolygon(tail);
    detail(p, 0.8);
    p.drawLine(QPointF(axis - 56, 246), QPointF(axis - 12, 250));
    p.drawLine(QPointF(axis + 56, 246), QPointF(axis + 12, 250));

    // Engine nacelles with their propellers, ahead of the wing.
    for (const qreal x : {axis - 48, axis + 48}) {
        const QPolygonF nacelle =
            symmetric(x, {{0, 60}, {6, 63}, {9, 72}, {9, 150}, {5, 172}, {0, 175}});
        outline(p, kSkinDark);
        p.drawPolygon(nacelle);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xB8, 0xC4, 0xCF, 110));
        p.drawEllipse(QPointF(x, 58), 24, 4);
        outline(p, kMetal, 1.2);
        p.drawRoundedRect(QRectF(x - 22, 56.5, 44, 3), 1.5, 1.5);
        outline(p, kSkin, 1.2);
        p.drawEllipse(QPointF(x, 59), 4, 5);
    }

    // Fuselage: round nose, long cabin, slim tail cone.
    std::vector<QPointF> body;
    for (int y = 4; y <= 272; y += 2) {
        qreal hw = 16;
        if (y < 60) {
            hw = 16 * std::sqrt((y - 4) / 56.0);
        } else if (y > 150) {
            hw = 16 - 12.5 * std::pow((y - 150) / 122.0, 1.1);
        }
        body.push_back({hw, static_cast<qreal>(y)});
    }
    outline(p, kSkin);
    p.drawPolygon(symmetric(axis, body));
    // Cockpit glazing and cabin windows.
    outline(p, kGlass, 1.2);
    QPainterPath canopy;
    canopy.moveTo(axis, 18);
    canopy.quadTo(axis + 11, 24, axis + 10, 46);
    canopy.lineTo(axis - 10, 46);
    canopy.quadTo(axis - 11, 24, axis, 18);
    p.drawPath(canopy);
    p.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(axis - 4, 26), QPointF(axis - 6, 38));
    p.setPen(Qt::NoPen);
    p.setBrush(kGlass.darker(115));
    for (int y = 108; y <= 196; y += 11) {
        p.drawRoundedRect(QRectF(axis - 13, y, 4, 6), 1.5, 1.5);
        p.drawRoundedRect(QRectF(axis + 9, y, 4, 6), 1.5, 1.5);
    }
    // The fin, seen edge on.
    outline(p, kSkinDark, 1.2);
    p.drawRoundedRect(QRectF(axis - 2.5, 214, 5, 56), 2.5, 2.5);
}

// Quadcopter from above: a round centre and four arms, each ending in a
// guarded propeller. Lamps sit along the arms at 77..130 (up), 199..253
// (right), 200..249 (down) and 76..128 (left) from the centre (163, 165).
void quadcopter(QPainter& p) {
    const QPointF centre(163, 165);
    constexpr qreal kReach = 126;  // centre to motor
    const QPointF dirs[] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};

    for (const QPointF& d : dirs) {
        const QPointF motor = centre + d * kReach;
        // Propeller disc and blades.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xD6, 0xDE, 0xE6));
        p.drawEllipse(motor, 27, 27);
        outline(p, QColor(0xA8, 0xB4, 0xC0), 1.0);
        for (const qreal angle : {25.0, 205.0}) {
            p.save();
            p.translate(motor);
            p.rotate(angle);
            p.drawRoundedRect(QRectF(3, -3.5, 23, 7), 3.5, 3.5);
            p.restore();
        }
    }
    // Arms, under the lamps.
    outline(p, kSkinDark);
    p.drawRoundedRect(QRectF(centre.x() - 11, centre.y() - kReach, 22, 2 * kReach), 4, 4);
    p.drawRoundedRect(QRectF(centre.x() - kReach, centre.y() - 11, 2 * kReach, 22), 4, 4);
    detail(p, 0.8);
    p.drawLine(centre + QPointF(-6, -kReach + 12), centre + QPointF(-6, -36));
    p.drawLine(centre + QPointF(-6, kReach - 12), centre + QPointF(-6, 36));
    p.drawLine(centre + QPointF(-kReach + 12, -6), centre + QPointF(-36, -6));
    p.drawLine(centre + QPointF(kReach - 12, -6), centre + QPointF(36, -6));
    for (const QPointF& d : dirs) {
        const QPointF motor = centre + d * kReach;
        outline(p, kMetal);
        p.drawEllipse(motor, 10, 10);
        outline(p, kSkin, 1.0);
        p.drawEllipse(motor, 4, 4);
        // Guard ring.
        p.setPen(QPen(kInk, 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(motor, 30, 30);
    }
    // Centre: body, top plate and an arrow showing the front.
    outline(p, kSkinDark);
    p.drawEllipse(centre, 30, 30);
    outline(p, kSkin);
    p.drawEllipse(centre, 21, 21);
    outline(p, QColor(0x3D, 0x7E, 0xC8), 1.0);
    QPolygonF arrow;
    arrow << centre + QPointF(0, -17) << centre + QPointF(7, -7) << centre + QPointF(-7, -7);
    p.drawPolygon(arrow);
    outline(p, kRubber, 1.0);
    p.drawRoundedRect(QRectF(centre.x() - 9, centre.y() - 2, 18, 14), 2, 2);
}

// Ship from above, bow to the left. Lamps: position lights at the bow (47, 33)
// green and (47, 50) red, cabin lights on the superstructure's sides (152, 18)
// and (152, 62), beacon, mast light and searchlight on its roof (180, 196,
// 232 at 42), the auxiliary light at the stern (334, 39).
void ship(QPainter& p) {
    const qreal mid = 41;
    // Half-beam along the hull: a fine bow, full midships, a slightly narrower
    // transom.
    auto beam = [](qreal x) {
        if (x < 160) {
            return 34 * std::sin(M_PI / 2 * (x - 3) / 157);
        }
        const qreal t = (x - 160) / 191;
        return 34 - 11 * t * t;
    };
    QPolygonF hull;
    for (qreal x = 3; x <= 351; x += 2) {
        hull << QPointF(x, mid - beam(x));
    }
    for (qreal x = 351; x >= 3; x -= 2) {
        hull << QPointF(x, mid + beam(x));
    }
    outline(p, QColor(0xF2, 0xF4, 0xF6), 1.6);
    p.drawPolygon(hull);
    // Deck inside the bulwark.
    QPolygonF deck;
    for (qreal x = 12; x <= 347; x += 2) {
        deck << QPointF(x, mid - beam(x) + 3.5);
    }
    for (qreal x = 347; x >= 12; x -= 2) {
        deck << QPointF(x, mid + beam(x) - 3.5);
    }
    outline(p, QColor(0xE2, 0xCF, 0xA6), 0.8);
    p.drawPolygon(deck);
    p.save();
    QPainterPath planks;
    planks.addPolygon(deck);
    p.setClipPath(planks);
    p.setPen(QPen(QColor(0xC6, 0xAE, 0x80), 0.6));
    for (qreal y = mid - 24; y <= mid + 24; y += 6) {
        p.drawLine(QPointF(12, y), QPointF(347, y));
    }
    p.restore();

    // Anchor winch and hatches.
    outline(p, kMetal, 1.0);
    p.drawEllipse(QPointF(24, mid), 4, 4);
    outline(p, kSkinDark, 1.0);
    p.drawRoundedRect(QRectF(72, mid - 9, 26, 18), 2, 2);
    p.drawRoundedRect(QRectF(278, mid - 10, 30, 20), 2, 2);
    detail(p, 0.8);
    p.drawLine(QPointF(85, mid - 9), QPointF(85, mid + 9));
    p.drawLine(QPointF(293, mid - 10), QPointF(293, mid + 10));

    // Superstructure: wheelhouse facing the bow, cabin behind it.
    outline(p, QColor(0xFA, 0xFB, 0xFC), 1.5);
    QPainterPath house;
    house.moveTo(138, mid - 21);
    house.lineTo(258, mid - 21);
    house.quadTo(262, mid - 21, 262, mid - 17);
    house.lineTo(262, mid + 17);
    house.quadTo(262, mid + 21, 258, mid + 21);
    house.lineTo(138, mid + 21);
    house.quadTo(126, mid, 138, mid - 21);
    p.drawPath(house);
    outline(p, kGlass, 1.0);
    QPainterPath windscreen;
    windscreen.moveTo(140, mid - 17);
    windscreen.quadTo(131, mid, 140, mid + 17);
    windscreen.lineTo(145, mid + 15);
    windscreen.quadTo(137, mid, 145, mid - 15);
    windscreen.closeSubpath();
    p.drawPath(windscreen);
    p.setPen(Qt::NoPen);
    p.setBrush(kGlass.darker(110));
    for (qreal x = 166; x <= 250; x += 14) {
        p.drawRoundedRect(QRectF(x, mid - 20, 8, 3), 1, 1);
        p.drawRoundedRect(QRectF(x, mid + 17, 8, 3), 1, 1);
    }
    outline(p, QColor(0xEC, 0xEF, 0xF2), 1.0);
    p.drawRoundedRect(QRectF(152, mid - 13, 98, 26), 3, 3);
    // Mast.
    outline(p, kMetal, 1.0);
    p.drawEllipse(QPointF(196, mid), 3, 3);
    detail(p, 1.0);
    p.drawLine(QPointF(196, mid - 12), QPointF(196, mid + 12));
}

// Off-road car from the front. Lamps: a light bar of four on the roof (69..117
// at 1), headlights (32, 65) and (156, 65), indicators (33, 83) and (156, 82),
// fog lights in the bumper (40, 97) and (144, 97).
void carFront(QPainter& p) {
    const qreal axis = 93.5;
    // Tyres, below everything else.
    outline(p, kRubber);
    p.drawRoundedRect(QRectF(axis - 80, 98, 30, 44), 6, 6);
    p.drawRoundedRect(QRectF(axis + 50, 98, 30, 44), 6, 6);
    // Mirrors.
    outline(p, kSkinDark, 1.2);
    p.drawRoundedRect(QRectF(axis - 85, 32, 16, 12), 3, 3);
    p.drawRoundedRect(QRectF(axis + 69, 32, 16, 12), 3, 3);
    // Cabin and windscreen.
    outline(p, kSkin);
    p.drawPolygon(symmetric(axis, {{54, 11}, {58, 13}, {72, 48}, {72, 50}}));
    outline(p, kGlass, 1.2);
    p.drawPolygon(symmetric(axis, {{50, 16}, {63, 45}}));
    p.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(axis - 40, 22), QPointF(axis - 48, 38));
    detail(p, 1.0);
    p.drawLine(QPointF(axis - 18, 44), QPointF(axis - 42, 40));
    // Roof rack carrying the light bar.
    outline(p, kMetal, 1.2);
    p.drawRect(QRectF(axis - 40, 6, 4, 6));
    p.drawRect(QRectF(axis + 36, 6, 4, 6));
    outline(p, kRubber, 1.2);
    p.drawRoundedRect(QRectF(axis - 42, 0.5, 84, 9), 3, 3);
    // Body: bonnet and front.
    outline(p, kSkin);
    p.drawRoundedRect(QRectF(axis - 84, 48, 168, 44), 7, 7);
    detail(p, 0.8);
    p.drawLine(QPointF(axis - 76, 55), QPointF(axis + 76, 55));
    // Headlight and indicator housings.
    for (const int side : {-1, 1}) {
        const qreal x = axis + side * 62.5;
        outline(p, QColor(0xF6, 0xF8, 0xFA), 1.2);
        p.drawRoundedRect(QRectF(x - 17, 56, 34, 19), 5, 5);
        outline(p, QColor(0xF5, 0xC2, 0x6B), 1.2);
        p.drawRoundedRect(QRectF(x - 15, 77, 30, 11), 3, 3);
    }
    // Grille.
    outline(p, QColor(0x4A, 0x52, 0x5A), 1.2);
    p.drawRoundedRect(QRectF(axis - 34, 58, 68, 26), 3, 3);
    p.setPen(QPen(QColor(0x8A, 0x94, 0x9E), 1.2));
    for (qreal y = 63; y <= 80; y += 4.5) {
        p.drawLine(QPointF(axis - 30, y), QPointF(axis + 30, y));
    }
    // Bumper with the fog lights and the number plate.
    outline(p, kMetal);
    p.drawRoundedRect(QRectF(axis - 88, 89, 176, 18), 5, 5);
    outline(p, QColor(0x4A, 0x52, 0x5A), 1.0);
    p.drawEllipse(QPointF(40, 97), 10, 7.5);
    p.drawEllipse(QPointF(144, 97), 10, 7.5);
    outline(p, Qt::white, 1.0);
    p.drawRect(QRectF(axis - 21, 92, 42, 11));
}

// The same car from the rear. Lamps: tail or brake lights (16, 51) and
// (145, 51) above the indicators (16, 67) and (145, 67).
void carRear(QPainter& p) {
    const qreal axis = 80.5;
    outline(p, kRubber);
    p.drawRoundedRect(QRectF(axis - 72, 90, 28, 42), 6, 6);
    p.drawRoundedRect(QRectF(axis + 44, 90, 28, 42), 6, 6);
    // Cabin and rear window.
    outline(p, kSkin);
    p.drawPolygon(symmetric(axis, {{50, 5}, {54, 7}, {68, 40}, {68, 42}}));
    outline(p, kGlass, 1.2);
    p.drawPolygon(symmetric(axis, {{46, 11}, {58, 36}}));
    p.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(axis + 30, 16), QPointF(axis + 38, 30));
    detail(p, 1.0);
    p.drawLine(QPointF(axis, 34), QPointF(axis + 26, 26));
    outline(p, kRubber, 1.0);
    p.drawEllipse(QPointF(axis, 34), 2, 2);
    // Body and tailgate.
    outline(p, kSkin);
    p.drawRoundedRect(QRectF(axis - 78, 40, 156, 48), 6, 6);
    detail(p, 1.0);
    p.drawRoundedRect(QRectF(axis - 50, 44, 100, 41), 3, 3);
    outline(p, kMetal, 1.0);
    p.drawRoundedRect(QRectF(axis - 8, 50, 16, 4), 2, 2);
    outline(p, Qt::white, 1.0);
    p.drawRect(QRectF(axis - 22, 64, 44, 12));
    // Light clusters under the lamps.
    for (const qreal x : {16.0, 145.0}) {
        outline(p, QColor(0x8E, 0x24, 0x2A), 1.2);
        p.drawRoundedRect(QRectF(x - 11, 41, 22, 36), 3, 3);
    }
    // Bumper and exhaust.
    outline(p, kMetal);
    p.drawRoundedRect(QRectF(axis - 80, 84, 160, 14), 4, 4);
    outline(p, kRubber, 1.0);
    p.drawEllipse(QPointF(axis + 40, 100), 4, 3);
}

}  // namespace

std::vector<Drawing> modelDrawings() {
    const QColor white = Qt::white;
    return {
        {QStringLiteral("models/aeroplane.jpg"), QSize(355, 289), white, aeroplane},
        {QStringLiteral("models/quadcopter.jpg"), QSize(329, 325), white, quadcopter},
        {QStringLiteral("models/ship.jpg"), QSize(355, 82), white, ship},
        {QStringLiteral("models/car-front.jpg"), QSize(185, 145), white, carFront},
        {QStringLiteral("models/car-rear.jpg"), QSize(161, 137), white, carRear},
    };
}

}  // namespace picturegen
