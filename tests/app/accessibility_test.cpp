// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is given: a spoken name for everything the player can press or land
// on, in the window and every dialog; the referee's calls announced as they are made; the
// scores and the clock read as named values.

#include "WindowDriver.h"
#include "common/CallTexts.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/BestResultsDialog.h"
#include "dialogs/CustomLevelDialog.h"
#include "dialogs/HelpDialog.h"
#include "dialogs/KeysDialog.h"
#include "dialogs/VictoryDialog.h"
#include "platform/headless/HeadlessServices.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <vector>

using namespace pistework;
using drive::Named;
using drive::Text;
using game::Side;

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

// The window's buttons and key box by object name, its menu items by caption.
std::vector<std::pair<QString, QString>> WindowNames() {
    std::vector<std::pair<QString, QString>> names;
    for (const layout::ControlEntry& entry : layout::kControls)
        if (entry.kind == layout::ControlKind::Button || entry.kind == layout::ControlKind::EditBox)
            names.emplace_back(Text(entry.name),
                               Text(entry.spoken.empty() ? entry.caption : entry.spoken));
    for (const layout::MenuEntry& entry : layout::kMenu)
        if (entry.kind != layout::MenuKind::Separator)
            names.emplace_back(Text(entry.caption), Text(entry.caption).remove(QLatin1Char('&')));
    return names;
}

std::vector<WindowCase> Windows() {
    return {
        {"main window", [] { return std::make_unique<app::MainWindow>(); }, WindowNames()},
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
         [] {
             return std::make_unique<dialogs::BestResultsDialog>(nullptr, game::BestResultTable{});
         },
         {{"cmdOK", "Close"}}},
        {"custom level",
         [] { return std::make_unique<dialogs::CustomLevelDialog>(nullptr); },
         {{"scrSpeed", "Speed"}, {"scrReaction", "Reaction Time"}, {"cmdOK", "OK"}}},
        {"victory",
         [] { return std::make_unique<dialogs::VictoryDialog>(nullptr, 1, "", nullptr); },
         {{"txtName", "Your name"}, {"cmdOK", "OK"}}},
    };
}

// A flèche run past the other fencer too soon after the last: a card, ruled by the referee.
void Offend(app::MainWindow& window, Side offender) {
    game::GameProbe probe(window.Game());
    probe.FencerOn(offender).SetPosture({false, false, true, true});
    probe.President().CallPass(60); // any pass within a minute of the last is too soon
    probe.FencerOn(offender).SetPosture({});
    drive::Tick(window, "TimerPresident", 3);
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
    app::MainWindow window;
    const layout::MenuEntry& item = layout::Menu(layout::MenuCommand::PauseOrResume);
    QAction* pause = Named<QAction>(window, item.name);
    auto spokenPause = [&] {
        QAccessibleInterface* menu = Accessible(Named<QMenu>(window, item.parent));
        for (int i = 0; menu && i < menu->childCount(); ++i)
            if (menu->child(i)->object() == pause) return menu->child(i)->text(QAccessible::Name);
        return QStringLiteral("<not in the menu>");
    };
    const QString toPause = Text(item.caption).remove(QLatin1Char('&'));
    const QString toResume = Text(layout::kResumeCaption).remove(QLatin1Char('&'));
    EXPECT_EQ(spokenPause(), toPause);
    pause->trigger();
    EXPECT_EQ(spokenPause(), toResume);
    pause->trigger();
    EXPECT_EQ(spokenPause(), toPause);
}

// The pictures and cards say what only the eye would see; the readouts say what they count.
TEST(Accessibility, PicturesCardsAndReadoutsSayWhatTheyAre) {
    app::MainWindow window;
    // A hit for the left fencer, and a yellow and three red cards for it: values the board did
    // not start with.
    drive::Hit(window, Side::Left);
    for (int card = 0; card < 4; ++card)
        Offend(window, Side::Left);
    const game::BoutView& view = window.Game().View();
    ASSERT_EQ(view.scores[Side::Left], 1);
    ASSERT_EQ(view.cards[Side::Left].reds, 3);
    for (const layout::ControlEntry& entry : layout::kControls) {
        SCOPED_TRACE(entry.name);
        QWidget* widget = Named(window, entry.name);
        using enum layout::ControlKind;
        if (entry.kind == Picture || entry.kind == Piste || entry.kind == Shape) {
            EXPECT_FALSE(Spoken(widget).isEmpty());
        }
        if (!entry.spoken.empty()) {
            EXPECT_EQ(Spoken(widget), Text(entry.spoken));
        }
        if (!entry.description.empty()) {
            EXPECT_EQ(Spoken(widget, QAccessible::Description), Text(entry.description));
        }
        if (entry.readout == layout::Readout::None) continue;

        auto* label = qobject_cast<QLabel*>(widget);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(Spoken(label, QAccessible::Value), label->text());
        // The bridge reads a count as a number; a value only shown as text has none.
        QVariant counted;
        if (entry.readout == layout::Readout::Number)
            counted = entry.shows == layout::Shows::Score ? view.scores[entry.side]
                                                          : view.cards[entry.side].reds;
        QAccessibleValueInterface* value = Accessible(label)->valueInterface();
        EXPECT_EQ(value ? value->currentValue() : QVariant(), counted);
        QAccessibleTextInterface* shown = Accessible(label)->textInterface();
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->text(0, shown->characterCount()), label->text());
    }
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
    app::MainWindow window;
    window.show();
    Announcements heard;
    Named<QAction>(window, "mnuFileNewGame")->trigger();
    auto* call = Named<QLabel>(window, "lblEngarde");
    auto* rightScore = Named<QLabel>(window, "lblScore1");
    auto* clock = Named<QLabel>(window, "lblTime");

    QStringList shown;
    auto tick = [&] {
        drive::Tick(window, "TimerPresident");
        shown << call->text();
    };
    // The opening calls, the fencers let go, then a hit by the right fencer and its ruling.
    for (int i = 0; i < 4; ++i)
        tick();
    game::GameProbe(window.Game()).President().CallHit(Side::Right);
    for (int i = 0; i < 3; ++i)
        tick();
    using game::Call;
    QStringList called;
    for (const game::RefereeCall said : {game::RefereeCall{Call::Engarde},
                                         {Call::Ready},
                                         {Call::Fence},
                                         {Call::None},
                                         {Call::Halt},
                                         {Call::Attack, Side::Right},
                                         {Call::Successful}})
        called << Text(CallText(said));
    ASSERT_EQ(shown, called);
    EXPECT_EQ(heard.Told(call, QAccessible::NameChanged), shown);
    EXPECT_EQ(heard.Told(rightScore, QAccessible::ValueChanged), QStringList{"1"});
    EXPECT_EQ(heard.Told(rightScore, QAccessible::TextUpdated), QStringList{"1"});

    // A second of the bout, as the clock's timer gives it.
    const QString before = clock->text();
    drive::Tick(window, "TimerClock");
    ASSERT_NE(clock->text(), before);
    for (QAccessible::Event change : {QAccessible::ValueChanged, QAccessible::TextUpdated}) {
        const QStringList clockValues = heard.Told(clock, change);
        EXPECT_EQ(clockValues.isEmpty() ? QString() : clockValues.last(), clock->text()) << change;
    }
}
