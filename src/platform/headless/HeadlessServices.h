// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Services that only keep their state, so a test can assert on what the game asked of them.

#include "platform/Platform.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace pistework::platform::headless {

class HeadlessMediaPlayer : public MediaPlayer {
public:
    std::string FileName() const override { return fileName; }
    void SetFileName(const std::string& value) override { fileName = value; }
    bool Open() override;
    bool Play() override;
    // Files actually played, in order.
    const std::vector<std::string>& Played() const { return played; }
    // Files that exist for this player; anything else fails to open.
    std::vector<std::string> existingFiles;

private:
    std::string fileName;
    bool opened = false;
    std::vector<std::string> played;
};

// An in-memory settings store with the same rules as the real one.
class MemoryStore : public Store {
public:
    std::optional<int> ReadInteger(const std::string& name) const override;
    std::optional<std::string> ReadString(const std::string& name) const override;
    std::optional<std::string> ReadOwnString(const std::string& name) const override;
    bool Write(const Values& values) override;

    // The player's own values, and the administrator's, read where the player has none.
    std::map<std::string, Value> values;
    std::map<std::string, Value> system;
    // Makes every write fail, as a store without write rights would.
    bool readOnly = false;

private:
    const Value* Find(const std::string& name) const;
};

// Kept bouts in memory, capped and named as the real folder caps and names them.
class MemoryBoutStore : public BoutStore {
public:
    bool Add(std::span<const std::uint8_t> bytes) override;
    std::vector<std::string> Names() const override;
    std::optional<std::vector<std::uint8_t>> Read(const std::string& name) const override;
    bool Remove(const std::string& name) override;

    std::map<std::string, std::vector<std::uint8_t>> files;
    // Makes every write fail, as a full disk would.
    bool full = false;

private:
    std::uint64_t added = 0;
};

class RecordingLauncher : public Launcher {
public:
    bool Start(const std::string& program, const std::vector<std::string>& arguments) override;
    struct Call {
        std::string program;
        std::vector<std::string> arguments;
    };
    std::vector<Call> calls;
    bool succeed = true;
};

} // namespace pistework::platform::headless
