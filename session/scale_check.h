#pragma once

// Qt paints widgets at full size on screens scaled below 1 while it shrinks their places, so
// the window would show the top-left of its picture only. Screen scales below 1 asked for
// through QT_SCALE_FACTOR or QT_SCREEN_SCALE_FACTORS are raised to 1 before Qt starts, and
// standard error says so once. Call before the application object is made.
void raiseScreenScalesBelowOne();
