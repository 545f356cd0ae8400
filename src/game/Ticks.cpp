#include "game/Game.h"

// Filled in by the work on this subsystem; empty bodies keep the window linkable meanwhile.
namespace pistework::game {

void Game::TimerLeftTimer() { c.TimerLeft.SetEnabled(false); }
void Game::TimerRightTimer() { c.TimerRight.SetEnabled(false); }
bool Game::ParryCatches(int) { return false; }
bool Game::HitTest(int) { return false; }
void Game::PassingRuling() {}

} // namespace pistework::game
