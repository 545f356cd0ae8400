// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the association's and the federation's pages: which program starts, with what.

#include "game/player/Browser.h"
#include "platform/headless/HeadlessServices.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace pistework;

namespace {

game::Environment Only(std::map<std::string, std::string> values) {
    return [values = std::move(values)](const std::string& name) -> std::optional<std::string> {
        const auto found = values.find(name);
        if (found == values.end()) return std::nullopt;
        return found->second;
    };
}

constexpr std::string_view kPage = "https://brackenmoor-fencing.example/";

} // namespace

TEST(Browser, TheCommandIsTheFirstEntryOfBrowserElseXdgOpen) {
    struct Case {
        std::optional<std::string> browser;
        std::string command;
    };
    for (const Case& k : std::vector<Case>{
             {std::nullopt, "xdg-open"},
             {"", "xdg-open"},
             {"firefox", "firefox"},
             {"firefox:chromium:lynx", "firefox"},
             {":chromium", "chromium"},
             {"::", "xdg-open"},
             {"\"/opt/My Browser/browser\" --new-tab:lynx",
              "\"/opt/My Browser/browser\" --new-tab"},
         }) {
        const auto environment = k.browser ? Only({{"BROWSER", *k.browser}}) : Only({});
        EXPECT_EQ(game::BrowserCommand(environment), k.command)
            << "BROWSER=" << k.browser.value_or("(unset)");
    }
    EXPECT_EQ(game::BrowserCommand(Only({{"PATH", "firefox"}})), "xdg-open")
        << "only BROWSER names the browser";
}

TEST(Browser, CommandsSplitIntoProgramOptionsAndAddress) {
    const std::string page(kPage);
    struct Case {
        std::string why, command;
        game::ProgramStart start;
    };
    for (const Case& k : std::vector<Case>{
             {"a bare program: no empty options argument", "xdg-open", {"xdg-open", {page}}},
             {"a trailing blank leaves no empty argument", "firefox ", {"firefox", {page}}},
             {"options stay one argument, inner quotes kept",
              "firefox -new-window -P \"my profile\"",
              {"firefox", {"-new-window -P \"my profile\"", page}}},
             {"a quoted placeholder that is not %s passes unchanged",
              "\"C:\\Program\\browser.exe\" -nohome \"%1\"",
              {"C:\\Program\\browser.exe", {"-nohome \"%1\"", page}}},
             {"a quoted path with a blank is not split inside the quotes",
              "\"/opt/My Browser/browser\" --new-tab",
              {"/opt/My Browser/browser", {"--new-tab", page}}},
             {"a quoted path with a blank and nothing else",
              "\"/opt/My Browser/browser\"",
              {"/opt/My Browser/browser", {page}}},
             {"%s takes the address instead of appending it",
              "lynx -accept_all_cookies %s",
              {"lynx", {"-accept_all_cookies " + page}}},
             {"every %s takes it", "w3m %s --title=%s", {"w3m", {page + " --title=" + page}}},
             {"%s alone", "links %s", {"links", {page}}},
             {"an unclosed quote keeps the rest in the program",
              "\"/opt/a b --x",
              {"/opt/a b --x", {page}}},
             {"only the first blank splits", "a  b", {"a", {" b", page}}},
         }) {
        EXPECT_EQ(game::BrowserStart(k.command, kPage), k.start) << k.why;
    }
}

TEST(Browser, OpeningAPageStartsTheProgramOnceOrQuietlyNothing) {
    platform::headless::RecordingLauncher launcher;
    EXPECT_TRUE(game::OpenPage(launcher, Only({}), game::kFederationAddress));
    EXPECT_TRUE(game::OpenPage(launcher, Only({{"BROWSER", "lynx %s:firefox"}}), kPage));
    ASSERT_EQ(launcher.calls.size(), 2u);
    EXPECT_EQ(launcher.calls[0].program, "xdg-open");
    EXPECT_EQ(launcher.calls[0].arguments,
              std::vector<std::string>{std::string(game::kFederationAddress)});
    EXPECT_EQ(launcher.calls[1].program, "lynx");
    EXPECT_EQ(launcher.calls[1].arguments, std::vector<std::string>{std::string(kPage)});

    // A program that cannot start, or a command with no program at all, is simply false.
    launcher.succeed = false;
    EXPECT_FALSE(game::OpenPage(launcher, Only({{"BROWSER", "/no/such/browser"}}), kPage));
    launcher.calls.clear();
    launcher.succeed = true;
    EXPECT_FALSE(game::OpenPage(launcher, Only({{"BROWSER", " --new-tab"}}), kPage));
    EXPECT_FALSE(game::OpenPage(launcher, Only({{"BROWSER", "\"\""}}), kPage));
    EXPECT_TRUE(launcher.calls.empty()) << "an empty program is never started";

    EXPECT_NE(game::kAssociationAddress, game::kFederationAddress);
    for (const std::string_view address : {game::kAssociationAddress, game::kFederationAddress})
        EXPECT_NE(address.find(".example/"), std::string_view::npos)
            << address << " must stay under the reserved example domain";
}
