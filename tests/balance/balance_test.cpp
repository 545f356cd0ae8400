// SPDX-License-Identifier: GPL-3.0-or-later
// The balance simulator: what it accepts, that its bouts are the game's whole bouts with every
// hit accounted for, and that its CSV adds up.

#include "Balance.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace pistework;
using namespace pistework::balance;
using game::Side;

namespace {

std::vector<std::string> Split(const std::string& text, char at) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, at))
        parts.push_back(part);
    return parts;
}

struct Output {
    int code;
    std::string out, err;
};

Output RunWith(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = Run(args, out, err);
    return {code, out.str(), err.str()};
}

} // namespace

TEST(Balance, LevelsByNumberNameOrCustomStrength) {
    struct Case {
        const char* text;
        const char* name; // nullptr: refused
        game::Strength strength;
    };
    for (const Case& k : std::vector<Case>{
             {"1", "Novice", {12, 120}},
             {"6", "Champion", {8, 80}},
             {"champion", "Champion", {8, 80}},
             {"QuarterFinalist", "Quarter-Finalist", {9, 90}},
             {"SEMIFINALIST", "Semi-Finalist", {9, 80}},
             {"custom:10,90", "custom:10,90", {10, 90}},
             {"Custom:7,200", "custom:7,200", {7, 200}},
             {"0", nullptr, {}},
             {"7", nullptr, {}},
             {"", nullptr, {}},
             {"Grandmaster", nullptr, {}},
             {"custom:10", nullptr, {}},
             {"custom:0,90", nullptr, {}},
             {"custom:10,5", nullptr, {}},
             {"custom:10,90x", nullptr, {}},
             {"custom:,90", nullptr, {}},
         }) {
        SCOPED_TRACE(k.text);
        std::string error;
        const auto contender = ParseContender(k.text, error);
        if (!k.name) {
            EXPECT_FALSE(contender);
            EXPECT_NE(error, "");
            continue;
        }
        ASSERT_TRUE(contender) << error;
        EXPECT_EQ(contender->name, k.name);
        EXPECT_EQ(contender->strength, k.strength);
    }
}

