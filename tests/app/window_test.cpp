#include "app/TFormFencer.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using pistework::app::TFormFencer;

namespace {

QWidget* Control(TFormFencer& form, const char* name) {
    auto* w = form.findChild<QWidget*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QAction* MenuAction(TFormFencer& form, const char* name) {
    auto* a = form.findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(a, nullptr) << name;
    return a;
}

} // namespace

TEST(MainWindow, FixedClientAreaTitleAndColour) {
    TFormFencer form;
    form.show();
    EXPECT_EQ(form.windowTitle(), "B.K.S. Pistework");
    EXPECT_EQ(form.Client()->size(), QSize(498, 270));
    EXPECT_EQ(form.Client()->y(), form.menuBar()->height());
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "the window must not be resizable";
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form.Client()->palette().color(QPalette::Window), QColor(64, 128, 64));
}

TEST(MainWindow, ControlsStandWhereTheLayoutPutsThem) {
    TFormFencer form;
    struct Expect {
        const char* name;
        QRect geometry;
    };
    for (const Expect& e :
         {Expect{"imgFencerA", {106, 88, 150, 100}}, Expect{"imgFencerB", {244, 88, 150, 100}},
          Expect{"imgLightA", {32, 104, 40, 60}}, Expect{"imgLightB", {440, 104, 40, 60}},
          Expect{"imgPiste", {25, 165, 450, 20}}, Expect{"lblEngarde", {0, 24, 489, 57}},
          Expect{"lblStart", {296, 224, 185, 25}}, Expect{"cmdAdvance", {296, 208, 57, 25}},
          Expect{"cmdLunge", {424, 208, 57, 25}}, Expect{"cmdFleche", {424, 240, 57, 25}},
          Expect{"shpYellow1", {8, 232, 13, 20}}, Expect{"shpRed0", {24, 208, 13, 20}},
          Expect{"txtKeyboard", {8, -30, 33, 21}}})
        EXPECT_EQ(Control(form, e.name)->geometry(), e.geometry) << e.name;
    EXPECT_EQ(Control(form, "lblScore0")->pos(), QPoint(107, 208));
    EXPECT_EQ(Control(form, "LabelYou")->pos(), QPoint(51, 232));
    EXPECT_EQ(static_cast<QLabel*>(Control(form, "LabelOpponent"))->text(), "Left");
    EXPECT_EQ(static_cast<QPushButton*>(Control(form, "cmdFleche"))->text(), "Flèche");
    // The clock keeps the layout's right edge, wide enough for "9:00".
    EXPECT_EQ(Control(form, "lblTime")->geometry().right(), 487);
    auto* time = static_cast<QLabel*>(Control(form, "lblTime"));
    EXPECT_GE(time->width(), time->fontMetrics().horizontalAdvance("9:00"));
    auto* redCount = static_cast<QLabel*>(Control(form, "lblRedCount0"));
    EXPECT_GE(redCount->width(), redCount->fontMetrics().horizontalAdvance("2"));
    EXPECT_EQ(redCount->geometry().center().x(), Control(form, "shpRed0")->geometry().center().x());
    auto* start = static_cast<QLabel*>(Control(form, "lblStart"));
    EXPECT_GE(start->width(), start->fontMetrics().horizontalAdvance(start->text()));

    // The fencers are drawn over the piste, the buttons over everything drawn.
    const auto children = form.Client()->children();
    EXPECT_LT(children.indexOf(Control(form, "imgPiste")),
              children.indexOf(Control(form, "imgFencerB")));
    EXPECT_LT(children.indexOf(Control(form, "imgFencerB")),
              children.indexOf(Control(form, "imgFencerA")));
    EXPECT_LT(children.indexOf(Control(form, "lblStart")),
              children.indexOf(Control(form, "cmdAdvance")));

    auto* list = form.findChild<QListWidget*>("ListBoxStrings");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 21);
    EXPECT_EQ(list->item(0)->text(), "Engarde");
    EXPECT_EQ(list->item(19)->text(), "&Resume Game");
    EXPECT_EQ(list->item(20)->text(), "Game Over");
}

