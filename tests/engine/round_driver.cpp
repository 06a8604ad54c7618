#include "tests/engine/round_driver.h"

#include <stdexcept>

void press(TableState& table, RecordingView& view, const std::string& word) {
    const auto button = buttonFromWord(word);
    if (!button) {
        throw std::invalid_argument("no button " + word);
    }
    view.forgetCalls();
    if (!pressButton(table, view, *button)) {
        throw std::logic_error(word + " is greyed out");
    }
}

void pressAll(TableState& table, RecordingView& view, const std::vector<std::string>& words) {
    for (const std::string& word : words) {
        press(table, view, word);
    }
}
