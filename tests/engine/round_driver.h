#pragma once

#include "tests/support/recording_view.h"

#include <string>
#include <vector>

// Presses a button of `table` by its word ("deal", "hit", ...) through the handler it routes to.
void press(TableState& table, RecordingView& view, const std::string& word);

// Presses each word in turn; the view's calls are those of the last press only.
void pressAll(TableState& table, RecordingView& view, const std::vector<std::string>& words);
