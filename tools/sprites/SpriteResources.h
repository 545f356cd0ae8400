// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures, compiled in as Qt resources by linking pistework_sprites; nothing
// needs initialising by hand.
//   :/sprites/<NAME>           the 80 pictures, e.g. :/sprites/ENGARDEA, :/sprites/LIGHTOFFB
//   :/icons/pistework-<size>   the application icon, size 16, 32, 48, 64, 128 or 256
#pragma once

#include <QString>

// Resource path of a picture, from its name as the game spells it ("LUNGE3B").
QString SpriteResourcePath(const QString& name);
