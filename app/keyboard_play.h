#pragma once

#include "app/controls.h"
#include "render/table_content.h"

#include <QAccessible>
#include <QObject>

#include <optional>

class Announcer;
class QMenuBar;
class QPushButton;
class QShortcut;
class QWidget;
class TableWidget;

// Play by keyboard, and by speech while assistive technology is active (it may start after the
// game). The nine buttons take Tab focus in screen order, Deal first; Space and Return press the
// focused button, and F10 opens the menu. Until the first Tab, Shift+Tab or F10 nothing takes
// the focus and no click ever gives it, so a player who only clicks never sees a focus frame;
// from that key on the style shows the focus (Qt's keyboard focus change of the window). While
// assistive technology is active, Deal has the focus from the start, the card table takes Tab
// focus after the buttons, and each button command is followed by the words of what it changed.
class KeyboardPlay : public QObject, public QAccessible::ActivationObserver {
  public:
    KeyboardPlay(const Buttons& buttons, TableWidget& table, QMenuBar& menu, Announcer& announcer);
    ~KeyboardPlay() override;
    KeyboardPlay(const KeyboardPlay&) = delete;
    KeyboardPlay& operator=(const KeyboardPlay&) = delete;

    void accessibilityActiveChanged(bool active) override;

    // What a button command is followed from: the focused button and, while assistive
    // technology listens, the table in words.
    struct Before {
        QPushButton* focused = nullptr;
        std::optional<TableContent> table;
    };
    // Called around every button command, whichever way it came (a click, a key, assistive
    // technology's Press). Afterwards the focus leaves a button that the command disabled for
    // the one a player presses next, and the announcer says what changed on the table.
    Before beforeCommand() const;
    void afterCommand(ControlId pressed, const Before& before);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool keysUsed() const;
    void useKeys();
    void setTabStops();
    void focusAfter(ControlId pressed, QPushButton& focused);

    const Buttons& buttons_;
    TableWidget& table_;
    QWidget& window_;
    QMenuBar& menu_;
    Announcer& announcer_;
    bool active_ = false;
};
