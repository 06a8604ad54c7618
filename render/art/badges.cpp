#include "render/art/badges.h"

#include "render/art/device_grid.h"
#include "render/art/fonts.h"
#include "render/art/sheet_layout.h"

#include <QPainter>

namespace {

struct Badge {
    const char* lettering;
    int framedWidth; // the win badge is one column narrower than its copy width
};

// In row order: bust, win, lose, natural, push.
constexpr Badge badges[SheetLayout::badgeCount] = {
    {"Bust", 57}, {"Win", 51}, {"lose", 54}, {"Natural", 110}, {"Push", 62},
};

constexpr int letteringPixelSize = 16;

// Plain black pixels at one device pixel a pixel, smoothed edges at any other resolution.
void drawBadge(QPainter& painter, int row, const QString& family, bool smooth) {
    const Badge& badge = badges[row];
    const QRect box(0, row * SheetLayout::badgeHeight, badge.framedWidth, SheetLayout::badgeHeight);
    painter.setFont(letteringFont(family, letteringPixelSize, smooth));
    painter.fillRect(box, SheetColors::badge);
    frameBox(painter, box, SheetColors::black);
    painter.setPen(SheetColors::black);
    painter.drawText(box, Qt::AlignCenter, QString::fromLatin1(badge.lettering));
}

} // namespace

std::string_view badgeLettering(int row) {
    return badges[row].lettering;
}

QImage renderResultSheet(const QString& family) {
    QImage sheet(SheetLayout::resultSheetWidth, SheetLayout::resultSheetHeight,
                 QImage::Format_RGB32);
    sheet.fill(SheetColors::face);
    QPainter painter(&sheet);
    for (int row = 0; row < SheetLayout::badgeCount; ++row)
        drawBadge(painter, row, family, false);
    return sheet;
}

QImage renderResultPart(int row, int width, QSize size, const QString& family) {
    const QRect part(0, row * SheetLayout::badgeHeight, width, SheetLayout::badgeHeight);
    return drawPartToFill(part, size, SheetColors::face,
                          [&](QPainter& painter) { drawBadge(painter, row, family, true); });
}
