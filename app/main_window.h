#pragma once

#include "app/controls.h"
#include "app/window_view.h"
#include "render/canvas.h"

#include <QMainWindow>

#include <memory>
#include <string>

class Announcer;
class KeyboardPlay;
class TableWidget;

// The one main window: caption, menu bar and the table area with its buttons.
class MainWindow : public QMainWindow {
  public:
    MainWindow();
    ~MainWindow() override; // releases the drawing surfaces

    // The creation steps, in this order: the game state, the table picture, the buttons.
    // False when a step fails: a resource cannot be loaded or memory runs out. The window is
    // then unusable and must not be shown; failure() tells what went wrong.
    bool create();
    const std::string& failure() const { return failure_; }

    // Runs a command of a button (its control id) or of the menu, as a press or a menu choice
    // does.
    void command(std::int32_t command);

    TableWidget& table() { return *table_; }
    // The state of the window's table, which its round logic plays.
    TableState& tableState() { return state_; }
    // The window's table picture and its record of what is drawn.
    Canvas& canvas() { return canvas_; }
    QPushButton& button(ControlId id) { return *buttons_[id]; }

  protected:
    bool event(QEvent* event) override;

  private:
    void buildMenu();
    void fitToFrame();

    // First, so that they hold their values before the child widgets below are made: making a
    // child already sends the window events, which read them.
    bool surfaceMade_ = false;
    bool fittedToFrame_ = false;
    TableState state_;
    Canvas canvas_;
    QWidget* client_; // the area below the menu bar
    TableWidget* table_;
    Buttons buttons_{};
    WindowView view_;
    Announcer* announcer_;
    std::unique_ptr<KeyboardPlay> keyboard_;
    std::string failure_;
};
