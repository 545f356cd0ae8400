// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as its layout table builds it: every control and menu item once, of its
// kind, where the table puts it; the window as it opens; and every caption shown whole.

#include "Dialogs.h"
#include "Languages.h"
#include "WindowDriver.h"
#include "common/CallTexts.h"
#include "common/Translated.h"
#include "game/bout/BoutRules.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace pistework;
using app::MainWindow;
using drive::Named;
using drive::Text;
using game::Side;

namespace {

QColor Colour(layout::Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

bool OfKind(QWidget* widget, layout::ControlKind kind) {
    using enum layout::ControlKind;
    if (kind == Button) return qobject_cast<QPushButton*>(widget);
    if (kind == EditBox) return qobject_cast<QLineEdit*>(widget);
    const bool label = qobject_cast<QLabel*>(widget);
    return kind == Shape ? !label && !qobject_cast<QAbstractButton*>(widget) : label;
}

// Every text the referee can call, for either side, and every end of a network bout and its
// wait said in its place, as the window shows them.
std::vector<std::string> CallTexts() {
    std::vector<std::string> texts{Translated("Network", kWaitingWords).toStdString()};
    for (int end = 0; end <= static_cast<int>(game::kLastNetworkEnding); ++end)
        texts.push_back(
            TranslatedNetworkEnding(static_cast<game::NetworkEnding>(end)).toStdString());
    for (int call = 0; call <= static_cast<int>(game::Call::GameOver); ++call)
        for (Side side : game::kSides)
            texts.push_back(
                TranslatedCallText({static_cast<game::Call>(call), side}).toStdString());
    return texts;
}

using MainWindowInLanguage = drive::InEachLanguage;
INSTANTIATE_IN_EACH_LANGUAGE(MainWindowInLanguage);

} // namespace

TEST(MainWindow, FixedClientAreaTitleAndColour) {
    MainWindow window;
    window.show();
    EXPECT_EQ(window.windowTitle(), "B.K.S. Pistework");
    EXPECT_EQ(window.Client()->size(), QSize(app::kClientWidth, app::kClientHeight));
    EXPECT_EQ(window.Client()->y(), window.menuBar()->height());
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the window must not be resizable";
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window.Client()->palette().color(QPalette::Window), Colour(layout::kWindowGreen));
}

// The game's logs and the end-to-end tests know the controls by these names.
TEST(MainWindow, EveryLayoutControlIsOneWidgetOfItsKindWhereTheLayoutPutsIt) {
    MainWindow window;
    const QObjectList stacked = window.Client()->children();
    std::set<std::string_view> names;
    qsizetype below = -1;
    for (const layout::ControlEntry& entry : layout::kControls) {
        SCOPED_TRACE(entry.name);
        EXPECT_TRUE(names.insert(entry.name).second) << "listed twice";
        const auto widgets = window.findChildren<QWidget*>(Text(entry.name));
        ASSERT_EQ(widgets.size(), 1);
        QWidget* widget = widgets.front();
        EXPECT_TRUE(OfKind(widget, entry.kind));
        if (qobject_cast<QLabel*>(widget)) {
            EXPECT_EQ(widget->autoFillBackground(), entry.filled) << "its background";
        }
        // A command button says its key, the player's own, in its tip.
        if (entry.kind == layout::ControlKind::Button) {
            const std::u32string keys = window.Game().CurrentKeys().right;
            const auto key = keys.substr(static_cast<std::size_t>(entry.command), 1);
            EXPECT_TRUE(widget->toolTip().endsWith(
                QStringLiteral("(%1)").arg(QString::fromStdU32String(key))))
                << widget->toolTip().toStdString();
        }
        // Drawn over every control listed before it; only the fencers change places.
        if (entry.shows != layout::Shows::Fencer) {
            EXPECT_GT(stacked.indexOf(widget), below);
            below = stacked.indexOf(widget);
        }
    }
    const auto depth = [&](const char* name) { return stacked.indexOf(Named(window, name)); };
    EXPECT_LT(depth("imgPiste"), depth("imgFencerB"));
    EXPECT_LT(depth("imgFencerB"), depth("imgFencerA")) << "the left fencer starts in front";
    EXPECT_EQ(Named(window, "lblRedCount0")->geometry().center().x(),
              Named(window, "shpRed0")->geometry().center().x());
}

