#include "tests/support/recording_view.h"

#include "game/table_view_state.h"

void RecordingView::clearTable() {
    calls.emplace_back("clearTable");
}
void RecordingView::paintCounts() {
    calls.emplace_back("paintCounts");
}
void RecordingView::paintMoney() {
    calls.emplace_back("paintMoney");
}
void RecordingView::paintBet() {
    calls.emplace_back("paintBet");
}
void RecordingView::paintSplitLabel() {
    calls.emplace_back("splitLabel");
}

void RecordingView::paintNextCard(HandId hand) {
    takeNextCard(hand);
    calls.push_back("paintNextCard:" + std::to_string(hand));
}

void RecordingView::paintResults(ResultTarget target, int naturalCheck) {
    calls.push_back("paintResults:" + std::to_string(target) + ":" + std::to_string(naturalCheck));
}

void RecordingView::enableButton(ControlId id, bool enable) {
    enabled[id] = enable;
    calls.push_back(std::string("enable:") + buttonWord(id) + (enable ? ":1" : ":0"));
}

void RecordingView::invalidateRect(const Rect& rect) {
    const char* name = rect == tableRect   ? "table"
                       : rect == moneyRect ? "money"
                       : rect == betRect   ? "bet"
                                           : "other";
    calls.push_back(std::string("invalidate:") + name);
}

void RecordingView::updateWindow() {
    calls.emplace_back("update");
}

std::string RecordingView::enabledWords() const {
    std::string words;
    for (std::int32_t id = 0; id < buttonCount; ++id) {
        if (enabled[id]) {
            words += (words.empty() ? "" : " ") + std::string(buttonWord(ControlId(id)));
        }
    }
    return words;
}

const char* buttonWord(ControlId id) {
    static const char* const words[] = {"deal",  "hit",     "stand",  "betone", "double",
                                        "split", "betfive", "betten", "clear"};
    return words[id];
}
