#pragma once

#include "game/table_state.h"
#include "game/table_view.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A table view that draws nothing. It keeps track of which buttons are enabled, as the window's
// greyed buttons do, and when asked writes down each call as a word such as "paintNextCard:1",
// "paintResults:3:0", "enable:double:1", "invalidate:table" or "update".
class HeadlessView : public TableView {
  public:
    explicit HeadlessView(bool recordCalls = false); // the buttons enabled as the game starts

    void clearTable() override;
    void paintCounts() override;
    void paintMoney() override;
    void paintBet() override;
    void paintSplitLabel() override;
    void paintNextCard(HandId hand, const NextCard& next) override;
    void paintResults(ResultTarget target, RoundEnd end) override;
    void enableButton(ControlId id, bool enable) override;
    void invalidateRect(const Rect& rect) override;
    void updateWindow() override;

    bool isEnabled(ControlId id) const { return enabled[id]; }
    const std::vector<std::string>& calls() const { return recorded; }
    void forgetCalls() { recorded.clear(); }

  private:
    void note(std::string_view call);

    bool recording;
    std::vector<std::string> recorded;
    std::array<bool, buttonCount> enabled{}; // indexed by control id
};

// The word of each button on the replay's input and in its output, indexed by control id.
std::string_view buttonWord(ControlId id);
std::optional<ControlId> buttonFromWord(std::string_view word);
// The words of the buttons for which `chosen` holds, in control-id order, separated by spaces.
std::string buttonWordsWhere(const std::function<bool(ControlId)>& chosen);

// Presses a button of `table` as the player would: a greyed button sends nothing. Returns whether
// the button was enabled and its handler ran.
bool pressButton(TableState& table, HeadlessView& view, ControlId id);
