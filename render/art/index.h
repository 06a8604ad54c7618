#pragma once

#include "render/art/sheet_colors.h"
#include "render/art/sprite_id.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

// The corner index: rank above a small suit symbol, in the card's left margin.
namespace IndexBox {
inline constexpr int left = 2;
inline constexpr int top = 3;
inline constexpr int width = 16;
inline constexpr int height = 26;
} // namespace IndexBox

static_assert(IndexBox::left + IndexBox::width <= SheetGeometry::coveredStrip,
              "the index must stay visible on a covered card");

QString rankText(int rank);

// Draws the index at the top-left of `cell` and, turned half-way round, at its bottom-right.
void drawIndices(QPainter& painter, const QRect& cell, Suit suit, int rank, const QString& family);
