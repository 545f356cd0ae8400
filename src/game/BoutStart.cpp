#include "game/Game.h"

// Filled in by the work on this subsystem; empty bodies keep the window linkable meanwhile.
namespace pistework::game {

void Game::StartNewBout() { c.TimerAutoPlay.SetEnabled(false); }
void Game::TimerSaluteTimer() { c.TimerSalute.SetEnabled(false); }
void Game::TimerAutoPlayTimer() { c.TimerAutoPlay.SetEnabled(false); }

} // namespace pistework::game
