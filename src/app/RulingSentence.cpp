// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RulingSentence.h"

#include "game/TextMarks.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace pistework::app {

using game::Decider;
using game::Side;

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("Reason", text);
}

// Whole sentences for each side, as other languages word the sides differently.
struct Sentence {
    const char* left;
    const char* right;
};

constexpr Sentence kNoAttack{
    QT_TRANSLATE_NOOP("Reason", "The left fencer's lunge landed on target and the right fencer "
                                "made no attack: the hit stands."),
    QT_TRANSLATE_NOOP("Reason", "The right fencer's lunge landed on target and the left fencer "
                                "made no attack: the hit stands.")};
constexpr Sentence kRiposte{
    QT_TRANSLATE_NOOP("Reason", "The left fencer parried the right fencer's blade, then lunged "
                                "and landed: the riposte scores."),
    QT_TRANSLATE_NOOP("Reason", "The right fencer parried the left fencer's blade, then lunged "
                                "and landed: the riposte scores.")};
constexpr Sentence kFirst{
    QT_TRANSLATE_NOOP("Reason", "The left fencer's attack started %1 s before the right "
                                "fencer's and landed first: the hit stands."),
    QT_TRANSLATE_NOOP("Reason", "The right fencer's attack started %1 s before the left "
                                "fencer's and landed first: the hit stands.")};
// The game's rule, not priority: whichever point lands first scores, whoever began first.
constexpr Sentence kLater{
    QT_TRANSLATE_NOOP("Reason", "The left fencer's lunge landed first, though the right "
                                "fencer's attack began %1 s earlier: the first point to land "
                                "scores."),
    QT_TRANSLATE_NOOP("Reason", "The right fencer's lunge landed first, though the left "
                                "fencer's attack began %1 s earlier: the first point to land "
                                "scores.")};
constexpr Sentence kLanded{
    QT_TRANSLATE_NOOP("Reason", "The left fencer's point landed on target first: the hit stands."),
    QT_TRANSLATE_NOOP("Reason",
                      "The right fencer's point landed on target first: the hit stands.")};
// No word of the other's arm: the pictures at the halt show it bent or straight whatever the
// rule weighed, and a fencer reads a straight arm as the one that stops a flèche.
constexpr Sentence kFleche{
    QT_TRANSLATE_NOOP("Reason", "The left fencer's flèche ran its point onto the right "
                                "fencer's target: the hit stands."),
    QT_TRANSLATE_NOOP("Reason", "The right fencer's flèche ran its point onto the left "
                                "fencer's target: the hit stands.")};
// A point into a lunge never scores, whoever began first; the times only say more.
constexpr Sentence kCounterLater{
    QT_TRANSLATE_NOOP("Reason", "The left fencer's lunge landed and scores; the right fencer's "
                                "counter-attack, begun %1 s later, arrived while the lunge was "
                                "under way: out of time, it does not count."),
    QT_TRANSLATE_NOOP("Reason", "The right fencer's lunge landed and scores; the left fencer's "
                                "counter-attack, begun %1 s later, arrived while the lunge was "
                                "under way: out of time, it does not count.")};
constexpr Sentence kIntoAttack{
    QT_TRANSLATE_NOOP("Reason", "The left fencer's lunge landed and scores; the right fencer's "
                                "point arrived while the lunge was under way: a counter-attack "
                                "out of time does not count."),
    QT_TRANSLATE_NOOP("Reason", "The right fencer's lunge landed and scores; the left fencer's "
                                "point arrived while the lunge was under way: a counter-attack "
                                "out of time does not count.")};
constexpr Sentence kShort{
    QT_TRANSLATE_NOOP("Reason", "Off target: the left fencer's point landed just short of the "
                                "right fencer's target, so nobody scores."),
    QT_TRANSLATE_NOOP("Reason", "Off target: the right fencer's point landed just short of the "
                                "left fencer's target, so nobody scores.")};
