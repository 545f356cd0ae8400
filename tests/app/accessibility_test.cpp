// What a screen reader is given: a spoken name for everything the player can press or land
// on, in the window and every dialog; the referee's calls announced as they are made; the
// scores and the clock read as named values.

#include "app/QtRegistry.h"
#include "app/TFormFencer.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/HelpDialog.h"
#include "dialogs/KeysDialog.h"
#include "dialogs/BestResultsDialog.h"
#include "dialogs/CustomLevelDialog.h"
#include "dialogs/VictoryDialog.h"
#include "platform/Layout.h"
#include "platform/headless/HeadlessControls.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <vector>

using namespace pistework;

namespace {

QAccessibleInterface* Accessible(QObject* object) {
    return object ? QAccessible::queryAccessibleInterface(object) : nullptr;
}

QString Spoken(QObject* object, QAccessible::Text text = QAccessible::Name) {
    QAccessibleInterface* face = Accessible(object);
    return face ? face->text(text) : QStringLiteral("<no accessible interface>");
}

// What a reader says for each thing under `window` the player can press, choose or land on:
// the buttons, every widget taking the focus, and each menu item as the menu exposes it.
// Each entry is the control (by object name or caption) and its spoken name.
std::vector<std::pair<QString, QString>> SpokenControls(QWidget& window) {
    std::vector<std::pair<QString, QString>> spoken;
    std::set<QWidget*> seen;
    auto add = [&](QWidget* widget) {
        if (seen.insert(widget).second) spoken.emplace_back(widget->objectName(), Spoken(widget));
    };
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        add(button);
    for (QWidget* widget : window.findChildren<QWidget*>())
        if (widget->focusPolicy() & Qt::TabFocus && !qobject_cast<QMenu*>(widget) &&
            !qobject_cast<QMenuBar*>(widget))
            add(widget);

    // Menu items are not widgets: the menu's own interface lists them, submenus included.
    std::vector<QWidget*> menus;
    for (QMenuBar* bar : window.findChildren<QMenuBar*>())
        menus.push_back(bar);
    for (QMenu* menu : window.findChildren<QMenu*>())
        menus.push_back(menu);
    std::set<QAction*> heard;
    for (QWidget* menu : menus) {
        QAccessibleInterface* face = Accessible(menu);
        for (int i = 0; face && i < face->childCount(); ++i) {
            QAccessibleInterface* item = face->child(i);
            if (!item || item->role() == QAccessible::Separator) continue;
            auto* action = qobject_cast<QAction*>(item->object());
            heard.insert(action);
            spoken.emplace_back(action ? action->text() : QStringLiteral("<not an action>"),
                                item->text(QAccessible::Name));
        }
        for (QAction* action : menu->actions())
            if (!action->isSeparator() && !heard.count(action))
                spoken.emplace_back(action->text(), QStringLiteral("<not in the menu's tree>"));
    }
    return spoken;
}

struct WindowCase {
    const char* window;
    std::function<std::unique_ptr<QWidget>()> make;
    // Spoken names a reader must hear, by object name or, for menu items, by caption.
    std::vector<std::pair<QString, QString>> expected;
};

platform::headless::RecordingLauncher unusedLauncher;

app::QtRegistry& Store() {
    static app::QtRegistry registry(QStringLiteral("Brackenmoor Fencing Association"),
                                    QStringLiteral("Pistework"));
    return registry;
}

std::vector<WindowCase> Windows() {
    return {
        {"main window",
         [] { return std::make_unique<app::TFormFencer>(); },
         {{"cmdFleche", QString::fromUtf8("Flèche")},
          {"txtKeyboard", "Fencing keys"},
          {"E&xit", "Exit"},
          {"&Game Type", "Game Type"},
          {"First to 5", "First to 5"},
          {"&Quarter-Finalist", "Quarter-Finalist"},
          {"Keyboard &Layout", "Keyboard Layout"},
          {"&Help...", "Help..."}}},
        {"help",
         [] { return std::make_unique<dialogs::HelpDialog>(nullptr); },
         {{"cmdOK", "Close"}}},
        {"about",
         [] { return std::make_unique<dialogs::AboutDialog>(nullptr, unusedLauncher); },
         {{"cmdOK", "Close"}}},
        {"keyboard layout",
         [] { return std::make_unique<dialogs::KeysDialog>(nullptr); },
         {{"txtLeft1", "Left Advance key"},
          {"txtRight6", QString::fromUtf8("Right Flèche/Recover Forwards key")},
          {"optLeft1", "Left keys W S X Q A Z"},
          {"optRight1", "Right keys M K O , L P"},
          {"optRight3", "Custom"},
          {"cmdCancel", "Cancel"}}},
        {"best results",
         [] { return std::make_unique<dialogs::BestResultsDialog>(nullptr, Store()); },
         {{"cmdOK", "Close"}}},
        {"custom level",
         [] { return std::make_unique<dialogs::CustomLevelDialog>(nullptr); },
         {{"scrSpeed", "Speed"}, {"scrReaction", "Reaction Time"}, {"cmdOK", "OK"}}},
        {"victory",
         [] { return std::make_unique<dialogs::VictoryDialog>(nullptr, Store()); },
         {{"txtName", "Your name"}, {"cmdOK", "OK"}}},
    };
}

} // namespace

