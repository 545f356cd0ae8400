// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/player/Settings.h"

#include "game/player/Sounds.h"
#include "game/player/Utf8.h"

namespace pistework::game {

namespace {

constexpr int kTimedCode = 1;
// "Pause When Inactive", like the timed bout: 1 is on, any other value off.
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
    if (auto speed = ReadPositive(store, "Speed")) options.chosen.tickMs = *speed;
    if (auto control = store.ReadInteger("Control")) options.control = ControlFromCode(*control);
    if (auto pause = store.ReadInteger("PauseWhenInactive"))
        options.pauseWhenInactive = *pause == kOnCode;
    if (auto ask = store.ReadInteger("AskRouter")) options.askRouter = *ask == kOnCode;
    ReadSoundFiles(store, options);
    options.level = LevelWithStrength(options.chosen);
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
        {"Speed", options.chosen.tickMs},
        {"Range", options.chosen.range},
        {"PauseWhenInactive", options.pauseWhenInactive ? kOnCode : 0},
        {"AskRouter", options.askRouter ? kOnCode : 0},
    };
}
} // namespace

platform::Store::Values SettingsHeld(const platform::Store& store, const BoutOptions& read) {
    platform::Store::Values held = Stored(read);
    for (auto& [name, value] : held) {
        if (std::holds_alternative<int>(value)) {
            if (const auto stored = store.ReadInteger(name)) value = *stored;
        } else if (const auto stored = store.ReadString(name)) {
            value = *stored;
        }
    }
    return held;
}

bool WriteSettings(platform::Store& store, const BoutOptions& options,
                   const std::optional<platform::Store::Values>& held) {
    platform::Store::Values values = Stored(options);
    if (held) {
        platform::Store::Values changed;
        for (std::size_t i = 0; i < values.size(); ++i)
            if (values[i] != (*held)[i]) changed.push_back(values[i]);
        values = std::move(changed);
    }
    return store.Write(values);
}

} // namespace pistework::game
