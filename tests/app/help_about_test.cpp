// SPDX-License-Identifier: GPL-3.0-or-later
// The help and about dialogs: every text whole and in its place, and the links starting the
// browser on their own, with no shell in between.

#include "Dialogs.h"
#include "Languages.h"
#include "app/MainWindow.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/HelpDialog.h"
#include "game/player/Browser.h"
#include "platform/headless/HeadlessServices.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

using namespace pistework;

namespace {

struct DialogCase {
    std::function<std::unique_ptr<QDialog>()> make;
    std::span<const dialogs::PlacedText> texts; // what the dialog is built from
};

platform::headless::RecordingLauncher unusedLauncher;

std::vector<DialogCase> Dialogs() {
    return {
        {[] { return std::make_unique<dialogs::HelpDialog>(nullptr); },
         dialogs::HelpDialog::kTexts},
        {[] { return std::make_unique<dialogs::AboutDialog>(nullptr, unusedLauncher); },
         dialogs::AboutDialog::kTexts},
    };
}

// What a placed text should show: a link's address as it is, any other text in the player's
// language, as tr() in the dialog translates it.
QString Expected(const QDialog& dialog, const dialogs::PlacedText& placed) {
    if (!placed.link.empty())
        return QString::fromUtf8(placed.link.data(), static_cast<qsizetype>(placed.link.size()));
    return QCoreApplication::translate(dialog.metaObject()->className(), placed.text);
}

// Where a label's text is drawn, in the dialog's coordinates.
QRect TextRect(const QLabel& label) {
    const QRect area = label.contentsRect();
    const int flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    // Text that does not fit comes back larger than the area, as far as it would reach.
    const QRect text = label.fontMetrics().boundingRect(area, flags, label.text());
    return text.translated(label.pos());
}

} // namespace

using DialogTextsInLanguage = drive::InEachLanguage;
INSTANTIATE_IN_EACH_LANGUAGE(DialogTextsInLanguage);

// Run at scale 1 and again with QT_SCALE_FACTOR=2.
TEST_P(DialogTextsInLanguage, EveryTextShowsWholeInReadingOrder) {
    for (const DialogCase& k : Dialogs()) {
        const auto dialog = k.make();
        dialog->show();
        const std::string title = dialog->windowTitle().toStdString();
        if (const QByteArray scale = qgetenv("QT_SCALE_FACTOR"); !scale.isEmpty()) {
            EXPECT_DOUBLE_EQ(dialog->devicePixelRatioF(), scale.toDouble()) << title;
        }
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << title << " is fixed in size";
        EXPECT_EQ(dialog->findChildren<QLabel*>().size(), qsizetype(k.texts.size())) << title;

        std::vector<QRect> drawn;
        int lastTop = -1;
        for (const dialogs::PlacedText& placed : k.texts) {
            const std::string where = title + " " + placed.name;
            const auto* label = dialog->findChild<QLabel*>(placed.name);
            ASSERT_NE(label, nullptr) << where;
            EXPECT_EQ(label->text(), Expected(*dialog, placed)) << where;
            EXPECT_GT(label->y(), lastTop) << where << " reads after the one before";
            lastTop = label->y();
            EXPECT_TRUE(dialog->rect().contains(label->geometry())) << where;
            const QRect text = TextRect(*label);
            EXPECT_TRUE(label->geometry().contains(text))
                << where << ": text " << text.width() << "x" << text.height() << " in label "
                << label->width() << "x" << label->height();
            // A sentence broken off at a label's end reads on in the next without a blank line.
            const QString shown = label->text().trimmed();
            if (placed.link.empty() && !shown.isEmpty() &&
                !QStringLiteral(".!?:)").contains(shown.back())) {
                EXPECT_LT(label->height() - text.height(), label->fontMetrics().lineSpacing())
                    << where << " breaks its sentence off above a blank line";
            }
            for (const QRect& other : drawn)
                EXPECT_FALSE(other.intersects(text)) << where << " is drawn over another text";
            if (!label->text().isEmpty()) drawn.push_back(text);
        }
        const auto* close = dialog->findChild<QPushButton*>("cmdOK");
        ASSERT_NE(close, nullptr) << title;
        EXPECT_TRUE(dialog->rect().contains(close->geometry())) << title;
        // Its caption fits as every dialog's does (translations_test.cpp).
        for (const QRect& text : drawn)
            EXPECT_FALSE(close->geometry().intersects(text)) << title << " button covers a text";
    }
}

