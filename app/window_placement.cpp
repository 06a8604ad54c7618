#include "app/window_placement.h"

#include "game/table_layout.h"

#include <algorithm>

QPoint windowOrigin(int screenWidth) {
    return screenWidth == 640 ? QPoint(20, 0) : QPoint(100, 80);
}

QSize clientSizeFor(const QMargins& frame, int menuBarHeight, TableLayout::Direction direction) {
    const int width = TableLayout::windowWidth - frame.left() - frame.right();
    const int height = TableLayout::windowHeight - frame.top() - frame.bottom();
    const QSize extent = toQRect(TableLayout::inViewFor(direction)).size();
    return {std::max(width, extent.width()), std::max(height, extent.height() + menuBarHeight)};
}
