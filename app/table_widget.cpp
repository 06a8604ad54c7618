#include "app/table_widget.h"

#include "app/focus_ring.h"
#include "game/table_layout.h"
#include "raster/surface.h"
#include "render/canvas.h"
#include "render/table_surface.h"

#include <QAbstractEventDispatcher>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <utility>

namespace {
// how long the X server may take to show a frame of the window at twice the pixels
constexpr int frameShownMs = 100;
} // namespace

TableWidget::TableWidget(Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(TableLayout::backBufferWidth, TableLayout::backBufferHeight);
}

void TableWidget::paintEvent(QPaintEvent* event) {
    // Moved to a screen of another device pixel ratio, or the screen's own scale changed: Qt
    // repaints the whole window, and the picture is drawn again at the new ratio first.
    rescaleTableSurface(canvas_, devicePixelRatioF());
    if (afterFirstFrame_ && !idle_) {
        // The window system gets the frame when the loop is about to wait (the X11 connection is
        // flushed then): a zero timer would run the work before the frame goes out. The work
        // waits a little more, while the X server puts the frame on the screen, so that the two
        // do not share a processor then.
        idle_ =
            connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                    this, [this] {
                        disconnect(idle_);
                        // taken now: a paint before the timer does not wait for it again
                        QTimer::singleShot(frameShownMs, this, std::exchange(afterFirstFrame_, {}));
                    });
    }
    markShown(canvas_, event->region());
    const QImage& image = backBuffer(canvas_).image();
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (image.devicePixelRatio() == 1.0) {
        // One plain copy per invalid rectangle: a clip of one rectangle keeps the copy a block
        // move.
        for (const QRect& rect : event->region()) {
            const QRect area = rect & image.rect();
            painter.setClipRect(area);
            painter.drawImage(area.topLeft(), image, area);
        }
    } else {
        // At other ratios the picture lands on the device pixels one for one; the clip picks the
        // part that was invalid.
        for (const QRect& rect : event->region()) {
            painter.setClipRect(rect);
            painter.drawImage(QPointF(0, 0), image);
        }
    }
    // Focused by Tab while a screen reader runs: the same ring as a button's, on the table's
    // visible edge.
    if (showsKeyboardFocus(*this)) {
        const QColor felt(tableGreen.red, tableGreen.green, tableGreen.blue);
        painter.setClipRegion(event->region());
        drawFocusRing(painter, visibleRegion().boundingRect(),
                      focusRingColour(felt, palette().color(QPalette::Button)));
    }
}