TEST(Balance, ArgumentsSetTheRunOrExitWithCode2) {
    struct Case {
        std::vector<std::string> args;
        const char* error; // a part of the message, or nullptr when accepted
        std::size_t pairings = 1;
    };
    for (const Case& k : std::vector<Case>{
             {{}, nullptr},
             {{"--left", "1", "--right=Champion", "--bouts", "7", "--target", "15"}, nullptr},
             {{"--matrix", "--csv", "--seed=99", "--timed", "--limit", "5"}, nullptr, 36},
             {{"--levels", "1,custom:9,85,6"}, nullptr, 9},
             {{"--bouts", "0"}, "--bouts"},
             {{"--bouts", "ten"}, "--bouts"},
             {{"--bouts"}, "needs a value"},
             {{"--target", "7"}, "--target"},
             {{"--seed", "-1"}, "--seed"},
             {{"--limit", "0"}, "--limit"},
             {{"--left", "9"}, "unknown level"},
             {{"--right", "custom:1"}, "custom"},
             {{"--matrix", "--left", "2"}, "drop --left"},
             {{"--levels", "3"}, "at least two"},
             {{"--levels", "1,x"}, "unknown level"},
             {{"--levels", "1,2,"}, "unknown level ''"},
             {{"--frobnicate=3"}, "unknown argument"},
             {{"--csv=yes"}, "takes no value"},
             {{"--frobnicate"}, "unknown argument"},
             {{"6"}, "unknown argument"},
         }) {
        std::string line;
        for (const auto& a : k.args)
            line += a + " ";
        SCOPED_TRACE(line);
        const Parsed parsed = ParseArguments(k.args);
        if (!k.error) {
            ASSERT_TRUE(parsed.config) << parsed.error;
            EXPECT_EQ(parsed.config->pairings.size(), k.pairings);
            continue;
        }
        EXPECT_FALSE(parsed.config);
        EXPECT_NE(parsed.error.find(k.error), std::string::npos) << parsed.error;
        const Output run = RunWith(k.args);
        EXPECT_EQ(run.code, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(k.error), std::string::npos) << run.err;
    }

    const Parsed set = ParseArguments({"--left", "1", "--right=2", "--bouts", "7", "--target", "15",
                                       "--timed", "--seed", "42", "--limit", "9"});
    ASSERT_TRUE(set.config);
    EXPECT_EQ(set.config->pairings.front().first.strength, game::kNovice.strength);
    EXPECT_EQ(set.config->pairings.front().second.name, "Intermediate");
    EXPECT_EQ(set.config->bouts, 7);
    EXPECT_EQ(set.config->target, 15);
    EXPECT_TRUE(set.config->timed);
    EXPECT_EQ(set.config->seed, 42u);
    EXPECT_EQ(set.config->limitMinutes, 9);

    const Output help = RunWith({"--bouts", "3", "--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("--target 5|10|15"), std::string::npos);
}

TEST(Balance, EveryBoutEndsAtTheTargetWithEachHitOfAKind) {
    struct Case {
        game::Strength left, right;
        int target;
    };
    for (const Case& k : std::vector<Case>{{game::kNovice.strength, game::kChampion.strength, 5},
                                           {game::kChampion.strength, {9, 80}, 10},
                                           {{10, 60}, {12, 140}, 5}}) {
        std::set<std::string> seen;
        for (int bout = 0; bout < 3; ++bout) {
            SCOPED_TRACE(std::to_string(k.left.range) + " against " +
                         std::to_string(k.right.range) + ", bout " + std::to_string(bout));
            const BoutResult r =
                FenceBout({k.left, k.right, k.target, false, BoutStart(5, bout), 3'600'000});
            ASSERT_TRUE(r.finished);
            const int winner = std::max(r.score[Side::Left], r.score[Side::Right]);
            const int loser = std::min(r.score[Side::Left], r.score[Side::Right]);
            EXPECT_EQ(winner, k.target);
            EXPECT_LT(loser, k.target);
            EXPECT_EQ(r.unclassified, 0);
            for (Side side : game::kSides)
                EXPECT_EQ(r.attacks[side] + r.counters[side] + r.reds[side], r.score[side]);
            // At least a second of fencing per hit.
            EXPECT_GE(r.seconds, winner);
            seen.insert(std::to_string(r.score[Side::Left]) + ":" +
                        std::to_string(r.score[Side::Right]) + " in " + std::to_string(r.seconds));
        }
        EXPECT_GT(seen.size(), 1u) << "bouts of different starts fenced alike";
    }
}

TEST(Balance, ABoutThatOutrunsItsLimitIsAnErrorNotAHang) {
    // The demonstration only starts after fifteen idle seconds.
    const BoutResult r = FenceBout(
        {game::kNovice.strength, game::kNovice.strength, 5, false, BoutStart(1, 0), 10'000});
    EXPECT_FALSE(r.finished);
    PairingStats stats;
    Tally(stats, r);
    EXPECT_EQ(stats.bouts, 1);
    EXPECT_EQ(stats.unfinished, 1);
    EXPECT_EQ(stats.leftWins + stats.rightWins + stats.draws, 0);

    // Fifteen hits cannot be fenced in a minute: each phrase takes six seconds of calls.
    const Output run = RunWith({"--target", "15", "--limit", "1", "--bouts", "1"});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("1 bouts did not end within 1 virtual minutes"), std::string::npos);
}

TEST(Balance, MatrixCsvAddsUpRowByRow) {
    struct Case {
        std::vector<std::string> extra;
        int target;
        bool timed;
    };
    for (const Case& k :
         std::vector<Case>{{{}, 5, false}, {{"--target", "10", "--timed"}, 10, true}}) {
        std::vector<std::string> args{"--levels", "1,6", "--bouts", "3", "--csv", "--seed", "11"};
        args.insert(args.end(), k.extra.begin(), k.extra.end());
        const Output run = RunWith(args);
        ASSERT_EQ(run.code, 0) << run.err;
        const auto lines = Split(run.out, '\n');
        ASSERT_EQ(lines.size(), 1u + 4u) << run.out;
        const auto header = Split(lines[0], ',');
        ASSERT_EQ(header, CsvHeader());
        std::set<std::string> pairings;
        for (std::size_t i = 1; i < lines.size(); ++i) {
            SCOPED_TRACE(lines[i]);
            const auto cells = Split(lines[i], ',');
            ASSERT_EQ(cells.size(), header.size());
            auto cell = [&](const std::string& name) {
                const auto at = std::find(header.begin(), header.end(), name) - header.begin();
                return std::stod(cells[static_cast<std::size_t>(at)]);
            };
            pairings.insert(cells[0] + "-" + cells[1]);
            EXPECT_EQ(cell("bouts"), 3);
            EXPECT_EQ(cell("unfinished"), 0);
            EXPECT_EQ(cell("left_wins") + cell("right_wins") + cell("draws"), 3);
            if (!k.timed) {
                EXPECT_EQ(cell("draws"), 0);
            }
            EXPECT_EQ(cell("unclassified"), 0);
            for (const std::string side : {"left", "right"}) {
                const double mean = cell("mean_" + side + "_score");
                EXPECT_LE(mean, k.target);
                EXPECT_NEAR(cell("attack_" + side) + cell("counter_" + side) + cell("red_" + side),
                            mean * 3, 0.01);
            }
            // Untimed, the winners' hits alone make target x bouts.
            if (!k.timed) {
                EXPECT_GE(cell("mean_left_score") + cell("mean_right_score"), k.target - 1e-9);
            }
            EXPECT_GT(cell("mean_seconds"), 0);
        }
        EXPECT_EQ(pairings, (std::set<std::string>{"Novice-Novice", "Novice-Champion",
                                                   "Champion-Novice", "Champion-Champion"}));
        // The same seed fences the same bouts.
        EXPECT_EQ(RunWith(args).out, run.out);
    }
}

TEST(Balance, TableAndMatrixNameEveryPairing) {
    PairingStats upper{{"Upper", {8, 80}}, {"Lower", {12, 120}}};
    PairingStats lower{{"Lower", {12, 120}}, {"Upper", {8, 80}}};
    upper.bouts = lower.bouts = 10;
    upper.leftWins = 7;
    upper.rightWins = 3;
    lower.leftWins = 4;
    lower.rightWins = 6;
    PairingStats same{{"Upper", {8, 80}}, {"Upper", {8, 80}}};
    same.bouts = same.leftWins = 5;
    PairingStats low{{"Lower", {12, 120}}, {"Lower", {12, 120}}};
    const std::vector<PairingStats> rows{same, upper, lower, low};

    const auto table = Split(FormatTable(rows), '\n');
    ASSERT_EQ(table.size(), 5u);
    EXPECT_EQ(table[2].substr(0, 33), "Upper            Lower           ");

    const std::string matrix = FormatMatrix(rows);
    EXPECT_NE(matrix.find("1 Upper             100.0   70.0"), std::string::npos) << matrix;
    EXPECT_NE(matrix.find("2 Lower              40.0      -"), std::string::npos) << matrix;
    // Upper: 7 as left, 6 as right; its bout against itself does not count.
    EXPECT_NE(matrix.find("Upper            wins 13/20 (65.0%)"), std::string::npos) << matrix;
    // Lower comes second, so it is measured against Upper: 4 + 3 of 20.
    EXPECT_NE(matrix.find("Lower            against Upper            wins 7/20 (35.0%): as left "
                          "40.0%, as right 30.0%"),
              std::string::npos)
        << matrix;
}
