#include "app/keyboard_play.h"

#include "app/announcer.h"
#include "render/change_words.h"
#include "render/table_content.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include <new>
#include <optional>

namespace {
// Screen order: the play buttons row by row, then the bet buttons column by column (Bet One
// and Bet Five on the left, Bet Ten and Clear on the right).
constexpr ControlId tabOrder[] = {IDC_DEAL,   IDC_HIT,     IDC_STAND,  IDC_DOUBLE, IDC_SPLIT,
                                  IDC_BETONE, IDC_BETFIVE, IDC_BETTEN, IDC_CLEAR};

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

KeyboardPlay::KeyboardPlay(const Buttons& buttons, QWidget& table, QMenuBar& menu,
                           Announcer& announcer)
    : buttons_(buttons), table_(table), menu_(menu),
      openMenu_(new QShortcut(QKeySequence(Qt::Key_F10), table.window())), announcer_(announcer) {
    openMenu_->setEnabled(false);
    // The File menu opens at its first item; the arrow keys move to Help and along the items.
    QObject::connect(openMenu_, &QShortcut::activated, &menu_, [this] {
        QAction* file = menu_.actions().value(0);
        menu_.setActiveAction(file);
        file->menu()->setActiveAction(file->menu()->actions().value(0));
    });
    for (QAction* entry : menu_.actions()) {
        QMenu* popup = entry->menu();
        QObject::connect(popup, &QMenu::aboutToShow, popup, [popup] { focusActiveItem(*popup); });
    }
    QAccessible::installActivationObserver(this);
    if (QAccessible::isActive()) {
        accessibilityActiveChanged(true);
    }
}

KeyboardPlay::~KeyboardPlay() {
    QAccessible::removeActivationObserver(this);
}

void KeyboardPlay::accessibilityActiveChanged(bool active) {
    active_ = active;
    takeFocus(active);
}

void KeyboardPlay::takeFocus(bool on) {
    const Qt::FocusPolicy policy = on ? Qt::TabFocus : Qt::NoFocus;
    QWidget* previous = nullptr;
    for (const ControlId id : tabOrder) {
        buttons_[id]->setFocusPolicy(policy);
        if (previous) {
            QWidget::setTabOrder(previous, buttons_[id]);
        }
        previous = buttons_[id];
    }
    table_.setFocusPolicy(policy);
    openMenu_->setEnabled(on);
    QWidget::setTabOrder(previous, &table_);
    if (!on) {
        if (QWidget* focused = table_.window()->focusWidget()) {
            focused->clearFocus();
        }
        return;
    }
    if (!table_.window()->focusWidget()) {
        focusAfter(IDC_DEAL, *buttons_[IDC_DEAL]);
    }
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

void KeyboardPlay::run(ControlId id, const std::function<void()>& command) {
    if (!active_) {
        command();
        return;
    }
    // Disabling a focused button hands the focus to the next in the chain; it is put right below.
    QPushButton* focused = nullptr;
    for (QPushButton* button : buttons_) {
        focused = button->hasFocus() ? button : focused;
    }
    // Words that cannot be made for want of memory are left unsaid; the round goes on.
    std::optional<TableContent> before;
    try {
        before = tableContent();
    } catch (const std::bad_alloc&) {
    }
    command();
    if (focused) {
        focusAfter(id, *focused);
    }
    try {
        if (before) {
            announcer_.say(QString::fromStdString(changeWords(*before, tableContent())));
        }
    } catch (const std::bad_alloc&) {
    }
}
