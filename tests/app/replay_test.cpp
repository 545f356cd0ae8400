// SPDX-License-Identifier: GPL-3.0-or-later
// A replay opened in the window draws its pictures on the board, and leaves the options and
// the store as they were; a bad file is one plain message.

#include "Dialogs.h"
#include "Languages.h"
#include "WindowDriver.h"
#include "app/DistanceOverlay.h"
#include "app/ReplayStrip.h"
#include "app/RulingSentence.h"
#include "common/CallTexts.h"
#include "common/Translated.h"
#include "game/GameProbe.h"
#include "game/piste/Geometry.h"
#include "game/replay/Replay.h"
#include "platform/headless/HeadlessPlatform.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sys/stat.h>

using namespace pistework;

namespace {

// The opening of a demonstration, up to the left fencer's first steps.
game::Replay DemonstrationOpening() {
    platform::headless::HeadlessPlatform form;
    game::Game g(form.Services());
    g.Start();
    EXPECT_TRUE(form.scheduler.RunUntilTrue(
        [&] { return !game::GameProbe(g).LastFenced().empty(); }, 3'600'000));
    game::Replay replay;
    EXPECT_EQ(game::DecodeReplay(game::GameProbe(g).LastFenced(), replay), game::ReplayError::None);
    const auto first = std::get<game::ReplayPicture>(replay.entries.front().what);
    int moved = 0;
    auto end = std::find_if(replay.entries.begin(), replay.entries.end(), [&](const auto& e) {
        const auto* p = std::get_if<game::ReplayPicture>(&e.what);
        return p && p->fencers[game::Side::Left].x != first.fencers[game::Side::Left].x &&
               ++moved > 3;
    });
    replay.entries.erase(end, replay.entries.end());
    return replay;
}

// The file's name as the system has it: any bytes but '/' and NUL.
QByteArray Write(const QTemporaryDir& dir, const QByteArray& name,
                 const std::vector<std::uint8_t>& b) {
    const QByteArray path = QFile::encodeName(dir.path()) + '/' + name;
    std::FILE* file = std::fopen(path.constData(), "wb");
    EXPECT_TRUE(file);
    if (file) {
        std::fwrite(b.data(), 1, b.size(), file);
        std::fclose(file);
    }
    return path;
}

using drive::WaitUntil;

QLabel* Shows(app::MainWindow& window, layout::Shows shows, game::Side side) {
    for (const auto& entry : layout::kControls)
        if (entry.shows == shows && entry.side == side)
            return drive::Named<QLabel>(window, entry.name);
    return nullptr;
}

std::map<QString, QVariant> Stored() {
    std::map<QString, QVariant> values;
    QSettings settings = drive::Settings();
    for (const QString& key : settings.allKeys())
        values[key] = settings.value(key);
    return values;
}

} // namespace

