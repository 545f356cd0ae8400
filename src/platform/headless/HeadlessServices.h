#pragma once
// Services that only keep their state, so a test can assert on what the game asked of them.

#include "platform/Platform.h"

#include <map>
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
class MemoryRegistry : public Registry {
public:
    using Value = std::variant<int, std::string>;
    struct Key {
        std::map<std::string, Value> values;
    };

    void SetRootKey(Root root) override { this->root = root; }
    bool OpenKey(const std::string& path, bool canCreate) override;
    bool CloseKey() override {
        open = nullptr;
        return !readOnly;
    }
    bool ValueExists(const std::string& name) const override;
    std::optional<int> ReadInteger(const std::string& name) const override;
    std::optional<std::string> ReadString(const std::string& name) const override;
    bool WriteInteger(const std::string& name, int value) override;
    bool WriteString(const std::string& name, const std::string& value) override;

    // Direct access for tests: the key at root and path, created on demand.
    Key& At(Root root, const std::string& path) { return keys[{root, path}]; }
    bool HasKey(Root root, const std::string& path) const { return keys.count({root, path}) > 0; }
    // Makes every write fail, as a store without write rights would.
    bool readOnly = false;

private:
    std::map<std::pair<Root, std::string>, Key> keys;
    Root root = Root::CurrentUser;
    Key* open = nullptr;
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
