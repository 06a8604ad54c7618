#include "tests/support/recording_view.h"

std::string RecordingView::enabledWords() const {
    std::string words;
    for (std::int32_t id = 0; id < buttonCount; ++id) {
        if (isEnabled(ControlId(id))) {
            words += (words.empty() ? "" : " ") + std::string(buttonWord(ControlId(id)));
        }
    }
    return words;
}