TEST(MainWindow, MenuTreeCaptionsShortcutsAndRadioGroups) {
    TFormFencer form;
    std::vector<QString> top;
    for (QAction* a : form.menuBar()->actions())
        top.push_back(a->text());
    EXPECT_EQ(top, (std::vector<QString>{"&File", "&Settings", "&Help"}));

    EXPECT_EQ(MenuAction(form, "mnuFileNewGame")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(MenuAction(form, "mnuFilePauseGame")->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(MenuAction(form, "Help")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(MenuAction(form, "mnuFileExit")->text(), "E&xit");
    EXPECT_EQ(MenuAction(form, "QuarterFinalist")->text(), "&Quarter-Finalist");
    EXPECT_EQ(MenuAction(form, "KeyboardLayout1")->text(), "Keyboard &Layout");

    auto* opponent = form.findChild<QMenu*>("mnuOpponent");
    ASSERT_NE(opponent, nullptr);
    QStringList items;
    for (QAction* a : opponent->actions())
        items << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(items, (QStringList{"&Novice", "&Intermediate", "&Advanced", "&Quarter-Finalist",
                                  "&Semi-Finalist", "&Champion", "-", "C&ustom", "&2 Player"}));

    // Start-up marks after FormCreate: first to 15, timed, mouse, Novice, sound off.
    EXPECT_TRUE(MenuAction(form, "Firstto15")->isChecked());
    EXPECT_TRUE(MenuAction(form, "TimedBout")->isChecked());
    EXPECT_TRUE(MenuAction(form, "mnuMouse")->isChecked());
    EXPECT_TRUE(MenuAction(form, "Novice")->isChecked());
    EXPECT_FALSE(MenuAction(form, "SoundOn")->isChecked());

    // A click runs the handler, which sets the marks; radio items exclude each other.
    MenuAction(form, "Firstto5")->trigger();
    EXPECT_TRUE(MenuAction(form, "Firstto5")->isChecked());
    EXPECT_FALSE(MenuAction(form, "Firstto15")->isChecked());
    EXPECT_EQ(form.Game().Options().maxHits, 5);
    MenuAction(form, "Firstto5")->trigger();
    EXPECT_TRUE(MenuAction(form, "Firstto5")->isChecked()) << "a checked radio item stays checked";
    // Plain check items toggle once per click, not twice.
    MenuAction(form, "SoundOn")->trigger();
    EXPECT_TRUE(MenuAction(form, "SoundOn")->isChecked());
    MenuAction(form, "SoundOn")->trigger();
    EXPECT_FALSE(MenuAction(form, "SoundOn")->isChecked());
    // "Custom" opens the settings dialog: Cancel leaves the marks as they were, OK marks it.
    for (bool confirm : {false, true}) {
        QString title;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            title = dialog->windowTitle();
            confirm ? dialog->accept() : dialog->reject();
        });
        MenuAction(form, "Custom1")->trigger();
        EXPECT_EQ(title, "Settings");
        EXPECT_EQ(MenuAction(form, "Novice")->isChecked(), !confirm);
        EXPECT_EQ(MenuAction(form, "Custom1")->isChecked(), confirm);
    }
}

TEST(MainWindow, StartUpStateAfterFormCreate) {
    TFormFencer form;
    auto timer = [&](const char* name) { return form.findChild<QTimer*>(name); };
    for (const char* name :
         {"TimerLeft", "TimerRight", "TimerPresident", "TimerLight", "TimerClock", "TimerSalute"}) {
        ASSERT_NE(timer(name), nullptr) << name;
        EXPECT_FALSE(timer(name)->isActive()) << name;
        EXPECT_EQ(timer(name)->timerType(), Qt::PreciseTimer) << name;
    }
    ASSERT_TRUE(timer("TimerAutoPlay")->isActive());
    EXPECT_EQ(timer("TimerAutoPlay")->interval(), 15000);
    EXPECT_EQ(timer("TimerLeft")->interval(), 120);
    EXPECT_EQ(timer("TimerSalute")->interval(), 300);

    EXPECT_EQ(static_cast<QLabel*>(Control(form, "lblEngarde"))->text(), "");
    EXPECT_EQ(form.ImageNamed("imgFencerA").PictureName(), "DEFEATA");
    EXPECT_EQ(form.ImageNamed("imgFencerB").PictureName(), "DEFEATB");
    EXPECT_EQ(form.ImageNamed("imgLightA").PictureName(), "LIGHTOFFA");
    EXPECT_EQ(form.ImageNamed("imgLightB").PictureName(), "LIGHTOFFB");
    EXPECT_TRUE(Control(form, "lblTime")->isHidden());
    EXPECT_TRUE(Control(form, "lblStart")->isHidden());
    for (const char* name : {"shpYellow0", "shpYellow1", "shpRed0", "shpRed1"})
        EXPECT_TRUE(Control(form, name)->isHidden()) << name;
    for (const char* name :
         {"cmdAdvance", "cmdExtend", "cmdLunge", "cmdRetreat", "cmdParry", "cmdFleche"})
        EXPECT_FALSE(Control(form, name)->isHidden()) << name;

    // Keyboard control hides the buttons; mouse control brings them back.
    MenuAction(form, "mnuKeyboard")->trigger();
    EXPECT_TRUE(Control(form, "cmdLunge")->isHidden());
    MenuAction(form, "mnuMouse")->trigger();
    EXPECT_FALSE(Control(form, "cmdLunge")->isHidden());
}

TEST(MainWindow, EveryCaptionShowsWholeInItsLabel) {
    TFormFencer form;
    std::vector<std::string> scores, clock, redCounts;
    for (int hits = 0; hits <= 15; ++hits)
        scores.push_back(std::to_string(hits));
    for (int seconds = 9 * 60; seconds >= 0; --seconds)
        clock.push_back(std::to_string(seconds / 60) + ":" + (seconds % 60 < 10 ? "0" : "") +
                        std::to_string(seconds % 60));
    // The count sits on its card, one digit wide.
    for (int cards = 0; cards <= 9; ++cards)
        redCounts.push_back(std::to_string(cards));
    const std::vector<std::string> calls{"Engarde",
                                         "Are you ready?",
                                         "Counter Attack from the Right",
                                         "Warning - Yellow Card Right",
                                         "Warning - Red Card Left",
                                         "Return to Engarde",
                                         "Opponent Passed",
                                         "Game Over",
                                         "Attack from the Right\rCounter Attack from the Left",
                                         "Attack is Successful\rCounter is Out of Time"};
    const std::vector<std::pair<const char*, std::vector<std::string>>> shown{
        {"lblScore0", scores},
        {"lblScore1", scores},
        {"lblTime", clock},
        {"lblRedCount0", redCounts},
        {"lblRedCount1", redCounts},
        {"lblEngarde", calls},
        {"lblStart", {"Press F2 to Start"}}};
    for (const auto& [name, captions] : shown) {
        auto* label = static_cast<QLabel*>(Control(form, name));
        for (const std::string& caption : captions) {
            form.LabelNamed(name).SetCaption(caption);
            const QRect needed = label->fontMetrics().boundingRect(
                QRect(0, 0, 1000, 1000), static_cast<int>(label->alignment()), label->text());
            const QRect room = label->contentsRect();
            EXPECT_TRUE(needed.width() <= room.width() && needed.height() <= room.height())
                << name << " cuts \"" << caption << "\": needs " << needed.width() << "x"
                << needed.height() << ", has " << room.width() << "x" << room.height();
            EXPECT_TRUE(form.Client()->rect().contains(label->geometry()))
                << name << " reaches out of the window with \"" << caption << "\"";
        }
    }
}

// Whether a caption is drawn whole is read off the window's own pixels: its ink must be as
// wide and as high as the same text drawn with the same font where nothing clips it.
TEST(MainWindow, LongestCallsAndTwoDigitScoresAreDrawnWhole) {
    TFormFencer form;
    form.show();
    const QColor ground(64, 128, 64);
    auto inkBounds = [&ground](const QImage& image, const QRect& area) {
        QRect ink;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixelColor(x, y) != ground) ink |= QRect(x, y, 1, 1);
        return ink;
    };
    const std::vector<std::pair<const char*, const char*>> shown{
        {"lblEngarde", "Counter Attack from the Right"},
        {"lblEngarde", "Warning - Yellow Card Right"},
        {"lblEngarde", "Attack from the Right\rCounter Attack from the Left"},
        {"lblScore0", "15"},
        {"lblScore1", "10"}};
    for (const auto& [name, caption] : shown) {
        auto* label = static_cast<QLabel*>(Control(form, name));
        form.LabelNamed(name).SetCaption(caption);
        const QImage window = form.Client()->grab().toImage();
        const qreal scale = window.devicePixelRatio();
        const QRect onScreen =
            inkBounds(window, QRect((QRectF(label->geometry()).topLeft() * scale).toPoint(),
                                    (QSizeF(label->size()) * scale).toSize()));

        QImage free(QSize(1200, 400) * scale, QImage::Format_RGB32);
        free.setDevicePixelRatio(scale);
        free.fill(ground);
        {
            QPainter painter(&free);
            painter.setFont(label->font());
            painter.setPen(label->palette().color(QPalette::WindowText));
            painter.drawText(QRect(0, 0, 1200, 400), static_cast<int>(label->alignment()),
                             label->text());
        }
        const QRect whole = inkBounds(free, free.rect());
        EXPECT_FALSE(whole.isEmpty()) << caption;
        EXPECT_NEAR(onScreen.width(), whole.width(), 1) << name << " cuts \"" << caption << "\"";
        EXPECT_NEAR(onScreen.height(), whole.height(), 1) << name << " cuts \"" << caption << "\"";
    }
}
