// Run while configuring (try_run in packaging/CMakeLists.txt): prints as CMake commands the
// figures of the game that the package's pages quote, from the game's own constants.
#include "game/rules.h"
#include "game/table_layout.h"

#include <cstdio>

int main() {
    std::printf("set(windowWidth %d)\nset(windowHeight %d)\nset(startingBank %d)\n",
                TableLayout::windowWidth, TableLayout::windowHeight, startingBank);
}
