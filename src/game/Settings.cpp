// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Settings.h"

#include "game/Sounds.h"
#include "game/Utf8.h"

namespace pistework::game {

namespace {

constexpr int kTimedCode = 1;
// Sound on and "2 Player", like the timed bout: 1 is on, any other value off.
constexpr int kOnCode = 1;
constexpr int kKeyboardCode = 0;
constexpr int kMouseCode = 1;

// A positive number, or nothing: zero hits would end every bout at once and a timer of no
// time would freeze the window.
std::optional<int> ReadPositive(const platform::Store& store, const std::string& name) {
    const std::optional<int> value = store.ReadInteger(name);
    if (value && *value > 0) return value;
    return std::nullopt;
}

ControlMode ControlFromCode(int code) {
    switch (code) {
    case kKeyboardCode:
        return ControlMode::Keyboard;
    case kMouseCode:
        return ControlMode::Mouse;
    default:
        return ControlMode::Neither;
    }
}

void ReadSoundFiles(const platform::Store& store, BoutOptions& options) {
    options.hitSound = kDefaultHitSound;
    options.parrySound = kDefaultParrySound;
    // An empty value is the player's choice too: both cues then fall silent.
    if (const auto beep = store.ReadOwnString(kBeepSoundName)) {
        options.hitSound = *beep;
        options.parrySound = ParrySoundBeside(options.hitSound);
    }
}

} // namespace

BoutOptions ReadSettings(const platform::Store& store) {
    BoutOptions options;
    if (auto range = store.ReadInteger("Range")) options.chosen.range = *range;
    if (auto hits = ReadPositive(store, "MaxHits")) options.maxHits = *hits;
    if (auto keys = store.ReadString("KeyboardLeft")) options.keysLeft = FromUtf8(*keys);
    if (auto keys = store.ReadString("KeyboardRight")) options.keysRight = FromUtf8(*keys);
    if (auto timed = store.ReadInteger("Timed")) options.timed = *timed == kTimedCode;
    if (auto speed = ReadPositive(store, "Speed")) options.chosen.speed = *speed;
    if (auto control = store.ReadInteger("Control")) options.control = ControlFromCode(*control);
    if (auto sound = store.ReadInteger("Sound")) options.soundOn = *sound == kOnCode;
    if (auto two = store.ReadInteger("TwoPlayer")) options.twoPlayer = *two == kOnCode;
    ReadSoundFiles(store, options);
    // Two players keep the level chosen before as their strength, but no level is marked.
    options.level = options.twoPlayer ? std::nullopt : LevelWithStrength(options.chosen);
    return options;
}

namespace {
platform::Store::Values Stored(const BoutOptions& options) {
    return {
        {"MaxHits", options.maxHits},
        {"KeyboardLeft", ToUtf8(options.keysLeft)},
        {"KeyboardRight", ToUtf8(options.keysRight)},
        {"Timed", options.timed ? kTimedCode : 0},
        {"Control", options.control == ControlMode::Keyboard ? kKeyboardCode : kMouseCode},
        {"Speed", options.chosen.speed},
        {"Range", options.chosen.range},
        {"Sound", options.soundOn ? kOnCode : 0},
        {"TwoPlayer", options.twoPlayer ? kOnCode : 0},
    };
}
} // namespace

bool WriteSettings(platform::Store& store, const BoutOptions& options,
                   const std::optional<BoutOptions>& read) {
    platform::Store::Values values = Stored(options);
    if (read) {
        const platform::Store::Values before = Stored(*read);
        platform::Store::Values changed;
        for (std::size_t i = 0; i < values.size(); ++i)
            if (values[i] != before[i]) changed.push_back(values[i]);
        values = std::move(changed);
    }
    return store.Write(values);
}

} // namespace pistework::game
