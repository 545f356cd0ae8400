// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The balance simulator: the computer fences itself at two strengths, bout after bout, in
// virtual time on the headless form, by the game's own rules (a demonstration bout with each
// side at its own strength), and the results are tallied per pairing.

#include "game/bout/Levels.h"
#include "game/piste/Side.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pistework::balance {

// One side's fencer: a graded level or a custom range and speed.
struct Contender {
    std::string name;
    game::Strength strength;
    friend bool operator==(const Contender&, const Contender&) = default;
};

// "3", "Advanced", "quarter-finalist", "custom:10,90"; none, with `error` set, otherwise.
std::optional<Contender> ParseContender(std::string_view text, std::string& error);

// "1,2,custom:9,85,6": two or more levels; empty, with `error` set, otherwise.
std::vector<Contender> ParseLevelList(std::string_view list, std::string& error);

struct Config {
    std::vector<std::pair<Contender, Contender>> pairings; // left, right
    int bouts = 100;
    int target = 5;
    bool timed = false;
    std::uint64_t seed = 1;
    bool csv = false;
    // Every one of these against every one, when fencing a matrix.
    std::vector<Contender> matrix;
    // Virtual minutes a bout may take before it counts as one that never ends.
    int limitMinutes = 120;
};

struct Parsed {
    std::optional<Config> config; // none when asking for help or on an error
    bool help = false;
    std::string error;
};

// The command line without the program name.
Parsed ParseArguments(const std::vector<std::string>& args);
std::string Usage();

// What one bout showed: the scores, the bout clock, and each hit by how the referee gave it.
struct BoutResult {
    bool finished = false;
    game::PerSide<int> score{0, 0};
    int seconds = 0;                   // fenced, by the bout clock
    game::PerSide<int> attacks{0, 0};  // "Successful"
    game::PerSide<int> counters{0, 0}; // the attack through an out-of-time counter-attack
    game::PerSide<int> reds{0, 0};     // the opponent's red card
    int unclassified = 0;              // a hit with no ruling to name it
    int passes = 0;                    // "Opponent Passed"
    int corpsACorps = 0;
    int offTarget = 0;
};

struct BoutSetup {
    game::Strength left;
    game::Strength right;
    int target = 5;
    bool timed = false;
    std::int64_t start = 0; // virtual wall-clock milliseconds
    std::int64_t limit = 0; // virtual milliseconds
};

BoutResult FenceBout(const BoutSetup& setup);

// The virtual start of bout `bout` under `seed`: spread over whole seconds and milliseconds,
// since the computer reseeds from the clock's seconds.
std::int64_t BoutStart(std::uint64_t seed, int bout);

struct PairingStats {
    Contender left;
    Contender right;
    int bouts = 0;
    int leftWins = 0;
    int rightWins = 0;
    int draws = 0;
    int unfinished = 0;
    // Totals over the finished bouts.
    game::PerSide<long> score{0, 0};
    long seconds = 0;
    game::PerSide<long> attacks{0, 0};
    game::PerSide<long> counters{0, 0};
    game::PerSide<long> reds{0, 0};
    long unclassified = 0;
    long passes = 0;
    long corpsACorps = 0;
    long offTarget = 0;

    int Finished() const { return bouts - unfinished; }
    double Mean(long total) const;
};

void Tally(PairingStats& stats, const BoutResult& bout);
PairingStats FencePairing(const Contender& left, const Contender& right, const Config& config);

// The columns of the CSV, one row per pairing.
std::vector<std::string> CsvHeader();
std::string FormatCsv(const std::vector<PairingStats>& rows);
std::string FormatTable(const std::vector<PairingStats>& rows);
// For a matrix: the left side's win percentage, and how each contender fares against the one
// before it in the list (each level against the one below), both ways round.
std::string FormatMatrix(const std::vector<PairingStats>& rows);

// The whole program; the exit code: 0, 1 when a bout never ended, 2 for bad arguments.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace pistework::balance
