#include "tests/support/recording_view.h"

std::string RecordingView::enabledWords() const {
    return buttonWordsWhere([this](ControlId id) { return isEnabled(id); });
}
