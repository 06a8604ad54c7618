#include "app/controls.h"

#include "render/layout.h"
#include "render/surfaces.h"

#include <QCoreApplication>

namespace {
using TableLayout::betPanelOrigin;
using TableLayout::buttonOrigin;

constexpr std::int32_t playWidth = 95;
constexpr std::int32_t playHeight = 25;
constexpr std::int32_t betWidth = 70;
constexpr std::int32_t betHeight = 18;

// Play buttons in columns 100 apart and rows 35 apart; bet buttons in a 2 x 2 block under the
// Current Bet panel.
constexpr ButtonPlace play(ControlId id, const char* caption, int column, int row) {
    return {id,        caption,   buttonOrigin.x + 100 * column, buttonOrigin.y + 35 * row,
            playWidth, playHeight};
}
constexpr ButtonPlace bet(ControlId id, const char* caption, int column, int row) {
    return {id,       caption,  betPanelOrigin.x + 75 * column, betPanelOrigin.y + 25 + 23 * row,
            betWidth, betHeight};
}
} // namespace

// The captions are translated in the context "Buttons".
const std::array<ButtonPlace, buttonCount> buttonPlaces{
    //: a 95 x 25 button: about 85 pixels of the desktop's button font
    play(IDC_DEAL, QT_TRANSLATE_NOOP("Buttons", "Deal"), 0, 0),
    //: a 95 x 25 button: about 85 pixels of the desktop's button font
    play(IDC_HIT, QT_TRANSLATE_NOOP("Buttons", "Hit"), 1, 0),
    //: a 95 x 25 button: about 85 pixels of the desktop's button font
    play(IDC_STAND, QT_TRANSLATE_NOOP("Buttons", "Stand"), 2, 0),
    //: a 95 x 25 button: about 85 pixels of the desktop's button font
    play(IDC_SPLIT, QT_TRANSLATE_NOOP("Buttons", "Split"), 2, 1),
    //: a 95 x 25 button: about 85 pixels of the desktop's button font
    play(IDC_DOUBLE, QT_TRANSLATE_NOOP("Buttons", "Double"), 1, 1),
    //: a 70 x 18 button that adds 1 to the bet: about 60 pixels of the desktop's button font
    bet(IDC_BETONE, QT_TRANSLATE_NOOP("Buttons", "Bet One"), 0, 0),
    //: a 70 x 18 button that adds 5 to the bet: about 60 pixels
    bet(IDC_BETFIVE, QT_TRANSLATE_NOOP("Buttons", "Bet Five"), 0, 1),
    //: a 70 x 18 button that adds 10 to the bet: about 60 pixels
    bet(IDC_BETTEN, QT_TRANSLATE_NOOP("Buttons", "Bet Ten"), 1, 0),
    //: a 70 x 18 button that sets the bet back to 5: about 60 pixels
    bet(IDC_CLEAR, QT_TRANSLATE_NOOP("Buttons", "Clear"), 1, 1),
};

QString buttonCaption(const ButtonPlace& place) {
    return QCoreApplication::translate("Buttons", place.caption);
}

Buttons createControls(QWidget& area, const std::function<void(std::int32_t)>& command) {
    Buttons buttons{};
    try {
        for (const ButtonPlace& place : buttonPlaces) {
            auto* button = new TableButton(buttonCaption(place), &area);
            buttons[place.id] = button;
            button->setGeometry(place.x, place.y, place.width, place.height);
            // the table, which lies under every button
            button->setColourBehind(QColor(tableGreen.red, tableGreen.green, tableGreen.blue));
            button->setFocusPolicy(Qt::NoFocus); // until keys are used (app/keyboard_play.h)
            button->setAutoDefault(false);
            // A click can still arrive from a press that began before the button was disabled
            // (Qt's animated click ends 100 ms later): a disabled button sends no command.
            QObject::connect(button, &QPushButton::clicked, button,
                             [button, command, id = place.id] {
                                 if (button->isEnabled()) {
                                     command(id);
                                 }
                             });
        }
    } catch (...) {
        // no half set of buttons is left on the table
        for (TableButton* button : buttons) {
            delete button;
        }
        throw;
    }
    for (const ControlId id : {IDC_HIT, IDC_STAND, IDC_DOUBLE, IDC_SPLIT}) {
        buttons[id]->setEnabled(false);
    }
    return buttons;
}
