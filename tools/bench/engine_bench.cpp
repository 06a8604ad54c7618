#include "tools/bench/engine_bench.h"

#include "cards/random.h"
#include "cards/shoe.h"
#include "game/table_state.h"
#include "sim/play.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace {
constexpr std::size_t backBufferBytes = 800 * 600 * 4;

void shoeDrawFromFullShoe(benchmark::State& state) {
    Shoe shoe;
    shoeInit(shoe);
    shoeFill(shoe, shoeDecks);
    randomSeed(shoe.random, 1);
    for (auto _ : state) {
        Card card;
        timeOnly(state, [&] { card = shoeDraw(shoe); });
        // back in at the tail, so every draw is from 312 cards; where it goes does not matter,
        // the draw's position is random
        cardListAppend(*shoe.cards, cardNodeNew(card));
        ++shoe.cardCount;
    }
}

void roundWithQuietView(benchmark::State& state) {
    TableState& table = freshTable();
    HeadlessView view;
    PlayTally tally;
    for (auto _ : state) {
        playRound(table, view, Strategy::Basic, tally);
    }
    state.counters["net_per_round"] =
        static_cast<double>(tally.netMoney) / 5.0 / static_cast<double>(tally.rounds);
}

void backBufferCopy(benchmark::State& state) {
    std::vector<std::uint8_t> from(backBufferBytes, 0x5a);
    std::vector<std::uint8_t> to(backBufferBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), backBufferBytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(backBufferBytes));
}
} // namespace

TableState& freshTable() {
    static TableState table;
    table = TableState{};
    tableInit(table);
    randomSeed(table.shoe.random, 1);
    return table;
}

void registerEngineBenchmarks() {
    benchmark::RegisterBenchmark("engine/shoeDraw_fullShoe", shoeDrawFromFullShoe)
        ->UseManualTime()
        ->Unit(benchmark::kNanosecond);
    // a whole round with basic strategy: deal, the player's presses, the dealer, settlement;
    // it includes the shoe's rebuild every 50 or so rounds
    benchmark::RegisterBenchmark("engine/round_quietView", roundWithQuietView)
        ->Unit(benchmark::kNanosecond);
    benchmark::RegisterBenchmark(floorBenchmark, backBufferCopy)->Unit(benchmark::kNanosecond);
}
