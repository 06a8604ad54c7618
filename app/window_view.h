#pragma once

#include "app/controls.h"
#include "render/table_surface.h"

#include <QRegion>

class QWidget;

// The main window as the round logic sees it: the painting goes into the back buffer, and the
// window operations act on the buttons and the table area.
class WindowView : public TablePainter {
  public:
    WindowView(Canvas& canvas, const TableState& state, QWidget& table, const Buttons& buttons);

    void enableButton(ControlId id, bool enabled) override;
    void invalidateRect(const Rect& rect) override;
    // Repaints what was invalidated before returning, so each change is on screen at once.
    void updateWindow() override;

  private:
    QWidget& table_;
    const Buttons& buttons_;
    QRegion invalid_;
};
