#include "badges.h"

#include "fonts.h"
#include "sheet_layout.h"

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

void drawBadge(QPainter& painter, const Badge& badge, int row) {
    const QRect box(0, row * SheetLayout::badgeHeight, badge.framedWidth, SheetLayout::badgeHeight);
    painter.fillRect(box, SheetColors::badge);
    painter.setPen(SheetColors::black);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawText(box, Qt::AlignCenter, QString::fromLatin1(badge.lettering));
}

} // namespace

QImage renderResultSheet(const QString& family) {
    QImage sheet(SheetLayout::resultSheetWidth, SheetLayout::resultSheetHeight,
                 QImage::Format_RGB32);
    sheet.fill(SheetColors::face);
    QPainter painter(&sheet);
    painter.setFont(letteringFont(family, letteringPixelSize, false));
    for (int row = 0; row < SheetLayout::badgeCount; ++row)
        drawBadge(painter, badges[row], row);
    return sheet;
}
