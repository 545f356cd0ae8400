#include "platform/headless/HeadlessServices.h"

#include <algorithm>

namespace pistework::platform::headless {

bool HeadlessMediaPlayer::Open() {
    opened = std::find(existingFiles.begin(), existingFiles.end(), fileName) != existingFiles.end();
    return opened;
}

bool HeadlessMediaPlayer::Play() {
    if (!opened) return false;
    played.push_back(fileName);
    return true;
}

bool MemoryRegistry::OpenKey(const std::string& path, bool canCreate) {
    auto it = keys.find({root, path});
    if (it == keys.end()) {
        if (!canCreate || readOnly) {
            open = nullptr;
            return false;
        }
        it = keys.emplace(std::make_pair(root, path), Key{}).first;
    }
    open = &it->second;
    return true;
}

bool MemoryRegistry::ValueExists(const std::string& name) const {
    return open && open->values.count(name) > 0;
}

std::optional<int> MemoryRegistry::ReadInteger(const std::string& name) const {
    if (!open) return std::nullopt;
    auto it = open->values.find(name);
    if (it == open->values.end() || !std::holds_alternative<int>(it->second)) return std::nullopt;
    return std::get<int>(it->second);
}

std::optional<std::string> MemoryRegistry::ReadString(const std::string& name) const {
    if (!open) return std::nullopt;
    auto it = open->values.find(name);
    if (it == open->values.end() || !std::holds_alternative<std::string>(it->second))
        return std::nullopt;
    return std::get<std::string>(it->second);
}

bool MemoryRegistry::WriteInteger(const std::string& name, int value) {
    if (!open || readOnly) return false;
    open->values[name] = value;
    return true;
}

bool MemoryRegistry::WriteString(const std::string& name, const std::string& value) {
    if (!open || readOnly) return false;
    open->values[name] = value;
    return true;
}

bool RecordingLauncher::Start(const std::string& program,
                              const std::vector<std::string>& arguments) {
    calls.push_back({program, arguments});
    return succeed;
}

} // namespace pistework::platform::headless
