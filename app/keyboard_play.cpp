#include "app/keyboard_play.h"

#include "app/announcer.h"
#include "app/table_widget.h"
#include "render/change_words.h"
#include "render/table_content.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include <new>

namespace {
std::array<ControlId, buttonCount> tabOrder() {
    std::array<ControlId, buttonCount> order{};
    for (const Control& control : controls) {
        order[control.tabPosition] = control.id;
    }
    return order;
}

// A menu opened by the arrow keys from the one beside it selects its first item before it is
// shown, and the focus it reports then goes unheard: it is reported again once the menu is up.
void focusActiveItem(QMenu& popup) {
    QTimer::singleShot(0, &popup, [&popup] {
        if (QAccessible::isActive() && popup.isVisible() && popup.activeAction()) {
            QAccessibleEvent focus(&popup, QAccessible::Focus);
            focus.setChild(static_cast<int>(popup.actions().indexOf(popup.activeAction())));
            QAccessible::updateAccessibility(&focus);
        }
    });
}
} // namespace

KeyboardPlay::KeyboardPlay(const Buttons& buttons, TableWidget& table, QMenuBar& menu,
                           Announcer& announcer)
    : buttons_(buttons), table_(table), window_(*table.window()), menu_(menu),
      announcer_(announcer) {
    // The File menu opens at its first item; the arrow keys move to Help and along the items.
    auto* openMenu = new QShortcut(QKeySequence(Qt::Key_F10), &window_);
    QObject::connect(openMenu, &QShortcut::activated, this, [this] {
        useKeys();
        QAction* file = menu_.actions().value(0);
        menu_.setActiveAction(file);
        file->menu()->setActiveAction(file->menu()->actions().value(0));
    });
    for (QAction* entry : menu_.actions()) {
        QMenu* popup = entry->menu();
        QObject::connect(popup, &QMenu::aboutToShow, popup, [popup] { focusActiveItem(*popup); });
    }
    window_.installEventFilter(this);
    for (QPushButton* button : buttons_) {
        button->installEventFilter(this);
    }
    QAccessible::installActivationObserver(this);
    accessibilityActiveChanged(QAccessible::isActive());
}

KeyboardPlay::~KeyboardPlay() {
    QAccessible::removeActivationObserver(this);
}

void KeyboardPlay::accessibilityActiveChanged(bool active) {
    active_ = active;
    setTabStops();
    QWidget* focused = window_.focusWidget();
    if (active && !focused) {
        focusAfter(IDC_DEAL, *buttons_[IDC_DEAL]);
    } else if (!active && focused) {
        // The focus it was given stays only with a player who has moved it by keys.
        if (!keysUsed()) {
            focused->clearFocus();
        } else if (focused == &table_) {
            focusAfter(IDC_DEAL, *buttons_[IDC_DEAL]);
        }
    }
}

// Qt marks the window once the focus has moved by Tab or Shift+Tab; from then on the style draws
// the focus.
bool KeyboardPlay::keysUsed() const {
    return window_.testAttribute(Qt::WA_KeyboardFocusChange);
}

void KeyboardPlay::useKeys() {
    window_.setAttribute(Qt::WA_KeyboardFocusChange);
    setTabStops();
}

// Tab focus only, never click focus: a click leaves the focus where it is.
void KeyboardPlay::setTabStops() {
    const auto policy = [](bool on) { return on ? Qt::TabFocus : Qt::NoFocus; };
    QWidget* previous = nullptr;
    for (const ControlId id : tabOrder()) {
        buttons_[id]->setFocusPolicy(policy(active_ || keysUsed()));
        if (previous) {
            QWidget::setTabOrder(previous, buttons_[id]);
        }
        previous = buttons_[id];
    }
    table_.setFocusPolicy(policy(active_));
    QWidget::setTabOrder(previous, &table_);
}

bool KeyboardPlay::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (watched == &window_) {
        // The window has the key when nothing has the focus; Qt then moves the focus to the
        // first or last button that can take it.
        if (plain && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && !keysUsed()) {
            useKeys();
        }
        return false;
    }
    // A push button outside a dialog takes only Space; Return presses it too, once per stroke.
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (!key->isAutoRepeat()) {
            static_cast<QPushButton*>(watched)->click(); // does nothing while it is disabled
        }
        return true;
    }
    return false;
}

// A button keeps the focus while it can still be pressed, except Double after its own press:
// doubling twice is never meant. Otherwise Hit takes it while a hand is in play, else Deal.
void KeyboardPlay::focusAfter(ControlId pressed, QPushButton& focused) {
    QPushButton* next = &focused;
    if (!next->isEnabled() || (next == buttons_[pressed] && pressed == IDC_DOUBLE)) {
        next = buttons_[IDC_HIT]->isEnabled() ? buttons_[IDC_HIT] : buttons_[IDC_DEAL];
    }
    next->setFocus(Qt::TabFocusReason);
}

KeyboardPlay::Before KeyboardPlay::beforeCommand() const {
    Before before;
    // Disabling a focused button hands the focus to the next in the chain; it is put right after.
    for (QPushButton* button : buttons_) {
        before.focused = window_.focusWidget() == button ? button : before.focused;
    }
    // Words that cannot be made for want of memory are left unsaid; the round goes on.
    try {
        if (active_) {
            before.table = tableContent(table_.canvas());
        }
    } catch (const std::bad_alloc&) {
    }
    return before;
}

void KeyboardPlay::afterCommand(ControlId pressed, const Before& before) {
    if (before.focused) {
        focusAfter(pressed, *before.focused);
    }
    try {
        if (before.table) {
            announcer_.say(
                QString::fromStdString(changeWords(*before.table, tableContent(table_.canvas()))));
        }
    } catch (const std::bad_alloc&) {
    }
}
