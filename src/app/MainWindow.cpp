// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "app/Accessibility.h"
#include "app/PadInput.h"
#include "common/CallTexts.h"
#include "common/Translated.h"

#include "dialogs/AboutDialog.h"
#include "dialogs/BestResultsDialog.h"
#include "dialogs/CustomLevelDialog.h"
#include "dialogs/HandbookDialog.h"
#include "dialogs/HelpDialog.h"
#include "dialogs/KeysDialog.h"
#include "dialogs/NetworkDialogs.h"
#include "dialogs/Style.h"
#include "dialogs/VictoryDialog.h"
#include "game/Piste.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QToolButton>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <span>
#include <stdexcept>
#include <vector>

namespace pistework::app {

namespace {

using game::Side;
using layout::ControlEntry;
using layout::ControlKind;
using layout::Shows;

static_assert(layout::Control("imgPiste").geometry.width == game::kPisteWidth &&
              layout::Control("imgPiste").geometry.height == game::kPisteHeight);

QColor Colour(layout::Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Qt::Alignment Alignment(layout::Align align) {
    switch (align) {
    case layout::Align::Centre:
        return Qt::AlignCenter;
    case layout::Align::TopRight:
        return Qt::AlignRight | Qt::AlignTop;
    case layout::Align::TopLeft:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

// The card shapes: a rounded rectangle in one colour.
class ShapeWidget : public QWidget {
public:
    ShapeWidget(QWidget* parent, QColor colour) : QWidget(parent), colour(colour) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::black);
        p.setBrush(colour);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    }

private:
    QColor colour;
};

QLabel* NewCaption(QWidget* parent, const ControlEntry& entry) {
    auto* label = entry.readout != Readout::None
                      ? new ReadoutLabel(Translated("Layout", entry.caption), parent, entry.readout)
                      : new QLabel(Translated("Layout", entry.caption), parent);
    label->setAlignment(Alignment(entry.align));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Colour(entry.colour));
    if (entry.filled) {
        label->setAutoFillBackground(true);
        palette.setColor(QPalette::Window, Colour(entry.background));
    }
    label->setPalette(palette);
    return label;
}

QPixmap PistePixmap() {
    QImage image(game::kPisteWidth, game::kPisteHeight, QImage::Format_ARGB32);
    const auto pixels = game::PistePixels();
    for (int y = 0; y < game::kPisteHeight; ++y) {
        // Written a row at a time: pixel by pixel through QColor cost a millisecond at start.
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < game::kPisteWidth; ++x) {
            switch (pixels[y * game::kPisteWidth + x]) {
            case game::PisteColour::Green:
                row[x] = qRgb(0, 128, 0);
                break;
            case game::PisteColour::Yellow:
                row[x] = qRgb(255, 255, 0);
                break;
            case game::PisteColour::White:
                row[x] = qRgba(0, 0, 0, 0); // the white ground is not drawn
                break;
            }
        }
    }
    return QPixmap::fromImage(image);
}

// The hits of a "First to" item, and the graded level of an opponent item.
int TargetOf(layout::MenuCommand command) {
    using enum layout::MenuCommand;
    return command == FirstTo5 ? 5 : command == FirstTo10 ? 10 : 15;
}
const game::Level& LevelOf(layout::MenuCommand command) {
    return game::kLevels[static_cast<std::size_t>(command) -
                         static_cast<std::size_t>(layout::MenuCommand::Level1)];
}

// Whether a menu item's mark is set; none for an item without one, or a game length the menu
// does not offer (stored by hand), which leaves the marks as they were.
std::optional<bool> Mark(layout::MenuCommand command, const game::MenuView& menu) {
    using enum layout::MenuCommand;
    const bool offered = menu.target == 5 || menu.target == 10 || menu.target == 15;
    switch (command) {
    case FirstTo5:
    case FirstTo10:
    case FirstTo15:
        if (!offered) return std::nullopt;
        return menu.target == TargetOf(command);
    case ToggleTimed:
        return menu.timed;
    case Level1:
    case Level2:
    case Level3:
    case Level4:
    case Level5:
    case Level6:
        return menu.level == LevelOf(command).number;
    case Custom:
        return menu.custom;
    case TwoPlayers:
        return menu.twoPlayers;
    case Keyboard:
        return menu.control == game::ControlMode::Keyboard;
    case Mouse:
        return menu.control == game::ControlMode::Mouse;
    case ToggleSound:
        return menu.sound;
    case TogglePauseWhenInactive:
        return menu.pauseWhenInactive;
    default:
        return std::nullopt;
    }
}

// The menu's own keys, and the desktop's usual keys for the same command.
QList<QKeySequence> Shortcuts(const layout::MenuEntry& entry) {
    QList<QKeySequence> keys;
    if (!entry.shortcut.empty()) keys << QKeySequence(Text(entry.shortcut));
    auto add = [&keys](QKeySequence::StandardKey standard, const char* fallback) {
        const QList<QKeySequence> usual = QKeySequence::keyBindings(standard);
        for (const QKeySequence& key : usual)
            if (!keys.contains(key)) keys << key;
        if (usual.isEmpty() && keys.isEmpty()) keys << QKeySequence(QString::fromLatin1(fallback));
    };
    if (entry.command == layout::MenuCommand::Exit) add(QKeySequence::Quit, "Ctrl+Q");
    if (entry.command == layout::MenuCommand::FullScreen) add(QKeySequence::FullScreen, "F11");
    return keys;
}

// The board in a scene, magnified by a whole factor so each sprite pixel is a square of
// screen pixels, never blended, and centred on the window's green. The widgets stay live in
// it: buttons click, the key box types.
class Stage : public QGraphicsView {
public:
    Stage(QWidget* parent, QWidget* board) : QGraphicsView(parent), size(board->size()) {
        setScene(new QGraphicsScene(this));
        // The scene's origin is the board's corner, not where it stood under the menu bar.
        board->move(0, 0);
        proxy = scene()->addWidget(board);
        setSceneRect(QRectF(QPointF(0, 0), QSizeF(size)));
        setBackgroundBrush(Colour(layout::kWindowGreen));
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setRenderHints({});
        setAlignment(Qt::AlignCenter);
    }
    // Gives the board back, unembedded and without a parent.
    QWidget* Release() {
        QWidget* board = proxy->widget();
        proxy->setWidget(nullptr);
        board->setAttribute(Qt::WA_DontShowOnScreen, false);
        return board;
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QGraphicsView::resizeEvent(event);
        const int factor = std::max(
            1, std::min(viewport()->width() / size.width(), viewport()->height() / size.height()));
        setTransform(QTransform::fromScale(factor, factor));
        qCDebug(lcCaption).noquote() << "client scale" << factor;
    }

private:
    QSize size;
    QGraphicsProxyWidget* proxy = nullptr;
};

} // namespace

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
    palette.setColor(QPalette::Window, Colour(layout::kWindowGreen));
    client->setPalette(palette);
    setCentralWidget(client);

    BuildControls();
    BuildMenu();
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());

    game = std::make_unique<game::Game>(platform::Services{
        .timers = timers, .sound = sound, .store = store, .clock = clock, .random = random});
    // While a replay or a host's bout shows, the held game draws nothing; it is drawn again
    // when they end. A host's guest is sent each view and event.
    game->SetOnView([this](const game::BoutView& view) {
        if (door) door->See(view);
        if (!player && !Guesting()) Draw(view);
    });
    game->SetOnEvent([this](const game::BoutEvent& event) {
        if (door) door->Hear(event);
    });
    game->SetOnNewBest([this](const game::Game::NewBest& best, const game::Game::Record& record) {
        dialogs::VictoryDialog victory(this, best.level, best.holder, record);
        victory.exec();
    });
    game->Start();
    ShowKeysOnButtons();
    // Owned by the window: a pad drives a fencer as long as the window is open.
    new PadInput(
        this, [this] { return game->Options().twoPlayer; },
        [this](Side side, game::FencerCommand command) {
            // A guest's first pad drives its own fencer, as in a bout at home.
            if (!Guesting()) return game->PadCommand(side, command);
            if (side == Side::Right) OwnCommand(command);
        });
    // Another program took the focus; the game's own dialogs keep it in the application.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive && !player && !Guesting()) game->FocusLost();
            });
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    SaveOptions();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (!event->isAccepted()) return;
    // The other player is told plainly, not left to find the connection gone.
    LeaveNetworkBout();
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

