#include "app/table_button.h"

#include "app/focus_ring.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>

namespace {
// Enough for every state a button shows in play, with room for a change of palette.
constexpr std::size_t maxLooks = 16;
} // namespace

void TableButton::setColourBehind(QColor colour) {
    behind_ = colour;
}

void TableButton::prepareLooks() {
    QStyleOptionButton option;
    initStyleOption(&option);
    look(option, true);
    option.state ^= QStyle::State_Enabled;
    const bool enabled = option.state.testFlag(QStyle::State_Enabled);
    option.palette.setCurrentColorGroup(!enabled                           ? QPalette::Disabled
                                        : isActiveWindow() || !isVisible() ? QPalette::Active
                                                                           : QPalette::Inactive);
    look(option, true);
}

void TableButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        looks_.clear();
        seen_.clear();
    }
    QPushButton::changeEvent(event);
}

void TableButton::paintEvent(QPaintEvent* event) {
    QStyleOptionButton option;
    initStyleOption(&option);
    // The first frame draws each button once: only a state drawn again is kept.
    const QPixmap picture = look(option, false);
    if (picture.isNull()) {
        QPushButton::paintEvent(event);
    } else {
        QPainter(this).drawPixmap(0, 0, picture);
    }
    // The ring goes over the look, which is kept without it.
    if (showsKeyboardFocus(*this)) {
        QPainter painter(this);
        drawFocusRing(painter, rect(),
                      focusRingColour(behind_.value_or(palette().color(QPalette::Window)),
                                      palette().color(QPalette::Button)));
    }
}

QPixmap TableButton::look(const QStyleOptionButton& option, bool keepNow) {
    const qreal ratio = devicePixelRatioF();
    // A fractional ratio puts the button between device pixels, where a kept picture would not
    // land as the style's own drawing does.
    if (!behind_ || ratio != std::floor(ratio)) {
        return {};
    }
    const LookKey key{option.state,
                      option.features,
                      option.rect.size(),
                      ratio,
                      option.palette.cacheKey(),
                      option.palette.currentColorGroup(),
                      behind_->rgba(),
                      option.text};
    for (const Look& kept : looks_) {
        if (kept.key == key) {
            return kept.picture;
        }
    }
    if (!keepNow && std::find(seen_.begin(), seen_.end(), key) == seen_.end()) {
        if (seen_.size() == maxLooks) {
            seen_.erase(seen_.begin());
        }
        seen_.push_back(key);
        return {};
    }
    QImage picture(option.rect.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    // Resolved as for the button itself: a screen of another resolution would size its caption
    // differently.
    if (picture.logicalDpiY() != logicalDpiY()) {
        return {};
    }
    picture.fill(*behind_);
    {
        // set up as a painter on the button itself is
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setPen(QPen(option.palette.brush(foregroundRole()), 1));
        painter.setBackground(option.palette.brush(backgroundRole()));
        painter.setFont(font());
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
    }
    if (looks_.size() == maxLooks) {
        looks_.erase(looks_.begin());
    }
    looks_.push_back({key, QPixmap::fromImage(std::move(picture))});
    return looks_.back().picture;
}
