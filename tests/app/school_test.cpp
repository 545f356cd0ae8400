// SPDX-License-Identifier: GPL-3.0-or-later
// The fencing school in the window: a lesson fenced with the command buttons is passed and
// kept, Enter begins the next and Esc leaves; a replay's bout taken over is fenced by the player
// through a phrase; a replay of pictures only says why it cannot be.

#include "Dialogs.h"
#include "Languages.h"
#include "WindowDriver.h"
#include "app/modes/PractisingMode.h"
#include "dialogs/SchoolDialog.h"
#include "game/Game.h"
#include "game/GameProbe.h"
#include "game/replay/Replay.h"
#include "game/school/Lessons.h"
#include "platform/headless/HeadlessPlatform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>

using namespace pistework;

namespace {

QString Title(int lesson) {
    return QCoreApplication::translate(
        "School", game::school::kLessons[static_cast<std::size_t>(lesson)].title.data());
}

void Press(app::MainWindow& window, Qt::Key key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(window.Client(), &event);
}

QLabel* LessonTitle(app::MainWindow& window) {
    return window.findChild<QLabel*>(QStringLiteral("lblLessonTitle"));
}

// A demonstration first to 2, as the game keeps it.
std::vector<std::uint8_t> Demonstration() {
    platform::headless::HeadlessPlatform form;
    game::Game game(form.Services());
    game.Start();
    game.Choose({game::Verb::SetTarget, 2});
    EXPECT_TRUE(form.scheduler.RunUntilTrue(
        [&] { return !game::GameProbe(game).LastFenced().empty(); }, 3'600'000));
    return {game::GameProbe(game).LastFenced().begin(), game::GameProbe(game).LastFenced().end()};
}

QByteArray Write(const QTemporaryDir& dir, const std::vector<std::uint8_t>& bytes) {
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("bout.pistework")));
    std::FILE* file = std::fopen(path.constData(), "wb");
    EXPECT_TRUE(file);
    if (file) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    return path;
}

} // namespace

// The school's log lines, as a player's QT_LOGGING_RULES would show them.
QStringList* schoolLog = nullptr;
void KeepSchoolLine(QtMsgType, const QMessageLogContext& context, const QString& text) {
    if (schoolLog && QByteArray(context.category) == "pistework.school") *schoolLog << text;
}

