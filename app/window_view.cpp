#include "app/window_view.h"

#include "render/canvas.h"
#include "render/qt_geometry.h"

#include <QPushButton>

WindowView::WindowView(Canvas& canvas, const TableState& state, QWidget& table,
                       const Buttons& buttons)
    : TablePainter(canvas, state), table_(table), buttons_(buttons) {}

void WindowView::enableButton(ControlId id, bool enabled) {
    buttons_[id]->setEnabled(enabled);
}

void WindowView::invalidateRect(const Rect& rect) {
    // Only what changed in it is copied to the screen.
    invalid_ += unshownPart(canvas(), toQRect(rect));
}

void WindowView::updateWindow() {
    if (invalid_.isEmpty()) {
        return;
    }
    const QRegion region = invalid_;
    invalid_ = QRegion();
    table_.repaint(region);
}
