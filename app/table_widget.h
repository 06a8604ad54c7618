#pragma once

#include <QWidget>

#include <functional>
#include <utility>

struct Canvas;

// The table picture, as large as the back buffer, at the top-left of the area below the menu
// bar; where that area is smaller it is cut off, where it is larger nothing more is drawn.
// Painting it copies the back buffer and never erases. The back buffer follows the device pixel
// ratio of the screen the widget is on: when that ratio has changed, the paint first draws the
// table again at the new ratio. While it shows the keyboard's focus (it takes the focus only
// while a screen reader runs), it carries the buttons' focus ring on its visible edge.
class TableWidget : public QWidget {
  public:
    // `canvas` is the window's table picture, which the widget shows; it outlives the widget.
    explicit TableWidget(Canvas& canvas, QWidget* parent = nullptr);

    const Canvas& canvas() const { return canvas_; }

    // `work` runs once, when the event loop first goes idle after the first frame was painted
    // and sent to the window system.
    void afterFirstFrame(std::function<void()> work) { afterFirstFrame_ = std::move(work); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Canvas& canvas_;
    std::function<void()> afterFirstFrame_;
    QMetaObject::Connection idle_;
};