TEST(DialogTexts, CloseEndsEitherDialogWithOK) {
    drive::ExpectDialogs answered; // the test answers its dialogs itself
    for (const DialogCase& k : Dialogs()) {
        const auto dialog = k.make();
        dialog->open();
        dialog->findChild<QPushButton*>("cmdOK")->click();
        EXPECT_FALSE(dialog->isVisible()) << dialog->windowTitle().toStdString();
        EXPECT_EQ(dialog->result(), QDialog::Accepted) << dialog->windowTitle().toStdString();
    }
}

TEST(DialogTexts, TheHelpMenuOpensEachDialogOverTheWindow) {
    drive::ExpectDialogs answered; // the test answers its dialogs itself
    app::MainWindow window;
    window.show();
    for (const auto& [action, opens] :
         {std::pair{"Help", &dialogs::HelpDialog::staticMetaObject},
          std::pair{"mnuHelpAbout", &dialogs::AboutDialog::staticMetaObject}}) {
        auto* item = window.findChild<QAction*>(action);
        ASSERT_NE(item, nullptr) << action;
        const QMetaObject* shown = nullptr;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            shown = dialog->metaObject();
            EXPECT_EQ(dialog->parentWidget(), &window) << action;
            dialog->findChild<QPushButton*>("cmdOK")->click();
        });
        item->trigger();
        EXPECT_EQ(shown, opens) << action;
    }
    EXPECT_EQ(window.findChildren<QDialog*>().size(), 0) << "each dialog is gone once closed";
}

namespace {

void Click(QWidget& widget, Qt::MouseButton button = Qt::LeftButton) {
    const QPointF at(2, widget.height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget.mapToGlobal(at), button, button,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget.mapToGlobal(at), button,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QApplication::sendEvent(&widget, &release);
}

game::Environment Browser(std::string command) {
    return [command = std::move(command)](const std::string& name) -> std::optional<std::string> {
        if (name == "BROWSER") return command;
        return std::nullopt;
    };
}

} // namespace

TEST(AboutLinks, ClickingALinkStartsTheBrowserWithItsAddress) {
    platform::headless::RecordingLauncher launcher;
    dialogs::AboutDialog about(nullptr, launcher, Browser("firefox --new-tab:lynx"));
    about.show();
    auto* talbrook = about.findChild<QLabel*>("LabelTalbrook");
    auto* valdmark = about.findChild<QLabel*>("LabelValdmark");
    ASSERT_TRUE(talbrook && valdmark);
    for (const QLabel* link : {talbrook, valdmark}) {
        EXPECT_TRUE(link->font().underline()) << link->objectName().toStdString();
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_GT(link->x(), about.findChild<QLabel*>("Label3")->x()) << "indented";
    }

    Click(*talbrook, Qt::RightButton);
    EXPECT_TRUE(launcher.calls.empty()) << "only the left button follows a link";
    Click(*talbrook);
    Click(*valdmark);
    ASSERT_EQ(launcher.calls.size(), 2u);
    EXPECT_EQ(launcher.calls[0].program, "firefox");
    EXPECT_EQ(launcher.calls[0].arguments,
              (std::vector<std::string>{"--new-tab", std::string(game::kAssociationAddress)}));
    EXPECT_EQ(launcher.calls[1].arguments,
              (std::vector<std::string>{"--new-tab", std::string(game::kFederationAddress)}));
    EXPECT_TRUE(about.isVisible()) << "the dialog stays open behind the browser";
}

namespace {

struct Recorded {
    pid_t parent = 0;
    std::string parentCommand;
    std::vector<std::string> argv;
};

// Waits for the stand-in browser's record; none if it never came.
std::optional<Recorded> AwaitRecord(const std::string& path) {
    for (int i = 0; i < 500 && !std::filesystem::exists(path); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::string> fields;
    for (std::string field; std::getline(in, field, '\0');)
        fields.push_back(field);
    if (fields.size() < 2) return std::nullopt;
    return Recorded{static_cast<pid_t>(std::stol(fields[0])), fields[1],
                    std::vector<std::string>(fields.begin() + 2, fields.end())};
}

// Our children left dead and unreaped.
int Zombies() {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line)) continue;
        const auto close = line.rfind(')');
        if (close == std::string::npos) continue;
        char state = 0;
        long parent = 0;
        std::istringstream(line.substr(close + 1)) >> state >> parent;
        if (state == 'Z' && parent == getpid()) ++count;
    }
    return count;
}

