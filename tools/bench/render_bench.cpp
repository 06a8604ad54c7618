#include "tools/bench/engine_bench.h"

#include "game/actions.h"
#include "game/bets.h"
#include "game/deal.h"
#include "game/table_state.h"
#include "headless/headless_view.h"
#include "render/canvas.h"
#include "render/table_content.h"
#include "render/table_surface.h"
#include "render/table_words.h"

namespace {
// The renderer drawing into the back buffer, with window operations that do nothing: no window
// to copy to, so the figures are the handlers' own work and their drawing.
class BenchWindow : public TablePainter {
  public:
    using TablePainter::TablePainter;
    void enableButton(ControlId, bool) override {}
    void invalidateRect(const Rect&) override {}
    void updateWindow() override {}
};

// The set-up between timed presses goes through the drawing-free view: the table state is all
// the handlers and the renderer read.
HeadlessView setupView;

void finishRound(TableState& table) {
    while (!table.bettingMode) {
        onStand(table, setupView);
    }
}

void dealIntoPlay(TableState& table) {
    finishRound(table);
    do {
        onDeal(table, setupView);
    } while (table.bettingMode); // a natural ends the round at the deal
}

void giveThePlayerEights(TableState& table) {
    Hand& player = handState(table, PlayerHandId).hand;
    handClear(player);
    handAddCard(player, Card{0, 8});
    handAddCard(player, Card{1, 8});
}

using Handler = void (*)(TableState&, TableView&);

// Times one handler after `prepare` has brought the table to where its button is enabled.
void registerHandler(Canvas& canvas, const char* name, void (*prepare)(TableState&),
                     Handler handler) {
    benchmark::RegisterBenchmark(name,
                                 [&canvas, prepare, handler](benchmark::State& state) {
                                     TableState& table = freshTable();
                                     BenchWindow window(canvas, table);
                                     for (auto _ : state) {
                                         prepare(table);
                                         // as the Deal that a player presses would: the table
                                         // drawn since the last round is let go
                                         window.clearTable();
                                         timeOnly(state, [&] { handler(table, window); });
                                     }
                                     finishRound(table);
                                 })
        ->UseManualTime()
        ->Unit(benchmark::kNanosecond);
}

// What the window adds to a command while a screen reader listens: the table's words, built
// from what the painter recorded, here those of a finished round.
void wordsOfTheTable(benchmark::State& state, Canvas& canvas) {
    TableState& table = freshTable();
    BenchWindow window(canvas, table);
    onDeal(table, window);
    while (!table.bettingMode) {
        onStand(table, window);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(tableWords(tableContent(canvas)));
    }
}
} // namespace

void registerRendererBenchmarks(Canvas& canvas) {
    registerHandler(canvas, "render/onDeal", finishRound, onDeal);
    registerHandler(canvas, "render/onHit", dealIntoPlay, onHit);
    registerHandler(canvas, "render/onStand", dealIntoPlay, onStand);
    registerHandler(canvas, "render/onDouble", dealIntoPlay, onDouble);
    registerHandler(
        canvas, "render/onSplit",
        [](TableState& table) {
            dealIntoPlay(table);
            giveThePlayerEights(table);
        },
        onSplit);
    registerHandler(canvas, "render/onBetOne", finishRound, onBetOne);
    registerHandler(canvas, "render/onBetFive", finishRound, onBetFive);
    registerHandler(canvas, "render/onBetTen", finishRound, onBetTen);
    registerHandler(
        canvas, "render/onClearBet",
        [](TableState& table) {
            finishRound(table);
            onBetTen(table, setupView);
        },
        onClearBet);
    benchmark::RegisterBenchmark("render/tableWords", [&canvas](benchmark::State& state) {
        wordsOfTheTable(state, canvas);
    })->Unit(benchmark::kNanosecond);
}