TEST(ReplayWindow, DrawsTheReplayAndLeavesOptionsAndStoreAlone) {
    drive::ExpectDialogs answered; // the test answers its dialogs itself
    const game::Replay replay = DemonstrationOpening();
    ASSERT_GT(replay.entries.size(), 3u);
    QTemporaryDir dir;
    const QByteArray good = Write(dir, "opening.pistework", game::EncodeReplay(replay));
    // Not UTF-8: the name opens all the same.
    const QByteArray oddName = Write(dir, "\xff\xfe.pistework", game::EncodeReplay(replay));
    auto damaged = game::EncodeReplay(replay);
    damaged.resize(damaged.size() - 1);
    const QByteArray fifo = QFile::encodeName(dir.path()) + "/pipe.pistework";
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);

    app::MainWindow window;
    QStringList warnings;
    window.SetOnWarning([&](const QString& text) { warnings << text; });
    window.show();
    const auto stored = Stored();
    const game::MenuView options = window.Game().View().menu;
    const QString title = window.windowTitle();
    // The game's own board, which a replay covers until it ends: the left fencer at home.
    QLabel* left = Shows(window, layout::Shows::Fencer, game::Side::Left);
    const int home = left->x();
    // No bout has ended yet: nothing to save.
    EXPECT_FALSE(drive::Named<QAction>(window, "mnuFileSaveReplay")->isEnabled());
    EXPECT_FALSE(window.SaveReplay(dir.filePath(QStringLiteral("none.pistework"))));

    // A cut file, and a FIFO that no one writes to, which must not hang the game.
    for (const QByteArray& bad : {Write(dir, "cut.pistework", damaged), fifo})
        EXPECT_FALSE(window.WatchReplay(bad)) << bad.constData();
    ASSERT_EQ(warnings.size(), 2);
    EXPECT_EQ(
        warnings[1],
        app::MainWindow::tr("The replay %1 could not be opened.").arg(QFile::decodeName(fifo)))
        << "a FIFO is never read";
    // A cancelled file dialog opens nothing and says nothing.
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    drive::Named<QAction>(window, "mnuFileWatchReplay")->trigger();
    EXPECT_EQ(warnings.size(), 2);
    EXPECT_FALSE(window.Watching());
    EXPECT_EQ(window.windowTitle(), title);

    // Stopped part-way, and replaced while playing: no tick of a player gone may reach it
    // (the sanitizer build sees one), and the game goes on.
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    ASSERT_TRUE(window.WatchReplay(oddName));
    WaitUntil([] { return false; }, 50);
    ASSERT_TRUE(window.WatchReplay(good));
    WaitUntil([] { return false; }, 50);
    QApplication::sendEvent(window.Client(), &escape);
    WaitUntil([] { return false; }, 100);
    EXPECT_FALSE(window.Watching());
    EXPECT_EQ(left->x(), home);

    ASSERT_TRUE(window.WatchReplay(good));
    EXPECT_NE(window.windowTitle(), title);
    EXPECT_TRUE(drive::Named<QPushButton>(window, "cmdSpeed1")->isChecked());
    QKeyEvent faster(QEvent::KeyPress, Qt::Key_4, Qt::NoModifier, QStringLiteral("4"));
    QApplication::sendEvent(window.Client(), &faster);
    EXPECT_TRUE(drive::Named<QPushButton>(window, "cmdSpeed4")->isChecked());
    EXPECT_FALSE(drive::Named<QPushButton>(window, "cmdSpeed1")->isChecked());
    const auto& last = std::get<game::ReplayPicture>(replay.entries.back().what);
    auto drawnAtLast = [&] {
        return Shows(window, layout::Shows::Fencer, game::Side::Left)->x() ==
                   last.fencers[game::Side::Left].x &&
               Shows(window, layout::Shows::Fencer, game::Side::Right)->x() ==
                   last.fencers[game::Side::Right].x;
    };
    // At four times the speed, well before the replay's own length.
    WaitUntil(drawnAtLast, static_cast<int>(replay.entries.back().ms / 2));
    EXPECT_TRUE(drawnAtLast());
    QApplication::sendEvent(window.Client(), &escape);
    EXPECT_FALSE(window.Watching());
    EXPECT_EQ(window.windowTitle(), title);
    EXPECT_EQ(left->x(), home);
    EXPECT_TRUE(window.Game().View().menu == options);
    EXPECT_EQ(Stored(), stored);
    EXPECT_EQ(warnings.size(), 2);
}

