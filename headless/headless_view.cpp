#include "headless/headless_view.h"

#include "game/controls.h"
#include "game/table_view_state.h"

HeadlessView::HeadlessView(bool recordCalls) : recording(recordCalls) {
    for (const Control& control : controls) {
        enabled[control.id] = control.enabledAtStart;
    }
}

void HeadlessView::note(std::string_view call) {
    if (recording) {
        recorded.emplace_back(call);
    }
}

void HeadlessView::clearTable() {
    note("clearTable");
}
void HeadlessView::paintCounts() {
    note("paintCounts");
}
void HeadlessView::paintMoney() {
    note("paintMoney");
}
void HeadlessView::paintBet() {
    note("paintBet");
}
void HeadlessView::paintSplitLabel() {
    note("splitLabel");
}

void HeadlessView::paintNextCard(HandId hand, const NextCard&) {
    if (recording) {
        note("paintNextCard:" + std::to_string(hand));
    }
}

void HeadlessView::paintResults(ResultTarget target, RoundEnd end) {
    if (recording) {
        note("paintResults:" + std::to_string(target) + ":" +
             std::to_string(static_cast<std::int32_t>(end)));
    }
}

void HeadlessView::enableButton(ControlId id, bool enable) {
    enabled[id] = enable;
    if (recording) {
        note("enable:" + std::string(buttonWord(id)) + (enable ? ":1" : ":0"));
    }
}

void HeadlessView::invalidateRect(const Rect& rect) {
    if (rect == TableLayout::tableRect) {
        note("invalidate:table");
    } else if (rect == TableLayout::moneyRect) {
        note("invalidate:money");
    } else if (rect == TableLayout::betRect) {
        note("invalidate:bet");
    } else if (recording) {
        note("invalidate:" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
             std::to_string(rect.right) + "," + std::to_string(rect.bottom));
    }
}

void HeadlessView::updateWindow() {
    note("update");
}

std::string_view buttonWord(ControlId id) {
    return control(id).word;
}

std::optional<ControlId> buttonFromWord(std::string_view word) {
    for (const Control& control : controls) {
        if (control.word == word) {
            return control.id;
        }
    }
    return std::nullopt;
}

std::string buttonWordsWhere(const std::function<bool(ControlId)>& chosen) {
    std::string words;
    for (std::int32_t id = 0; id < buttonCount; ++id) {
        if (chosen(ControlId(id))) {
            words += (words.empty() ? "" : " ") + std::string(buttonWord(ControlId(id)));
        }
    }
    return words;
}

bool pressButton(TableState& table, HeadlessView& view, ControlId id) {
    if (!view.isEnabled(id)) {
        return false;
    }
    control(id).press(table, view);
    return true;
}