class RealStart : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        qputenv("PISTEWORK_ARGV_FILE", QFile::encodeName(QString::fromStdString(record)));
    }
    void TearDown() override { qunsetenv("PISTEWORK_ARGV_FILE"); }
    QTemporaryDir folder;
    std::string record = folder.filePath("argv").toStdString();
    const std::string recorder = PISTEWORK_ARGV_RECORDER;
};

} // namespace

TEST_F(RealStart, ArgumentsArriveLiterallyDetachedWithNoShellAndNoZombie) {
    app::QtLauncher launcher;
    const std::vector<std::string> arguments{"a;b",       "$HOME", "\"quoted\"", "'single'",   "*",
                                             "two words", "`id`",  "x|y&",       "line\nbreak"};
    ASSERT_TRUE(launcher.Start(recorder, arguments));
    const auto seen = AwaitRecord(record);
    ASSERT_TRUE(seen) << "the stand-in browser never ran";
    std::vector<std::string> expected{recorder};
    expected.insert(expected.end(), arguments.begin(), arguments.end());
    EXPECT_EQ(seen->argv, expected);
    EXPECT_NE(seen->parent, getpid()) << "the browser is not the game's own child";
    for (const char* shell : {"sh", "dash", "bash"})
        EXPECT_NE(seen->parentCommand, shell) << "started through a shell";
    EXPECT_EQ(Zombies(), 0);

    // The game does not wait for the browser to end.
    QElapsedTimer elapsed;
    elapsed.start();
    ASSERT_TRUE(launcher.Start("sleep", {"3"}));
    EXPECT_LT(elapsed.elapsed(), 1000);
}

TEST_F(RealStart, ALinkOpensThroughTheBrowserCommandOrQuietlyNothing) {
    app::QtLauncher launcher;
    {
        dialogs::AboutDialog about(nullptr, launcher, Browser(recorder + " --title=%s;x"));
        about.show();
        Click(*about.findChild<QLabel*>("LabelValdmark"));
        const auto seen = AwaitRecord(record);
        ASSERT_TRUE(seen);
        EXPECT_EQ(seen->argv,
                  (std::vector<std::string>{
                      recorder, "--title=" + std::string(game::kFederationAddress) + ";x"}));
    }

    // A browser that is not there: the start fails, nothing appears, nothing is left behind.
    EXPECT_FALSE(launcher.Start("/nonexistent/browser", {std::string(game::kFederationAddress)}));
    dialogs::AboutDialog about(nullptr, launcher, Browser("/nonexistent/browser --new-tab"));
    about.show();
    Click(*about.findChild<QLabel*>("LabelTalbrook"));
    QApplication::processEvents();
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_TRUE(window == &about || !window->isVisible())
            << window->metaObject()->className() << " appeared";
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(Zombies(), 0);
}
