// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/player/Browser.h"

#include <cstdlib>

namespace pistework::game {

std::optional<std::string> ProcessEnvironment(const std::string& name) {
    if (const char* value = std::getenv(name.c_str())) return std::string(value);
    return std::nullopt;
}

std::string BrowserCommand(const Environment& environment) {
    const std::optional<std::string> list = environment("BROWSER");
    if (list) {
        std::string_view rest = *list;
        while (!rest.empty()) {
            const std::size_t colon = rest.find(':');
            const std::string_view entry = rest.substr(0, colon);
            if (!entry.empty()) return std::string(entry);
            if (colon == std::string_view::npos) break;
            rest.remove_prefix(colon + 1);
        }
    }
    return "xdg-open";
}

ProgramStart BrowserStart(std::string_view command, std::string_view address) {
    // A quoted program path may hold blanks of its own ("/opt/My Browser/browser").
    std::size_t blank = std::string_view::npos;
    bool quoted = false;
    for (std::size_t i = 0; i < command.size() && blank == std::string_view::npos; ++i) {
        if (command[i] == '"') quoted = !quoted;
        if (command[i] == ' ' && !quoted) blank = i;
    }
    ProgramStart start;
    for (const char c : command.substr(0, blank))
        if (c != '"') start.program += c;
    std::string options =
        blank == std::string_view::npos ? std::string() : std::string(command.substr(blank + 1));

    bool placed = false;
    for (std::size_t at = options.find("%s"); at != std::string::npos;
         at = options.find("%s", at + address.size())) {
        options.replace(at, 2, address);
        placed = true;
    }
    // Many programs refuse an empty argument, so none is passed.
    if (!options.empty()) start.arguments.push_back(std::move(options));
    if (!placed) start.arguments.emplace_back(address);
    return start;
}

bool OpenPage(platform::Launcher& launcher, const Environment& environment,
              std::string_view address) {
    const ProgramStart start = BrowserStart(BrowserCommand(environment), address);
    if (start.program.empty()) return false;
    return launcher.Start(start.program, start.arguments);
}

} // namespace pistework::game
