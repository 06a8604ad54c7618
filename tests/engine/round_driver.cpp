#include "tests/engine/round_driver.h"

#include "game/actions.h"
#include "game/bets.h"
#include "game/deal.h"

#include <map>
#include <stdexcept>

void press(RecordingView& view, const std::string& word) {
    static const std::map<std::string, void (*)(TableView&)> handlers = {
        {"deal", onDeal},       {"hit", onHit},       {"stand", onStand},
        {"double", onDouble},   {"split", onSplit},   {"betone", onBetOne},
        {"betfive", onBetFive}, {"betten", onBetTen}, {"clear", onClearBet}};
    const auto handler = handlers.find(word);
    if (handler == handlers.end()) {
        throw std::invalid_argument("no button " + word);
    }
    view.calls.clear();
    handler->second(view);
}

void pressAll(RecordingView& view, const std::vector<std::string>& words) {
    for (const std::string& word : words) {
        press(view, word);
    }
}
