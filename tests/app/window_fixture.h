#pragma once

#include "app/main_window.h"
#include "cards/card.h"

#include <QImage>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class QAction;

// The item of the window's menus with this text ("Exit", "About"), or null.
QAction* menuItem(MainWindow& window, const QString& text);

// A test's name from the words of its row: their letters and digits ("hit to a bust" gives
// "hittoabust").
std::string testName(const char* words);

// A row of a table-driven window test: the cards placed in the shoe, the buttons clicked and the
// words that must follow.
struct WordsAfterClicks {
    const char* name;
    std::vector<Card> draws; // player, dealer, player, dealer, then one per card asked for
    std::vector<ControlId> clicks;
    const char* expected;
};

// A freshly started game window, shown on Qt's offscreen screen.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    void click(ControlId id);
    void play(const WordsAfterClicks& row); // places the row's cards, then clicks its buttons
    std::string enabledWords() const;       // in control-id order, e.g. "deal betone betfive ..."
    TableState& state() { return window->tableState(); } // the window's own table
    // What the window has put on the screen, from the top-left of the table area.
    QImage screenTable() const;
    // Pixels of the visible table area, outside the buttons, that differ from the back buffer.
    int pixelsUnlikeBackBuffer() const;

    std::unique_ptr<MainWindow> window;
};