TEST(MainWindow, MenuTreeCaptionsShortcutsAndRadioGroups) {
    drive::ExpectDialogs answered; // the test answers its dialogs itself
    MainWindow window;
    // Each menu holds the items listed under it, in order, separators included.
    std::map<std::string_view, QStringList> listed;
    for (const layout::MenuEntry& entry : layout::kMenu)
        listed[entry.parent] << Text(entry.caption);
    const auto shown = [](const QList<QAction*>& actions) {
        QStringList captions;
        for (QAction* a : actions)
            captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return captions;
    };
    EXPECT_EQ(shown(window.menuBar()->actions()), listed[""]);
    std::set<std::string_view> names;
    for (const layout::MenuEntry& entry : layout::kMenu) {
        SCOPED_TRACE(entry.name);
        EXPECT_TRUE(names.insert(entry.name).second) << "listed twice";
        if (entry.kind == layout::MenuKind::Menu) {
            if (auto* menu = Named<QMenu>(window, entry.name)) {
                EXPECT_EQ(shown(menu->actions()), listed[entry.name]);
            }
        } else if (entry.kind != layout::MenuKind::Separator) {
            const auto* action = Named<QAction>(window, entry.name);
            ASSERT_NE(action, nullptr);
            // Only the items that exclude each other draw a radio mark.
            EXPECT_EQ(action->actionGroup() != nullptr, entry.kind == layout::MenuKind::Radio);
        }
    }
    auto item = [&](const char* name) { return Named<QAction>(window, name); };

    // Start-up marks: first to 15, timed, mouse, Novice, sound off.
    EXPECT_TRUE(item("Firstto15")->isChecked());
    EXPECT_TRUE(item("TimedBout")->isChecked());
    EXPECT_TRUE(item("mnuMouse")->isChecked());
    EXPECT_TRUE(item("Novice")->isChecked());
    EXPECT_FALSE(item("SoundOn")->isChecked());

    // A click runs the command, which sets the marks; radio items exclude each other.
    item("Firstto5")->trigger();
    EXPECT_TRUE(item("Firstto5")->isChecked());
    EXPECT_FALSE(item("Firstto15")->isChecked());
    EXPECT_EQ(window.Game().View().menu.target, 5);
    item("Firstto5")->trigger();
    EXPECT_TRUE(item("Firstto5")->isChecked()) << "a checked radio item stays checked";
    // Plain check items toggle once per click, not twice.
    item("SoundOn")->trigger();
    EXPECT_TRUE(item("SoundOn")->isChecked());
    item("SoundOn")->trigger();
    EXPECT_FALSE(item("SoundOn")->isChecked());
    // "Custom" opens the settings dialog: Cancel leaves the marks as they were, OK marks it.
    for (bool confirm : {false, true}) {
        QString title;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            title = dialog->windowTitle();
            confirm ? dialog->accept() : dialog->reject();
        });
        item("Custom1")->trigger();
        EXPECT_EQ(title, "Settings");
        EXPECT_EQ(item("Novice")->isChecked(), !confirm);
        EXPECT_EQ(item("Custom1")->isChecked(), confirm);
    }
}

