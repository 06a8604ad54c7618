#include "app/window_placement.h"

#include "game/table_layout.h"

#include <algorithm>

QPoint windowOrigin(int screenWidth) {
    return screenWidth == 640 ? QPoint(20, 0) : QPoint(100, 80);
}

QSize clientSizeFor(const QMargins& frame, int menuBarHeight) {
    const int width = TableLayout::windowWidth - frame.left() - frame.right();
    const int height = TableLayout::windowHeight - frame.top() - frame.bottom();
    return {std::max(width, tableExtent.width()),
            std::max(height, tableExtent.height() + menuBarHeight)};
}
