#include "render/art/figures.h"

#include <QPainterPath>
#include <QPolygonF>

namespace {

const QColor outline(40, 30, 30);
const QColor skin(250, 214, 170);
const QColor gold(240, 190, 30);
const QColor royalRed(200, 30, 40);
const QColor royalBlue(40, 70, 180);
const QColor ermine(255, 255, 255);
const QColor hairBrown(120, 70, 30);
const QColor hairBlond(230, 170, 40);
const QColor beardGrey(225, 225, 230);

constexpr double centreX = figureWidth / 2.0;
constexpr double headY = 15.0;

struct Palette {
    QColor robe;
    QColor trim;
    QColor hair;
};

Palette paletteFor(Court court, Suit suit) {
    const bool red = isRedSuit(suit);
    switch (court) {
    case Court::king:
        return {red ? royalRed : royalBlue, ermine, beardGrey};
    case Court::queen:
        return {red ? royalBlue : royalRed, gold, hairBlond};
    case Court::jack:
        break;
    }
    return {red ? royalRed : royalBlue, gold, hairBrown};
}

void fillOutlined(QPainter& painter, const QPainterPath& path, const QColor& fill) {
    painter.setPen(QPen(outline, 0.8));
    painter.setBrush(fill);
    painter.drawPath(path);
}

QPainterPath polygonPath(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath robeOutline() {
    return polygonPath({{centreX - 8, 22},
                        {centreX + 8, 22},
                        {centreX + 13, 27},
                        {centreX + 15.5, 44},
                        {centreX - 15.5, 44},
                        {centreX - 13, 27}});
}

void drawRobe(QPainter& painter, const Palette& palette) {
    fillOutlined(painter, robeOutline(), palette.robe);
    fillOutlined(
        painter,
        polygonPath(
            {{centreX - 2.5, 23}, {centreX + 2.5, 23}, {centreX + 3.5, 44}, {centreX - 3.5, 44}}),
        palette.trim);
    QPainterPath collar;
    collar.addRoundedRect(QRectF(centreX - 9, 20.5, 18, 4), 2, 2);
    fillOutlined(painter, collar, palette.trim);
}

void drawHead(QPainter& painter, const Palette& palette, Court court) {
    if (court == Court::queen) {
        QPainterPath hair;
        hair.addRoundedRect(QRectF(centreX - 7, headY - 6, 14, 16), 5, 5);
        fillOutlined(painter, hair, palette.hair);
    }
    QPainterPath face;
    face.addEllipse(QPointF(centreX, headY), 4.8, 5.8);
    fillOutlined(painter, face, skin);
    painter.setPen(Qt::NoPen);
    painter.setBrush(outline);
    painter.drawEllipse(QPointF(centreX - 2, headY - 0.5), 0.8, 0.8);
    painter.drawEllipse(QPointF(centreX + 2, headY - 0.5), 0.8, 0.8);
    painter.setBrush(royalRed);
    painter.drawRect(QRectF(centreX - 1.5, headY + 2.6, 3, 1));
}

void drawHand(QPainter& painter, QPointF centre) {
    QPainterPath hand;
    hand.addEllipse(centre, 2.0, 1.8);
    fillOutlined(painter, hand, skin);
}

void drawErmineSpots(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(outline);
    for (const QPointF spot : {QPointF(centreX - 6, 23), QPointF(centreX + 6, 23),
                               QPointF(centreX, 30), QPointF(centreX, 38)})
        painter.drawRect(QRectF(spot.x() - 0.5, spot.y() - 0.5, 1, 1));
}

void drawBelt(QPainter& painter) {
    QPainterPath band;
    band.addRect(0, 30, figureWidth, 2.5);
    fillOutlined(painter, band.intersected(robeOutline()), gold);
}

void drawBeard(QPainter& painter, const Palette& palette) {
    QPainterPath beard;
    beard.moveTo(centreX - 4.8, headY + 1);
    beard.quadTo(centreX - 4, headY + 9, centreX, headY + 10);
    beard.quadTo(centreX + 4, headY + 9, centreX + 4.8, headY + 1);
    beard.quadTo(centreX, headY + 5, centreX - 4.8, headY + 1);
    fillOutlined(painter, beard, palette.hair);
}

void drawCrown(QPainter& painter) {
    const double top = headY - 13;
    fillOutlined(painter,
                 polygonPath({{centreX - 6, headY - 4},
                              {centreX - 6.5, top},
                              {centreX - 3, top + 4},
                              {centreX, top - 1},
                              {centreX + 3, top + 4},
                              {centreX + 6.5, top},
                              {centreX + 6, headY - 4}}),
                 gold);
    painter.setPen(Qt::NoPen);
    painter.setBrush(royalRed);
    painter.drawEllipse(QPointF(centreX, headY - 6), 1.3, 1.3);
}

void drawTiara(QPainter& painter) {
    const double base = headY - 5;
    fillOutlined(painter,
                 polygonPath({{centreX - 5, base},
                              {centreX - 4, base - 3},
                              {centreX - 2, base - 1.5},
                              {centreX, base - 5},
                              {centreX + 2, base - 1.5},
                              {centreX + 4, base - 3},
                              {centreX + 5, base}}),
                 gold);
}

void drawCap(QPainter& painter, const Palette& palette) {
    QPainterPath cap;
    cap.moveTo(centreX - 7, headY - 3);
    cap.quadTo(centreX - 5, headY - 11, centreX + 3, headY - 10);
    cap.quadTo(centreX + 8, headY - 8, centreX + 7, headY - 3);
    cap.closeSubpath();
    fillOutlined(painter, cap, palette.robe);
    QPainterPath feather;
    feather.moveTo(centreX + 4, headY - 9);
    feather.quadTo(centreX + 12, headY - 16, centreX + 14, headY - 11);
    feather.quadTo(centreX + 10, headY - 10, centreX + 4, headY - 9);
    fillOutlined(painter, feather, palette.trim);
}

void drawSceptre(QPainter& painter) {
    fillOutlined(painter, polygonPath({{27.5, 14}, {28.5, 14}, {28.5, 40}, {27.5, 40}}), gold);
    QPainterPath orb;
    orb.addEllipse(QPointF(28, 12), 2.2, 2.2);
    fillOutlined(painter, orb, gold);
}

void drawFlower(QPainter& painter) {
    painter.setPen(QPen(QColor(30, 130, 40), 1.0));
    painter.drawLine(QPointF(6, 16), QPointF(8, 32));
    QPainterPath bloom;
    bloom.addEllipse(QPointF(6, 14), 2.8, 2.8);
    fillOutlined(painter, bloom, royalRed);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gold);
    painter.drawEllipse(QPointF(6, 14), 1.0, 1.0);
}

void drawHalberd(QPainter& painter) {
    fillOutlined(painter, polygonPath({{27.5, 10}, {28.5, 10}, {28.5, 40}, {27.5, 40}}), hairBrown);
    fillOutlined(painter, polygonPath({{28, 3}, {31, 10}, {28, 13}, {25, 10}}),
                 QColor(200, 200, 210));
}

} // namespace

void drawFigure(QPainter& painter, Court court, Suit suit) {
    const Palette palette = paletteFor(court, suit);
    drawRobe(painter, palette);
    drawHead(painter, palette, court);
    switch (court) {
    case Court::king:
        drawBeard(painter, palette);
        drawCrown(painter);
        drawErmineSpots(painter);
        drawSceptre(painter);
        drawHand(painter, {28, 27});
        break;
    case Court::queen:
        drawTiara(painter);
        drawBelt(painter);
        drawFlower(painter);
        drawHand(painter, {7.5, 27});
        break;
    case Court::jack:
        drawCap(painter, palette);
        drawBelt(painter);
        drawHalberd(painter);
        drawHand(painter, {28, 27});
        break;
    }
}
