#pragma once

#include "app/controls.h"
#include "app/window_view.h"

#include <QMainWindow>

class TableWidget;

// The one main window: caption, menu bar and the table area with its buttons.
class MainWindow : public QMainWindow {
  public:
    MainWindow();
    ~MainWindow() override; // releases the drawing surfaces

    // The creation steps, in this order: the game state, the table picture, the buttons.
    // False when the table picture cannot be made; the window is then unusable.
    bool create();

    TableView& view() { return view_; }
    TableWidget& table() { return *table_; }
    QPushButton& button(ControlId id) { return *buttons_[id]; }

  protected:
    bool event(QEvent* event) override;

  private:
    void buildMenu();
    void fitToFrame();

    QWidget* client_; // the area below the menu bar
    TableWidget* table_;
    Buttons buttons_{};
    WindowView view_;
    bool surfaceMade_ = false;
    bool fittedToFrame_ = false;
};
