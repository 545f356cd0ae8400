// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "app/Accessibility.h"
#include "app/NetTransport.h"
#include "app/PadInput.h"
#include "app/ReplayFiles.h"
#include "app/modes/NetworkModes.h"
#include "app/modes/PractisingMode.h"
#include "app/modes/WatchingMode.h"

#include "dialogs/AboutDialog.h"
#include "dialogs/BestResultsDialog.h"
#include "dialogs/BoutsDialog.h"
#include "dialogs/CustomLevelDialog.h"
#include "dialogs/HandbookDialog.h"
#include "dialogs/HelpDialog.h"
#include "dialogs/KeysDialog.h"
#include "dialogs/NetworkDialogs.h"
#include "dialogs/SchoolDialog.h"
#include "dialogs/Style.h"
#include "dialogs/VictoryDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

namespace pistework::app {

using game::Side;
using Outcome = WindowMode::Outcome;

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      store(QStringLiteral("Brackenmoor Fencing Association"), QStringLiteral("Pistework")) {
    setObjectName(QStringLiteral("FormFencer"));
    setWindowTitle(QStringLiteral("B.K.S. Pistework"));
    setFont(dialogs::GameFont(11));
    InstallReadoutAccessibility();

    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    const layout::Rgb green = layout::kWindowGreen;
    palette.setColor(QPalette::Window, QColor(green.r, green.g, green.b));
    client->setPalette(palette);
    setCentralWidget(client);

    board.Build(client, [this](game::FencerCommand command) {
        mode->Fence(game::CommandSource::Buttons, Side::Right, command);
    });
    // In keyboard control the players' keys reach the game from whichever widget has the focus.
    qApp->installEventFilter(this);
    menu = std::make_unique<WindowMenu>(menuBar(), this,
                                        [this](MenuCommand command) { Choose(command); });
    frame.Fit();

    game = std::make_unique<game::Game>(platform::Services{
        .timers = timers, .sound = sound, .store = store, .clock = clock, .bouts = bouts});
    game->SetOnBoutNotKept([this] {
        // Said once the bout's end has been drawn and any winner's name asked.
        QMetaObject::invokeMethod(
            this,
            [this] {
                Warn(tr("This bout could not be kept in\n%1\n\nThe disk may be full. Every "
                        "bout kept before is still there.")
                         .arg(QDir::toNativeSeparators(bouts.Folder())));
            },
            Qt::QueuedConnection);
    });
    game->SetOnView([this](const game::BoutView& view) {
        if (!mode || mode->ShowsGame()) Draw(view);
    });
    game->SetOnNewBest([this](const game::Game::NewBest& best, const game::Game::Record& record) {
        dialogs::VictoryDialog victory(this, best.level, best.holder, record);
        victory.exec();
    });
    game->Start();
    board.ShowKeys(game->CurrentKeys().right);
    Play();
    // Owned by the window: a pad drives a fencer as long as the window is open.
    new PadInput(
        this, [this] { return game->Options().twoPlayer; },
        [this](Side side, game::FencerCommand command) {
            mode->Fence(game::CommandSource::Pad, side, command);
        });
    // Another program took the focus; the game's own dialogs keep it in the application.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive) mode->FocusLost();
            });
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    // What the mode held goes back to the game before the window's parts go.
    std::exchange(mode, nullptr).reset();
    SaveOptions();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (inModeDialog) {
        // Ending the mode now would pull it from under its dialog's loop.
        closeAfterDialog = true;
        event->ignore();
        return mode->StopWaiting();
    }
    if (!MayLeave()) return event->ignore();
    QMainWindow::closeEvent(event);
    if (!event->isAccepted()) return;
    // The other player of a network bout is told plainly, not left to find the connection gone.
    Play();
    SaveOptions();
}