QWidget* MainWindow::NewControl(const ControlEntry& entry) {
    switch (entry.kind) {
    case ControlKind::Picture:
        return new PixelArtLabel(client);
    case ControlKind::Label: {
        QLabel* label = NewCaption(client, entry);
        label->setProperty("sizedToText", entry.geometry.width == 0);
        return label;
    }
    case ControlKind::Shape:
        return new ShapeWidget(client, Colour(entry.colour));
    case ControlKind::Button: {
        auto* button = new QPushButton(Translated("Layout", entry.caption), client);
        connect(button, &QPushButton::clicked, this,
                [this, command = entry.command] { OwnCommand(command); });
        return button;
    }
    case ControlKind::EditBox:
        return new QLineEdit(client);
    case ControlKind::Piste: {
        auto* piste = new PixelArtLabel(client);
        piste->setPixmap(PistePixmap());
        return piste;
    }
    }
    throw std::logic_error("a control kind without a widget");
}

void MainWindow::BuildControls() {
    // The layout lists the controls back to front, so each is drawn over the ones before it.
    for (const ControlEntry& entry : layout::kControls) {
        QWidget* widget = NewControl(entry);
        widget->setObjectName(Text(entry.name));
        NameForReaders(widget, entry);
        if (entry.fontPixels > 0) widget->setFont(dialogs::GameFont(entry.fontPixels, entry.bold));
        const auto& g = entry.geometry;
        if (g.width > 0) {
            widget->setGeometry(g.x, g.y, g.width, g.height);
        } else {
            widget->move(g.x, g.y);
            widget->adjustSize();
        }
        widget->setVisible(entry.visible);
        board.Register(entry, widget);
    }
    PlaceScores();
    // In keyboard control the players' keys reach the game from whichever widget has the focus.
    qApp->installEventFilter(this);
}

