// Reads a saved game as "Restart Previous Game" would and prints how many
// players it holds; fails when the reader refuses it. Used by the stop
// signal test, which plays the real program.
#include <cstdio>

#include "savegame/SaveFile.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s lastgame.inf\n", argv[0]);
        return 2;
    }
    zandoli::GameState state;
    if (!zandoli::savegame::readSave(argv[1], state)) {
        return 1;
    }
    std::printf("%d\n", state.numPlayers);
    return 0;
}
