// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the first demonstration bout, fenced headless in virtual time, to the file named as
// the only argument, in whatever bytes it is named.

#include "game/Game.h"
#include "game/GameProbe.h"
#include "platform/headless/HeadlessPlatform.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) return 2;
    pistework::platform::headless::HeadlessPlatform form;
    pistework::game::Game game(form.Services());
    game.Start();
    if (!form.scheduler.RunUntilTrue(
            [&] { return !pistework::game::GameProbe(game).LastFenced().empty(); }, 3'600'000))
        return 1;
    const auto bytes = pistework::game::GameProbe(game).LastFenced();
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file) return 1;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written && !bytes.empty() ? 0 : 1;
}
