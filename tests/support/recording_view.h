#pragma once

#include "headless/headless_view.h"

#include <string>

// The headless companion's drawing-free view, writing down every call of the round logic in
// order ("clearTable", "paintNextCard:1", "enable:double:1", "invalidate:table", "update").
class RecordingView : public HeadlessView {
  public:
    RecordingView() : HeadlessView(true) {}

    // The words of the enabled buttons in control-id order, e.g. "deal betone betfive ...".
    std::string enabledWords() const;
};
