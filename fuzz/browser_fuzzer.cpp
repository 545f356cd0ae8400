// SPDX-License-Identifier: GPL-3.0-or-later
// The browser command from the environment on any text: the first line is the command (or
// the BROWSER list), the rest, when there is any, the page's address. The split is checked
// against a plain reading of the rule, and starting the page never starts an empty program.

#include "game/player/Browser.h"
#include "platform/headless/HeadlessServices.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace pistework;

namespace {

void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "broken rule: %s\n", what);
    std::abort();
}

struct Split {
    std::string program;
    std::string options;
    bool blank = false;
};

// The first blank outside double quotes ends the program, whose quotes are dropped.
Split ReadCommand(std::string_view command) {
    Split split;
    bool quoted = false;
    for (std::size_t i = 0; i < command.size(); ++i) {
        const char c = command[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ' ' && !quoted) {
            split.blank = true;
            split.options = std::string(command.substr(i + 1));
            break;
        } else {
            split.program += c;
        }
    }
    return split;
}

// Every "%s" of the options, read left to right, stands for the address.
std::string Substituted(std::string_view options, std::string_view address, bool& placed) {
    std::string out;
    placed = false;
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (options.substr(i, 2) == "%s") {
            out += address;
            placed = true;
            ++i;
        } else {
            out += options[i];
        }
    }
    return out;
}

void CheckStart(std::string_view command, std::string_view address) {
    const game::ProgramStart start = game::BrowserStart(command, address);
    const Split split = ReadCommand(command);
    Require(start.program == split.program, "program differs from the command's first word");
    Require(start.program.find('"') == std::string::npos, "a quote left in the program");

    bool placed = false;
    const std::string options = Substituted(split.options, address, placed);
    if (placed) {
        Require(start.arguments.size() == 1, "the address placed and added too");
        Require(start.arguments[0] == options, "the address is not where %s was");
    } else {
        const std::size_t expected = options.empty() ? 1 : 2;
        Require(start.arguments.size() == expected, "wrong number of arguments");
        Require(start.arguments.back() == address, "the address is not the last argument");
        if (!options.empty()) Require(start.arguments[0] == options, "options not kept whole");
    }
    for (const std::string& argument : start.arguments)
        Require(!argument.empty(), "an empty argument");

    // The program quoted whole, with the same options, starts the same way.
    std::string again = '"' + start.program + '"';
    if (split.blank) again += ' ' + split.options;
    Require(game::BrowserStart(again, address) == start, "the split is not stable");
}

void CheckBrowserList(std::string_view list) {
    const std::string value(list);
    const game::Environment environment = [&value](const std::string& name) {
        return name == "BROWSER" ? std::optional<std::string>(value) : std::nullopt;
    };
    const std::string command = game::BrowserCommand(environment);
    Require(!command.empty(), "an empty browser command");
    Require(command.find(':') == std::string::npos, "a colon in the chosen command");
    // The first non-empty entry of the list, or the desktop's own opener.
    std::string first;
    for (std::size_t begin = 0; begin <= value.size() && first.empty();) {
        const std::size_t colon = std::min(value.find(':', begin), value.size());
        first = value.substr(begin, colon - begin);
        begin = colon + 1;
    }
    Require(command == (first.empty() ? "xdg-open" : first), "not the first entry of the list");

    for (const bool succeed : {true, false}) {
        platform::headless::RecordingLauncher launcher;
        launcher.succeed = succeed;
        const bool opened = game::OpenPage(launcher, environment, game::kAssociationAddress);
        const game::ProgramStart start = game::BrowserStart(command, game::kAssociationAddress);
        if (start.program.empty()) {
            Require(!opened && launcher.calls.empty(), "an empty program started");
        } else {
            Require(launcher.calls.size() == 1, "not started exactly once");
            Require(launcher.calls[0].program == start.program &&
                        launcher.calls[0].arguments == start.arguments,
                    "started otherwise than split");
            Require(opened == succeed, "the launcher's answer not passed on");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = text.find('\n');
    const std::string_view command = text.substr(0, newline);
    std::string_view address = game::kAssociationAddress;
    if (newline != std::string_view::npos && newline + 1 < text.size())
        address = text.substr(newline + 1);

    CheckStart(command, address);
    CheckStart(command, game::kFederationAddress);
    CheckBrowserList(command);
    return 0;
}
