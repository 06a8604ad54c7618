#pragma once

#include "app/controls.h"

#include <QAccessible>

#include <functional>

class Announcer;
class QMenuBar;
class QPushButton;
class QShortcut;
class QWidget;

// Play by keyboard and speech, while assistive technology is active (it may start after the
// game): the nine buttons and then the card table take Tab focus in screen order, Deal first, F10
// opens the menu, and each button command is followed by the words of what it changed. Without
// assistive technology nothing takes focus, no key opens the menu and nothing is said.
class KeyboardPlay : public QAccessible::ActivationObserver {
  public:
    KeyboardPlay(const Buttons& buttons, QWidget& table, QMenuBar& menu, Announcer& announcer);
    ~KeyboardPlay() override;
    KeyboardPlay(const KeyboardPlay&) = delete;
    KeyboardPlay& operator=(const KeyboardPlay&) = delete;

    void accessibilityActiveChanged(bool active) override;

    // Runs the command of button `id`. While assistive technology listens, the focus then leaves a
    // button that the command disabled for the one a player presses next, and the announcer says
    // what changed on the table.
    void run(ControlId id, const std::function<void()>& command);

  private:
    void takeFocus(bool on);
    void focusAfter(ControlId pressed, QPushButton& focused);

    const Buttons& buttons_;
    QWidget& table_;
    QMenuBar& menu_;
    QShortcut* openMenu_;
    Announcer& announcer_;
    bool active_ = false;
};
