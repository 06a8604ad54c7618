#include "app/controls.h"

#include "render/layout.h"
#include "render/surfaces.h"

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

const std::array<ButtonPlace, buttonCount> buttonPlaces{
    play(IDC_DEAL, "Deal", 0, 0),       play(IDC_HIT, "Hit", 1, 0),
    play(IDC_STAND, "Stand", 2, 0),     play(IDC_SPLIT, "Split", 2, 1),
    play(IDC_DOUBLE, "Double", 1, 1),   bet(IDC_BETONE, "Bet One", 0, 0),
    bet(IDC_BETFIVE, "Bet Five", 0, 1), bet(IDC_BETTEN, "Bet Ten", 1, 0),
    bet(IDC_CLEAR, "Clear", 1, 1),
};

Buttons createControls(QWidget& area, const std::function<void(std::int32_t)>& command) {
    Buttons buttons{};
    try {
        for (const ButtonPlace& place : buttonPlaces) {
            auto* button = new TableButton(QString::fromLatin1(place.caption), &area);
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
