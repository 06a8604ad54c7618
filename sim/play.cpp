#include "sim/play.h"

#include "cards/random.h"
#include "game/settlement.h"
#include "sim/json_line.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ostream>

namespace {
// One of the player's hands as the game settled it.
void countHand(const TableState& table, HandId hand, RoundEnd end, PlayTally& tally) {
    const HandSettlement settled = settlement(table, hand, end);
    const HandResult result = settled.result.value_or(HandResult::push);
    ++tally.hands;
    tally.wins += result == HandResult::win || result == HandResult::natural;
    tally.losses += result == HandResult::lose || result == HandResult::bust;
    tally.pushes += result == HandResult::push;
    tally.doubles += handState(table, hand).doubled;
    tally.playerNaturals += result == HandResult::natural;
    tally.dealerNaturals += end == RoundEnd::naturals && result != HandResult::natural;
    tally.handMoney += settled.change;
}

void drawProgress(std::ostream& progress, std::int64_t done, std::int64_t total) {
    constexpr int width = 40;
    const auto filled = static_cast<int>(done * width / total);
    progress << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
             << std::string(static_cast<std::size_t>(width - filled), ' ') << "] "
             << done * 100 / total << "%" << std::flush;
}

std::string percent(std::int64_t part, std::int64_t whole) {
    char figure[32];
    std::snprintf(figure, sizeof figure, "%6.2f%%",
                  whole ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0);
    return figure;
}

double fraction(std::int64_t part, std::int64_t whole) {
    return whole ? static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}
} // namespace

void playRound(TableState& table, HeadlessView& view, Strategy strategy, PlayTally& tally) {
    const std::int32_t bankBefore = table.bank;
    if (!pressButton(table, view, IDC_DEAL)) {
        return;
    }
    const bool settledAtDeal = table.bettingMode;
    while (!table.bettingMode) {
        const Decision decision{handState(table, table.activeHand).hand,
                                handCardAt(handState(table, DealerHandId).hand, 2),
                                view.isEnabled(IDC_DOUBLE), view.isEnabled(IDC_SPLIT)};
        if (!pressButton(table, view, chooseAction(strategy, decision)) &&
            !pressButton(table, view, IDC_STAND)) {
            break;
        }
    }

    const std::int64_t change = std::int64_t{table.bank} - bankBefore;
    ++tally.rounds;
    tally.netMoney += change;
    tally.netSquares += change * change;
    const RoundEnd end = settledAtDeal ? RoundEnd::naturals : RoundEnd::play;
    countHand(table, PlayerHandId, end, tally);
    if (table.splitActive) {
        ++tally.splits;
        tally.splitMoney += change;
        tally.splitSquares += change * change;
        countHand(table, SplitHandId, end, tally);
    }
}

PlayReport runPlay(const PlayOptions& options, std::ostream& progress) {
    TableState table;
    return runPlay(table, options, progress);
}

PlayReport runPlay(TableState& table, const PlayOptions& options, std::ostream& progress) {
    table = TableState{};
    tableInit(table);
    randomSeed(table.shoe.random, options.seed);
    PlayReport report;
    report.options = options;
    report.stake = table.bet;
    HeadlessView view;

    const std::int64_t step = options.rounds / 100 > 0 ? options.rounds / 100 : 1;
    const auto start = std::chrono::steady_clock::now();
    for (std::int64_t round = 0; round < options.rounds; ++round) {
        if (options.freshShoe) {
            table.cardsUntilReshuffle = 0;
        }
        playRound(table, view, options.strategy, report.tally);
        if (options.showProgress && (round + 1) % step == 0) {
            drawProgress(progress, round + 1, options.rounds);
        }
    }
    report.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (options.showProgress) {
        progress << "\r" << std::string(50, ' ') << "\r" << std::flush;
    }
    return report;
}

