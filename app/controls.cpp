#include "app/controls.h"

#include "render/canvas.h"
#include "render/qt_geometry.h"
#include "render/words.h"

#include <QCoreApplication>

QString buttonCaption(const Control& control) {
    return QCoreApplication::translate("Buttons", control.caption);
}

Buttons createControls(QWidget& area, const std::function<void(std::int32_t)>& command) {
    Buttons buttons{};
    try {
        for (const Control& control : controls) {
            auto* button = new TableButton(buttonCaption(control), &area);
            buttons[control.id] = button;
            // mirrored for a right-to-left language, as the table is
            button->setGeometry(toQRect(TableLayout::mirrored(control.rect, tableDirection())));
            button->setEnabled(control.enabledAtStart);
            // the table, which lies under every button
            button->setColourBehind(QColor(tableGreen.red, tableGreen.green, tableGreen.blue));
            button->setFocusPolicy(Qt::NoFocus); // until keys are used (app/keyboard_play.h)
            button->setAutoDefault(false);
            // A click can still arrive from a press that began before the button was disabled
            // (Qt's animated click ends 100 ms later): a disabled button sends no command.
            QObject::connect(button, &QPushButton::clicked, button,
                             [button, command, id = control.id] {
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
    return buttons;
}