TEST(MainWindow, StartUpState) {
    MainWindow window;
    game::GameProbe probe(window.Game());
    for (const char* name :
         {"TimerLeft", "TimerRight", "TimerPresident", "TimerLight", "TimerClock", "TimerSalute"})
        EXPECT_FALSE(probe.Timer(name).Enabled()) << name;
    ASSERT_TRUE(probe.Timer("TimerAutoPlay").Enabled());
    // The bout's one timer wakes for its next tick, precisely: a coarse one slips by 5 %.
    const auto* frame = window.findChild<QTimer*>("TimerBout");
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isActive());
    EXPECT_EQ(frame->timerType(), Qt::PreciseTimer);

    // Both fencers beaten on their lines and the lamps off, drawn from their own pictures.
    const game::BoutView& view = window.Game().View();
    EXPECT_EQ(view.call.call, game::Call::None);
    EXPECT_EQ(Named<QLabel>(window, "lblEngarde")->text(), "");
    auto drawn = [&](const std::string& control, const std::string& picture) {
        const QImage shown = Named<QLabel>(window, control)->pixmap().toImage();
        EXPECT_FALSE(shown.isNull()) << control;
        EXPECT_TRUE(shown.convertToFormat(QImage::Format_ARGB32) ==
                    QImage(Text(":/sprites/" + picture)).convertToFormat(QImage::Format_ARGB32))
            << control << " does not show " << picture;
    };
    for (Side side : game::kSides) {
        const std::string suffix(game::Suffix(side));
        EXPECT_EQ(view.fencers[side].pose, game::ResourceName(game::picture::kDefeat, side));
        drawn("imgFencer" + suffix, view.fencers[side].pose);
        EXPECT_EQ(view.lamps[side], game::Lamp::Off);
        drawn("imgLight" + suffix, game::ResourceName(game::picture::kLampOff, side));
    }
    // The clock, the pause sign and the cards wait for a bout, the start prompt for a
    // demonstration; the buttons show.
    using enum layout::Shows;
    const std::set<layout::Shows> waiting{Clock,   Paused,   YellowCard,
                                          RedCard, RedCount, StartPrompt};
    for (const layout::ControlEntry& entry : layout::kControls) {
        if (waiting.count(entry.shows) || entry.shows == Command) {
            EXPECT_EQ(Named(window, entry.name)->isHidden(), waiting.count(entry.shows) > 0)
                << entry.name;
        }
    }

    // Keyboard control hides the buttons; mouse control brings them back.
    Named<QAction>(window, "mnuKeyboard")->trigger();
    EXPECT_TRUE(Named(window, "cmdLunge")->isHidden());
    Named<QAction>(window, "mnuMouse")->trigger();
    EXPECT_FALSE(Named(window, "cmdLunge")->isHidden());

    // With "Pause When Inactive" chosen, a bout pauses when another program takes the focus,
    // not when the window has it back.
    Named<QAction>(window, "mnuPauseWhenInactive")->trigger();
    Named<QAction>(window, "mnuFileNewGame")->trigger();
    for (Qt::ApplicationState state : {Qt::ApplicationActive, Qt::ApplicationInactive}) {
        emit qApp->applicationStateChanged(state);
        EXPECT_EQ(window.Game().View().menu.paused, state == Qt::ApplicationInactive) << state;
    }
    // The pause item offers to resume, as after F3.
    EXPECT_EQ(Named<QAction>(window, "mnuFilePauseGame")->text(),
              Translated("Menu", layout::kResumeCaption));
}

TEST_P(MainWindowInLanguage, EveryCaptionShowsWholeInItsLabel) {
    MainWindow window;
    auto fits = [&](QLabel* label) {
        const QRect needed = label->fontMetrics().boundingRect(
            QRect(0, 0, 1000, 1000), static_cast<int>(label->alignment()), label->text());
        const QRect room = label->contentsRect();
        const std::string where =
            label->objectName().toStdString() + " with \"" + label->text().toStdString() + "\"";
        EXPECT_TRUE(needed.width() <= room.width() && needed.height() <= room.height())
            << where << " needs " << needed.width() << "x" << needed.height() << ", has "
            << room.width() << "x" << room.height();
        EXPECT_TRUE(window.Client()->rect().contains(label->geometry()))
            << where << " reaches out of the window";
    };
    // The scores as the game draws them, from 0 to the longest bout's 15.
    for (Side side : game::kSides) {
        auto* score = Named<QLabel>(window, side == Side::Left ? "lblScore0" : "lblScore1");
        fits(score);
        for (int hits = 1; hits <= 15; ++hits) {
            drive::Hit(window, side);
            ASSERT_EQ(window.Game().View().scores[side], hits);
            fits(score);
        }
    }
    // The labels of a fixed size, with every text they can show.
    std::vector<std::string> clock, redCounts;
    for (int seconds = game::BoutLengthSeconds(15); seconds >= 0; --seconds)
        clock.push_back(game::ClockCaption(seconds));
    // The count sits on its card, one digit wide.
    for (int cards = 0; cards <= 9; ++cards)
        redCounts.push_back(std::to_string(cards));
    const std::vector<std::pair<const char*, std::vector<std::string>>> shown{
        {"lblTime", clock},
        {"lblRedCount0", redCounts},
        {"lblRedCount1", redCounts},
        {"lblEngarde", CallTexts()},
        {"lblStart", {Named<QLabel>(window, "lblStart")->text().toStdString()}}};
    for (const auto& [name, captions] : shown) {
        auto* label = Named<QLabel>(window, name);
        for (const std::string& caption : captions) {
            label->setText(QString::fromStdString(caption));
            fits(label);
        }
    }
    // The command buttons, their captions within the frame the style draws.
    for (auto* button : window.Client()->findChildren<QPushButton*>())
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text().remove(QLatin1Char('&'))),
                  button->contentsRect().width() - 4)
            << button->text().toStdString();
}

