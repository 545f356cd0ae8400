// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Watching a replay in the window, the game held meanwhile, with a strip under the board to
// work it: F3 pauses, 1, 2 and 4 set the speed, the arrows move a second, "," and "." step a
// picture, Home and End go to either end, PageUp and PageDown to the rulings, D shows the
// distance and C the chart, T hands the bout to the player from the moment shown; Esc or F2
// returns to the game. Watching changes no option.

#include "app/DistanceOverlay.h"
#include "app/ReplayStrip.h"
#include "app/modes/WindowMode.h"
#include "game/replay/Replay.h"

#include <QByteArray>

#include <memory>

namespace pistework::app {

class WatchingMode : public WindowMode {
public:
    // The replay in the file at `path` (its name as the system has it); none, said once and
    // plainly, when the file cannot be read or is no replay.
    static std::unique_ptr<WatchingMode> Open(MainWindow& window, const QByteArray& path);
    WatchingMode(MainWindow& window, std::unique_ptr<game::Replay> replay);
    ~WatchingMode() override;

    layout::Mode Kind() const override { return layout::Mode::Watching; }
    Outcome Key(const QKeyEvent& key) override;
    Outcome Choose(layout::MenuCommand command) override;
    // A replay takes no fencer's command.
    void Fence(game::CommandSource, game::Side, game::FencerCommand) override {}
    bool ShowsGame() const override { return false; }
    void Redraw() override;
    QString Title() const override;

private:
    // To the ruling before or after the moment shown.
    void SeekRuling(int direction);
    // The bout at the moment shown, the right fencer the player's: said plainly when the
    // replay keeps only pictures, or the bout is over there.
    void TakeOver();

    game::PlayHold hold;
    std::unique_ptr<game::Replay> replay;
    game::ReplayPlayer player;
    game::ReplayPicture shown;
    std::unique_ptr<ReplayStrip> strip;
    DistanceChoice distance{window};
};

} // namespace pistework::app
