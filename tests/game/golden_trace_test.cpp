// What a player sees through whole bouts, recorded from the window's controls only and
// compared line by line with a committed trace: any change of behaviour shows as a diff.
// To accept a deliberate change, run with PISTEWORK_WRITE_TRACE=1 and review the diff.

#include "game/Game.h"
#include "platform/headless/HeadlessForm.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace pistework;
using platform::headless::HeadlessForm;

namespace {

constexpr std::int64_t kStart = 1'700'000'000'000;
constexpr std::int64_t kHour = 3'600'000;

// One line per visible change: the virtual time since the start, then what changed.
class Recorder {
public:
    explicit Recorder(HeadlessForm& form) : form(form), start(form.scheduler.Now()) {}

    void Note(const std::string& event) { lines.push_back(Stamp() + " # " + event); }

    void Snapshot() {
        Field("call", form.lblEngarde.Caption(), call);
        Field("score", form.lblScore0.Caption() + ":" + form.lblScore1.Caption(), score);
        Field("clock", (form.lblTime.Visible() ? "" : "hidden ") + form.lblTime.Caption(), clock);
        Field("cards", Cards(), cards);
        Field("lamps", form.imgLightA.PictureName() + " " + form.imgLightB.PictureName(), lamps);
        Field("start", form.lblStart.Visible() ? "shown" : "hidden", prompt);
        Field("A", Fencer(form.imgFencerA), fencerA);
        Field("B", Fencer(form.imgFencerB), fencerB);
    }

    // Runs the game tick by tick, noting every change, until `done` or the limit.
    bool RunUntil(const std::function<bool()>& done, std::int64_t limit) {
        const std::int64_t until = form.scheduler.Now() + limit;
        Snapshot();
        while (!done()) {
            if (form.scheduler.Now() > until || !form.scheduler.RunNext()) return false;
            Snapshot();
        }
        return true;
    }

    std::vector<std::string> lines;

private:
    std::string Stamp() const { return std::to_string(form.scheduler.Now() - start); }

    void Field(const char* name, const std::string& now, std::string& last) {
        if (now == last) return;
        last = now;
        std::string shown = now;
        for (char& ch : shown)
            if (ch == '\r') ch = '|';
        lines.push_back(Stamp() + " " + name + " " + shown);
    }

    static std::string Fencer(const platform::headless::HeadlessImage& img) {
        return img.PictureName() + "@" + std::to_string(img.Left()) + (img.Visible() ? "" : "-");
    }

    std::string Cards() const {
        std::string s;
        auto mark = [&s](bool shown, const std::string& text) { s += shown ? text : "-"; };
        mark(form.shpYellow0.Visible(), "Y");
        mark(form.shpRed0.Visible(), "R");
        mark(form.lblRedCount0.Visible(), form.lblRedCount0.Caption());
        s += " ";
        mark(form.shpYellow1.Visible(), "Y");
        mark(form.shpRed1.Visible(), "R");
        mark(form.lblRedCount1.Visible(), form.lblRedCount1.Caption());
        return s;
    }

    HeadlessForm& form;
    std::int64_t start;
    std::string call, score, clock, cards, lamps, prompt, fencerA, fencerB;
};

bool GameOver(const HeadlessForm& form) {
    return form.lblEngarde.Caption() == "Game Over";
}

// Idle from start-up until the demonstration starts, then one whole bout to "Game Over".
std::vector<std::string> DemonstrationTrace(std::int64_t start,
                                            const std::vector<const char*>& menuClicks) {
    HeadlessForm form(start);
    game::Game game(form.Controls());
    game.FormCreate();
    Recorder r(form);
    for (const char* item : menuClicks) {
        r.Note(std::string("click ") + item);
        form.Menu(item).Click();
    }
    const bool ended = r.RunUntil([&] { return GameOver(form); }, kHour);
    EXPECT_TRUE(ended) << "the demonstration never ended";
    // The result stays on show until the next salute begins.
    r.RunUntil([&] { return form.lblStart.Visible() && form.TimerPresident.Enabled(); }, 20'000);
    return r.lines;
}

// Two players on one keyboard: each key is typed at a fixed time after "Fence".
std::vector<std::string> TwoPlayerPhraseTrace() {
    HeadlessForm form(kStart + 777'000);
    game::Game game(form.Controls());
    game.FormCreate();
    Recorder r(form);
    for (const char* item : {"Firstto5", "mnu2Player", "mnuFileNewGame"}) {
        r.Note(std::string("click ") + item);
        form.Menu(item).Click();
    }
    EXPECT_TRUE(r.RunUntil([&] { return form.TimerLeft.Enabled(); }, 60'000));
    struct Press {
        std::int64_t after;
        char32_t key;
    };
    // Left: advance, advance, extend, flèche. Right: extend, advance, lunge, parry, recover.
    const std::vector<Press> script{{0, U'w'},    {150, U'k'},  {450, U'w'},  {700, U'm'},
                                    {900, U's'},  {1300, U'o'}, {1500, U'l'}, {1900, U'z'},
                                    {2400, U'o'}, {3000, U'm'}, {3300, U'x'}};
    const std::int64_t fence = form.scheduler.Now();
    for (const Press& p : script) {
        r.RunUntil([&] { return form.scheduler.Now() >= fence + p.after; }, 10'000);
        r.Note(std::string("key ") + static_cast<char>(p.key));
        form.txtKeyboard.Type(p.key);
    }
    // The phrase to its ruling and the next "Fence".
    r.RunUntil([&] { return form.TimerPresident.Enabled(); }, 30'000);
    r.RunUntil([&] { return form.TimerLeft.Enabled(); }, 30'000);
    return r.lines;
}

std::string TracePath() {
    return std::string(PISTEWORK_TRACE_DIR) + "/golden_trace.txt";
}

} // namespace

TEST(GoldenTrace, BoutsLookExactlyAsRecorded) {
    std::vector<std::string> all;
    auto section = [&all](const std::string& title, const std::vector<std::string>& lines) {
        all.push_back("== " + title);
        all.insert(all.end(), lines.begin(), lines.end());
    };
    section("demonstration, first to 5", DemonstrationTrace(kStart, {"Firstto5"}));
    section("demonstration, first to 10, timed",
            DemonstrationTrace(kStart + 3'141'000, {"Firstto10", "TimedBout"}));
    section("demonstration, first to 15", DemonstrationTrace(kStart + 86'400'000, {}));
    section("two players, one phrase", TwoPlayerPhraseTrace());

    if (std::getenv("PISTEWORK_WRITE_TRACE")) {
        std::ofstream out(TracePath());
        for (const auto& line : all)
            out << line << '\n';
        GTEST_SKIP() << "trace written to " << TracePath();
    }
    std::ifstream in(TracePath());
    ASSERT_TRUE(in) << "no trace at " << TracePath();
    std::vector<std::string> expected;
    for (std::string line; std::getline(in, line);)
        expected.push_back(line);
    for (std::size_t i = 0; i < std::min(all.size(), expected.size()); ++i)
        ASSERT_EQ(all[i], expected[i]) << "first difference at line " << i + 1;
    EXPECT_EQ(all.size(), expected.size());
}
