#pragma once

#include <QColor>
#include <QRect>

class QPainter;
class QWidget;

// The keyboard's focus as a player sees it on the green table: a ring on the edge of the
// focused control, at least two logical pixels wide, in black or white, whichever stands out
// more from both the felt around the control and its face. The style's own frame, a thin line
// in its highlight colour, is close to invisible on the felt.

// Whether `widget` shows the focus: it has it, is enabled, and its window has seen the focus
// move by keys (a player who only clicks never sees it).
bool showsKeyboardFocus(const QWidget& widget);

// Black or white, whichever has the higher contrast with the lower of `around` and `face`.
QColor focusRingColour(QColor around, QColor face);

// Draws the ring inside `area`, in whole device pixels of the painter's device: twice its
// device pixel ratio wide, rounded up.
void drawFocusRing(QPainter& painter, const QRect& area, QColor colour);