// Worked from its strip: the end and the start, a ruling and its reason, a picture's step
// either way, the distance; Esc part-way gives the window back as it was.
TEST(ReplayWindow, SeeksStepsAndLeavesTheWindowAsItWas) {
    platform::headless::HeadlessPlatform form;
    game::Game g(form.Services());
    g.Start();
    ASSERT_TRUE(form.scheduler.RunUntilTrue(
        [&] { return !game::GameProbe(g).LastFenced().empty(); }, 3'600'000));
    game::Replay replay;
    ASSERT_EQ(game::DecodeReplay(game::GameProbe(g).LastFenced(), replay), game::ReplayError::None);
    QTemporaryDir dir;
    const QByteArray file = Write(dir, "bout.pistework", game::EncodeReplay(replay));

    app::MainWindow window;
    window.show();
    const QSize size = window.size();
    ASSERT_TRUE(window.WatchReplay(file));
    auto* strip = window.findChild<app::ReplayStrip*>();
    ASSERT_TRUE(strip);
    EXPECT_TRUE(strip->autoFillBackground()) << "drawn over the window's own background";
    EXPECT_EQ(window.height(), size.height() + strip->height());
    auto press = [&](Qt::Key key, const QString& text = {}) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(window.Client(), &event);
    };
    auto drawn = [&](const game::ReplayPicture& picture) {
        for (game::Side side : game::kSides)
            if (Shows(window, layout::Shows::Fencer, side)->x() != picture.fencers[side].x)
                return false;
        return true;
    };
    std::vector<std::pair<std::int64_t, game::ReplayPicture>> pictures;
    for (const auto& entry : replay.entries)
        if (const auto* p = std::get_if<game::ReplayPicture>(&entry.what))
            pictures.emplace_back(entry.ms, *p);
    press(Qt::Key_F3);
    press(Qt::Key_End);
    EXPECT_TRUE(drawn(pictures.back().second));
    // The chart turns over at once, by its key or its button, paused and at the end alike.
    auto* reason = drive::Named<QLabel>(window, "lblReplayReason");
    auto* chartButton = drive::Named<QPushButton>(window, "cmdReplayChart");
    auto* chartShownIn = drive::Named<QWidget>(window, "imgReplayChart");
    auto chartShown = [&] { return chartShownIn->isVisible(); };
    EXPECT_TRUE(chartShown()) << "the end shows the chart";
    press(Qt::Key_C, QStringLiteral("c"));
    EXPECT_FALSE(chartShown());
    chartButton->click();
    EXPECT_TRUE(chartShown());
    // At the end, the chart draws the gap over the whole bout.
    const QImage chart = strip->grab().toImage();
    int curve = 0, zero = 0;
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x) {
            curve += chart.pixelColor(x, y) == QColor(255, 255, 200);
            zero += chart.pixelColor(x, y) == QColor(90, 120, 90);
        }
    EXPECT_GT(curve, chart.width() / 4);
    EXPECT_GT(zero, 0) << "the blades crossed: a dotted line marks zero";
    press(Qt::Key_Home);
    EXPECT_FALSE(chartShown());
    chartButton->click();
    EXPECT_TRUE(chartShown());
    press(Qt::Key_C, QStringLiteral("c"));
    EXPECT_FALSE(chartShown());
    press(Qt::Key_PageDown);
    const auto& rulings = strip->Rulings();
    ASSERT_GE(rulings.size(), 2u);
    // Each ruling is marked where the referee called "Halt" before it, and its reason is said
    // until the next "Engarde".
    auto called = [&](std::int64_t ms, game::Call said) {
        return std::any_of(replay.entries.begin(), replay.entries.end(), [&](const auto& e) {
            const auto* event = std::get_if<game::BoutEvent>(&e.what);
            const auto* call = event ? std::get_if<game::CallMade>(event) : nullptr;
            return e.ms == ms && call && call->call.call == said;
        });
    };
    for (const app::ReplayRuling& r : rulings) {
        EXPECT_TRUE(called(r.haltMs, game::Call::Halt)) << r.haltMs;
        EXPECT_TRUE(called(r.overMs, game::Call::Engarde) || &r == &rulings.back()) << r.overMs;
    }
    const app::ReplayRuling& first = rulings.at(0);
    EXPECT_TRUE(reason->text().startsWith(app::ReasonSentence(first.ruling)));
    // Opened over a ruling, the chart leaves its reason on show beside it, whole.
    chartButton->click();
    EXPECT_TRUE(chartShown() && reason->isVisible());
    EXPECT_FALSE(reason->geometry().intersects(chartShownIn->geometry()));
    EXPECT_TRUE(reason->rect().contains(reason->fontMetrics().boundingRect(
        reason->contentsRect(), Qt::TextWordWrap, reason->text())))
        << reason->text().toStdString();
    chartButton->click();
    // A reason is said until the next "Engarde", before the next halt; PageDown goes on to it.
    EXPECT_LT(first.overMs, rulings[1].haltMs);
    press(Qt::Key_PageDown);
    const auto atSecond = std::find_if(pictures.rbegin(), pictures.rend(),
                                       [&](const auto& p) { return p.first <= rulings[1].haltMs; });
    EXPECT_TRUE(drawn(atSecond->second));
    // A step lands on the next picture of another time, and one back returns.
    press(Qt::Key_Home);
    press(Qt::Key_Right);
    const auto second = std::find_if(pictures.rbegin(), pictures.rend(),
                                     [](const auto& p) { return p.first <= 1000; });
    EXPECT_TRUE(drawn(second->second));
    const auto next = std::find_if(pictures.begin(), pictures.end(),
                                   [&](const auto& p) { return p.first > second->first; });
    press(Qt::Key_Period, QStringLiteral("."));
    EXPECT_TRUE(drawn(next->second));
    press(Qt::Key_Comma, QStringLiteral(","));
    EXPECT_TRUE(drawn(second->second));
    // Right goes a second on, Left a second back: on to the first second the fencers have moved.
    const auto at = [&](std::int64_t ms) {
        return std::find_if(pictures.rbegin(), pictures.rend(),
                            [&](const auto& p) { return p.first <= ms; })
            ->second;
    };
    const auto xs = [](const game::ReplayPicture& p) {
        return std::pair(p.fencers[game::Side::Left].x, p.fencers[game::Side::Right].x);
    };
    int seconds = 1;
    while (seconds < 60 && xs(at(seconds * 1000)) == xs(at(0)))
        ++seconds;
    press(Qt::Key_Home);
    for (int i = 0; i < seconds; ++i)
        press(Qt::Key_Right);
    EXPECT_TRUE(drawn(at(seconds * 1000)));
    press(Qt::Key_Left);
    EXPECT_TRUE(drawn(at((seconds - 1) * 1000)));
    press(Qt::Key_D, QStringLiteral("d"));
    EXPECT_TRUE(window.findChild<QWidget*>(QStringLiteral("imgReplayDistance")));
    EXPECT_TRUE(drive::Named<QAction>(window, "mnuViewShowDistance")->isChecked());
    // Another replay in its place keeps one strip, and the window's room for it.
    ASSERT_TRUE(window.WatchReplay(file));
    EXPECT_EQ(window.findChildren<app::ReplayStrip*>().size(), 1);
    EXPECT_EQ(window.height(), size.height() + app::ReplayStrip::kHeight);
    WaitUntil([] { return false; }, 100);
    press(Qt::Key_Escape);
    EXPECT_FALSE(window.Watching());
    EXPECT_FALSE(window.findChild<app::ReplayStrip*>());
    EXPECT_FALSE(window.findChild<QWidget*>(QStringLiteral("imgReplayDistance")));
    EXPECT_FALSE(drive::Named<QAction>(window, "mnuViewShowDistance")->isChecked());
    EXPECT_EQ(window.size(), size);

    // Kept as the last bout, as a network bout is once the game says why it ended, it can be
    // watched again with the referee's calls, and its name to save under carries its final
    // score.
    window.Game().EndNetworkBout(game::NetworkEnding::PeerLeft, pictures.back().second);
    window.Game().Keep({}, game::GameProbe(g).LastFenced());
    EXPECT_TRUE(window.WatchLastBout());
    EXPECT_TRUE(window.Watching());
    press(Qt::Key_F3);
    press(Qt::Key_End);
    EXPECT_EQ(Shows(window, layout::Shows::Call, game::Side::Left)->text(),
              TranslatedCallText(pictures.back().second.call));
    press(Qt::Key_Escape);
    const game::PerSide<int> score = pictures.back().second.scores;
    ASSERT_NE(score, (game::PerSide<int>{0, 0}));
    EXPECT_TRUE(window.SuggestedReplayName().contains(
        QStringLiteral("%1-%2").arg(score[game::Side::Left]).arg(score[game::Side::Right])))
        << window.SuggestedReplayName().toStdString();
    // A cancelled save writes nothing, here or anywhere.
    const QString was = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const auto before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
    {
        drive::ExpectDialogs answered;
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        drive::Named<QAction>(window, "mnuFileSaveReplay")->trigger();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
    QDir::setCurrent(was);
}

