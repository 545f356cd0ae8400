// SPDX-License-Identifier: GPL-3.0-or-later
#include "Balance.h"

#include "game/Game.h"
#include "game/GameProbe.h"
#include "platform/headless/HeadlessPlatform.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <ostream>
#include <sstream>

namespace pistework::balance {

using game::Side;

namespace {

// Whole numbers only, nothing after them, within the bounds.
template <typename T> std::optional<T> Number(std::string_view text, T low, T high) {
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

// Level names match however they are cased or hyphenated.
std::string Folded(std::string_view text) {
    std::string folded;
    for (char ch : text)
        if (ch != '-' && ch != ' ' && ch != '_')
            folded += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return folded;
}

std::string Fixed(double value, int decimals) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string Percent(int part, int whole) {
    return whole == 0 ? "-" : Fixed(100.0 * part / whole, 1);
}

std::string Padded(const std::string& text, std::size_t width, bool right = true) {
    if (text.size() >= width) return text;
    const std::string pad(width - text.size(), ' ');
    return right ? pad + text : text + pad;
}

std::string PerSideText(const game::PerSide<long>& totals) {
    return std::to_string(totals[Side::Left]) + "/" + std::to_string(totals[Side::Right]);
}

// A graded level by the name its best results give it, without the word "Level".
std::string LevelName(const game::Level& level) {
    constexpr std::string_view kSuffix = " Level";
    std::string_view name = level.text;
    if (name.ends_with(kSuffix)) name.remove_suffix(kSuffix.size());
    return std::string(name);
}

std::string LevelNames() {
    std::string names;
    for (const game::Level& level : game::kLevels)
        names += (names.empty() ? "" : ", ") + LevelName(level);
    return names;
}

std::uint64_t Mix(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

} // namespace

std::optional<Contender> ParseContender(std::string_view text, std::string& error) {
    if (const auto number = Number<int>(text, 1, static_cast<int>(game::kLevels.size())))
        if (const auto level = game::LevelNumbered(*number))
            return Contender{LevelName(*level), level->strength};
    for (const game::Level& level : game::kLevels)
        if (!text.empty() && Folded(text) == Folded(LevelName(level)))
            return Contender{LevelName(level), level.strength};

    constexpr std::string_view kCustom = "custom:";
    if (text.size() > kCustom.size() && Folded(text.substr(0, kCustom.size())) == "custom:") {
        const std::string_view values = text.substr(kCustom.size());
        const std::size_t comma = values.find(',');
        const auto range = comma == std::string_view::npos
                               ? std::nullopt
                               : Number<int>(values.substr(0, comma), 1, 99);
        const auto speed = comma == std::string_view::npos
                               ? std::nullopt
                               : Number<int>(values.substr(comma + 1), 10, 10'000);
        if (range && speed)
            return Contender{"custom:" + std::to_string(*range) + "," + std::to_string(*speed),
                             {*range, *speed}};
        error = "custom level '" + std::string(text) +
                "' needs custom:RANGE,SPEED with RANGE 1 to 99 and SPEED 10 to 10000 ms";
        return std::nullopt;
    }
    error = "unknown level '" + std::string(text) + "': use 1 to 6, a level name (" + LevelNames() +
            ") or custom:RANGE,SPEED";
    return std::nullopt;
}

std::vector<Contender> ParseLevelList(std::string_view list, std::string& error) {
    std::vector<Contender> levels;
    // Commas also part a custom level's numbers, so a custom level takes the next one.
    for (bool more = true; more;) {
        std::size_t comma = list.find(',');
        if (Folded(list.substr(0, 7)) == "custom:" && comma != std::string_view::npos)
            comma = list.find(',', comma + 1);
        const auto contender = ParseContender(list.substr(0, comma), error);
        if (!contender) return {};
        levels.push_back(*contender);
        more = comma != std::string_view::npos;
        if (more) list.remove_prefix(comma + 1);
    }
    if (levels.size() < 2) error = "needs at least two levels";
    return error.empty() ? levels : std::vector<Contender>{};
}

std::string Usage() {
    return "Usage: pistework-balance [options]\n"
           "Fences the computer against itself in virtual time and tallies the bouts.\n"
           "\n"
           "  --left LEVEL      the left fencer (default 6)\n"
           "  --right LEVEL     the right fencer (default 6)\n"
           "  --matrix          every level against every level, 6 x 6\n"
           "  --levels A,B,...  a matrix of these levels only, e.g. --levels 1,2,custom:9,85\n"
           "  --bouts N         bouts per pairing (default 100)\n"
           "  --target 5|10|15  hits to win (default 5)\n"
           "  --timed           timed bouts (3, 6 or 9 minutes); draws are possible\n"
           "  --seed N          varies the bouts' virtual start times (default 1)\n"
           "  --limit MINUTES   virtual time a bout may take before it is an error (default 120)\n"
           "  --csv             CSV, one row per pairing, instead of the table\n"
           "  --help            this text\n"
           "\n"
           "LEVEL is 1 to 6, a name (" +
           LevelNames() +
           ")\n"
           "or custom:RANGE,SPEED (RANGE 1-99, SPEED 10-10000 ms).\n"
           "Exit codes: 0 done, 1 a bout never ended, 2 bad arguments.\n";
}

Parsed ParseArguments(const std::vector<std::string>& args) {
    Parsed parsed;
    auto fail = [&parsed](std::string message) {
        parsed.error = std::move(message);
        parsed.config.reset();
        return parsed;
    };
    Config config;
    std::optional<Contender> left, right;
    bool matrix = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const std::size_t eq = name.find('=');
            name.starts_with("--") && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        const bool takesValue = name == "--left" || name == "--right" || name == "--bouts" ||
                                name == "--target" || name == "--seed" || name == "--limit" ||
                                name == "--levels";
        const bool flag = name == "--help" || name == "-h" || name == "--matrix" ||
                          name == "--csv" || name == "--timed";
        if (!takesValue && !flag) return fail("unknown argument '" + args[i] + "'");
        if (takesValue && !value) {
            if (i + 1 == args.size()) return fail(name + " needs a value");
            value = args[++i];
        } else if (!takesValue && value) {
            return fail(name + " takes no value");
        }

        std::string error;
        if (name == "--help" || name == "-h") {
            parsed.help = true;
            return parsed;
        } else if (name == "--left" || name == "--right") {
            auto& side = name == "--left" ? left : right;
            side = ParseContender(*value, error);
            if (!side) return fail(name + ": " + error);
        } else if (name == "--bouts") {
            const auto n = Number<int>(*value, 1, 1'000'000);
            if (!n)
                return fail("--bouts needs a whole number from 1 to 1000000, not '" + *value + "'");
            config.bouts = *n;
        } else if (name == "--target") {
            const auto n = Number<int>(*value, 5, 15);
            if (!n || (*n != 5 && *n != 10 && *n != 15))
                return fail("--target must be 5, 10 or 15, not '" + *value + "'");
            config.target = *n;
        } else if (name == "--seed") {
            const auto n = Number<std::uint64_t>(*value, 0, UINT64_MAX);
            if (!n) return fail("--seed needs a whole number, not '" + *value + "'");
            config.seed = *n;
        } else if (name == "--limit") {
            const auto n = Number<int>(*value, 1, 24 * 60);
            if (!n) return fail("--limit needs minutes from 1 to 1440, not '" + *value + "'");
            config.limitMinutes = *n;
        } else if (name == "--matrix") {
            matrix = true;
        } else if (name == "--levels") {
            config.matrix = ParseLevelList(*value, error);
            if (!error.empty()) return fail("--levels: " + error);
        } else if (name == "--csv") {
            config.csv = true;
        } else if (name == "--timed") {
            config.timed = true;
        }
    }
    if (matrix && !config.matrix.empty()) return fail("--matrix and --levels: choose one");
    if (matrix)
        for (const game::Level& level : game::kLevels)
            config.matrix.push_back({LevelName(level), level.strength});
    if (!config.matrix.empty() && (left || right))
        return fail("a matrix fences every level against every level; drop --left and --right");
    if (!config.matrix.empty()) {
        for (const Contender& l : config.matrix)
            for (const Contender& r : config.matrix)
                config.pairings.push_back({l, r});
    } else {
        const Contender champion{LevelName(game::kChampion), game::kChampion.strength};
        config.pairings.push_back({left.value_or(champion), right.value_or(champion)});
    }
    parsed.config = std::move(config);
    return parsed;
}

std::int64_t BoutStart(std::uint64_t seed, int bout) {
    const std::uint64_t h = Mix(Mix(seed) ^ static_cast<std::uint64_t>(bout));
    // Somewhere in the thirty years after 2020.
    constexpr std::int64_t k2020 = 1'577'836'800'000;
    constexpr std::uint64_t kSeconds = 30ULL * 365 * 24 * 3600;
    return k2020 + static_cast<std::int64_t>((h % kSeconds) * 1000 + (h >> 40) % 1000);
}

BoutResult FenceBout(const BoutSetup& setup) {
    platform::headless::HeadlessPlatform platform(setup.start);
    game::Game game(platform.Services());
    game::GameProbe probe(game);
    game.Start();
    game.Choose({game::Verb::SetTarget, setup.target});
    if (game.Options().timed != setup.timed) game.Choose(game::Verb::ToggleTimed);
    probe.SetDemonstrationStrengths({setup.left, setup.right});

    // Left idle, the game starts a demonstration bout by itself; the bout is over at
    // "Game Over". Every hit is told apart by the referee's ruling.
    BoutResult result;
    bool over = false;
    game.SetOnEvent([&](const game::BoutEvent& event) {
        using game::RulingKind;
        if (const auto* call = std::get_if<game::CallMade>(&event)) {
            if (call->call.call == game::Call::Passed) ++result.passes;
            if (call->call.call == game::Call::CorpsACorps) ++result.corpsACorps;
            if (call->call.call == game::Call::GameOver) over = true;
        } else if (const auto* ruling = std::get_if<game::Ruling>(&event)) {
            switch (ruling->kind) {
            case RulingKind::Hit:
                ++result.attacks[ruling->side];
                break;
            case RulingKind::HitThroughLateCounter:
                ++result.counters[ruling->side];
                break;
            case RulingKind::RedCard:
                ++result.reds[game::Opposite(ruling->side)];
                break;
            case RulingKind::OffTarget:
                ++result.offTarget;
                break;
            case RulingKind::Passed:
            case RulingKind::YellowCard:
                break;
            }
        }
    });
    const std::int64_t end = platform.scheduler.Now() + setup.limit;
    while (!over)
        if (platform.scheduler.Now() > end || !platform.scheduler.RunNext()) return result;
    result.finished = true;
    for (Side side : game::kSides) {
        result.score[side] = game.View().scores[side];
        // Every hit comes with a ruling that names it; any other would be a fault.
        result.unclassified +=
            result.score[side] - result.attacks[side] - result.counters[side] - result.reds[side];
    }
    result.seconds = probe.Clock().SecondsFenced();
    return result;
}

double PairingStats::Mean(long total) const {
    return Finished() == 0 ? 0.0 : static_cast<double>(total) / Finished();
}

void Tally(PairingStats& stats, const BoutResult& bout) {
    ++stats.bouts;
    if (!bout.finished) {
        ++stats.unfinished;
        return;
    }
    const int left = bout.score[Side::Left];
    const int right = bout.score[Side::Right];
    (left > right ? stats.leftWins : right > left ? stats.rightWins : stats.draws)++;
    for (Side side : game::kSides) {
        stats.score[side] += bout.score[side];
        stats.attacks[side] += bout.attacks[side];
        stats.counters[side] += bout.counters[side];
        stats.reds[side] += bout.reds[side];
    }
    stats.seconds += bout.seconds;
    stats.unclassified += bout.unclassified;
    stats.passes += bout.passes;
    stats.corpsACorps += bout.corpsACorps;
    stats.offTarget += bout.offTarget;
}

PairingStats FencePairing(const Contender& left, const Contender& right, const Config& config) {
    PairingStats stats{left, right};
    for (int bout = 0; bout < config.bouts; ++bout)
        Tally(stats, FenceBout({left.strength, right.strength, config.target, config.timed,
                                BoutStart(config.seed, bout),
                                std::int64_t{config.limitMinutes} * 60'000}));
    return stats;
}

std::vector<std::string> CsvHeader() {
    return {"left",        "right",        "bouts",           "left_wins",        "right_wins",
            "draws",       "unfinished",   "mean_left_score", "mean_right_score", "mean_seconds",
            "attack_left", "attack_right", "counter_left",    "counter_right",    "red_left",
            "red_right",   "unclassified", "passes",          "corps_a_corps",    "off_target"};
}

std::string FormatCsv(const std::vector<PairingStats>& rows) {
    std::ostringstream out;
    const auto header = CsvHeader();
    for (std::size_t i = 0; i < header.size(); ++i)
        out << (i ? "," : "") << header[i];
    out << '\n';
    for (const PairingStats& s : rows) {
        out << s.left.name << ',' << s.right.name << ',' << s.bouts << ',' << s.leftWins << ','
            << s.rightWins << ',' << s.draws << ',' << s.unfinished << ','
            << Fixed(s.Mean(s.score[Side::Left]), 3) << ','
            << Fixed(s.Mean(s.score[Side::Right]), 3) << ',' << Fixed(s.Mean(s.seconds), 2);
        for (const auto* kind : {&s.attacks, &s.counters, &s.reds})
            out << ',' << (*kind)[Side::Left] << ',' << (*kind)[Side::Right];
        out << ',' << s.unclassified << ',' << s.passes << ',' << s.corpsACorps << ','
            << s.offTarget << '\n';
    }
    return out.str();
}

std::string FormatTable(const std::vector<PairingStats>& rows) {
    const std::vector<std::pair<std::string, std::size_t>> columns{
        {"left", 16},        {"right", 16},  {"bouts", 6},   {"L wins", 7}, {"R wins", 7},
        {"draws", 6},        {"L score", 8}, {"R score", 8}, {"secs", 7},   {"attack L/R", 11},
        {"counter L/R", 12}, {"red L/R", 8}, {"passes", 7},  {"corps", 6},  {"unended", 8}};
    std::ostringstream out;
    auto line = [&](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            out << Padded(cells[i], columns[i].second, i >= 2) << (i + 1 < cells.size() ? " " : "");
        out << '\n';
    };
    std::vector<std::string> header;
    for (const auto& [name, width] : columns)
        header.push_back(name);
    line(header);
    for (const PairingStats& s : rows)
        line({s.left.name, s.right.name, std::to_string(s.bouts), std::to_string(s.leftWins),
              std::to_string(s.rightWins), std::to_string(s.draws),
              Fixed(s.Mean(s.score[Side::Left]), 2), Fixed(s.Mean(s.score[Side::Right]), 2),
              Fixed(s.Mean(s.seconds), 1), PerSideText(s.attacks), PerSideText(s.counters),
              PerSideText(s.reds), std::to_string(s.passes), std::to_string(s.corpsACorps),
              std::to_string(s.unfinished)});
    return out.str();
}

std::string FormatMatrix(const std::vector<PairingStats>& rows) {
    // The contenders in the order the rows first name them on the left.
    std::vector<Contender> order;
    for (const PairingStats& s : rows)
        if (std::find(order.begin(), order.end(), s.left) == order.end()) order.push_back(s.left);
    auto find = [&rows](const Contender& l, const Contender& r) -> const PairingStats* {
        for (const PairingStats& s : rows)
            if (s.left == l && s.right == r) return &s;
        return nullptr;
    };
    std::ostringstream out;
    out << "Left wins, % (rows: left, columns: right)\n" << Padded("", 18, false);
    for (std::size_t c = 0; c < order.size(); ++c)
        out << Padded(std::to_string(c + 1), 7);
    out << '\n';
    for (std::size_t r = 0; r < order.size(); ++r) {
        out << Padded(std::to_string(r + 1) + " " + order[r].name, 18, false);
        for (const Contender& right : order) {
            const PairingStats* s = find(order[r], right);
            out << Padded(s ? Percent(s->leftWins, s->Finished()) : "-", 7);
        }
        out << '\n';
    }
    // A contender against itself measures the sides, not the strength: the totals leave it out.
    out << "\nAgainst all the others, both ways round\n";
    for (const Contender& c : order) {
        int wins = 0, bouts = 0;
        for (const PairingStats& s : rows) {
            if (s.left == s.right) continue;
            if (s.left == c) wins += s.leftWins;
            if (s.right == c) wins += s.rightWins;
            if (s.left == c || s.right == c) bouts += s.Finished();
        }
        out << Padded(c.name, 16, false) << " wins " << wins << '/' << bouts << " ("
            << Percent(wins, bouts) << "%)\n";
    }
    out << "\nEach against the one before it, both ways round\n";
    for (std::size_t i = 1; i < order.size(); ++i) {
        const PairingStats* asLeft = find(order[i], order[i - 1]);
        const PairingStats* asRight = find(order[i - 1], order[i]);
        if (!asLeft || !asRight) continue;
        const int wins = asLeft->leftWins + asRight->rightWins;
        const int bouts = asLeft->Finished() + asRight->Finished();
        out << Padded(order[i].name, 16, false) << " against "
            << Padded(order[i - 1].name, 16, false) << " wins " << wins << '/' << bouts << " ("
            << Percent(wins, bouts) << "%): as left "
            << Percent(asLeft->leftWins, asLeft->Finished()) << "%, as right "
            << Percent(asRight->rightWins, asRight->Finished()) << "%\n";
    }
    return out.str();
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Parsed parsed = ParseArguments(args);
    if (parsed.help) {
        out << Usage();
        return 0;
    }
    if (!parsed.config) {
        err << "pistework-balance: " << parsed.error << "\n(--help lists the options)\n";
        return 2;
    }
    const Config& config = *parsed.config;
    std::vector<PairingStats> rows;
    for (const auto& [left, right] : config.pairings)
        rows.push_back(FencePairing(left, right, config));

    out << (config.csv ? FormatCsv(rows) : FormatTable(rows));
    if (!config.matrix.empty() && !config.csv) out << '\n' << FormatMatrix(rows);

    int unfinished = 0;
    for (const PairingStats& s : rows)
        unfinished += s.unfinished;
    if (unfinished > 0) {
        err << "pistework-balance: " << unfinished << " bouts did not end within "
            << config.limitMinutes << " virtual minutes\n";
        return 1;
    }
    return 0;
}

} // namespace pistework::balance
