#include "game/Game.h"

// Filled in by the work on this subsystem; empty bodies keep the window linkable meanwhile.
namespace pistework::game {

void Game::AdvanceCommand(int) {}
void Game::RetreatCommand(int) {}
void Game::ExtendCommand(int) {}
void Game::LungeCommand(int) {}
void Game::ParryCommand(int) {}
void Game::FlecheCommand(int) {}
void Game::txtKeyboardKeyPress(char32_t) {}
void Game::PlaySoundCue(int) {}

} // namespace pistework::game
