// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: builds its widgets and menus from the layout tables, keeps exactly one mode
// (playing, watching a replay, hosting or joining a network bout), hands the player's input to
// it, draws what it shows, and opens the window's own dialogs.

#include "app/BoutBoard.h"
#include "app/KeptBoutFolder.h"
#include "app/Layout.h"
#include "app/QtServices.h"
#include "app/SettingsStore.h"
#include "app/WindowFrame.h"
#include "app/WindowMenu.h"
#include "app/modes/WindowMode.h"
#include "game/Game.h"
#include "game/network/GuessLedger.h"

#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>

class QMessageBox;

namespace pistework {
class NetService;
} // namespace pistework

namespace pistework::app {

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
    // Closes as the close box would, but asks nothing and answers the question about leaving a
    // network bout, if open, with Leave: at the end of a session, or a kill, nobody answers.
    void EndNow();
    game::Game& Game() { return *game; }
    QWidget* Client() const { return client; }

    // Plays the .pistework file at `path` (its name as the system has it) in the window, the
    // game held meanwhile; a bad file is said once, plainly, and the game goes on. False for
    // a bad file.
    bool WatchReplay(const QByteArray& path);
    // Writes the last bout fenced; false, said plainly, when it could not be written.
    bool SaveReplay(const QString& fileName);
    // Plays the last bout fenced here, a network bout too; false with none kept.
    bool WatchLastBout();
    // The list of kept bouts, play held; a bout chosen to watch plays once it closes.
    void OpenBouts();
    // The name "Save Replay…" offers: the date and the last bout's score.
    QString SuggestedReplayName() const;
    // A strip under the board while a replay is watched; dropping the one shown puts the
    // window back as it was. A replay that follows another shows its strip before the one
    // before it is dropped, which then leaves the new one in place.
    void ShowStrip(QWidget* shown) { frame.ShowStrip(shown); }
    void DropStrip(const QWidget* gone) { frame.DropStrip(gone); }
    void CheckMenu(layout::MenuCommand command, bool on) { menu->Check(command, on); }
    bool Watching() const { return mode->Kind() == layout::Mode::Watching; }
    // Opens the host's dialog, listening on `port` with `code`: a network bout begins when a
    // guest joins with the code, and the dialog closes.
    void HostNetworkBout(quint16 port, int code);
    // Opens the join dialog at `address` with `code`; with `now`, it connects at once. A
    // watcher knocks the same way, to watch.
    void JoinNetworkBout(const QString& address, int code, bool now, bool watch = false);
    // From the welcome to the end of a network bout, on either side.
    bool InNetworkBout() const;
    // The fencing school's list, play held; the lesson chosen begins on the piste.
    void OpenSchool();
    // The lesson at `index` of the school, or a bout taken over where it stands, once the mode
    // that asks has returned.
    void Practise(int index);
    void Practise(const game::Bout& from);

    // --- What the modes use of the window.
    platform::Store& Store() { return store; }
    platform::TimerSource& Timers() { return timers; }
    const platform::Clock& Clock() const { return clock; }
    platform::MediaPlayer& Sound() { return sound; }
    // A view on the piste that is not the game's own: a replay's, or the host's.
    void DrawBoard(const game::BoutView& view) { board.Draw(view); }
    // The mode's title, menu and picture, after it has changed what they show.
    void ShowMode();
    // The menu's items as the mode and the last bout kept allow them.
    void AllowMenu();
    // Back to playing once `from`, if it is still the mode, has returned from the handler that
    // ended it.
    void ReturnToPlaying(const WindowMode* from);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    using MenuCommand = layout::MenuCommand;

    // Leaves the mode, which is destroyed, for `next`.
    void Enter(std::unique_ptr<WindowMode> next);
    // Enters the mode `make` makes once the handler that asks has returned, unless another mode
    // came meanwhile.
    void EnterLater(std::function<std::unique_ptr<WindowMode>()> make);
    void Play();
    void WaitInModeDialog(const std::function<bool()>& wait);
    void Choose(MenuCommand command);
    // The items that open a window of the shell's own, or leave it.
    void ChooseInWindow(MenuCommand command);
    void Draw(const game::BoutView& view);
    // Full screen, or back in the window, with the menu's mark to match.
    void SetFullScreen(bool on);
    // The network library, when the player is playing; said plainly when it cannot load.
    NetService* NetworkLibrary();
    // Whether the player, asked, leaves a bout with another player that is under way: true
    // with none under way.
    bool MayLeave();

    BoutBoard board;
    QWidget* client = nullptr;
    std::unique_ptr<WindowMenu> menu;
    QtTimerSource timers{this};
    QtMediaPlayer sound{this};
    SettingsStore store;
    KeptBoutFolder bouts{KeptBoutFolder::DefaultFolder()};
    QtClock clock;
    QtLauncher launcher;
    std::unique_ptr<game::Game> game;
    // Wrong pairing codes counted across every hosting, so hosting again gives no fresh tries.
    game::GuessLedger guesses;
    // After the game, which every mode works on; never none once the window is built.
    std::unique_ptr<WindowMode> mode;
    std::uint64_t modesEntered = 0;
    WindowFrame frame{*this};
    bool optionsSaved = false;
    // A mode waits in its dialog's own loop; a close meanwhile is put off until it returns.
    bool inModeDialog = false, closeAfterDialog = false;
    bool ending = false;
    QPointer<QMessageBox> leaving;
    bool storeChecked = false;
    std::function<void(const QString&)> warn;
};

} // namespace pistework::app
