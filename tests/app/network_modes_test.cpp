// SPDX-License-Identifier: GPL-3.0-or-later
// Two windows fence a network bout over this machine's loopback, through the window's own
// network library: in the bout a player's keys and pad drive its own fencer and nothing at
// home, F3 pauses both, New Game leaves; afterwards each player's keys fence their own game.

#include "Dialogs.h"
#include "WindowDriver.h"
#include "app/NetTransport.h"
#include "app/PadInput.h"
#include "app/modes/NetworkModes.h"
#include "common/CallTexts.h"
#include "game/network/Network.h"
#include "game/network/NetworkFencing.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <SDL.h>

#include <gtest/gtest.h>

using namespace pistework;
using drive::Named;
using game::Action;
using game::Side;

namespace {

bool WaitFor(const std::function<bool()>& done, int milliseconds = 5000) {
    for (QDeadlineTimer deadline(milliseconds); !done() && !deadline.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// How many commands this program has sent a peer, as its log says.
int sent = 0;
void CountSends(QtMsgType, const QMessageLogContext& context, const QString& text) {
    if (QLatin1String(context.category) == QLatin1String("pistework.network") &&
        text.startsWith(QLatin1String("network send")))
        ++sent;
}

struct Player {
    Player() {
        window.show();
        Named<QAction>(window, "mnuKeyboard")->trigger();
    }
    bool Shows(const char* label) { return Named<QLabel>(window, label)->isVisible(); }
    // The player's own fencer at home, which a key moves from standing.
    Action OwnFencer() {
        return game::GameProbe(window.Game()).FencerOn(Side::Right).State().requestedAction;
    }
    void TypeAdvance() { drive::Press(window.Client(), Key()); }
    QString Key() {
        return QString::fromStdU32String(window.Game().CurrentKeys().right.substr(0, 1));
    }
    app::MainWindow window;
};

// Hosts on a free port; the guest joins from within the host's dialog, as it waits.
bool Begin(Player& host, Player& guest) {
    drive::ExpectDialogs answered;
    constexpr int kCode = 424'242;
    QTimer::singleShot(0, &host.window, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        auto* port = dialog ? dialog->findChild<QLabel*>(QStringLiteral("lblPort")) : nullptr;
        if (!port) return dialog ? dialog->reject() : void();
        guest.window.JoinNetworkBout(QStringLiteral("127.0.0.1:") + port->text(), kCode, true);
    });
    // Fails rather than hangs should either never begin.
    QTimer stuck;
    bool tooLong = false;
    stuck.setSingleShot(true);
    stuck.callOnTimeout([&tooLong] {
        tooLong = true;
        while (QWidget* open = QApplication::activeModalWidget())
            open->close();
    });
    stuck.start(10'000);
    host.window.HostNetworkBout(0, kCode);
    EXPECT_FALSE(tooLong) << "a dialog stayed open after the bout began";
    return host.window.InNetworkBout() && guest.window.InNetworkBout();
}

// Answers the window's question before it leaves a bout under way; whether it was asked.
struct Answer {
    explicit Answer(QMessageBox::StandardButton given) {
        QTimer::singleShot(0, [this, given] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            asked = box && box->objectName() == QLatin1String("msgLeaveNetworkBout");
            if (box) box->button(given)->click();
        });
    }
    drive::ExpectDialogs answered;
    bool asked = false;
};

} // namespace

TEST(NetworkModes, EachPlayerFencesTheSharedBoutThenTheirOwnGame) {
    QLoggingCategory::setFilterRules(QStringLiteral("pistework.network.debug=true"));
    const QtMessageHandler before = qInstallMessageHandler(CountSends);
    Player host, guest;
    ASSERT_TRUE(Begin(host, guest));

    for (Player* p : {&host, &guest}) {
        SCOPED_TRACE(p == &host ? "host" : "guest");
        // A key goes to the bout, not to the game at home.
        const int was = sent;
        p->TypeAdvance();
        EXPECT_EQ(sent, was + 1);
        EXPECT_EQ(p->OwnFencer(), Action::Stand);
    }

    // The player's first pad drives its own fencer in the bout, as at home.
    app::PadInput* pads = nullptr;
    for (QObject* child : guest.window.children())
        if (auto* found = dynamic_cast<app::PadInput*>(child)) pads = found;
    ASSERT_TRUE(pads);
    pads->Wake();
    ASSERT_TRUE(pads->Loaded()) << "the pad library did not load";
    SDL_Joystick* pad = SDL_JoystickOpen(SDL_JoystickAttachVirtual(
        SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0));
    pads->Poll();
    const int was = sent;
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, SDL_PRESSED);
    pads->Poll();
    EXPECT_GT(sent, was) << "the pad moved nothing in the bout";
    EXPECT_EQ(guest.OwnFencer(), Action::Stand);
    const SDL_JoystickID id = SDL_JoystickInstanceID(pad);
    SDL_JoystickClose(pad);
    for (int index = 0; index < SDL_NumJoysticks(); ++index)
        if (SDL_JoystickGetDeviceInstanceID(index) == id) SDL_JoystickDetachVirtual(index);
    pads->Poll();