// The label over a lunge or flèche reads on target from the first pixel that lands to the last,
// and short or past, in steps and never below zero, just beyond either edge.
TEST(ReplayWindow, ThePointIsOnTargetExactlyWhereTheHitTestLandsIt) {
    const int first = game::kHitUnitsMin * game::kPointUnit;
    const int last = game::kHitUnitsMax * game::kPointUnit;
    const QString on = app::PointLabel(first);
    EXPECT_EQ(app::PointLabel(last), on);
    for (const int by : {1, 7}) {
        SCOPED_TRACE(by);
        const QString shortOf = app::PointLabel(first - by), pastOf = app::PointLabel(last + by);
        EXPECT_NE(shortOf, on);
        EXPECT_NE(pastOf, on);
        for (const auto& [label, px] :
             {std::pair{shortOf, by - first}, std::pair{pastOf, last + by}})
            EXPECT_TRUE(label.contains(Steps(px)) && !label.contains(u'-')) << label.toStdString();
        // As many pixels short as past reads otherwise.
        EXPECT_NE(app::PointLabel(-(last + by)), pastOf);
    }
}

// A lunge's ruling says which attack came first and by how long, or that the other made none,
// or that a parry came first: each case its own sentence, whatever the attacks' times.
TEST(ReplayWindow, EachLungeRulingSaysWhyInItsOwnSentence) {
    using game::Side;
    auto reason = [](std::optional<int> ruled, std::optional<int> other, bool parry = false) {
        game::RulingReason why{game::Decider::LungeLanded};
        why.attackBeganMsAgo[Side::Right] = ruled;
        why.attackBeganMsAgo[Side::Left] = other;
        why.afterParry = parry;
        return app::ReasonSentence({game::RulingKind::Hit, Side::Right, why});
    };
    const QString noAttack = reason(std::nullopt, std::nullopt);
    EXPECT_EQ(reason(700, std::nullopt), noAttack) << "the other made no attack either way";
    const QString landed = reason(std::nullopt, 300);
    const QString first = reason(700, 300), later = reason(300, 700);
    const QString riposte = reason(700, 300, true);
    const std::set<QString> sentences{noAttack, landed, first, later, riposte};
    EXPECT_EQ(sentences.size(), 5u);
    // By 0.4 s either way, in the player's own numbers.
    const QString gap = QLocale().toString(0.4, 'f', 1);
    EXPECT_TRUE(first.contains(gap)) << first.toStdString();
    EXPECT_TRUE(later.contains(gap)) << later.toStdString();
}

