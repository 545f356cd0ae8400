#include "app/TFormFencer.h"

#include "dialogs/Style.h"
#include "dialogs/TFormVictory.h"
#include "game/Piste.h"
#include "platform/Layout.h"

#include <QActionGroup>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>

namespace pistework::app {

namespace {

const QColor kWindowGreen(64, 128, 64);

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

QPixmap PistePixmap() {
    QImage image(game::kPisteWidth, game::kPisteHeight, QImage::Format_ARGB32);
    const auto pixels = game::PistePixels();
    for (int y = 0; y < game::kPisteHeight; ++y) {
        for (int x = 0; x < game::kPisteWidth; ++x) {
            QColor colour = Qt::transparent; // the white ground is not drawn
            switch (pixels[y * game::kPisteWidth + x]) {
            case game::PisteColour::Green:
                colour = QColor(0, 128, 0);
                break;
            case game::PisteColour::Yellow:
                colour = QColor(255, 255, 0);
                break;
            case game::PisteColour::White:
                break;
            }
            image.setPixelColor(x, y, colour);
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

    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, kWindowGreen);
    client->setPalette(palette);
    setCentralWidget(client);

    BuildControls();
    BuildMenu();
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());

    for (const auto& entry : platform::layout::kTimers)
        timers[std::string(entry.name)] = std::make_unique<QtTimer>(
            this, QString::fromUtf8(entry.name.data(), entry.name.size()), entry.interval, false);

    game = std::make_unique<game::Game>(Controls());
    game->offerBestResult = [this](int level, int hitsA, int hitsB) {
        dialogs::TFormVictory victory(this, registry);
        if (victory.IsNewBest(level, hitsA, hitsB)) {
            victory.ShowLevel(level);
            victory.exec();
        }
    };
    // The layout starts the auto-play timer; every other timer waits for the game.
    for (const auto& entry : platform::layout::kTimers)
        if (entry.enabledAtStart) timers.at(std::string(entry.name))->SetEnabled(true);
    game->FormCreate();
}

TFormFencer::~TFormFencer() {
    qApp->removeEventFilter(this);
    game->FormDestroy();
}

void TFormFencer::Close() {
    close();
}

void TFormFencer::BuildControls() {
    auto image = [this](const char* name, int x, int y, int w, int h, bool visible) {
        auto* label = new QLabel(client);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(x, y, w, h);
        label->setVisible(visible);
        images[name] = std::make_unique<QtImage>(label);
        return label;
    };
    auto label = [this](const char* name, const char* caption, int x, int y, int w, int h,
                        bool visible, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop) {
        auto* l = new QLabel(QString::fromUtf8(caption), client);
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(dialogs::GameFont(19));
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, Qt::yellow);
        l->setPalette(p);
        l->setAlignment(align);
        if (w > 0) {
            l->setGeometry(x, y, w, h);
        } else {
            l->move(x, y);
            l->adjustSize();
        }
        l->setVisible(visible);
        return l;
    };
    auto shape = [this](const char* name, int x, int y, QColor colour) {
        auto* s = new ShapeWidget(client, colour);
        s->setObjectName(QString::fromLatin1(name));
        s->setGeometry(x, y, 13, 20);
        s->setVisible(false);
        shapes[name] = std::make_unique<QtShape>(s);
    };

    // Back to front: later widgets are drawn over earlier ones.
    shape("shpRed0", 24, 208, Qt::red);
    image("imgLightA", 32, 104, 40, 60, true);
    image("imgLightB", 440, 104, 40, 60, true);
    image("imgFencerATemp", 107, 88, 150, 100, false);
    image("imgFencerBTemp", 243, 88, 150, 100, false);
    auto* piste = new QLabel(client);
    piste->setObjectName(QStringLiteral("imgPiste"));
    piste->setGeometry(25, 165, game::kPisteWidth, game::kPisteHeight);
    piste->setPixmap(PistePixmap());
    image("imgFencerB", platform::layout::kFencerBLeft, 88, 150, 100, true);
    image("imgFencerA", platform::layout::kFencerALeft, 88, 150, 100, true);

    labels["lblEngarde"] = std::make_unique<QtLabel>(
        label("lblEngarde", "Engarde", 0, 24, 489, 57, true, Qt::AlignCenter));
    label("LabelYou", "Right", 51, 232, 0, 0, true);
    label("LabelOpponent", "Left", 51, 208, 0, 0, true);
    labels["lblScore0"] = std::make_unique<QtLabel>(label("lblScore0", "0", 107, 208, 0, 0, true));
    labels["lblScore1"] = std::make_unique<QtLabel>(label("lblScore1", "0", 107, 232, 0, 0, true));
    // Wide enough for "9:00" in the caption font; the right edge stays where the layout has it.
    labels["lblTime"] = std::make_unique<QtLabel>(
        label("lblTime", "3:00", 438, 0, 50, 24, false, Qt::AlignRight | Qt::AlignTop));
    shape("shpYellow0", 8, 208, Qt::yellow);
    shape("shpYellow1", 8, 232, Qt::yellow);
    shape("shpRed1", 24, 232, Qt::red);
    for (const char* name : {"lblRedCount0", "lblRedCount1"}) {
        const int y = name[11] == '0' ? 210 : 234;
        // As wide as the card it sits on, so a count in the bold caption font is not cut.
        QLabel* l = label(name, "2", 24, y, 13, 16, false, Qt::AlignCenter);
        l->setFont(dialogs::GameFont(13, true));
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, Qt::red);
        p.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(p);
        labels[name] = std::make_unique<QtLabel>(l);
    }
    labels["lblStart"] = std::make_unique<QtLabel>(
        label("lblStart", "Press F2 to Start", 296, 224, 185, 25, false, Qt::AlignCenter));

