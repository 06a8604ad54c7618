#include "app/table_widget.h"

#include "app/table_accessible.h"
#include "platform/surface.h"
#include "render/layout.h"
#include "render/table_surface.h"

#include <QPaintEvent>
#include <QPainter>

TableWidget::TableWidget(QWidget* parent) : QWidget(parent) {
    installTableAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(TableLayout::backBufferWidth, TableLayout::backBufferHeight);
}

void TableWidget::paintEvent(QPaintEvent* event) {
    const QImage& image = backBuffer().image();
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // One plain copy per invalid rectangle: a clip of one rectangle keeps the copy a block move.
    for (const QRect& rect : event->region()) {
        const QRect area = rect & image.rect();
        painter.setClipRect(area);
        painter.drawImage(area.topLeft(), image, area);
    }
}
