#pragma once

#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <optional>
#include <vector>

// A push button below the table that keeps how it looks in each state it is drawn in more than
// once, and in the states prepared for it: a press that enables or disables several buttons
// redraws each with one copy, not with the style's whole drawing of bevel and caption. At a
// fractional device pixel ratio, or until it is told the one colour shown behind it, it draws as
// any push button does. While it shows the keyboard's focus, a ring that stands out from the
// table and from its face is drawn over it (app/focus_ring.h).
class TableButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

    // The colour that the window shows behind the button: its kept looks are drawn on it, as the
    // style's rounded corners are on the screen.
    void setColourBehind(QColor colour);

    // Keeps how the button looks now and how it looks once enabled or disabled the other way,
    // without showing either: what the first press that turns it on or off would otherwise draw
    // for the first time.
    void prepareLooks();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // What a look depends on besides the button's font and style, which forget every look when
    // they change.
    struct LookKey {
        QStyle::State state;
        QStyleOptionButton::ButtonFeatures features;
        QSize size;
        qreal ratio;
        qint64 palette;
        QPalette::ColorGroup group;
        QRgb behind;
        QString text;

        bool operator==(const LookKey&) const = default;
    };
    struct Look {
        LookKey key;
        QPixmap picture;
    };

    // The button as `option` describes it on the background behind it, drawn and kept if
    // `keepNow` or if the state was seen before; null when it is not kept, or cannot be.
    QPixmap look(const QStyleOptionButton& option, bool keepNow);

    std::optional<QColor> behind_;
    std::vector<Look> looks_;   // a few: enabled and not, pressed, with the focus
    std::vector<LookKey> seen_; // states drawn once, without keeping their looks
};
