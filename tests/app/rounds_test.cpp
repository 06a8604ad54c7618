#include "tests/app/window_fixture.h"

#include "app/table_widget.h"
#include "game/table_state.h"
#include "raster/surface.h"
#include "render/canvas.h"
#include "tests/support/recording_view.h"
#include "tests/support/table_fixture.h"

#include <QEvent>
#include <QImage>

#include <functional>
#include <vector>

namespace {
const char* const betting = "deal betone betfive betten clear";

struct Step {
    ControlId button;
    const char* enabledAfter;
};

struct Round {
    const char* name;
    std::vector<Card> draws; // player, dealer, player, dealer, then one per card asked for
    std::vector<Step> steps;
    std::int32_t bankAfter;
};

const Round rounds[] = {
    {"hit to a bust",
     cards({"10H", "9C", "6D", "8S", "KC"}),
     {{IDC_DEAL, "hit stand double"}, {IDC_HIT, betting}},
     995},
    {"stand, the dealer draws to 17",
     cards({"10H", "2C", "9D", "3D", "4H", "5S", "3C"}),
     {{IDC_DEAL, "hit stand double"}, {IDC_STAND, betting}},
     1005},
    {"a deal after a round of five dealer cards",
     cards({"10H", "2C", "9D", "3D", "4H", "5S", "3C", "10S", "9C", "7D", "8H"}),
     {{IDC_DEAL, "hit stand double"}, {IDC_STAND, betting}, {IDC_DEAL, "hit stand double"}},
     1005},
    {"hit, then stand",
     cards({"4H", "10C", "5D", "8S", "9H"}),
     {{IDC_DEAL, "hit stand double"}, {IDC_HIT, "hit stand"}, {IDC_STAND, betting}},
     1000},
    {"double on 11",
     cards({"5H", "10C", "6D", "7S", "9S"}),
     {{IDC_DEAL, "hit stand double"}, {IDC_DOUBLE, betting}},
     1010},
    {"split eights, both hands stand",
     cards({"8H", "10C", "8D", "7S", "10S", "KD"}),
     {{IDC_DEAL, "hit stand double split"},
      {IDC_SPLIT, "hit stand double"},
      {IDC_STAND, "hit stand double"},
      {IDC_STAND, betting}},
     1010},
    {"a natural at the deal", cards({"AS", "9C", "KH", "7D"}), {{IDC_DEAL, betting}}, 1007},
    {"the dealer's natural", cards({"10S", "AC", "9H", "KD"}), {{IDC_DEAL, betting}}, 995},
};

class RoundTest : public WindowTest, public ::testing::WithParamInterface<Round> {};
} // namespace

TEST_P(RoundTest, EachClickShowsItsPictureAndButtons) {
    const Round& round = GetParam();
    arrangeShoe(state(), round.draws);
    for (const Step& step : round.steps) {
        SCOPED_TRACE(buttonWord(step.button));
        click(step.button);
        EXPECT_EQ(enabledWords(), step.enabledAfter);
        EXPECT_EQ(pixelsUnlikeBackBuffer(), 0);
    }
    EXPECT_EQ(state().bank, round.bankAfter);
}

INSTANTIATE_TEST_SUITE_P(Rounds, RoundTest, ::testing::ValuesIn(rounds),
                         [](const ::testing::TestParamInfo<Round>& info) {
                             return testName(info.param.name);
                         });

TEST_F(WindowTest, BetButtonsShowTheirFigureAtOnce) {
    const struct {
        ControlId button;
        std::int32_t bet;
    } presses[] = {{IDC_BETONE, 6},  {IDC_BETONE, 7}, {IDC_BETONE, 8}, {IDC_BETFIVE, 13},
                   {IDC_BETTEN, 23}, {IDC_CLEAR, 5},  {IDC_CLEAR, 5}};
    EXPECT_EQ(state().bet, 5);
    for (const auto& press : presses) {
        SCOPED_TRACE(buttonWord(press.button));
        click(press.button);
        EXPECT_EQ(state().bet, press.bet);
        EXPECT_EQ(pixelsUnlikeBackBuffer(), 0);
        EXPECT_EQ(enabledWords(), betting);
    }
}

namespace {
// At every paint of the table, before it copies anything, notes how many dealer cards the back
// buffer holds and what the screen shows at that moment.
class PaintWatcher : public QObject {
  public:
    struct Moment {
        std::int32_t dealerCardsDrawn;
        QImage screen;
    };
    std::vector<Moment> moments;
    std::function<QImage()> grabScreen;
    const TableState* table = nullptr;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            moments.push_back({handState(*table, DealerHandId).slot - 1, grabScreen()});
        }
        return false;
    }
};

int unlikePixels(const QImage& a, const QImage& b, const QRect& area) {
    int unlike = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            unlike += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return unlike;
}
} // namespace

// The dealer's third, fourth and fifth cards reach the screen one by one inside Stand: when the
// next card has been drawn into the back buffer, the screen already shows the one before it.
TEST_F(WindowTest, StandShowsEachDealerCardBeforeTheNext) {
    arrangeShoe(state(), cards({"10H", "2C", "9D", "3D", "4H", "5S", "3C"}));
    click(IDC_DEAL);
    PaintWatcher watcher;
    watcher.grabScreen = [this] { return screenTable(); };
    watcher.table = &state();
    window->table().installEventFilter(&watcher);
    click(IDC_STAND);
    window->table().removeEventFilter(&watcher);

    const QImage final = backBuffer(window->canvas()).image().convertToFormat(QImage::Format_RGB32);
    std::vector<std::int32_t> shownOneByOne;
    for (const PaintWatcher::Moment& moment : watcher.moments) {
        // card n lies at x 10 + 35 (n - 1) on the dealer's row and the next card covers all but
        // its left 35 columns; the right part of the next cell is still the bare table
        const std::int32_t drawn = moment.dealerCardsDrawn;
        if (drawn < 4) {
            continue;
        }
        const QRect shownStrip(10 + 35 * (drawn - 2), 30, 35, 96);
        const QRect nextCell(10 + 35 * (drawn - 1) + 36, 30, 35, 96);
        if (unlikePixels(moment.screen, final, shownStrip) == 0 &&
            moment.screen.pixel(nextCell.center()) == qRgb(0, 128, 0)) {
            shownOneByOne.push_back(drawn - 1);
        }
    }
    EXPECT_EQ(shownOneByOne, (std::vector<std::int32_t>{3, 4}));
    EXPECT_EQ(handState(state(), DealerHandId).slot, 6);
    EXPECT_EQ(pixelsUnlikeBackBuffer(), 0);
}