    // F3 on either side pauses the bout for both, and resumes it.
    const auto pausedOnBoth = [&](bool paused) {
        return WaitFor([&] {
            return host.Shows("lblPaused") == paused && guest.Shows("lblPaused") == paused;
        });
    };
    // A press within the same moment as the one before repeats it, so each waits that out.
    const auto press = [](Player& p) {
        WaitFor([] { return false; }, static_cast<int>(game::NetworkFencing::kSameMomentMs) * 2);
        Named<QAction>(p.window, "mnuFilePauseGame")->trigger();
    };
    for (Player* p : {&host, &guest}) {
        press(*p);
        EXPECT_TRUE(pausedOnBoth(true));
        press(*p);
        EXPECT_TRUE(pausedOnBoth(false));
        EXPECT_FALSE(p->Shows("lblStart")) << "the start prompt over a network bout";
    }

    // New Game on either side leaves the bout; the other is told, both windows go back to
    // their own games, and there the keys fence.
    for (Player* leaver : {&guest, &host}) {
        Player& stayer = leaver == &host ? guest : host;
        SCOPED_TRACE(leaver == &host ? "the host leaves" : "the guest leaves");
        if (leaver == &host) {
            ASSERT_TRUE(Begin(host, guest));
        }
        Answer yes(QMessageBox::Yes); // asked first, the player leaves
        Named<QAction>(leaver->window, "mnuFileNewGame")->trigger();
        ASSERT_TRUE(WaitFor([&] {
            return !host.window.InNetworkBout() && !guest.window.InNetworkBout() &&
                   host.window.windowTitle() == guest.window.windowTitle();
        }));
        EXPECT_EQ(Named<QLabel>(stayer.window, "lblEngarde")->text(),
                  TranslatedNetworkEnding(game::NetworkEnding::PeerLeft));
        EXPECT_EQ(Named<QLabel>(leaver->window, "lblEngarde")->text(),
                  TranslatedNetworkEnding(game::NetworkEnding::Left));
        for (Player* p : {&host, &guest}) {
            ASSERT_TRUE(WaitFor(
                [&] {
                    p->TypeAdvance();
                    return p->OwnFencer() != Action::Stand;
                },
                1000))
                << "the keys fence nothing at home after the network bout";
            game::GameProbe(p->window.Game()).FencerOn(Side::Right).StandOnGuard();
        }
    }
    qInstallMessageHandler(before);
}

// Each network item of the menu opens its dialog with nothing said yet and no code given.
TEST(NetworkModes, TheNetworkDialogsOpenClean) {
    drive::ExpectDialogs answered;
    app::MainWindow window;
    window.show();
    for (const char* item :
         {"mnuFileHostNetworkBout", "mnuFileJoinNetworkBout", "mnuFileWatchNetworkBout"}) {
        SCOPED_TRACE(item);
        QString title, status, code;
        bool answered = false;
        QTimer::singleShot(0, &window, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            answered = true;
            title = dialog->windowTitle();
            auto* said = dialog->findChild<QLabel*>(QStringLiteral("lblStatus"));
            status = said && !said->isHidden() ? said->text() : QString();
            if (auto* given = dialog->findChild<QLineEdit*>(QStringLiteral("txtCode")))
                code = given->text();
            dialog->reject();
        });
        QAction* action = Named<QAction>(window, item);
        action->trigger();
        EXPECT_TRUE(answered);
        // The dialog is titled as its menu item, without the accelerator and the dots.
        EXPECT_EQ(title, QString(action->text()).remove(QLatin1Char('&')).remove(QChar(0x2026)));
        EXPECT_TRUE(status.isEmpty()) << status.toStdString();
        EXPECT_TRUE(code.isEmpty()) << code.toStdString();
        EXPECT_FALSE(window.InNetworkBout());
    }
}

