#include "game/Settings.h"

#include "game/Sounds.h"
#include "game/Utf8.h"

namespace pistework::game {

namespace {

constexpr int kTimedCode = 1;
constexpr int kKeyboardCode = 0;
constexpr int kMouseCode = 1;

// A positive number, or nothing: zero hits would end every bout at once and a timer of no
// time would freeze the window.
std::optional<int> ReadPositive(const platform::Registry& registry, const std::string& name) {
    const std::optional<int> value = registry.ReadInteger(name);
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

void ReadSoundFiles(platform::Registry& registry, BoutOptions& options) {
    options.hitSound = kDefaultHitSound;
    options.parrySound = kDefaultParrySound;
    registry.SetRootKey(platform::Registry::Root::CurrentUser);
    if (registry.OpenKey(kSoundSchemeKey, false)) {
        // An empty or absent value is the player's choice too: both cues then fall silent.
        options.hitSound = registry.ReadString("").value_or("");
        options.parrySound = ParrySoundBeside(options.hitSound);
    }
    registry.CloseKey();
}

} // namespace

BoutOptions ReadSettings(platform::Registry& registry) {
    BoutOptions options;
    registry.SetRootKey(platform::Registry::Root::LocalMachine);
    registry.OpenKey(kGameKey, true);
    if (auto range = registry.ReadInteger("Range")) options.chosen.range = *range;
    if (auto hits = ReadPositive(registry, "MaxHits")) options.maxHits = *hits;
    if (auto keys = registry.ReadString("KeyboardLeft")) options.keysLeft = FromUtf8(*keys);
    if (auto keys = registry.ReadString("KeyboardRight")) options.keysRight = FromUtf8(*keys);
    if (auto timed = registry.ReadInteger("Timed")) options.timed = *timed == kTimedCode;
    if (auto speed = ReadPositive(registry, "Speed")) options.chosen.speed = *speed;
    if (auto control = registry.ReadInteger("Control")) options.control = ControlFromCode(*control);
    registry.CloseKey();

    ReadSoundFiles(registry, options);
    options.level = LevelWithStrength(options.chosen);
    return options;
}

bool WriteSettings(platform::Registry& registry, const BoutOptions& options) {
    registry.SetRootKey(platform::Registry::Root::LocalMachine);
    registry.OpenKey(kGameKey, true);
    const bool written =
        registry.WriteInteger("MaxHits", options.maxHits) &&
        registry.WriteString("KeyboardLeft", ToUtf8(options.keysLeft)) &&
        registry.WriteString("KeyboardRight", ToUtf8(options.keysRight)) &&
        registry.WriteInteger("Timed", options.timed ? kTimedCode : 0) &&
        registry.WriteInteger("Control", options.control == ControlMode::Keyboard ? kKeyboardCode
                                                                                  : kMouseCode) &&
        registry.WriteInteger("Speed", options.chosen.speed) &&
        registry.WriteInteger("Range", options.chosen.range);
    const bool stored = registry.CloseKey();
    return written && stored;
}

} // namespace pistework::game
