#include "game/Game.h"

// Filled in by the work on this subsystem; empty bodies keep the window linkable meanwhile.
namespace pistework::game {

void Game::ChoosePlayerAction(int) {}
void Game::ChooseOpponentAction(int) {}
void Game::ChooseFarAction(int) {}
void Game::ChooseMiddleAction(int) {}
void Game::ChooseCloseAction(int) {}
bool Game::ParryReaction(int) { return false; }
int Game::ArmAndStepVariation(int side) { return fencer[side].action; }
int Game::RandomBelow(int) { return 0; }
int Game::roomBehind(int) const { return 0; }

} // namespace pistework::game