// The host's dialog tells its player why a guest could not join, and goes on waiting.
TEST(NetworkModes, TheHostIsToldWhyAGuestCouldNotJoin) {
    drive::ExpectDialogs answered;
    QString error;
    NetService* net = app::Network(error);
    ASSERT_TRUE(net) << error.toStdString();
    constexpr int kCode = 135'790;
    std::unique_ptr<NetConnection> knocking;
    QString said;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        auto* port = dialog ? dialog->findChild<QLabel*>(QStringLiteral("lblPort")) : nullptr;
        if (!port) return dialog ? dialog->reject() : void();
        knocking = net->Connect(
            QStringLiteral("127.0.0.1"), port->text().toUShort(),
            [&] {
                knocking->Send(game::net::FrameWriter().Frame(
                    game::net::Hello{game::net::kVersion, kCode + 1}));
            },
            [](const QString&) {});
        auto* status = dialog->findChild<QLabel*>(QStringLiteral("lblStatus"));
        WaitFor([&] { return !status->isHidden(); });
        said = status->text();
        dialog->reject();
    });
    app::MainWindow window;
    window.show();
    window.HostNetworkBout(0, kCode);
    EXPECT_TRUE(said.contains(TranslatedNetworkEnding(game::NetworkEnding::WrongCode)
                                  .replace(QLatin1Char('\n'), QLatin1Char(' '))))
        << said.toStdString();
    EXPECT_TRUE(said.endsWith(QLatin1Char('.'))) << said.toStdString();
    knocking.reset();
}

// From Game Over, through a rematch, to the second Game Over (the clock ends each bout): the
// result is read and the bout kept at once; F2 asks, the other sees it and accepts with F2; leaving
// a bout under way (F2, closing) is asked first, and "no" fences on.
TEST(NetworkModes, AfterGameOverARematchFollowsOnTheSameLink) {
    Player host, guest;
    host.window.Game().Choose({game::Verb::SetTarget, 1});
    ASSERT_TRUE(Begin(host, guest));
    const auto text = [](Player& p, const char* name) {
        return Named<QLabel>(p.window, name)->text();
    };
    const QString gameOver = TranslatedCallText({game::Call::GameOver, Side::Left});
    // The strip says what the piste shows; once over, the bout may be saved or watched.
    const auto says = [&](Player& p, Side own, game::Asked asked = {}) {
        std::optional<game::BoutOver> over;
        const int left = text(p, "lblScore0").toInt(), right = text(p, "lblScore1").toInt();
        if (text(p, "lblEngarde") == gameOver)
            over = game::BoutOver{left == right
                                      ? std::nullopt
                                      : std::optional(left > right ? Side::Left : Side::Right),
                                  {left, right}};
        for (const char* item : {"mnuFileSaveReplay", "mnuFileWatchLastBout"})
            if (Named<QAction>(p.window, item)->isEnabled() != over.has_value()) return false;
        return text(p, "lblNetworkNews") == app::NewsText({own, {}, over, asked});
    };
    for (int bout = 1; bout <= 2; ++bout) {
        SCOPED_TRACE(bout);
        ASSERT_TRUE(WaitFor([&] { return says(host, Side::Right) && says(guest, Side::Left); }));
        for (const bool closing : {false, true}) {
            Answer no(QMessageBox::No);
            if (closing)
                guest.window.close();
            else
                Named<QAction>(guest.window, "mnuFileNewGame")->trigger();
            EXPECT_TRUE(no.asked && guest.window.isVisible() && guest.window.InNetworkBout());
        }
        ASSERT_TRUE(WaitFor(
            [&] {
                return text(host, "lblEngarde") == gameOver &&
                       text(guest, "lblEngarde") == gameOver && says(host, Side::Right) &&
                       says(guest, Side::Left);
            },
            30'000))
            << text(host, "lblNetworkNews").toStdString();
        if (bout == 2) break;
        Named<QAction>(host.window, "mnuFileNewGame")->trigger();
        EXPECT_TRUE(WaitFor([&] {
            return says(guest, Side::Left, {false, true}) && says(host, Side::Right, {true, false});
        }));
        Named<QAction>(guest.window, "mnuFileNewGame")->trigger();
    }
    // Leaving after the end is not asked, and the host is told the bout is over.
    guest.window.close();
    EXPECT_TRUE(WaitFor([&] { return !host.window.InNetworkBout(); }));
    EXPECT_EQ(text(host, "lblEngarde"),
              TranslatedNetworkEnding(game::NetworkEnding::PeerLeftAfterBout));
}