void MainWindow::SaveOptions() {
    if (optionsSaved) return;
    optionsSaved = true;
    if (game->SaveOptions()) return;
    const QString text =
        tr("Your settings could not be saved to\n%1\n\nThe game length, control, "
           "keys and level chosen this time are lost; the settings saved before are "
           "kept as they were.")
            .arg(store.FileName());
    Warn(text);
}

void MainWindow::Enter(std::unique_ptr<WindowMode> next) {
    ++modesEntered;
    // Switched first, so what the old mode gives back on its way out is drawn by the new one.
    std::exchange(mode, std::move(next)).reset();
    ShowMode();
}

void MainWindow::Play() {
    Enter(std::make_unique<PlayingMode>(*this));
}

void MainWindow::EndNow() {
    ending = true;
    // The question's own caller goes on as if Leave were chosen; the window closes after it.
    if (leaving) leaving->done(QMessageBox::Yes);
    QTimer::singleShot(0, this, &QWidget::close);
}

bool MainWindow::MayLeave() {
    if (!mode->Live() || ending) return true;
    QMessageBox ask(QMessageBox::Question, windowTitle(),
                    tr("The network bout is not over. Leave it?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    ask.setObjectName(QStringLiteral("msgLeaveNetworkBout"));
    ask.setDefaultButton(QMessageBox::No);
    ask.button(QMessageBox::Yes)->setText(tr("&Leave"));
    ask.button(QMessageBox::No)->setText(tr("&Fence On"));
    leaving = &ask;
    qCDebug(lcNetwork).noquote() << "msgLeaveNetworkBout asked";
    // The bout goes on meanwhile, and may end by itself: only one still under way is left.
    const bool leave = ask.exec() == QMessageBox::Yes;
    qCDebug(lcNetwork).noquote() << "msgLeaveNetworkBout" << (leave ? "leave" : "stay");
    return leave;
}

void MainWindow::AllowMenu() {
    menu->Allow(mode->Kind(), !game->LastReplay().empty() && mode->OffersLastBout());
}

void MainWindow::ShowMode() {
    setWindowTitle(mode->Title());
    AllowMenu();
    if (mode->ShowsGame())
        Draw(game->View());
    else
        mode->Redraw();
}

void MainWindow::ReturnToPlaying(const WindowMode* from) {
    if (from != mode.get()) return;
    EnterLater([this] { return std::make_unique<PlayingMode>(*this); });
}

void MainWindow::EnterLater(std::function<std::unique_ptr<WindowMode>()> make) {
    QMetaObject::invokeMethod(
        this,
        [this, entered = modesEntered, make = std::move(make)] {
            if (entered == modesEntered) Enter(make());
        },
        Qt::QueuedConnection);
}

void MainWindow::OpenSchool() {
    std::optional<int> chosen;
    game->WhileHeld(
        [this, &chosen] { chosen = dialogs::AskLesson(this, game::school::ReadPassed(store)); });
    if (chosen) Enter(std::make_unique<PractisingMode>(*this, *chosen));
}

void MainWindow::Practise(int index) {
    EnterLater([this, index] { return std::make_unique<PractisingMode>(*this, index); });
}

void MainWindow::Practise(const game::Bout& from) {
    EnterLater([this, from] { return std::make_unique<PractisingMode>(*this, from); });
}

bool MainWindow::InNetworkBout() const {
    return mode->InNetworkBout();
}

void MainWindow::Choose(MenuCommand command) {
    // Asked first; a bout that ended while the player was asked is left as it ended.
    if (command == MenuCommand::NewGame && mode->Live() && (!MayLeave() || !mode->Live())) {
        menu->Redraw(game->View().menu);
        return;
    }
    if (layout::Allows(command, mode->Kind())) {
        const Outcome outcome = mode->Choose(command);
        if (outcome == Outcome::Leave) {
            Play();
        } else if (outcome == Outcome::Passed) {
            if (const auto& choice = layout::Rule(command).choice)
                game->Choose(*choice);
            else
                ChooseInWindow(command);
        }
    }
    // Qt has toggled a checkable item by itself; the marks show the options again.
    menu->Redraw(game->View().menu);
    setWindowTitle(mode->Title());
    // A guest's buttons follow its own control at once, not with the host's next picture.
    if (!mode->ShowsGame()) mode->Redraw();
}

void MainWindow::ChooseInWindow(MenuCommand command) {
    using enum layout::MenuCommand;
    game::Game& g = *game;
    switch (command) {
    case BestResults:
        dialogs::ShowBestResults(this, g.BestResults());
        return;
    case Exit:
        close();
        return;
    case Custom:
        // A cancelled dialog leaves everything as it was.
        if (const auto chosen = dialogs::AskCustomStrength(this, g.StrengthInPlay()))
            g.ChooseCustom(*chosen);
        return;
    case Keys:
        g.WhileHeld([this, &g] {
            if (const auto keys = dialogs::AskKeys(this, g.CurrentKeys())) g.SetKeys(*keys);
        });
        board.ShowKeys(g.CurrentKeys().right);
        return;
    case FullScreen:
        SetFullScreen(!frame.FullScreen());
        return;
    case About:
        g.WhileHeld([this] {
            dialogs::AboutDialog about(this, launcher);
            about.exec();
        });
        return;
    case Help:
        g.WhileHeld([this] {
            dialogs::HelpDialog help(this);
            help.exec();
        });
        return;
    case SaveReplay: {
        if (g.LastReplay().empty()) return;
        QString name;
        g.WhileHeld([this, &name] { name = AskReplayToSave(this, SuggestedReplayName()); });
        if (!name.isEmpty()) MainWindow::SaveReplay(name);
        return;
    }
    case WatchReplay: {
        QString name;
        g.WhileHeld([this, &name] { name = AskReplayToWatch(this); });
        if (!name.isEmpty()) MainWindow::WatchReplay(QFile::encodeName(name));
        return;
    }
    case WatchLastBout:
        MainWindow::WatchLastBout();
        return;
    case Bouts:
        OpenBouts();
        return;
    case HostNetworkBout:
        MainWindow::HostNetworkBout(game::net::kDefaultPort, dialogs::NewPairingCode());
        return;
    case JoinNetworkBout:
    case WatchNetworkBout: {
        const auto last = store.ReadOwnString(std::string(kAddressName));
        MainWindow::JoinNetworkBout(QString::fromStdString(last.value_or("")), -1, false,
                                    command == WatchNetworkBout);
        return;
    }
    case School:
        OpenSchool();
        return;
    case Handbook:
        g.WhileHeld([this, &g] {
            const game::Keys keys = g.CurrentKeys();
            dialogs::HandbookDialog handbook(this, {keys.left, keys.right, store.FileName()});
            handbook.exec();
        });
        return;
    default:
        return;
    }
}

void MainWindow::Draw(const game::BoutView& view) {
    board.Draw(view);
    if (mode) mode->Drew(view);
    if (mode)
        AllowMenu();
    else
        menu->Allow(layout::Mode::Playing, !game->LastReplay().empty());
    menu->Draw(view.menu);
}

void MainWindow::SetFullScreen(bool on) {
    menu->Check(MenuCommand::FullScreen, on);
    frame.SetFullScreen(on);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() || !mode)
        return QMainWindow::eventFilter(watched, event);
    // In full screen the board's widgets are a window of their own inside the stage.
    const QWidget* window = static_cast<QWidget*>(watched)->window();
    if (window != this && window != client) return QMainWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (mode->Key(*key)) {
    case Outcome::Leave:
        Play();
        return true;
    case Outcome::Taken:
        setWindowTitle(mode->Title());
        return true;
    case Outcome::Passed:
        break;
    }
    // Esc leaves full screen, from whichever widget of the board has the focus.
    if (frame.FullScreen() && key->key() == Qt::Key_Escape) {
        SetFullScreen(false);
        menu->Redraw(game->View().menu);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    frame.CentreOnce();
    // What the store found wrong is said once, over the window rather than before it.
    if (!storeChecked) {
        storeChecked = true;
        if (!store.Problems().isEmpty())
            QMetaObject::invokeMethod(
                this, [this] { Warn(store.Problems().join(QStringLiteral("\n\n"))); },
                Qt::QueuedConnection);
    }
}

bool MainWindow::WatchReplay(const QByteArray& path) {
    std::unique_ptr<WatchingMode> watching = WatchingMode::Open(*this, path);
    if (!watching) return false;
    Enter(std::move(watching));
    return true;
}

bool MainWindow::WatchLastBout() {
    auto replay = std::make_unique<game::Replay>();
    if (game->LastReplay().empty() ||
        game::DecodeReplay(game->LastReplay(), *replay) != game::ReplayError::None)
        return false;
    Enter(std::make_unique<WatchingMode>(*this, std::move(replay)));
    return true;
}

void MainWindow::OpenBouts() {
    std::optional<std::vector<std::uint8_t>> chosen;
    game->WhileHeld([this, &chosen] {
        const dialogs::BoutsDialog::Actions actions{
            [this](std::span<const std::uint8_t> replay) {
                const QString name = AskReplayToSave(this, app::SuggestedReplayName(replay));
                if (!name.isEmpty() && !WriteReplay(name, replay))
                    Warn(tr("The replay could not be saved to\n%1").arg(name));
            },
            [this](const QString& text) { Warn(text); }};
        dialogs::BoutsDialog list(this, bouts, actions, RecordChartLibrary());
        list.exec();
        chosen = list.ToWatch();
    });
    if (!chosen) return;
    auto replay = std::make_unique<game::Replay>();
    if (game::DecodeReplay(*chosen, *replay) != game::ReplayError::None) {
        Warn(tr("This bout cannot be shown: its replay is damaged."));
        return;
    }
    Enter(std::make_unique<WatchingMode>(*this, std::move(replay)));
}

QString MainWindow::SuggestedReplayName() const {
    return app::SuggestedReplayName(game->LastReplay());
}

bool MainWindow::SaveReplay(const QString& fileName) {
    const std::span<const std::uint8_t> bytes = game->LastReplay();
    if (bytes.empty()) return false;
    if (WriteReplay(fileName, bytes)) return true;
    Warn(tr("The replay could not be saved to\n%1").arg(fileName));
    return false;
}

NetService* MainWindow::NetworkLibrary() {
    if (mode->Kind() != layout::Mode::Playing) return nullptr;
    QString error;
    NetService* network = Network(error);
    if (!network) Warn(tr("Network bouts cannot start here:\n%1").arg(error));
    return network;
}

void MainWindow::HostNetworkBout(quint16 port, int code) {
    NetService* network = NetworkLibrary();
    if (!network) return;
    auto hosting = std::make_unique<HostingMode>(*this, code, guesses);
    HostingMode& waiting = *hosting;
    Enter(std::move(hosting));
    // Cancelled while guests were still at the door: they are turned away as it goes.
    WaitInModeDialog([&] { return waiting.Wait(*network, port); });
}

// A bout not begun leaves the mode; a window closed meanwhile closes now, the dialog gone.
void MainWindow::WaitInModeDialog(const std::function<bool()>& wait) {
    inModeDialog = true;
    const bool begun = wait();
    inModeDialog = false;
    if (std::exchange(closeAfterDialog, false))
        close();
    else if (!begun)
        Play();
}

void MainWindow::JoinNetworkBout(const QString& address, int code, bool now, bool watch) {
    NetService* network = NetworkLibrary();
    if (!network) return;
    auto joining = std::make_unique<JoiningMode>(*this, watch);
    JoiningMode& waiting = *joining;
    Enter(std::move(joining));
    WaitInModeDialog([&] { return waiting.Wait(*network, address, code, now); });
}

void MainWindow::Warn(const QString& text) {
    if (warn)
        warn(text);
    else
        QMessageBox::warning(this, windowTitle(), text);
}

} // namespace pistework::app