TEST(Accessibility, EveryButtonMenuItemAndFieldHasASpokenName) {
    for (const WindowCase& c : Windows()) {
        SCOPED_TRACE(c.window);
        std::unique_ptr<QWidget> window = c.make();
        const auto spoken = SpokenControls(*window);
        ASSERT_FALSE(spoken.empty());
        for (const auto& [control, name] : spoken) {
            EXPECT_FALSE(name.trimmed().isEmpty()) << control.toStdString() << " has no name";
            EXPECT_FALSE(name.contains(QLatin1Char('&')))
                << control.toStdString() << " is read as \"" << name.toStdString() << "\"";
        }
        for (const auto& [control, name] : c.expected) {
            QString heard = QStringLiteral("<not found>");
            for (const auto& [which, said] : spoken)
                if (which == control) heard = said;
            EXPECT_EQ(heard, name) << control.toStdString();
        }
    }
}

TEST(Accessibility, ThePausedGamesMenuItemIsReadByItsNewCaption) {
    app::TFormFencer form;
    QAction* pause = form.MenuItem("mnuFilePauseGame").Action();
    auto spokenPause = [&] {
        QAccessibleInterface* menu = Accessible(form.findChild<QMenu*>("mnuFile"));
        for (int i = 0; menu && i < menu->childCount(); ++i)
            if (menu->child(i)->object() == pause) return menu->child(i)->text(QAccessible::Name);
        return QStringLiteral("<not in the menu>");
    };
    EXPECT_EQ(spokenPause(), "Pause Game");
    pause->trigger();
    EXPECT_EQ(spokenPause(), "Resume Game");
    pause->trigger();
    EXPECT_EQ(spokenPause(), "Pause Game");
}

// The pictures and cards show what only the eye would see; the readouts say what they count.
TEST(Accessibility, PicturesCardsAndReadoutsSayWhatTheyAre) {
    app::TFormFencer form;
    using platform::layout::ControlKind;
    for (const auto& entry : platform::layout::kControls) {
        const bool pictured = entry.kind == ControlKind::Image ||
                              entry.kind == ControlKind::Piste || entry.kind == ControlKind::Shape;
        if (!pictured) continue;
        const QString name = QString::fromUtf8(entry.name.data(), qsizetype(entry.name.size()));
        EXPECT_FALSE(Spoken(form.findChild<QWidget*>(name)).isEmpty()) << entry.name;
    }
    // A hit and three red cards for the left fencer: values the layout did not start with.
    game::Referee& referee = form.Game().President();
    referee.CallHit(game::Side::Left);
    for (int i = 0; i < 3; ++i)
        referee.Tick();
    form.LabelNamed("lblRedCount0").SetCaption("3");
    struct Readout {
        const char* control;
        const char* name;
        QVariant number; // what the bridge reads; none for a value only shown as text
    };
    for (const Readout& r :
         {Readout{"lblScore0", "Left fencer's score", 1},
          Readout{"lblScore1", "Right fencer's score", 0}, Readout{"lblTime", "Time left", {}},
          Readout{"lblRedCount0", "Left fencer's red cards", 3},
          Readout{"lblRedCount1", "Right fencer's red cards", 2}}) {
        SCOPED_TRACE(r.control);
        auto* label = form.findChild<QLabel*>(r.control);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(Spoken(label), r.name);
        EXPECT_EQ(Spoken(label, QAccessible::Value), label->text());
        QAccessibleValueInterface* value = Accessible(label)->valueInterface();
        EXPECT_EQ(value ? value->currentValue() : QVariant(), r.number);
        QAccessibleTextInterface* shown = Accessible(label)->textInterface();
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->text(0, shown->characterCount()), label->text());
    }
    // The call is read by itself; what it is goes in the description.
    auto* call = form.findChild<QLabel*>("lblEngarde");
    EXPECT_EQ(Spoken(call, QAccessible::Description), "Referee's call");
}

