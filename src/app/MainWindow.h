// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: builds its widgets from the layout table, forwards the player's input to
// the game as typed commands, draws each new bout view, and owns the dialogs.

#include "app/BoutBoard.h"
#include "app/Layout.h"
#include "app/NetTransport.h"
#include "app/QtServices.h"
#include "app/SettingsStore.h"
#include "game/Game.h"
#include "game/NetworkBout.h"
#include "game/NetworkDoor.h"
#include "platform/Random.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QGraphicsView;
class QLineEdit;
class QPushButton;

namespace pistework::dialogs {
class HostDialog;
class JoinDialog;
} // namespace pistework::dialogs

namespace pistework::app {

inline constexpr int kClientWidth = 498;
inline constexpr int kClientHeight = 270;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Stores the options once, when the window closes by any way or is destroyed; tells the
    // player once, plainly, when the store would not take them.
    void SaveOptions();
    // Tells the player something once, plainly.
    void Warn(const QString& text);
    // How the player is told; a message box unless a test listens instead.
    void SetOnWarning(std::function<void(const QString&)> sink) { warn = std::move(sink); }
    game::Game& Game() { return *game; }
    // Plays the .pistework file at `path` (its name as the system has it) in the window, the
    // game held meanwhile; a bad file is said once, plainly, and the game goes on. False for
    // a bad file.
    bool WatchReplay(const QByteArray& path);
    // Writes the last bout fenced; false, said plainly, when it could not be written.
    bool SaveReplay(const QString& fileName);
    bool Watching() const { return player != nullptr; }
    // Opens the host's dialog, listening on `port` with `code`: a network bout begins when a
    // guest joins with the code, and the dialog closes.
    void HostNetworkBout(quint16 port, int code);
    // Opens the join dialog at `address` with `code`; with `now`, it connects at once.
    void JoinNetworkBout(const QString& address, int code, bool now);
    // From the welcome to the end of a network bout, on either side.
    bool InNetworkBout() const { return (door && door->Begun()) || Guesting(); }
    QWidget* Client() const { return client; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    using MenuCommand = layout::MenuCommand;

    QWidget* NewControl(const layout::ControlEntry& entry);
    void BuildControls();
    void PlaceScores();
    void BuildMenu();
    void Choose(MenuCommand command);
    bool ChooseInWindow(MenuCommand command);
    void ChooseInGame(MenuCommand command);
    void Draw(const game::BoutView& view);
    // Every mark as the options have it, also after Qt has toggled one on its own.
    void DrawMenu(const game::MenuView& menu);
    // The whole board scaled by the largest whole factor the screen holds, or back in the
    // window at its own size.
    void SetFullScreen(bool on);
    // Each command button's tooltip names the right player's key for it.
    void ShowKeysOnButtons();
    // Esc or F2 ends a replay; F3 pauses it; 1, 2 and 4 set its speed. False for other keys.
    bool ReplayKey(int key);
    void StopWatching();
    void DrawReplay(const game::ReplayPicture& picture);
    void ShowReplayTitle();
    // A network bout's parts: the host's door, or the guest's connection and end of the link.
    struct NetworkParts {
        std::unique_ptr<game::NetworkDoor> door;
        std::unique_ptr<NetConnection> connection;
        std::unique_ptr<game::NetworkGuest> guest;
    };
    // Let go once the handler that reports their end has returned.
    void Discard(NetworkParts parts);
    NetService* NetworkLibrary();
    bool Guesting() const { return guest && guest->Begun() && !guest->Link().Ended(); }
    void Greet(std::unique_ptr<NetConnection> connection);
    void Knock(std::unique_ptr<NetConnection> connection, int code);
    void NetworkBegun();
    void NetworkEnded(game::NetworkEnding why, bool begun);
    void LeaveNetworkBout();
    void DrawGuest(const game::net::Picture& picture);
    // Only what a network bout leaves to each player: leaving it, pausing, sound, the control
    // of its own fencer, the window.
    void SetNetworkMenu(bool on);
    // The player's own fencer's command, to the game or, as a guest, to the host.
    void OwnCommand(game::FencerCommand command);

    BoutBoard board;
    QWidget* client = nullptr;
    std::map<MenuCommand, QAction*> actions;
    std::map<QAction*, bool> loggedMarks;
    std::optional<game::MenuView> drawnMenu;
    QtTimerSource timers{this};
    QtMediaPlayer sound{this};
    SettingsStore store;
    QtClock clock;
    platform::LcgRandom random;
    QtLauncher launcher;
    std::unique_ptr<game::Game> game;
    // The replay watched and its player, none while the game shows.
    std::unique_ptr<game::Replay> watched;
    std::unique_ptr<game::ReplayPlayer> player;
    game::ReplayPicture replayShown;
    std::unique_ptr<game::NetworkDoor> door;   // while hosting, and through the bout
    std::unique_ptr<NetConnection> connection; // the guest's
    std::unique_ptr<game::NetworkGuest> guest;
    QPointer<dialogs::HostDialog> hostDialog;
    QPointer<dialogs::JoinDialog> joinDialog;
    QGraphicsView* stage = nullptr; // shows the board in full screen; none in the window
    bool centred = false;
    bool optionsSaved = false;
    bool storeChecked = false;
    std::function<void(const QString&)> warn;
};

} // namespace pistework::app
