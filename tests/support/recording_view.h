#pragma once

#include "game/table_view.h"

#include <array>
#include <string>
#include <vector>

// A table view that draws nothing and writes down every call, in order, as
// "clearTable", "paintNextCard:1", "paintResults:3:0", "enable:double:1", "invalidate:table",
// "update". It keeps the one contract the round logic counts on: paintNextCard advances the slot.
class RecordingView : public TableView {
  public:
    std::vector<std::string> calls;
    std::array<bool, buttonCount> enabled{true, false, false, true, false, false, true, true, true};

    void clearTable() override;
    void paintCounts() override;
    void paintMoney() override;
    void paintBet() override;
    void paintSplitLabel() override;
    void paintNextCard(HandId hand) override;
    void paintResults(ResultTarget target, int naturalCheck) override;
    void enableButton(ControlId id, bool enable) override;
    void invalidateRect(const Rect& rect) override;
    void updateWindow() override;

    // The words of the enabled buttons in control-id order, e.g. "deal betone betfive ...".
    std::string enabledWords() const;
};

const char* buttonWord(ControlId id);
