#include "render/art/suits.h"

#include <QTransform>

// Each symbol is drawn in a unit square (y down) and then fitted to its box.
namespace {

QPainterPath unitHeart() {
    QPainterPath path;
    path.moveTo(0.5, 1.0);
    path.cubicTo(0.38, 0.80, 0.0, 0.62, 0.0, 0.30);
    path.cubicTo(0.0, 0.04, 0.38, -0.06, 0.5, 0.22);
    path.cubicTo(0.62, -0.06, 1.0, 0.04, 1.0, 0.30);
    path.cubicTo(1.0, 0.62, 0.62, 0.80, 0.5, 1.0);
    path.closeSubpath();
    return path;
}

QPainterPath unitDiamond() {
    QPainterPath path;
    path.moveTo(0.5, 0.0);
    path.quadTo(0.68, 0.30, 1.0, 0.5);
    path.quadTo(0.68, 0.70, 0.5, 1.0);
    path.quadTo(0.32, 0.70, 0.0, 0.5);
    path.quadTo(0.32, 0.30, 0.5, 0.0);
    path.closeSubpath();
    return path;
}

QPainterPath unitStem() {
    QPainterPath path;
    path.moveTo(0.47, 0.55);
    path.lineTo(0.53, 0.55);
    path.quadTo(0.56, 0.88, 0.78, 1.0);
    path.lineTo(0.22, 1.0);
    path.quadTo(0.44, 0.88, 0.47, 0.55);
    path.closeSubpath();
    return path;
}

QPainterPath unitSpade() {
    QPainterPath blade;
    blade.moveTo(0.5, 0.0);
    blade.cubicTo(0.62, 0.18, 1.0, 0.34, 1.0, 0.57);
    blade.cubicTo(1.0, 0.80, 0.66, 0.86, 0.5, 0.66);
    blade.cubicTo(0.34, 0.86, 0.0, 0.80, 0.0, 0.57);
    blade.cubicTo(0.0, 0.34, 0.38, 0.18, 0.5, 0.0);
    blade.closeSubpath();
    return blade.united(unitStem());
}

QPainterPath unitClub() {
    constexpr double radius = 0.235;
    QPainterPath leaves;
    leaves.addEllipse(QPointF(0.5, 0.25), radius, radius);
    QPainterPath left;
    left.addEllipse(QPointF(0.25, 0.58), radius, radius);
    QPainterPath right;
    right.addEllipse(QPointF(0.75, 0.58), radius, radius);
    QPainterPath middle;
    middle.addRect(0.4, 0.35, 0.2, 0.3);
    return leaves.united(left).united(right).united(middle).united(unitStem());
}

QPainterPath unitSuit(Suit suit) {
    switch (suit) {
    case Suit::clubs:
        return unitClub();
    case Suit::diamonds:
        return unitDiamond();
    case Suit::hearts:
        return unitHeart();
    case Suit::spades:
        break;
    }
    return unitSpade();
}

QTransform fitTo(const QRectF& box) {
    return QTransform::fromTranslate(box.left(), box.top()).scale(box.width(), box.height());
}

} // namespace

QPainterPath suitPath(Suit suit, const QRectF& box) {
    return fitTo(box).map(unitSuit(suit));
}

QPainterPath invertedSuitPath(Suit suit, const QRectF& box) {
    const QTransform flip = QTransform::fromTranslate(0.0, 1.0).scale(1.0, -1.0);
    return (flip * fitTo(box)).map(unitSuit(suit));
}
