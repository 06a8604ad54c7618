#pragma once

#include <QWidget>

#include <functional>
#include <utility>

// The table picture, as large as the back buffer, at the top-left of the area below the menu
// bar; where that area is smaller it is cut off, where it is larger nothing more is drawn.
// Painting it only copies the back buffer; it never draws the table and never erases. The back
// buffer follows the device pixel ratio of the screen the widget is on.
class TableWidget : public QWidget {
  public:
    explicit TableWidget(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  public:
    // `work` runs once, in the idle time right after the first frame has been painted.
    void afterFirstFrame(std::function<void()> work) { afterFirstFrame_ = std::move(work); }

  private:
    std::function<void()> afterFirstFrame_;
};
