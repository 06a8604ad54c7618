#pragma once

#include <QImage>
#include <QRect>

// The card back: a woven blue and red pattern inside a white margin.
void drawCardBack(QImage& sheet, const QRect& cell);
