// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a web page is opened: the browser command the user chose (BROWSER, else xdg-open),
// split into a program and its options, started detached with the page's address.

#include "platform/Platform.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pistework::game {

// The association and the federation are the game's own; so are their sites.
inline constexpr std::string_view kAssociationAddress = "https://brackenmoor-fencing.example/";
inline constexpr std::string_view kFederationAddress = "https://valdmark-fencing.example/";

// Reads one environment variable; none when it is not set. Tests pass their own.
using Environment = std::function<std::optional<std::string>(const std::string& name)>;
std::optional<std::string> ProcessEnvironment(const std::string& name);

// The first non-empty entry of BROWSER (a colon-separated list), or "xdg-open".
std::string BrowserCommand(const Environment& environment);

struct ProgramStart {
    std::string program;
    std::vector<std::string> arguments;
    bool operator==(const ProgramStart&) const = default;
};

// The command splits at its first blank outside double quotes into the program (quotes
// removed) and its options, kept whole as one argument. A "%s" in the options takes the
// address; otherwise the address follows as an argument of its own.
ProgramStart BrowserStart(std::string_view command, std::string_view address);

// Opens the page; false when nothing could be started, which the player is not told about.
bool OpenPage(platform::Launcher& launcher, const Environment& environment,
              std::string_view address);

} // namespace pistework::game
