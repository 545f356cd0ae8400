// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/headless/HeadlessServices.h"

#include "platform/KeptNames.h"

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

const Store::Value* MemoryStore::Find(const std::string& name) const {
    for (const auto* file : {&values, &system})
        if (const auto it = file->find(name); it != file->end()) return &it->second;
    return nullptr;
}

std::optional<int> MemoryStore::ReadInteger(const std::string& name) const {
    const Value* value = Find(name);
    if (!value || !std::holds_alternative<int>(*value)) return std::nullopt;
    return std::get<int>(*value);
}

std::optional<std::string> MemoryStore::ReadString(const std::string& name) const {
    const Value* value = Find(name);
    if (!value || !std::holds_alternative<std::string>(*value)) return std::nullopt;
    return std::get<std::string>(*value);
}

std::optional<std::string> MemoryStore::ReadOwnString(const std::string& name) const {
    const auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    const auto* text = std::get_if<std::string>(&it->second);
    return text ? *text : std::string();
}

bool MemoryStore::Write(const Values& written) {
    if (readOnly) return false;
    for (const auto& [name, value] : written)
        values[name] = value;
    return true;
}

bool MemoryBoutStore::Add(std::span<const std::uint8_t> bytes) {
    if (full) return false;
    files[KeptBoutName(0, ++added)].assign(bytes.begin(), bytes.end());
    std::vector<std::pair<std::string, std::uint64_t>> kept;
    for (const auto& [name, file] : files)
        if (IsKeptBoutName(name) && file.size() <= kLargestFile)
            kept.emplace_back(name, file.size());
    for (const std::string& name : OverTheCap(kept))
        files.erase(name);
    return true;
}

std::vector<std::string> MemoryBoutStore::Names() const {
    std::vector<std::string> names;
    for (const auto& [name, file] : files)
        if (IsKeptBoutName(name)) names.push_back(name);
    return names;
}

std::optional<std::vector<std::uint8_t>> MemoryBoutStore::Read(const std::string& name) const {
    const auto it = files.find(name);
    if (it == files.end() || it->second.size() > kLargestFile) return std::nullopt;
    return it->second;
}

bool MemoryBoutStore::Remove(const std::string& name) {
    return IsKeptBoutName(name) && files.erase(name) > 0;
}

bool RecordingLauncher::Start(const std::string& program,
                              const std::vector<std::string>& arguments) {
    calls.push_back({program, arguments});
    return succeed;
}

} // namespace pistework::platform::headless