NetResult netResult(const PlayReport& report) {
    NetResult net;
    const auto n = static_cast<double>(report.tally.rounds);
    if (n < 1) {
        return net;
    }
    const double stake = report.stake;
    const double sum = static_cast<double>(report.tally.netMoney) / stake;
    const double squares = static_cast<double>(report.tally.netSquares) / (stake * stake);
    net.mean = sum / n;
    net.sd = n > 1 ? std::sqrt(std::max(0.0, (squares - sum * net.mean) / (n - 1))) : 0.0;
    const double half = 1.96 * net.sd / std::sqrt(n);
    net.low = net.mean - half;
    net.high = net.mean + half;
    return net;
}

std::string reportText(const PlayReport& report) {
    const PlayTally& t = report.tally;
    const NetResult net = netResult(report);
    char line[160];
    std::string text;
    auto add = [&text](const std::string& label, const std::string& value) {
        text += label + std::string(label.size() < 18 ? 18 - label.size() : 1, ' ') + value + "\n";
    };
    add("strategy", std::string(strategyName(report.options.strategy)));
    add("seed", std::to_string(report.options.seed));
    add("stake", std::to_string(report.stake));
    add("shoe", report.options.freshShoe ? "full at every round"
                                         : "rebuilt after 280, then every 274 cards");
    add("rounds", std::to_string(t.rounds));
    std::snprintf(line, sizeof line, "%+.5f stakes per round, 95%% CI [%+.5f, %+.5f], sd %.4f",
                  net.mean, net.low, net.high, net.sd);
    add("net result", line);
    std::snprintf(line, sizeof line, "%+.3f%% of the stake, 95%% CI [%+.3f%%, %+.3f%%]",
                  -100 * net.mean, -100 * net.high, -100 * net.low);
    add("house edge", line);
    add("hands", std::to_string(t.hands) + " (a split round plays two)");
    add("wins", percent(t.wins, t.hands) + " of hands (naturals included)");
    add("losses", percent(t.losses, t.hands) + " of hands (busts, dealer naturals included)");
    add("pushes", percent(t.pushes, t.hands) + " of hands");
    add("player naturals",
        percent(t.playerNaturals, t.rounds) + " of rounds (paid 3 to 2 in whole units: 7 on 5)");
    add("dealer naturals", percent(t.dealerNaturals, t.rounds) + " of rounds");
    add("doubles", percent(t.doubles, t.hands) + " of hands doubled");
    add("splits", percent(t.splits, t.rounds) + " of rounds split");
    std::snprintf(line, sizeof line, "%.0f rounds per second",
                  report.seconds > 0 ? static_cast<double>(t.rounds) / report.seconds : 0.0);
    add("speed", line);
    return text;
}

std::string reportJson(const PlayReport& report) {
    const PlayTally& t = report.tally;
    const NetResult net = netResult(report);
    return JsonLine{}
        .text("strategy", strategyName(report.options.strategy))
        .number("seed", report.options.seed)
        .number("stake", report.stake)
        .boolean("fresh_shoe", report.options.freshShoe)
        .number("rounds", t.rounds)
        .decimal("net_per_round", net.mean, 6)
        .decimal("ci95_low", net.low, 6)
        .decimal("ci95_high", net.high, 6)
        .decimal("sd", net.sd, 6)
        .decimal("house_edge", -net.mean, 6)
        .number("hands", t.hands)
        .number("wins", t.wins)
        .number("losses", t.losses)
        .number("pushes", t.pushes)
        .number("player_naturals", t.playerNaturals)
        .number("dealer_naturals", t.dealerNaturals)
        .number("doubles", t.doubles)
        .number("splits", t.splits)
        .decimal("win_rate", fraction(t.wins, t.hands), 6)
        .decimal("loss_rate", fraction(t.losses, t.hands), 6)
        .decimal("push_rate", fraction(t.pushes, t.hands), 6)
        .decimal("player_natural_rate", fraction(t.playerNaturals, t.rounds), 6)
        .decimal("dealer_natural_rate", fraction(t.dealerNaturals, t.rounds), 6)
        .decimal("double_rate", fraction(t.doubles, t.hands), 6)
        .decimal("split_rate", fraction(t.splits, t.rounds), 6)
        .number("split_net", t.splitMoney)
        .number("split_net_squares", t.splitSquares)
        .decimal("rounds_per_second",
                 report.seconds > 0 ? static_cast<double>(t.rounds) / report.seconds : 0.0, 0)
        .str();
}
