#pragma once

#include "render/qt_geometry.h"

#include <QMargins>
#include <QPoint>
#include <QSize>

// Where the main window's frame opens: at (20, 0) on a screen exactly 640 pixels wide, at
// (100, 80) on any other. 640 pixels wide means a 640 x 480 screen, where the 600 x 460 frame
// fits only from near the top-left corner; the rule knows that one screen, it does not measure
// the room left, so a narrower screen keeps the usual place.
QPoint windowOrigin(int screenWidth);

// The size of the window inside its frame (menu bar and table area) that makes the outer size
// 600 x 460 for the given frame. A frame too thick for that keeps the table area large enough
// for every button and the Money box, and the window comes out larger instead.
// The table mirrored for a right-to-left language needs the room of its mirrored extent.
QSize clientSizeFor(const QMargins& frame, int menuBarHeight,
                    TableLayout::Direction direction = TableLayout::Direction::leftToRight);

// The part of the table that must be in view.
inline constexpr QSize tableExtent = toQRect(TableLayout::inView).size();