// Whether a caption is drawn whole is read off the window's own pixels: its ink must be as
// wide and as high as the same text drawn with the same font where nothing clips it.
TEST_P(MainWindowInLanguage, LongestCallsAndTwoDigitScoresAreDrawnWhole) {
    MainWindow window;
    window.show();
    const QColor ground = Colour(layout::kWindowGreen);
    auto inkBounds = [&ground](const QImage& image, const QRect& area) {
        QRect ink;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixelColor(x, y) != ground) ink |= QRect(x, y, 1, 1);
        return ink;
    };
    auto drawnWhole = [&](QLabel* label) {
        const QString caption = label->text();
        const QImage client = window.Client()->grab().toImage();
        const qreal scale = client.devicePixelRatio();
        const QRect onScreen =
            inkBounds(client, QRect((QRectF(label->geometry()).topLeft() * scale).toPoint(),
                                    (QSizeF(label->size()) * scale).toSize()));

        QImage free(QSize(1200, 400) * scale, QImage::Format_RGB32);
        free.setDevicePixelRatio(scale);
        free.fill(ground);
        {
            QPainter painter(&free);
            painter.setFont(label->font());
            painter.setPen(label->palette().color(QPalette::WindowText));
            painter.drawText(QRect(0, 0, 1200, 400), static_cast<int>(label->alignment()), caption);
        }
        const QRect whole = inkBounds(free, free.rect());
        const std::string where =
            label->objectName().toStdString() + " cuts \"" + caption.toStdString() + "\"";
        EXPECT_FALSE(whole.isEmpty()) << where;
        EXPECT_NEAR(onScreen.width(), whole.width(), 1) << where;
        EXPECT_NEAR(onScreen.height(), whole.height(), 1) << where;
    };

    // The widest call on one line and the widest on two.
    auto* call = Named<QLabel>(window, "lblEngarde");
    const auto width = [&](const std::string& text) {
        return call->fontMetrics()
            .boundingRect(QRect(0, 0, 1000, 1000), Qt::AlignCenter, QString::fromStdString(text))
            .width();
    };
    std::string oneLine, twoLines;
    for (const std::string& text : CallTexts()) {
        std::string& widest = text.find('\n') == std::string::npos ? oneLine : twoLines;
        if (width(text) > width(widest)) widest = text;
    }
    for (const std::string& text : {oneLine, twoLines}) {
        call->setText(QString::fromStdString(text));
        drawnWhole(call);
    }
    drive::Hit(window, Side::Left, 15);
    drive::Hit(window, Side::Right, 10);
    drawnWhole(Named<QLabel>(window, "lblScore0"));
    drawnWhole(Named<QLabel>(window, "lblScore1"));
}

// In full screen a key the game does not take leaves it so; Esc goes back to the window.
TEST(MainWindow, OnlyEscLeavesFullScreen) {
    MainWindow window;
    window.show();
    auto* fullScreen = Named<QAction>(window, "mnuViewFullScreen");
    fullScreen->trigger();
    ASSERT_TRUE(fullScreen->isChecked());
    auto press = [&](Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(window.Client(), &event);
    };
    press(Qt::Key_Left);
    EXPECT_TRUE(fullScreen->isChecked());
    press(Qt::Key_Escape);
    EXPECT_FALSE(fullScreen->isChecked());
}

// The call area says each call as the referee makes it, from the salute to "Fence".
TEST(MainWindow, TheCallAreaSaysEachCallAsItIsMade) {
    MainWindow window;
    window.show();
    Named<QAction>(window, "mnuFileNewGame")->trigger();
    auto* call = Named<QLabel>(window, "lblEngarde");
    std::set<QString> said;
    for (int step = 0; step < 40 && window.Game().View().call.call != game::Call::Fence; ++step) {
        drive::Tick(window, game::GameProbe(window.Game()).Timer("TimerSalute").Enabled()
                                ? "TimerSalute"
                                : "TimerPresident");
        EXPECT_EQ(call->text(), TranslatedCallText(window.Game().View().call));
        said.insert(call->text());
    }
    EXPECT_GE(said.size(), 3u) << "\"Engarde\", \"Are you ready?\" and \"Fence\" at least";
}
