#include "app/controls.h"

#include "render/canvas.h"
#include "render/qt_geometry.h"
#include "render/words.h"

#include <QCoreApplication>

// The captions are translated in the context "Buttons"; drawn in the desktop's button font, and
// also the buttons' spoken names.
const std::array<ButtonPlace, buttonCount> buttonPlaces{{
    //: a 95 x 25 button: about 85 pixels
    {IDC_DEAL, QT_TRANSLATE_NOOP("Buttons", "Deal"), TableLayout::dealButton},
    //: take another card; a 95 x 25 button
    {IDC_HIT, QT_TRANSLATE_NOOP("Buttons", "Hit"), TableLayout::hitButton},
    //: take no more cards; a 95 x 25 button
    {IDC_STAND, QT_TRANSLATE_NOOP("Buttons", "Stand"), TableLayout::standButton},
    //: split a pair into two hands; a 95 x 25 button
    {IDC_SPLIT, QT_TRANSLATE_NOOP("Buttons", "Split"), TableLayout::splitButton},
    //: double the stake and take one card; a 95 x 25 button
    {IDC_DOUBLE, QT_TRANSLATE_NOOP("Buttons", "Double"), TableLayout::doubleButton},
    //: a 70 x 18 button that adds 1 to the bet: about 60 pixels
    {IDC_BETONE, QT_TRANSLATE_NOOP("Buttons", "Bet One"), TableLayout::betOneButton},
    //: a 70 x 18 button that adds 5 to the bet: about 60 pixels
    {IDC_BETFIVE, QT_TRANSLATE_NOOP("Buttons", "Bet Five"), TableLayout::betFiveButton},
    //: a 70 x 18 button that adds 10 to the bet: about 60 pixels
    {IDC_BETTEN, QT_TRANSLATE_NOOP("Buttons", "Bet Ten"), TableLayout::betTenButton},
    //: a 70 x 18 button that sets the bet back to 5: about 60 pixels
    {IDC_CLEAR, QT_TRANSLATE_NOOP("Buttons", "Clear"), TableLayout::clearButton},
}};

QString buttonCaption(const ButtonPlace& place) {
    return QCoreApplication::translate("Buttons", place.caption);
}

Buttons createControls(QWidget& area, const std::function<void(std::int32_t)>& command) {
    Buttons buttons{};
    try {
        for (const ButtonPlace& place : buttonPlaces) {
            auto* button = new TableButton(buttonCaption(place), &area);
            buttons[place.id] = button;
            // mirrored for a right-to-left language, as the table is
            button->setGeometry(toQRect(TableLayout::mirrored(place.rect, tableDirection())));
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