// A side's name by its score may be longer in the player's language than "Right": the scores
// then move right together, a space after the longest name, rather than under it.
void MainWindow::PlaceScores() {
    std::vector<QWidget*> scores;
    int left = 0;
    for (const ControlEntry& score : layout::kControls) {
        if (score.shows != layout::Shows::Score) continue;
        scores.push_back(client->findChild<QWidget*>(Text(score.name)));
        left = std::max(left, score.geometry.x);
        for (const ControlEntry& name : layout::kControls) {
            if (name.kind != ControlKind::Label || name.shows != layout::Shows::Fixed ||
                name.geometry.y != score.geometry.y || name.geometry.x >= score.geometry.x)
                continue;
            const auto* label = client->findChild<QLabel*>(Text(name.name));
            left = std::max(left, label->x() + label->fontMetrics().horizontalAdvance(
                                                   label->text() + QLatin1Char(' ')));
        }
    }
    for (QWidget* score : scores)
        score->move(left, score->y());
}

void MainWindow::BuildMenu() {
    using layout::MenuGroup;
    using layout::MenuKind;
    std::map<std::string_view, QMenu*> menus;
    std::map<MenuGroup, QActionGroup*> groups;
    // The button Qt shows for the menus that no longer fit, at a large scale, has only an arrow.
    if (auto* more = menuBar()->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button")))
        more->setAccessibleName(tr("More menus"));
    for (const auto& entry : layout::kMenu) {
        const QString caption = Translated("Menu", entry.caption);
        QMenu* parent = entry.parent.empty() ? nullptr : menus.at(entry.parent);
        switch (entry.kind) {
        case MenuKind::Menu: {
            QMenu* menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
            menu->setObjectName(Text(entry.name));
            menus[entry.name] = menu;
            break;
        }
        case MenuKind::Separator:
            parent->addSeparator();
            break;
        case MenuKind::Item:
        case MenuKind::Check:
        case MenuKind::Radio: {
            QAction* action = parent->addAction(caption);
            action->setObjectName(Text(entry.name));
            action->setShortcuts(Shortcuts(entry));
            action->setCheckable(entry.kind != MenuKind::Item);
            action->setChecked(entry.checked);
            if (entry.kind == MenuKind::Radio) {
                // The group only draws radio marks; the game decides every mark.
                auto& group = groups[entry.group];
                if (!group) {
                    group = new QActionGroup(this);
                    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
                }
                group->addAction(action);
            }
            connect(action, &QAction::triggered, this,
                    [this, command = entry.command] { Choose(command); });
            actions[entry.command] = action;
            break;
        }
        }
    }
}

void MainWindow::Choose(MenuCommand command) {
    using enum layout::MenuCommand;
    if (InNetworkBout()) {
        if (command == NewGame) {
            LeaveNetworkBout();
        } else if (command == PauseOrResume && Guesting()) {
            guest->PauseOrResume();
        } else if (command == PauseOrResume || command == ToggleSound || command == Keyboard ||
                   command == Mouse) {
            ChooseInGame(command);
            // A guest's buttons show at once, not with the host's next picture.
            if (Guesting()) DrawGuest(guest->Shown());
        } else if (command == Exit || command == FullScreen) {
            ChooseInWindow(command);
        }
    } else if (!player) {
        if (!ChooseInWindow(command)) ChooseInGame(command);
    } else if (command == NewGame) {
        StopWatching();
    } else if (command == PauseOrResume) {
        ReplayKey(Qt::Key_F3);
    } else if (command == Exit || command == FullScreen || command == SaveReplay ||
               command == WatchReplay || command == About || command == Help ||
               command == Handbook) {
        // Watching changes no option: only the window's own commands are taken.
        ChooseInWindow(command);
    }
    // Qt has toggled a checkable item by itself; the marks show the options again.
    DrawMenu(game->View().menu);
}

// The commands that open a window of the shell's own; false for the game's.
bool MainWindow::ChooseInWindow(MenuCommand command) {
    using enum layout::MenuCommand;
    game::Game& g = *game;
    switch (command) {
    case BestResults:
        dialogs::ShowBestResults(this, g.BestResults());
        return true;
    case Exit:
        close();
        return true;
    case Custom:
        // A cancelled dialog leaves everything as it was.
        if (const auto chosen = dialogs::AskCustomStrength(this, g.StrengthInPlay()))
            g.ChooseCustom(*chosen);
        return true;
    case Keys:
        g.WhileHeld([this, &g] {
            if (const auto keys = dialogs::AskKeys(this, g.CurrentKeys())) g.SetKeys(*keys);
        });
        ShowKeysOnButtons();
        return true;
    case FullScreen:
        SetFullScreen(stage == nullptr);
        return true;
    case About:
        g.WhileHeld([this] {
            dialogs::AboutDialog about(this, launcher);
            about.exec();
        });
        return true;
    case Help:
        g.WhileHeld([this] {
            dialogs::HelpDialog help(this);
            help.exec();
        });
        return true;
    case SaveReplay: {
        if (g.LastReplay().empty()) return true;
        QString name;
        g.WhileHeld([this, &name] {
            name = QFileDialog::getSaveFileName(this, tr("Save Replay"), QString(),
                                                tr("Pistework replays (*.pistework)"));
        });
        if (name.isEmpty()) return true;
        if (!name.endsWith(QStringLiteral(".pistework"))) name += QStringLiteral(".pistework");
        MainWindow::SaveReplay(name);
        return true;
    }
    case WatchReplay: {
        QString name;
        g.WhileHeld([this, &name] {
            name = QFileDialog::getOpenFileName(this, tr("Watch Replay"), QString(),
                                                tr("Pistework replays (*.pistework)"));
        });
        if (!name.isEmpty()) MainWindow::WatchReplay(QFile::encodeName(name));
        return true;
    }
    case HostNetworkBout:
        MainWindow::HostNetworkBout(game::net::kDefaultPort, dialogs::NewPairingCode());
        return true;
    case JoinNetworkBout:
        MainWindow::JoinNetworkBout(QString(), -1, false);
        return true;
    case Handbook:
        g.WhileHeld([this, &g] {
            const game::Game::Keys keys = g.CurrentKeys();
            dialogs::HandbookDialog handbook(this, {keys.left, keys.right, store.FileName()});
            handbook.exec();
        });
        return true;
    default:
        return false;
    }
}

void MainWindow::ChooseInGame(MenuCommand command) {
    using enum layout::MenuCommand;
    game::Game& g = *game;
    switch (command) {
    case NewGame:
        return g.NewGame();
    case PauseOrResume:
        return g.PauseOrResume();
    case FirstTo5:
    case FirstTo10:
    case FirstTo15:
        return g.SetTarget(TargetOf(command));
    case ToggleTimed:
        return g.ToggleTimed();
    case Level1:
    case Level2:
    case Level3:
    case Level4:
    case Level5:
    case Level6:
        return g.ChooseLevel(LevelOf(command));
    case TwoPlayers:
        return g.ChooseTwoPlayers();
    case Keyboard:
        return g.SetControl(game::ControlMode::Keyboard);
    case Mouse:
        return g.SetControl(game::ControlMode::Mouse);
    case ToggleSound:
        return g.ToggleSound();
    case TogglePauseWhenInactive:
        return g.TogglePauseWhenInactive();
    default:
        return;
    }
}

void MainWindow::Draw(const game::BoutView& view) {
    board.Draw(view);
    actions.at(MenuCommand::SaveReplay)
        ->setEnabled(!game->LastReplay().empty() && !InNetworkBout());
    if (!drawnMenu || view.menu != *drawnMenu) DrawMenu(view.menu);
    drawnMenu = view.menu;
}

void MainWindow::DrawMenu(const game::MenuView& menu) {
    for (const auto& [command, action] : actions) {
        const std::optional<bool> mark = Mark(command, menu);
        if (!mark) continue;
        action->setChecked(*mark);
        // Logged when the mark changes, however often it is drawn again.
        const auto logged = loggedMarks.find(action);
        if (logged == loggedMarks.end() || logged->second != *mark)
            qCDebug(lcMenu).noquote() << action->objectName() << (*mark ? "checked" : "unchecked");
        loggedMarks[action] = *mark;
    }
    QAction* pause = actions.at(MenuCommand::PauseOrResume);
    pause->setText(menu.paused
                       ? Translated("Menu", layout::kResumeCaption)
                       : Translated("Menu", layout::Menu(MenuCommand::PauseOrResume).caption));
}

void MainWindow::SetFullScreen(bool on) {
    actions.at(MenuCommand::FullScreen)->setChecked(on);
    if (on == (stage != nullptr)) return;
    if (on) {
        stage = new Stage(this, takeCentralWidget());
        setCentralWidget(stage);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showFullScreen();
        // Without a window manager to do it, the window covers the screen itself.
        if (screen()) setGeometry(screen()->geometry());
        stage->setFocus(Qt::OtherFocusReason);
    } else {
        QWidget* board = static_cast<Stage*>(stage)->Release();
        delete takeCentralWidget();
        stage = nullptr;
        setCentralWidget(board);
        board->show();
        showNormal();
        setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
        if (screen()) move(screen()->availableGeometry().center() - rect().center());
        board->setFocus(Qt::OtherFocusReason);
    }
    qCDebug(lcMenu).noquote() << "full screen" << (on ? "on" : "off");
}

void MainWindow::ShowKeysOnButtons() {
    const std::u32string keys = game->CurrentKeys().right;
    for (const ControlEntry& entry : layout::kControls) {
        if (entry.kind != ControlKind::Button) continue;
        auto* button = client->findChild<QPushButton*>(Text(entry.name));
        const auto at = static_cast<std::size_t>(entry.command);
        button->setToolTip(
            at < keys.size()
                ? tr("%1 (%2)").arg(button->text(), QString::fromStdU32String(keys.substr(at, 1)))
                : button->text());
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // A replay takes the window's keys: its own, and no fencer's.
    if (player && event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        (static_cast<QWidget*>(watched)->window() == this ||
         static_cast<QWidget*>(watched)->window() == client)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (ReplayKey(key->key())) return true;
        if (!key->text().isEmpty() && key->text().at(0).isPrint()) return true;
    }
    // Esc leaves full screen, from whichever widget of the board has the focus.
    if (stage && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && watched->isWidgetType() &&
        (static_cast<QWidget*>(watched)->window() == this ||
         static_cast<QWidget*>(watched)->window() == client)) {
        SetFullScreen(false);
        DrawMenu(game->View().menu);
        return true;
    }
    // In keyboard control every typed character of this window goes to the game, whichever
    // widget has the focus; shortcuts (F1-F3, Alt+letters) were handled before. In mouse
    // control the keys are the focused widget's: Space presses a button.
    // In full screen the board's widgets are a window of their own inside the stage.
    if (event->type() == QEvent::KeyPress && game && game->TakesKeys() && watched->isWidgetType() &&
        (static_cast<QWidget*>(watched)->window() == this ||
         static_cast<QWidget*>(watched)->window() == client)) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && !key->text().isEmpty() && key->text().at(0).isPrint()) {
            for (char32_t ch : key->text().toStdU32String()) {
                if (!Guesting()) {
                    game->KeyTyped(ch);
                } else if (const auto command = game->OwnCommand(ch)) {
                    OwnCommand(*command);
                }
            }
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!centred && screen()) {
        centred = true;
        move(screen()->availableGeometry().center() - rect().center());
    }
    // What the store found wrong is said once, over the window rather than before it.
    if (!storeChecked) {
        storeChecked = true;
        if (!store.Problems().isEmpty())
            QMetaObject::invokeMethod(
                this, [this] { Warn(store.Problems().join(QStringLiteral("\n\n"))); },
                Qt::QueuedConnection);
    }
}

namespace {

QString ReplayProblem(game::ReplayError error) {
    switch (error) {
    case game::ReplayError::TooLarge:
        return MainWindow::tr("It is larger than any replay.");
    case game::ReplayError::NotAReplay:
        return MainWindow::tr("It is not a Pistework replay.");
    case game::ReplayError::NewerVersion:
        return MainWindow::tr("It was saved by a newer Pistework.");
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

bool MainWindow::WatchReplay(const QByteArray& path) {
    // Only shown: a name in bytes that are not the locale's still opens.
    const QString fileName = QFile::decodeName(path);
    const std::optional<QByteArray> bytes = ReadReplayFile(path);
    if (!bytes) {
        Warn(tr("The replay %1 could not be opened.").arg(fileName));
        return false;
    }
    auto replay = std::make_unique<game::Replay>();
    const game::ReplayError error =
        game::DecodeReplay(std::span(reinterpret_cast<const std::uint8_t*>(bytes->constData()),
                                     static_cast<std::size_t>(bytes->size())),
                           *replay);
    if (error != game::ReplayError::None) {
        Warn(tr("The replay %1 cannot be shown.\n\n%2").arg(fileName, ReplayProblem(error)));
        return false;
    }
    if (player)
        player.reset();
    else
        game->HoldForReplay();
    watched = std::move(replay);
    player = std::make_unique<game::ReplayPlayer>(*watched, timers, clock);
    player->SetOnPicture([this](const game::ReplayPicture& picture) { DrawReplay(picture); });
    qCDebug(lcMenu).noquote() << "replay" << fileName;
    ShowReplayTitle();
    player->Start();
    return true;
}

bool MainWindow::SaveReplay(const QString& fileName) {
    const std::span<const std::uint8_t> bytes = game->LastReplay();
    if (bytes.empty()) return false;
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) &&
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size()) &&
        file.commit())
        return true;
    Warn(tr("The replay could not be saved to\n%1").arg(fileName));
    return false;
}

bool MainWindow::ReplayKey(int key) {
    switch (key) {
    case Qt::Key_Escape:
    case Qt::Key_F2:
        StopWatching();
        return true;
    case Qt::Key_F3:
        player->TogglePause();
        DrawReplay(replayShown);
        ShowReplayTitle();
        return true;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_4:
        player->SetSpeed(key - Qt::Key_0);
        ShowReplayTitle();
        return true;
    default:
        return false;
    }
}

void MainWindow::StopWatching() {
    player.reset();
    watched.reset();
    setWindowTitle(QStringLiteral("B.K.S. Pistework"));
    qCDebug(lcMenu).noquote() << "replay ended";
    game->ReleaseAfterReplay();
}

void MainWindow::DrawReplay(const game::ReplayPicture& picture) {
    replayShown = picture;
    game::BoutView view = picture.Over(game->View());
    view.menu.paused = player->Paused();
    board.Draw(view);
}

void MainWindow::ShowReplayTitle() {
    setWindowTitle(player->Paused()
                       ? tr("Replay, paused: F3 plays on, Esc or F2 returns to the game")
                       : tr("Replay at ×%1: F3 pauses, 1, 2 and 4 set the speed, Esc or F2 "
                            "returns to the game")
                             .arg(player->Speed()));
}

namespace {

const char* CommandName(game::FencerCommand command) {
    static constexpr const char* kNames[] = {"Advance", "Extend", "Lunge",
                                             "Retreat", "Parry",  "Fleche"};
    return kNames[static_cast<std::size_t>(command)];
}

// Wall-clock milliseconds to the microsecond, so two programs' logs can be laid side by side.
QString Stamp() {
    using namespace std::chrono;
    const auto now = duration<double, std::milli>(system_clock::now().time_since_epoch());
    return QString::number(now.count(), 'f', 3);
}

} // namespace

void MainWindow::OwnCommand(game::FencerCommand command) {
    if (!Guesting()) return game->Command(Side::Right, command);
    qCDebug(lcNetwork).noquote() << "network send" << CommandName(command) << Stamp();
    guest->Command(command);
}

// The network library, when no network bout is under way or being set up; the player is told
// plainly when it cannot be loaded.
NetService* MainWindow::NetworkLibrary() {
    if (InNetworkBout() || hostDialog || joinDialog) return nullptr;
    QString error;
    NetService* network = Network(error);
    if (!network) Warn(tr("Network bouts cannot start here:\n%1").arg(error));
    return network;
}

void MainWindow::HostNetworkBout(quint16 port, int code) {
    NetService* network = NetworkLibrary();
    if (!network) return;
    door = std::make_unique<game::NetworkDoor>(*game, timers, clock, code);
    door->SetOnCommand([](game::FencerCommand command) {
        qCDebug(lcNetwork).noquote() << "network command" << CommandName(command) << Stamp();
    });
    door->SetOnBegin([this] { NetworkBegun(); });
    door->SetOnEnd([this](game::NetworkEnding why, bool begun) { NetworkEnded(why, begun); });
    door->SetOnShut([this] {
        qCDebug(lcNetwork).noquote() << "network hosting stopped: too many wrong codes";
        if (hostDialog) hostDialog->Shut();
    });
    game->WhileHeld([&] {
        dialogs::HostDialog dialog(
            this, *network, port, code,
            [this](std::unique_ptr<NetConnection> arrived) { Greet(std::move(arrived)); });
        hostDialog = &dialog;
        if (dialog.Listening())
            qCDebug(lcNetwork).noquote() << "network hosting on port" << port << "code" << code;
        dialog.exec();
    });
    // Cancelled while guests were still at the door: they are turned away.
    if (door && !door->Begun()) {
        door->Leave();
        Discard({std::move(door), nullptr, nullptr});
    }
}

void MainWindow::JoinNetworkBout(const QString& address, int code, bool now) {
    NetService* network = NetworkLibrary();
    if (!network) return;
    game->WhileHeld([&] {
        dialogs::JoinDialog dialog(this, *network, address, code,
                                   [this](std::unique_ptr<NetConnection> made, int given) {
                                       Knock(std::move(made), given);
                                   });
        joinDialog = &dialog;
        if (now) dialog.Join();
        dialog.exec();
    });
    if (guest && !guest->Begun()) guest->Leave();
}

// A connection came in while the host's dialog listens: the door greets it or turns it away.
void MainWindow::Greet(std::unique_ptr<NetConnection> arrived) {
    qCDebug(lcNetwork).noquote() << "network guest at" << arrived->PeerAddress();
    if (door) door->Arrive(std::move(arrived));
}

void MainWindow::Knock(std::unique_ptr<NetConnection> made, int code) {
    connection = std::move(made);
    guest = std::make_unique<game::NetworkGuest>(*game, *connection, timers, clock, code);
    guest->SetOnBegin([this] { NetworkBegun(); });
    guest->SetOnPicture([this](const game::net::Picture& picture) { DrawGuest(picture); });
    guest->SetOnEnd([this](game::NetworkEnding why, bool begun) { NetworkEnded(why, begun); });
}

void MainWindow::NetworkBegun() {
    // The door is handed only the network library's connections.
    const auto* joined =
        door ? dynamic_cast<const NetConnection*>(door->Connection()) : connection.get();
    const QString peer = joined ? joined->PeerAddress() : QString();
    qCDebug(lcNetwork).noquote() << "network bout begun with" << peer
                                 << (door ? "as host" : "as guest");
    setWindowTitle(tr("B.K.S. Pistework: network bout with %1").arg(peer));
    SetNetworkMenu(true);
    if (hostDialog) hostDialog->accept();
    if (joinDialog) joinDialog->accept();
}

void MainWindow::NetworkEnded(game::NetworkEnding why, bool begun) {
    // At the host, only the bout's own link; a connection turned away at the door has another.
    const game::NetworkLink* link = !door ? &guest->Link() : begun ? door->Link() : nullptr;
    qCDebug(lcNetwork).noquote() << "network bout ended:" << static_cast<int>(why)
                                 << QString::fromStdString(NetworkEndingText(why))
                                        .replace(QLatin1Char('\n'), QLatin1Char(' '))
                                 << "bytes sent" << (link ? link->BytesSent() : 0) << "received"
                                 << (link ? link->BytesReceived() : 0);
    if (!begun) {
        // Turned away at the door: the dialog says why and the player may try again.
        const QString said =
            TranslatedNetworkEnding(why).replace(QLatin1Char('\n'), QLatin1Char(' '));
        // Guests sent away because another got in first, or to make room, are the door's own
        // doing, not news.
        if (hostDialog && why != game::NetworkEnding::Busy && why != game::NetworkEnding::Left)
            hostDialog->Say(tr("A player could not join: %1").arg(said));
        if (joinDialog) joinDialog->Say(said);
    }
    // The door stays open for the next guest until a bout begins.
    if (door && !begun) return;
    if (begun) {
        SetNetworkMenu(false);
        setWindowTitle(QStringLiteral("B.K.S. Pistework"));
    }
    Discard({std::move(door), std::move(connection), std::move(guest)});
}

// The link reported its end from inside its own handlers: it and its connection go once they
// have returned.
void MainWindow::Discard(NetworkParts parts) {
    auto held = std::make_shared<NetworkParts>(std::move(parts));
    QMetaObject::invokeMethod(
        this, [held] {}, Qt::QueuedConnection);
}

void MainWindow::LeaveNetworkBout() {
    if (door) door->Leave();
    if (guest) guest->Leave();
}

void MainWindow::DrawGuest(const game::net::Picture& picture) {
    if (!Guesting()) return;
    game::BoutView view = picture.picture.Over(game->View());
    view.menu.paused = picture.paused;
    view.networkEnded.reset();
    // The guest fences with its own buttons, if it fences with the mouse at home.
    view.commandButtons = game->View().menu.control == game::ControlMode::Mouse;
    board.Draw(view);
}

void MainWindow::SetNetworkMenu(bool on) {
    using enum layout::MenuCommand;
    for (const auto& [command, action] : actions) {
        const bool left = command == NewGame || command == PauseOrResume || command == Exit ||
                          command == FullScreen || command == ToggleSound || command == Keyboard ||
                          command == Mouse;
        action->setEnabled(!on || left);
    }
    if (!on) actions.at(SaveReplay)->setEnabled(!game->LastReplay().empty());
}

void MainWindow::Warn(const QString& text) {
    if (warn)
        warn(text);
    else
        QMessageBox::warning(this, windowTitle(), text);
}

} // namespace pistework::app
