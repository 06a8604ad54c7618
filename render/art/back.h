#pragma once

#include <QPainter>
#include <QRect>

// The card back: a woven blue and red pattern inside a white margin.
void drawCardBack(QPainter& painter, const QRect& cell);
