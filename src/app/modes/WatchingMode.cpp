// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/modes/WatchingMode.h"

#include "app/MainWindow.h"

#include <QFile>
#include <QKeyEvent>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <span>

namespace pistework::app {

namespace {

QString ReplayProblem(game::ReplayError error) {
    switch (error) {
    case game::ReplayError::TooLarge:
        return MainWindow::tr("It is larger than any replay.");
    case game::ReplayError::NotAReplay:
        return MainWindow::tr("It is not a Pistework replay.");
    case game::ReplayError::NewerVersion:
        return MainWindow::tr("It was saved by a newer Pistework.");
    case game::ReplayError::OtherRules:
        return MainWindow::tr("It was saved by a Pistework that fences by other rules.");
    case game::ReplayError::Truncated:
        return MainWindow::tr("It ends too soon: it may not have been copied whole.");
    case game::ReplayError::Damaged:
    case game::ReplayError::None:
        break;
    }
    return MainWindow::tr("It is damaged.");
}

// The bytes of a replay at `path`, at most one byte more than any replay; none when it cannot
// be read. Only a regular file is read: a FIFO or a device would hang the game or never end.
// Opened without blocking and looked at once open, so nothing can be swapped in between.
std::optional<QByteArray> ReadReplayFile(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat about {};
    std::optional<QByteArray> bytes;
    if (::fstat(fd, &about) == 0 && S_ISREG(about.st_mode)) {
        QByteArray read(static_cast<qsizetype>(game::kMaxReplayFileBytes) + 1, Qt::Uninitialized);
        qsizetype got = 0;
        ssize_t n = 0;
        while (got < read.size() &&
               (n = ::read(fd, read.data() + got, static_cast<std::size_t>(read.size() - got))) > 0)
            got += n;
        if (n >= 0) bytes = read.left(got);
    }
    ::close(fd);
    return bytes;
}

} // namespace

std::unique_ptr<WatchingMode> WatchingMode::Open(MainWindow& window, const QByteArray& path) {
    // Only shown: a name in bytes that are not the locale's still opens.
    const QString fileName = QFile::decodeName(path);
    const std::optional<QByteArray> bytes = ReadReplayFile(path);
    if (!bytes) {
        window.Warn(MainWindow::tr("The replay %1 could not be opened.").arg(fileName));
        return nullptr;
    }
    auto replay = std::make_unique<game::Replay>();
    const game::ReplayError error =
        game::DecodeReplay(std::span(reinterpret_cast<const std::uint8_t*>(bytes->constData()),
                                     static_cast<std::size_t>(bytes->size())),
                           *replay);
    if (error != game::ReplayError::None) {
        window.Warn(MainWindow::tr("The replay %1 cannot be shown.\n\n%2")
                        .arg(fileName, ReplayProblem(error)));
        return nullptr;
    }
    qCDebug(lcMenu).noquote() << "replay" << fileName;
    return std::make_unique<WatchingMode>(window, std::move(replay));
}

WatchingMode::WatchingMode(MainWindow& window, std::unique_ptr<game::Replay> watched)
    : WindowMode(window), hold(window.Game()), replay(std::move(watched)),
      player(*replay, window.Timers(), window.Clock()) {
    strip = std::make_unique<ReplayStrip>(&window, *replay,
                                          ReplayStrip::Actions{[this] {
                                                                   player.TogglePause();
                                                                   this->window.ShowMode();
                                                               },
                                                               [this](int quarters) {
                                                                   player.SetSpeed(quarters);
                                                                   this->window.ShowMode();
                                                               },
                                                               [this](std::int64_t ms) {
                                                                   player.Seek(ms);
                                                                   Redraw();
                                                               },
                                                               [this] { TakeOver(); }});
    window.ShowStrip(strip.get());
    player.SetOnPicture([this](const game::ReplayPicture& picture) {
        shown = picture;
        Redraw();
    });
    player.Start();
}

WatchingMode::~WatchingMode() {
    window.DropStrip(strip.get());
    strip.reset();
    qCDebug(lcMenu).noquote() << "replay ended";
}

void WatchingMode::SeekRuling(int direction) {
    const std::int64_t at = player.Position();
    const auto& rulings = strip->Rulings();
    if (direction > 0) {
        const auto after = std::find_if(rulings.begin(), rulings.end(),
                                        [at](const ReplayRuling& r) { return r.haltMs > at; });
        if (after != rulings.end()) player.Seek(after->haltMs);
    } else {
        // A second's grace, so PageUp while a ruling's reason is read goes to the one before.
        const auto before =
            std::find_if(rulings.rbegin(), rulings.rend(),
                         [at](const ReplayRuling& r) { return r.haltMs + 1000 < at; });
        player.Seek(before != rulings.rend() ? before->haltMs : 0);
    }
}

void WatchingMode::TakeOver() {
    const std::optional<game::Bout> bout = game::BoutAt(*replay, player.Position());
    if (!bout) {
        window.Warn(MainWindow::tr("This replay cannot be taken over: it was saved by an earlier "
                                   "Pistework, which kept only its pictures, not the bout."));
        return;
    }
    if (!bout->Running()) {
        window.Warn(MainWindow::tr("The bout is over at this moment: go back to where it is "
                                   "still fenced to take it over."));
        return;
    }
    qCDebug(lcMenu).noquote() << "replay taken over at" << player.Position() << "ms";
    window.Practise(*bout);
}

WindowMode::Outcome WatchingMode::Key(const QKeyEvent& key) {
    const std::int64_t at = player.Position();
    switch (key.key()) {
    case Qt::Key_Escape:
    case Qt::Key_F2:
        return Outcome::Leave;
    case Qt::Key_F3:
        player.TogglePause();
        break;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_4:
        player.SetSpeed((key.key() - Qt::Key_0) * game::kNormalSpeed);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        player.Seek(at + (key.key() == Qt::Key_Left ? -1000 : 1000));
        break;
    case Qt::Key_Comma:
    case Qt::Key_Period:
        player.Step(key.key() == Qt::Key_Comma ? -1 : 1);
        break;
    case Qt::Key_Home:
    case Qt::Key_End:
        player.Seek(key.key() == Qt::Key_Home ? 0 : player.Length());
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        SeekRuling(key.key() == Qt::Key_PageUp ? -1 : 1);
        break;
    case Qt::Key_D:
        distance.Toggle();
        break;
    case Qt::Key_C:
        strip->ToggleChart();
        break;
    case Qt::Key_T:
        TakeOver();
        return Outcome::Taken;
    default:
        // No fencer's key reaches the held game.
        return !key.text().isEmpty() && key.text().at(0).isPrint() ? Outcome::Taken
                                                                   : Outcome::Passed;
    }
    Redraw();
    return Outcome::Taken;
}

WindowMode::Outcome WatchingMode::Choose(layout::MenuCommand command) {
    switch (command) {
    case layout::MenuCommand::NewGame:
        return Outcome::Leave;
    case layout::MenuCommand::PauseOrResume:
        player.TogglePause();
        break;
    case layout::MenuCommand::ShowDistance:
        distance.Toggle();
        break;
    default:
        return Outcome::Passed;
    }
    Redraw();
    return Outcome::Taken;
}

void WatchingMode::Redraw() {
    game::BoutView view = shown.Over(window.Game().View());
    view.menu.paused = player.Paused();
    // The call area shows the replay's own calls, not why the game's network bout ended.
    view.networkEnded.reset();
    window.DrawBoard(view);
    strip->Show(player.Position(), shown, player.Paused(), player.Speed(), player.Ended());
    distance.Show(shown);
}

QString WatchingMode::Title() const {
    return player.Paused() ? MainWindow::tr("Replay, paused") : MainWindow::tr("Replay");
}

} // namespace pistework::app