constexpr const char* kRanPast = QT_TRANSLATE_NOOP(
    "Reason", "The fencers ran past each other before either point landed: nobody scores.");
constexpr Sentence kWarning{
    QT_TRANSLATE_NOOP("Reason", "The left fencer's flèche ran past the other %1 s after the last "
                                "one, sooner than the %2 s allowed: a warning."),
    QT_TRANSLATE_NOOP("Reason", "The right fencer's flèche ran past the other %1 s after the "
                                "last one, sooner than the %2 s allowed: a warning.")};
constexpr Sentence kPenalty{
    QT_TRANSLATE_NOOP("Reason", "The left fencer's flèche ran past the other %1 s after the last "
                                "one, sooner than the %2 s allowed, once more: a hit for the "
                                "right fencer."),
    QT_TRANSLATE_NOOP("Reason", "The right fencer's flèche ran past the other %1 s after the "
                                "last one, sooner than the %2 s allowed, once more: a hit for the "
                                "left fencer.")};
constexpr const char* kNoReason = QT_TRANSLATE_NOOP(
    "Reason", "This replay was saved by an earlier Pistework, which kept no reasons.");

QString Said(const Sentence& sentence, Side side) {
    return Tr(side == Side::Left ? sentence.left : sentence.right);
}

QString Seconds(int ms) {
    return QLocale().toString(std::max(ms, 0) / 1000.0, 'f', 1);
}

} // namespace

std::vector<ReplayRuling> RulingsOf(const game::Replay& replay) {
    std::vector<ReplayRuling> rulings;
    std::int64_t halt = 0;
    for (const game::ReplayEntry& entry : replay.entries) {
        const auto* event = std::get_if<game::BoutEvent>(&entry.what);
        if (!event) continue;
        if (const auto* call = std::get_if<game::CallMade>(event)) {
            if (call->call.call == game::Call::Halt) halt = entry.ms;
            if (call->call.call == game::Call::Engarde && !rulings.empty() &&
                rulings.back().overMs < 0)
                rulings.back().overMs = entry.ms;
        } else if (const auto* ruling = std::get_if<game::Ruling>(event)) {
            rulings.push_back({halt, entry.ms, -1, *ruling});
        }
    }
    for (ReplayRuling& r : rulings)
        if (r.overMs < 0) r.overMs = replay.entries.back().ms + 1;
    return rulings;
}

QString ReasonSentence(const game::Ruling& ruling) {
    if (!ruling.why) return Tr(kNoReason);
    const game::RulingReason& why = *ruling.why;
    const Side side = ruling.side;
    const auto& began = why.attackBeganMsAgo;
    switch (why.decider) {
    case Decider::LungeLanded:
        if (why.afterParry) return Said(kRiposte, side);
        if (!began[game::Opposite(side)]) return Said(kNoAttack, side);
        if (!began[side]) return Said(kLanded, side);
        if (*began[side] > *began[game::Opposite(side)])
            return Said(kFirst, side).arg(Seconds(*began[side] - *began[game::Opposite(side)]));
        return Said(kLater, side).arg(Seconds(*began[game::Opposite(side)] - *began[side]));
    case Decider::FlecheLanded:
        return Said(kFleche, side);
    case Decider::CounterIntoAttack:
        if (began[side] && began[game::Opposite(side)] &&
            *began[side] > *began[game::Opposite(side)])
            return Said(kCounterLater, side)
                .arg(Seconds(*began[side] - *began[game::Opposite(side)]));
        return Said(kIntoAttack, side);
    case Decider::PointShort:
        return Said(kShort, side);
    case Decider::RanPast:
        return Tr(kRanPast);
    case Decider::PassedTooSoon:
        return Said(ruling.kind == game::RulingKind::RedCard ? kPenalty : kWarning, side)
            .arg(why.secondsSincePass)
            .arg(why.secondsAllowed);
    }
    return Tr(kNoReason);
}

} // namespace pistework::app