using ReasonInLanguage = drive::InEachLanguage;
INSTANTIATE_IN_EACH_LANGUAGE(ReasonInLanguage);

// A reason names the called fencer first (the word ending its "Attack" call, inflected as in
// "linken"), a pass both or neither; a bout's strip shows no gap below zero, and an arm only over
// pictures, still from halt to "Engarde", showing it so: the bent-arm lunge's, the lunge's.
TEST_P(ReasonInLanguage, SaysWhatTheCallAndThePicturesShow) {
    using enum game::RulingKind;
    using enum game::Decider;
    auto named = [](const QString& sentence, game::Side side) { // a side not named: furthest
        const QString call = TranslatedCallText({game::Call::Attack, side}).toLower();
        return std::size_t(sentence.toLower().indexOf(call.split(u' ').last().chopped(1)));
    };
    // Every way a phrase is decided, whenever either side's attack began, after a parry or not.
    const std::optional<int> began[][2] = {{700, {}}, {700, 300}, {300, 700}, {{}, 300}};
    for (auto decider : {LungeLanded, FlecheLanded, CounterIntoAttack, PointShort, PassedTooSoon})
        for (game::RulingKind kind : {Hit, YellowCard, RedCard})
            for (const auto& [ruled, other] : began)
                for (const bool parry : {false, true})
                    for (game::Side side : game::kSides) {
                        game::RulingReason why{decider};
                        why.attackBeganMsAgo[side] = ruled;
                        why.attackBeganMsAgo[game::Opposite(side)] = other;
                        why.afterParry = parry;
                        const QString said = app::ReasonSentence({kind, side, why});
                        EXPECT_LT(named(said, side), named(said, game::Opposite(side)))
                            << said.toStdString();
                    }
    EXPECT_EQ(app::ReasonSentence({Passed, game::Side::Left, game::RulingReason{RanPast}}),
              app::ReasonSentence({Passed, game::Side::Right, game::RulingReason{RanPast}}));
    const std::pair<const char*, std::span<const std::string_view>> arms[] = {
        {"bent", game::kBentLungeFrames}, {"straight", game::kLungeFrames}};
    platform::headless::HeadlessPlatform form;
    game::Game g(form.Services());
    g.Start();
    ASSERT_TRUE(form.scheduler.RunUntilTrue(
        [&] { return !game::GameProbe(g).LastFenced().empty(); }, 3'600'000));
    game::Replay replay;
    ASSERT_EQ(game::DecodeReplay(game::GameProbe(g).LastFenced(), replay), game::ReplayError::None);
    EXPECT_NE(app::TipsLabel(0), app::TipsLabel(-1)) << "tips level have not crossed";
    app::ReplayStrip strip(nullptr, replay, {});
    const QRegularExpression negative(QStringLiteral("[-\\x{2212}]\\s*\\d"));
    for (const game::ReplayEntry& entry : replay.entries)
        if (const auto* picture = std::get_if<game::ReplayPicture>(&entry.what)) {
            strip.Show(entry.ms, *picture, false, 4, false);
            const QString said = strip.findChild<QLabel*>("lblReplayReason")->text();
            const QString shown = strip.findChild<QLabel*>("lblReplayGap")->text() + u'\n' + said;
            ASSERT_FALSE(shown.contains(negative)) << shown.toStdString();
            for (const auto& [arm, pictures] : arms)
                ASSERT_TRUE(!said.contains(arm) || std::ranges::any_of(game::kSides, [&](auto s) {
                    const std::string_view pose = picture->fencers[s].pose;
                    return std::ranges::count(pictures, pose.substr(0, pose.size() - 1)) > 0;
                })) << said.toStdString();
        }
    EXPECT_TRUE(std::ranges::any_of(strip.Rulings(), [](const app::ReplayRuling& r) {
        return r.ruling.why.value().decider == game::Decider::FlecheLanded;
    })) << "no flèche landed to say an arm over";
}
