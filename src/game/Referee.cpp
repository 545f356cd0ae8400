#include "game/Game.h"

// Filled in by the work on this subsystem; empty bodies keep the window linkable meanwhile.
namespace pistework::game {

void Game::TimerPresidentTimer() { c.TimerPresident.SetEnabled(false); }
void Game::ReturnToEngarde() {}
void Game::TimerLightTimer() { c.TimerLight.SetEnabled(false); }
void Game::TimerClockTimer() { c.TimerClock.SetEnabled(false); }
void Game::EndBout() {}

} // namespace pistework::game
