#pragma once

#include <QRect>

class QWidget;

// The game's widgets as assistive technology sees them: the push buttons (pressed at once, and
// only while enabled), the card table (a canvas named "Card table" whose description is the whole
// table in words) and the announcer (a notification). Every one reports where it is in the window
// system's pixels, as a screen reader's pointer and a magnifier count them. Installed once, by the
// main window; Qt asks installed factories before its own.
void installAccessibleInterfaces();

// `widget`'s rectangle on the screen in the window system's pixels: device pixels on X11.
QRect deviceScreenRect(const QWidget& widget);

// `logical` scaled by `factor` away from the top-left of its screen, rounded to whole pixels.
QRect scaledFromScreenOrigin(const QRect& logical, QPoint screenOrigin, qreal factor);