// Lesson 1 passed with the buttons is kept and Enter begins the next; the last lesson passed
// says so rather than offer a next one, and Enter begins none.
TEST(SchoolWindow, ALessonPassedIsKeptAndEnterBeginsTheNextUnlessItWasTheLast) {
    QStringList log;
    schoolLog = &log;
    QLoggingCategory::setFilterRules(QStringLiteral("pistework.school=true"));
    const QtMessageHandler before = qInstallMessageHandler(KeepSchoolLine);
    app::MainWindow window;
    window.show();
    window.Practise(0);
    ASSERT_TRUE(drive::WaitUntil([&] { return LessonTitle(window) != nullptr; }, 2000));
    EXPECT_TRUE(LessonTitle(window)->text().contains(Title(0)));
    for (const char* button : {"cmdAdvance", "cmdAdvance", "cmdRetreat"}) {
        drive::Named<QPushButton>(window, button)->click();
        drive::WaitUntil([] { return false; }, 700);
    }
    EXPECT_TRUE(drive::WaitUntil(
        [] { return drive::Settings().value(game::school::kPassedName).toInt() == 1; }, 5000));
    auto* hint = drive::Named<QLabel>(window, "lblLessonHint");
    const QString passedFirst = hint->text();
    Press(window, Qt::Key_Return);
    EXPECT_TRUE(drive::WaitUntil(
        [&] { return LessonTitle(window) && LessonTitle(window)->text().contains(Title(1)); },
        2000));
    EXPECT_EQ(log, QStringList({"lesson 1 begun", "lesson 1 passed", "lesson 2 begun"}));

    const int last = game::school::kLessonCount - 1;
    const QString begun = QStringLiteral("lesson %1 begun").arg(last + 1);
    const QString passed = QStringLiteral("lesson %1 passed").arg(last + 1);
    window.Practise(last);
    // Its flèche is parried some 0.8 s into an attempt; a miss is tried again, a few times.
    for (int attempt = 1; attempt <= 4 && !log.contains(passed); ++attempt) {
        ASSERT_TRUE(drive::WaitUntil([&] { return log.count(begun) >= attempt; }, 10'000));
        drive::WaitUntil([] { return false; }, 800);
        drive::Named<QPushButton>(window, "cmdParry")->click();
        drive::WaitUntil([&] { return log.contains(passed) || log.count(begun) > attempt; },
                         10'000);
    }
    qInstallMessageHandler(before);
    QLoggingCategory::setFilterRules(QString());
    schoolLog = nullptr;
    ASSERT_TRUE(log.contains(passed));
    hint = drive::Named<QLabel>(window, "lblLessonHint");
    EXPECT_NE(hint->text(), passedFirst) << "the last lesson's pass reads as any other's";
    Press(window, Qt::Key_Return);
    drive::WaitUntil([] { return false; }, 200);
    EXPECT_TRUE(LessonTitle(window)->text().contains(Title(last)));
    Press(window, Qt::Key_Escape);
    EXPECT_TRUE(drive::WaitUntil([&] { return LessonTitle(window) == nullptr; }, 2000));
    EXPECT_FALSE(window.Watching());
}

TEST(SchoolWindow, AReplayTakenOverIsFencedThroughAPhraseAndLeft) {
    QTemporaryDir dir;
    const std::vector<std::uint8_t> file = Demonstration();
    game::Replay replay;
    ASSERT_EQ(game::DecodeReplay(file, replay), game::ReplayError::None);
    // Some way into the first phrase, where the fencers move.
    std::int64_t fence = -1;
    for (const auto& entry : replay.entries)
        if (const auto* event = std::get_if<game::BoutEvent>(&entry.what))
            if (const auto* call = std::get_if<game::CallMade>(event);
                call && call->call.call == game::Call::Fence && fence < 0)
                fence = entry.ms;
    ASSERT_GE(fence, 0);

    app::MainWindow window;
    QStringList warned;
    window.SetOnWarning([&](const QString& text) { warned << text; });
    window.show();
    ASSERT_TRUE(window.WatchReplay(Write(dir, file)));
    Press(window, Qt::Key_F3);
    Press(window, Qt::Key_Home);
    for (std::int64_t at = 0; at < fence + 1500; at += 1000)
        Press(window, Qt::Key_Right);
    drive::Named<QPushButton>(window, "cmdReplayTakeOver")->click();
    ASSERT_TRUE(drive::WaitUntil([&] { return LessonTitle(window) != nullptr; }, 2000));
    EXPECT_TRUE(warned.isEmpty()) << warned.join(QLatin1Char(' ')).toStdString();
    EXPECT_FALSE(window.Watching());
    // The player fences on until the referee halts the phrase.
    auto* call = drive::Named<QLabel>(window, "lblEngarde");
    const QString halt = QCoreApplication::translate("Referee", "Halt");
    bool halted = false;
    for (int i = 0; i < 60 && !halted; ++i) {
        drive::Named<QPushButton>(window, i % 3 == 2 ? "cmdLunge" : "cmdAdvance")->click();
        halted = drive::WaitUntil([&] { return call->text() == halt; }, 300);
    }
    EXPECT_TRUE(halted);
    Press(window, Qt::Key_Escape);
    EXPECT_TRUE(drive::WaitUntil([&] { return LessonTitle(window) == nullptr; }, 2000));

    // A replay of pictures only says plainly why it cannot be taken over, and plays on.
    ASSERT_TRUE(window.WatchReplay(Write(dir, game::EncodeReplay(replay))));
    Press(window, Qt::Key_T);
    drive::WaitUntil([] { return false; }, 100);
    EXPECT_EQ(warned.size(), 1);
    EXPECT_TRUE(window.Watching());
    EXPECT_EQ(LessonTitle(window), nullptr);
}

// Every lesson's task with the keys, every hint at its longest and every reach fit the strip,
// in each language.
using SchoolInLanguage = drive::InEachLanguage;
INSTANTIATE_IN_EACH_LANGUAGE(SchoolInLanguage);

TEST_P(SchoolInLanguage, EveryTextFitsTheStrip) {
    // In keyboard control the task names each of the player's keys, once.
    drive::Settings().setValue(QStringLiteral("Control"), 0);
    app::MainWindow window;
    window.show();
    const std::u32string keys = window.Game().Options().keysRight;
    auto fits = [](QLabel* label) {
        const int flags =
            static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return label->rect().contains(
            label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text()));
    };
    for (int lesson = 0; lesson < game::school::kLessonCount; ++lesson) {
        window.Practise(lesson);
        ASSERT_TRUE(drive::WaitUntil(
            [&] {
                return LessonTitle(window) && LessonTitle(window)->text().contains(Title(lesson));
            },
            2000));
        const QString task = drive::Named<QLabel>(window, "lblLessonTask")->text();
        for (char32_t key : keys)
            EXPECT_EQ(task.count(QLatin1Char('[') + QString::fromUcs4(&key, 1).toUpper() +
                                 QLatin1Char(']')),
                      1)
                << task.toStdString();
        for (const char* name : {"lblLessonTitle", "lblLessonTask", "lblLessonReach"}) {
            auto* label = drive::Named<QLabel>(window, name);
            EXPECT_TRUE(fits(label)) << label->text().toStdString();
        }
    }
    auto* hint = drive::Named<QLabel>(window, "lblLessonHint");
    for (int h = 0; h <= static_cast<int>(game::school::Hint::FlecheLanded); ++h) {
        hint->setText(app::HintText(static_cast<game::school::Hint>(h), 12));
        EXPECT_TRUE(fits(hint)) << hint->text().toStdString();
    }
}

// Only the open lessons can be begun, by Begin or by activating one; closing begins none.
TEST(SchoolWindow, OnlyOpenLessonsCanBeBegun) {
    const game::school::Passed passed = 0b1;
    drive::ExpectDialogs expected;
    auto answer = [](const char* button, int row) {
        QTimer::singleShot(0, [button, row] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            auto* list = drive::Named<QListWidget>(*dialog, "lstLessons");
            if (row >= 0) list->setCurrentRow(row);
            if (button)
                drive::Named<QPushButton>(*dialog, button)->click();
            else
                emit list->itemActivated(list->currentItem());
            // A choice not taken leaves the dialog open: close it.
            if (dialog->isVisible()) dialog->reject();
        });
    };
    answer("cmdClose", 0);
    EXPECT_EQ(dialogs::AskLesson(nullptr, passed), std::nullopt);
    answer("cmdBegin", -1);
    EXPECT_EQ(dialogs::AskLesson(nullptr, passed), 1) << "the first open lesson not yet passed";
    answer(nullptr, 0);
    EXPECT_EQ(dialogs::AskLesson(nullptr, passed), 0);
    for (int row = 2; row < game::school::kLessonCount; ++row) {
        answer("cmdBegin", row);
        EXPECT_EQ(dialogs::AskLesson(nullptr, passed), std::nullopt) << row;
    }
}
