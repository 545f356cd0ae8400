// SPDX-License-Identifier: GPL-3.0-or-later
// Asking the router, from the window's side: whatever the helper does (maps, fails, floods,
// never answers, dies, is missing), the host hears one plain outcome within bounds, and the
// mapping is given back when hosting ends. Stand-in helpers play the router's part here; the
// real helper meets a real gateway in the end-to-end check.

#include "Dialogs.h"
#include "WindowDriver.h"
#include "app/MainWindow.h"
#include "app/NetTransport.h"
#include "app/RouterPort.h"
#include "dialogs/NetworkDialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace pistework;
namespace gateway = game::gateway;

namespace {

bool WaitFor(const std::function<bool()>& done, int milliseconds) {
    for (QDeadlineTimer deadline(milliseconds); !done() && !deadline.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

QString Stand_in(const QTemporaryDir& folder, const char* name, const QString& body) {
    const QString path = folder.filePath(QString::fromLatin1(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body.toUtf8() + '\n');
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace

TEST(RouterPort, EachHelperEndsInOnePlainOutcomeAndWhatItMadeIsGivenBack) {
    QTemporaryDir folder;
    const QString back = folder.filePath(QStringLiteral("given-back"));
    // Gives the mapping back whether its input closes or it is told to end.
    const QString holds = QStringLiteral("trap 'echo removed; : >\"%1\"; exit 0' TERM\n"
                                         "cat >/dev/null; echo removed; : >\"%1\"")
                              .arg(back);
    struct Row {
        const char* what;
        QString body;
        std::string last; // the last news heard, as the helper would write it
        bool mapped;      // the host heard where friends join
        bool givesBack;
    };
    const Row rows[] = {
        {"an honest router",
         "echo 'found upnp http://192.168.50.1/ for 192.168.50.2'\n"
         "echo \"mapped upnp 11.0.0.1 $1 120\"\n" +
             holds,
         "mapped upnp 11.0.0.1 40123 120", true, true},
        {"a refusal after a line that does not read",
         "echo 'mapped upnp 11.0.0.1'; echo 'failed refused UPnP error 606'",
         "failed refused UPnP error 606", false, false},
        {"an end without a word", "exit 0",
         "failed not-asked the helper ended with 0 before it decided", false, false},
        {"a mapping, then the helper dies", "echo \"mapped upnp 11.0.0.1 $1 120\"; kill -9 $$",
         "failed lost the helper ended", true, false},
        {"a flood with no end of line", "head -c 100000 /dev/zero | tr '\\0' x; exec sleep 30",
         "failed garbled a line too long", false, false},
        {"a router that never answers", "trap '' TERM; exec sleep 30",
         "failed no-gateway no answer within 5000 ms", false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QFile::remove(back);
        std::vector<std::string> heard;
        QDeadlineTimer took;
        {
            app::RouterPort asking(Stand_in(folder, "helper", row.body), 40123,
                                   [&](const gateway::Report& report) {
                                       heard.push_back(gateway::WriteReport(report));
                                   });
            EXPECT_TRUE(
                WaitFor([&] { return asking.Decided(); }, app::RouterPort::kGiveUpMs + 2000));
            // What follows a decision (a loss) comes soon after it.
            WaitFor([&] { return !heard.empty() && heard.back() == row.last; }, 500);
            took = QDeadlineTimer(app::RouterPort::kGiveBackMs + 1000);
        }
        EXPECT_FALSE(took.hasExpired()) << "giving back took longer than it may";
        ASSERT_FALSE(heard.empty());
        EXPECT_EQ(heard.back(), row.last);
        EXPECT_EQ(std::count_if(heard.begin(), heard.end(),
                                [](const std::string& line) { return line.starts_with("mapped"); }),
                  row.mapped ? 1 : 0);
        EXPECT_EQ(QFile::exists(back), row.givesBack);
    }
    std::vector<std::string> heard;
    {
        app::RouterPort asking(
            folder.filePath(QStringLiteral("nowhere")), 40123,
            [&](const gateway::Report& report) { heard.push_back(gateway::WriteReport(report)); });
        EXPECT_TRUE(WaitFor([&] { return asking.Decided(); }, 2000));
    }
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_TRUE(heard[0].starts_with("failed not-asked")) << heard[0];
}

// The host's dialog shows where friends join, with the code, and copies it; a failure says
// why in a sentence, pointing to the README, with nothing to copy.
TEST(RouterPort, TheHostsDialogSaysWhereFriendsJoinOrWhyTheyCannot) {
    QString error;
    NetService* network = app::Network(error);
    ASSERT_TRUE(network) << error.toStdString();
    auto listener = network->Listen(0, [](std::unique_ptr<NetConnection>) {});
    dialogs::HostDialog dialog(nullptr, *network, listener.get(), 0, 654'321);
    dialog.show();
    auto* internet = drive::Named<QLabel>(dialog, "lblInternet");
    auto* copy = drive::Named<QPushButton>(dialog, "cmdCopy");
    EXPECT_TRUE(internet->isHidden());
    const QString asking = dialog.Asking();
    EXPECT_EQ(asking, internet->text());
    EXPECT_FALSE(internet->isHidden());
    EXPECT_TRUE(copy->isHidden());

    gateway::Report mapped = *gateway::ReadReport("mapped upnp 11.0.0.1 40124 120");
    EXPECT_EQ(dialog.RouterSaid(mapped),
              QStringLiteral("Friends join at 11.0.0.1:40124, code 654 321"));
    EXPECT_EQ(internet->text(), QStringLiteral("Friends join at 11.0.0.1:40124, code 654 321"));
    ASSERT_FALSE(copy->isHidden());
    copy->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("11.0.0.1:40124, code 654 321"));
    EXPECT_TRUE(
        dialog.RouterSaid(*gateway::ReadReport("renewed upnp 11.0.0.1 40124 120")).isEmpty());

    for (int failure = 0; failure <= static_cast<int>(gateway::kLastFailure); ++failure) {
        gateway::Report failed;
        failed.failure = static_cast<gateway::Failure>(failure);
        const QString said = dialog.RouterSaid(failed);
        SCOPED_TRACE(said.toStdString());
        EXPECT_TRUE(said.contains(QLatin1String("README")));
        EXPECT_FALSE(said.contains(QLatin1String("11.0.0.1")));
        EXPECT_TRUE(copy->isHidden());
    }
}

// Settings ▸ Ask the Router: hosting with it off asks nobody and says nothing of the internet;
// with it on, the dialog says the router is being asked as it opens.
TEST(RouterPort, HostingAsksTheRouterOnlyWhenChosen) {
    drive::ExpectDialogs answered;
    app::MainWindow window;
    window.show();
    auto* ask = drive::Named<QAction>(window, "mnuAskRouter");
    for (bool on : {false, true}) {
        SCOPED_TRACE(on);
        if (ask->isChecked() != on) ask->trigger();
        ASSERT_EQ(window.Game().Options().askRouter, on);
        QString said = QStringLiteral("(no dialog)");
        QTimer::singleShot(0, &window, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            auto* internet = dialog->findChild<QLabel*>(QStringLiteral("lblInternet"));
            said = internet && !internet->isHidden() ? internet->text() : QString();
            dialog->reject();
        });
        window.HostNetworkBout(0, 111'111);
        EXPECT_EQ(said.isEmpty(), !on) << said.toStdString();
    }
}
