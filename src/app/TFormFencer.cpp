#include "app/TFormFencer.h"

#include "app/Accessibility.h"

#include "dialogs/Style.h"
#include "dialogs/TFormAbout.h"
#include "dialogs/TFormHelp.h"
#include "dialogs/TFormLayout.h"
#include "dialogs/TFormResults.h"
#include "dialogs/TFormSettings.h"
#include "dialogs/TFormVictory.h"
#include "game/Piste.h"
#include "platform/Layout.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QToolButton>

#include <stdexcept>

namespace pistework::app {

namespace {

using platform::layout::ControlEntry;
using platform::layout::ControlKind;

static_assert(platform::layout::Control("imgPiste").geometry.width == game::kPisteWidth &&
              platform::layout::Control("imgPiste").geometry.height == game::kPisteHeight);

QColor Colour(platform::layout::Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Qt::Alignment Alignment(platform::layout::Align align) {
    switch (align) {
    case platform::layout::Align::Centre:
        return Qt::AlignCenter;
    case platform::layout::Align::TopRight:
        return Qt::AlignRight | Qt::AlignTop;
    case platform::layout::Align::TopLeft:
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
    const SpokenControl* spoken = SpokenFor(entry.name);
    auto* label = spoken && spoken->readout != Readout::None
                      ? new ReadoutLabel(Text(entry.caption), parent, spoken->readout)
                      : new QLabel(Text(entry.caption), parent);
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

} // namespace

TFormFencer::TFormFencer(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      registry(QStringLiteral("Brackenmoor Fencing Association"), QStringLiteral("Pistework")) {
    setObjectName(QStringLiteral("FormFencer"));
    setWindowTitle(QStringLiteral("B.K.S. Pistework"));
    setFont(dialogs::GameFont(11));
    InstallReadoutAccessibility();

    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, Colour(platform::layout::kWindowGreen));
    client->setPalette(palette);
    setCentralWidget(client);

    BuildControls();
    BuildMenu();
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());

    for (const auto& entry : platform::layout::kTimers)
        timers[std::string(entry.name)] = std::make_unique<QtTimer>(
            this, QString::fromUtf8(entry.name.data(), entry.name.size()), entry.interval, false);

    mediaPlayer = std::make_unique<QtMediaPlayer>(this);
    const platform::FormServices services{.form = *this,
                                          .mediaPlayer = *mediaPlayer,
                                          .registry = registry,
                                          .clock = clock,
                                          .random = random,
                                          .launcher = launcher};
    game = std::make_unique<game::Game>(platform::FormControls(*this, services));
    game->SetOnBestResult([this](int level, int hitsA, int hitsB) {
        dialogs::TFormVictory victory(this, registry);
        if (victory.IsNewBest(level, hitsA, hitsB)) {
            victory.ShowLevel(level);
            victory.exec();
        }
    });
    game->SetOnCustomLevel(
        [this](const game::Strength& inPlay) { return dialogs::AskCustomStrength(this, inPlay); });
    game->SetOnDialog(game::Game::Dialog::Help, [this] {
        dialogs::TFormHelp help(this);
        help.exec();
    });
    game->SetOnDialog(game::Game::Dialog::About, [this] {
        dialogs::TFormAbout about(this, launcher);
        about.exec();
    });
    game->SetOnDialog(game::Game::Dialog::BestResults,
                      [this] { dialogs::ShowBestResults(this, registry); });
    game->SetOnKeyboardLayout(
        [this](const game::Game::Keys& current) { return dialogs::AskKeys(this, current); });
    // The layout starts the auto-play timer; every other timer waits for the game.
    for (const auto& entry : platform::layout::kTimers)
        if (entry.enabledAtStart) timers.at(std::string(entry.name))->SetEnabled(true);
    game->FormCreate();
}

TFormFencer::~TFormFencer() {
    qApp->removeEventFilter(this);
    SaveSettings();
}

void TFormFencer::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) SaveSettings();
}

void TFormFencer::SaveSettings() {
    if (settingsSaved) return;
    settingsSaved = true;
    if (game->FormDestroy()) return;
    const QString text =
        QStringLiteral("Your settings could not be saved to\n%1\n\nThe game length, control, "
                       "keys and level chosen this time are lost; the settings saved before are "
                       "kept as they were.")
            .arg(registry.FileName());
    if (warn)
        warn(text);
    else
        QMessageBox::warning(this, windowTitle(), text);
}

void TFormFencer::Close() {
    close();
}

// The widget of one control, with the wrapper the game binds to by name.
QWidget* TFormFencer::NewControl(const ControlEntry& entry) {
    const std::string name(entry.name);
    switch (entry.kind) {
    case ControlKind::Image: {
        auto* picture = new PixelArtLabel(client);
        images[name] = std::make_unique<QtImage>(picture);
        return picture;
    }
    case ControlKind::Label: {
        QLabel* label = NewCaption(client, entry);
        labels[name] = std::make_unique<QtLabel>(label, entry.geometry.width == 0);
        return label;
    }
    case ControlKind::PlainLabel:
        return NewCaption(client, entry);
    case ControlKind::Shape: {
        auto* shape = new ShapeWidget(client, Colour(entry.colour));
        shapes[name] = std::make_unique<QtShape>(shape);
        return shape;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(Text(entry.caption), client);
        buttons[name] = std::make_unique<QtButton>(button);
        return button;
    }
    case ControlKind::EditBox: {
        auto* edit = new QLineEdit(client);
        editBoxes[name] = std::make_unique<QtEditBox>(edit);
        return edit;
    }
    case ControlKind::StringList: {
        auto* list = new QListWidget(client);
        list->setFocusPolicy(Qt::NoFocus);
        lists[name] = std::make_unique<QtStringList>(list);
        return list;
    }
    case ControlKind::Piste: {
        auto* piste = new PixelArtLabel(client);
        piste->setPixmap(PistePixmap());
        return piste;
    }
    }
    throw std::logic_error("a control kind without a widget");
}

void TFormFencer::BuildControls() {
    // The layout lists the controls back to front, so each is drawn over the ones before it.
    for (const ControlEntry& entry : platform::layout::kControls) {
        QWidget* widget = NewControl(entry);
        widget->setObjectName(Text(entry.name));
        NameForReaders(widget, entry.name);
        if (entry.fontPixels > 0) widget->setFont(dialogs::GameFont(entry.fontPixels, entry.bold));
        const auto& g = entry.geometry;
        if (g.width > 0) {
            widget->setGeometry(g.x, g.y, g.width, g.height);
        } else {
            widget->move(g.x, g.y);
            widget->adjustSize();
        }
        widget->setVisible(entry.visible);
    }
    // In keyboard control the players' keys reach the game from whichever widget has the focus.
    qApp->installEventFilter(this);
}

void TFormFencer::BuildMenu() {
    using platform::layout::MenuGroup;
    using platform::layout::MenuKind;
    std::map<std::string_view, QMenu*> menus;
    std::map<MenuGroup, QActionGroup*> actionGroups;
    std::map<MenuGroup, std::shared_ptr<platform::MenuItemBase::Group>> groups;
    // The button Qt shows for the menus that no longer fit, at a large scale, has only an arrow.
    if (auto* more = menuBar()->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button")))
        more->setAccessibleName(QStringLiteral("More menus"));
    for (const auto& entry : platform::layout::kMenu) {
        const QString caption = QString::fromUtf8(entry.caption.data(), entry.caption.size());
        QMenu* parent = entry.parent.empty() ? nullptr : menus.at(entry.parent);
        switch (entry.kind) {
        case MenuKind::Menu: {
            QMenu* menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
            menu->setObjectName(QString::fromUtf8(entry.name.data(), entry.name.size()));
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
            action->setObjectName(QString::fromUtf8(entry.name.data(), entry.name.size()));
            if (!entry.shortcut.empty())
                action->setShortcut(
                    QKeySequence(QString::fromUtf8(entry.shortcut.data(), entry.shortcut.size())));
            action->setCheckable(entry.kind != MenuKind::Item);
            auto item = std::make_unique<QtMenuItem>(action, std::string(entry.name));
            if (entry.kind == MenuKind::Radio) {
                // The action group only draws radio marks; the game's model keeps them exclusive.
                auto& ag = actionGroups[entry.group];
                if (!ag) {
                    ag = new QActionGroup(this);
                    ag->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
                }
                ag->addAction(action);
                auto& g = groups[entry.group];
                if (!g) g = std::make_shared<platform::MenuItemBase::Group>();
                item->JoinGroup(g);
            }
            item->SetChecked(entry.checked);
            menuItems[std::string(entry.name)] = std::move(item);
            break;
        }
        }
    }
}

QtTimer& TFormFencer::TimerNamed(std::string_view name) {
    return *platform::NamedControl(timers, name, "timer");
}
QtImage& TFormFencer::ImageNamed(std::string_view name) {
    return *platform::NamedControl(images, name, "image");
}
QtLabel& TFormFencer::LabelNamed(std::string_view name) {
    return *platform::NamedControl(labels, name, "label");
}
QtShape& TFormFencer::ShapeNamed(std::string_view name) {
    return *platform::NamedControl(shapes, name, "shape");
}
QtButton& TFormFencer::ButtonNamed(std::string_view name) {
    return *platform::NamedControl(buttons, name, "button");
}
QtEditBox& TFormFencer::EditBoxNamed(std::string_view name) {
    return *platform::NamedControl(editBoxes, name, "edit box");
}
QtStringList& TFormFencer::StringListNamed(std::string_view name) {
    return *platform::NamedControl(lists, name, "string list");
}
QtMenuItem& TFormFencer::MenuItemNamed(std::string_view name) {
    return *platform::NamedControl(menuItems, name, "menu item");
}

bool TFormFencer::eventFilter(QObject* watched, QEvent* event) {
    // In keyboard control every typed character of this window goes to the key handler,
    // whichever widget has the focus; shortcuts (F1-F3, Alt+letters) were handled before.
    // In mouse control the keys are the focused widget's: Space presses a button.
    if (event->type() == QEvent::KeyPress && game && game->TakesKeys() && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && !key->text().isEmpty() && key->text().at(0).isPrint()) {
            EditBoxNamed("txtKeyboard").KeyPress(key->text());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFormFencer::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!centred && screen()) {
        centred = true;
        move(screen()->availableGeometry().center() - rect().center());
    }
}

} // namespace pistework::app
