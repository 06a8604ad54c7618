// Plays the game window through many rounds of clicks on its enabled buttons and reports the
// memory in use every 1,000 rounds. Exits with 1 when the memory in use after the first 1,000
// rounds grows by more than the allowance: what a long evening at the table must not do.
#include "app/main_window.h"
#include "cards/random.h"
#include "game/table_state.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <random>
#include <vector>

namespace {
constexpr int checkpointRounds = 1000;
// Qt and the allocator wander by some 10 KiB around a level; a leak of 8 bytes a round over
// the 9,000 rounds after the first checkpoint goes past this.
constexpr long growthAllowance = 64 * 1024;

// Bytes handed out by malloc and not yet freed, including blocks it took by mmap.
long heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>(info.uordblks + info.hblkhd);
}

long residentKilobytes() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    long kilobytes = -1;
    char line[256];
    while (status && std::fgets(line, sizeof line, status)) {
        if (std::sscanf(line, "VmRSS: %ld", &kilobytes) == 1) {
            break;
        }
    }
    if (status) {
        std::fclose(status);
    }
    return kilobytes;
}

class Player {
  public:
    Player(MainWindow& window, std::uint32_t seed) : window_(window), chooser_(seed) {}

    void playRound() {
        while (below(3) == 0) {
            click(window_.tableState().bet > 200 ? IDC_CLEAR : betButton());
        }
        click(IDC_DEAL);
        while (!window_.tableState().bettingMode) {
            std::vector<ControlId> choices;
            for (ControlId id : {IDC_HIT, IDC_STAND, IDC_DOUBLE, IDC_SPLIT}) {
                if (window_.button(id).isEnabled()) {
                    choices.push_back(id);
                }
            }
            click(choices[static_cast<std::size_t>(below(static_cast<int>(choices.size())))]);
        }
    }

  private:
    int below(int limit) { return std::uniform_int_distribution<int>(0, limit - 1)(chooser_); }

    ControlId betButton() {
        const ControlId bets[] = {IDC_BETONE, IDC_BETFIVE, IDC_BETTEN};
        return bets[below(3)];
    }

    // As a user's click comes: through the window system to the button under the pointer.
    void click(ControlId id) {
        const QPushButton& button = window_.button(id);
        QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, {},
                          button.mapTo(&window_, button.rect().center()));
    }

    MainWindow& window_;
    std::mt19937 chooser_;
};
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 10'000;
    if (rounds < 2 * checkpointRounds) {
        std::fprintf(stderr, "usage: quorvel-longplay [rounds, at least %d]\n",
                     2 * checkpointRounds);
        return 2;
    }
    int qtArguments = 1;
    QApplication application(qtArguments, argv);
    MainWindow window;
    if (!window.create()) {
        std::fprintf(stderr, "cannot start: %s\n", window.failure().c_str());
        return 1;
    }
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window was never shown\n");
        return 1;
    }
    randomSeed(window.tableState().shoe.random, 2026);
    Player player(window, 2026);
    std::printf("%8s %14s %10s %10s\n", "rounds", "heap in use", "RSS kB", "bank");
    long heapAtFirstCheckpoint = 0;
    long largestGrowth = 0;
    for (int round = 1; round <= rounds; ++round) {
        player.playRound();
        if (round % checkpointRounds != 0) {
            continue;
        }
        QApplication::processEvents();
        const long heap = heapInUse();
        if (round == checkpointRounds) {
            heapAtFirstCheckpoint = heap;
        }
        largestGrowth = std::max(largestGrowth, heap - heapAtFirstCheckpoint);
        std::printf("%8d %14ld %10ld %10d\n", round, heap, residentKilobytes(),
                    static_cast<int>(window.tableState().bank));
        std::fflush(stdout);
    }
    std::printf("largest growth of the heap after round %d: %ld bytes (allowed %ld)\n",
                checkpointRounds, largestGrowth, growthAllowance);
    return largestGrowth <= growthAllowance ? 0 : 1;
}
