#include "app/controls.h"

#include "render/qt_geometry.h"

const std::array<ButtonPlace, buttonCount> buttonPlaces{{
    {IDC_DEAL, "Deal", TableLayout::dealButton},
    {IDC_HIT, "Hit", TableLayout::hitButton},
    {IDC_STAND, "Stand", TableLayout::standButton},
    {IDC_SPLIT, "Split", TableLayout::splitButton},
    {IDC_DOUBLE, "Double", TableLayout::doubleButton},
    {IDC_BETONE, "Bet One", TableLayout::betOneButton},
    {IDC_BETFIVE, "Bet Five", TableLayout::betFiveButton},
    {IDC_BETTEN, "Bet Ten", TableLayout::betTenButton},
    {IDC_CLEAR, "Clear", TableLayout::clearButton},
}};

Buttons createControls(QWidget& area, const std::function<void(std::int32_t)>& command) {
    Buttons buttons{};
    try {
        for (const ButtonPlace& place : buttonPlaces) {
            auto* button = new TableButton(QString::fromLatin1(place.caption), &area);
            buttons[place.id] = button;
            button->setGeometry(toQRect(place.rect));
            button->setFocusPolicy(Qt::NoFocus); // tab stops only for assistive technology
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