    struct ButtonSpec {
        const char* name;
        const char* caption;
        int x, y;
    };
    for (const ButtonSpec& b :
         {ButtonSpec{"cmdAdvance", "Advance", 296, 208},
          ButtonSpec{"cmdExtend", "Extend", 360, 208}, ButtonSpec{"cmdLunge", "Lunge", 424, 208},
          ButtonSpec{"cmdRetreat", "Retreat", 296, 240}, ButtonSpec{"cmdParry", "Parry", 360, 240},
          ButtonSpec{"cmdFleche", "Flèche", 424, 240}}) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), client);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setGeometry(b.x, b.y, 57, 25);
        buttons[b.name] = std::make_unique<QtButton>(button);
    }

    // Above the client area: never seen, but it can hold the focus and take the keys.
    txtKeyboardWidget = new QLineEdit(client);
    txtKeyboardWidget->setObjectName(QStringLiteral("txtKeyboard"));
    txtKeyboardWidget->setGeometry(8, -30, 33, 21);
    txtKeyboard = std::make_unique<QtEditBox>(txtKeyboardWidget);
    qApp->installEventFilter(this);

    auto* list = new QListWidget(client);
    list->setObjectName(QStringLiteral("ListBoxStrings"));
    list->setGeometry(0, -100, 105, 33);
    list->setFocusPolicy(Qt::NoFocus);
    for (std::string_view row : platform::layout::kCallTexts)
        list->addItem(QString::fromUtf8(row.data(), static_cast<qsizetype>(row.size())));
    list->hide();
    listBoxStrings = std::make_unique<QtStringList>(list);

    mediaPlayer = std::make_unique<QtMediaPlayer>(this);
}

void TFormFencer::BuildMenu() {
    using platform::layout::MenuGroup;
    using platform::layout::MenuKind;
    std::map<std::string_view, QMenu*> menus;
    std::map<MenuGroup, QActionGroup*> actionGroups;
    std::map<MenuGroup, std::shared_ptr<platform::MenuItemBase::Group>> groups;
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

platform::FormControls TFormFencer::Controls() {
    auto t = [this](const char* n) -> platform::Timer& { return *timers.at(n); };
    auto i = [this](const char* n) -> platform::Image& { return *images.at(n); };
    auto l = [this](const char* n) -> platform::Label& { return *labels.at(n); };
    auto s = [this](const char* n) -> platform::Shape& { return *shapes.at(n); };
    auto b = [this](const char* n) -> platform::Button& { return *buttons.at(n); };
    auto m = [this](const char* n) -> platform::MenuItem& { return *menuItems.at(n); };
    return platform::FormControls{
        *this,
        t("TimerLeft"),
        t("TimerRight"),
        t("TimerPresident"),
        t("TimerLight"),
        t("TimerClock"),
        t("TimerSalute"),
        t("TimerAutoPlay"),
        i("imgFencerA"),
        i("imgFencerB"),
        i("imgFencerATemp"),
        i("imgFencerBTemp"),
        i("imgLightA"),
        i("imgLightB"),
        l("lblEngarde"),
        l("lblScore0"),
        l("lblScore1"),
        l("lblTime"),
        l("lblRedCount0"),
        l("lblRedCount1"),
        l("lblStart"),
        s("shpYellow0"),
        s("shpYellow1"),
        s("shpRed0"),
        s("shpRed1"),
        b("cmdAdvance"),
        b("cmdExtend"),
        b("cmdLunge"),
        b("cmdRetreat"),
        b("cmdParry"),
        b("cmdFleche"),
        *txtKeyboard,
        *listBoxStrings,
        *mediaPlayer,
        m("mnuFileNewGame"),
        m("mnuFilePauseGame"),
        m("BestResults1"),
        m("mnuFileExit"),
        m("Firstto5"),
        m("Firstto10"),
        m("Firstto15"),
        m("TimedBout"),
        m("Novice"),
        m("Intermediate"),
        m("Advanced"),
        m("QuarterFinalist"),
        m("SemiFinalist"),
        m("Champion"),
        m("Custom1"),
        m("mnu2Player"),
        m("mnuKeyboard"),
        m("mnuMouse"),
        m("KeyboardLayout1"),
        m("SoundOn"),
        m("mnuHelpAbout"),
        m("Help"),
        registry,
        clock,
        random,
        launcher,
    };
}

bool TFormFencer::eventFilter(QObject* watched, QEvent* event) {
    // In keyboard control every typed character of this window goes to the key handler,
    // whichever widget has the focus; shortcuts (F1-F3, Alt+letters) were handled before.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && !key->text().isEmpty() && key->text().at(0).isPrint()) {
            txtKeyboard->KeyPress(key->text());
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