// Collects what assistive tools are told while it lives.
class Announcements {
public:
    struct Heard {
        QAccessible::Event type;
        QObject* object;
        QString name;
        QString value;
    };

    Announcements() {
        instance = this;
        previous = QAccessible::installUpdateHandler(&Record);
    }
    ~Announcements() {
        QAccessible::installUpdateHandler(previous);
        instance = nullptr;
    }
    Announcements(const Announcements&) = delete;
    Announcements& operator=(const Announcements&) = delete;

    // What `object` was announced with, in order: the new name, value or text.
    QStringList Told(QObject* object, QAccessible::Event type) const {
        QStringList names;
        for (const Heard& h : heard)
            if (h.object == object && h.type == type)
                names << (type == QAccessible::NameChanged ? h.name : h.value);
        return names;
    }

private:
    static void Record(QAccessibleEvent* event) {
        if (!instance) return;
        QAccessibleInterface* face = event->accessibleInterface();
        QString value;
        if (event->type() == QAccessible::ValueChanged)
            value = static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
        if (event->type() == QAccessible::TextUpdated)
            value = static_cast<QAccessibleTextUpdateEvent*>(event)->textInserted();
        instance->heard.push_back({event->type(), event->object(),
                                   face ? face->text(QAccessible::Name) : QString(), value});
    }

    static inline Announcements* instance = nullptr;
    QAccessible::UpdateHandler previous = nullptr;
    std::vector<Heard> heard;
};

// Qt hands these events on only while an assistive-technology bridge is up. On the desktop
// that is the AT-SPI bus; the offscreen platform has none, so this runs under an X server
// with an accessibility bus of its own (the AtSpi.* tests).
TEST(Accessibility, RefereesCallsScoresAndClockAreAnnouncedAsTheyChange) {
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        GTEST_SKIP() << "no accessibility bridge on the offscreen platform";
    // The bridge comes up once the bus answers, a moment after the program starts.
    QElapsedTimer waited;
    waited.start();
    while (!QAccessible::isActive() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_TRUE(QAccessible::isActive()) << "the accessibility bus never answered";
    app::TFormFencer form;
    form.show();
    Announcements heard;
    form.MenuItem("mnuFileNewGame").Action()->trigger();
    game::Referee& referee = form.Game().President();
    auto* call = form.findChild<QLabel*>("lblEngarde");
    auto* rightScore = form.findChild<QLabel*>("lblScore1");
    auto* clock = form.findChild<QLabel*>("lblTime");

    QStringList shown;
    auto tick = [&] {
        referee.Tick();
        shown << call->text();
    };
    // The opening calls, the fencers let go, then a hit by the right fencer and its ruling.
    for (int i = 0; i < 4; ++i)
        tick();
    referee.CallHit(game::Side::Right);
    for (int i = 0; i < 3; ++i)
        tick();
    ASSERT_EQ(shown, (QStringList{"Engarde", "Are you ready?", "Fence", "", "Halt",
                                  "Attack from the Right", "Successful"}));
    EXPECT_EQ(heard.Told(call, QAccessible::NameChanged), shown);
    EXPECT_EQ(heard.Told(rightScore, QAccessible::ValueChanged), QStringList{"1"});
    EXPECT_EQ(heard.Told(rightScore, QAccessible::TextUpdated), QStringList{"1"});

    // A second of the bout, as the clock's timer gives it.
    const QString before = clock->text();
    ASSERT_TRUE(QMetaObject::invokeMethod(form.findChild<QTimer*>("TimerClock"), "timeout"));
    ASSERT_NE(clock->text(), before);
    for (QAccessible::Event change : {QAccessible::ValueChanged, QAccessible::TextUpdated}) {
        const QStringList clockValues = heard.Told(clock, change);
        EXPECT_EQ(clockValues.isEmpty() ? QString() : clockValues.last(), clock->text()) << change;
    }
}
