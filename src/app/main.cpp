// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FirstFrame.h"
#include "app/MainWindow.h"
#include "app/Translations.h"
#include "dialogs/NetworkDialogs.h"
#include "game/network/Network.h"
#include "game/school/Lessons.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDebug>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fontconfig/fontconfig.h>
#include <optional>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void OnEndSignal(int) {
    const char byte = 1;
    (void)!::write(signalPipe[1], &byte, 1);
}

// A session that ends, or a kill from the terminal, closes the window as a click on its close
// box would, so the settings are saved whichever way the program ends.
void CloseOnEndSignals(pistework::app::MainWindow& window) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char byte = 0;
        (void)!::read(signalPipe[0], &byte, 1);
        // Nobody may be there to answer a message box now.
        window.SetOnWarning([](const QString& text) { qWarning().noquote() << text; });
        window.EndNow();
    });
    struct sigaction action = {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
}

// Qt's own options, which QApplication takes from the command line: those documented for
// QGuiApplication and QApplication, and those of the X11 platform.
void AddQtOptions(QCommandLineParser& options) {
    for (const char* name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
          "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display", "geometry",
          "title", "icon", "name", "visual", "style", "stylesheet"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        options.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        options.addOption(option);
    }
}

struct CommandLine {
    bool namesDisplay = false;   // the platform or the display, which the window then opens on
    QByteArray replay;           // a replay to watch once the window is up, as named
    std::optional<quint16> host; // the port to host a network bout on
    QString join;                // the host to join
    bool watch = false;          // to watch its bout, not to fence it
    int code = -1;               // none given
    bool school = false;         // the fencing school's list at once
};

[[noreturn]] void Usage(const QCommandLineParser& options, const QString& error) {
    std::fprintf(stderr, "%s\npistework: %s\n",
                 qPrintable(options.helpText().section(QLatin1Char('\n'), 0, 0)),
                 qPrintable(error));
    std::exit(2);
}

// --host [PORT] --code NNNNNN, --join HOST[:PORT] --code NNNNNN and --watch HOST[:PORT] --code
// NNNNNN: a port after --host is the first word that is not an option, which a replay's name
// never is.
void ReadNetworkOptions(const QCommandLineParser& options, CommandLine& asked, QStringList& words) {
    const bool host = options.isSet(QStringLiteral("host"));
    asked.watch = options.isSet(QStringLiteral("watch"));
    const bool join = options.isSet(QStringLiteral("join")) || asked.watch;
    if (!host && !join) return;
    if (int(host) + int(options.isSet(QStringLiteral("join"))) + int(asked.watch) > 1)
        Usage(options, QCoreApplication::translate(
                           "main", "--host, --join and --watch cannot be given together"));
    const auto code =
        pistework::game::net::ParseCode(options.value(QStringLiteral("code")).toStdString());
    if (options.isSet(QStringLiteral("code")) && !code)
        Usage(options, QCoreApplication::translate(
                           "main", "--code takes the six digits of the pairing code, as 123456 "
                                   "or \"123 456\""));
    asked.code = code.value_or(-1);
    if (join) {
        if (!code)
            Usage(options, QCoreApplication::translate("main", "%1 needs the host's --code")
                               .arg(asked.watch ? "--watch" : "--join"));
        const QString flag = asked.watch ? QStringLiteral("--watch") : QStringLiteral("--join");
        asked.join = options.value(flag.mid(2));
        if (!pistework::game::net::ParseAddress(asked.join.toStdString()))
            Usage(options,
                  QCoreApplication::translate("main", "%1 takes HOST or HOST:PORT").arg(flag));
        return;
    }
    asked.host = pistework::game::net::kDefaultPort;
    if (!words.isEmpty() && !words.first().endsWith(QStringLiteral(".pistework"))) {
        const auto port = pistework::game::net::ParsePort(words.first().toStdString());
        if (!port)
            Usage(options,
                  QCoreApplication::translate("main", "--host takes a port from 1 to 65535"));
        asked.host = *port;
        words.removeFirst();
    }
}

// Each lesson's number and title, in the player's language, a tab between them.
[[noreturn]] void PrintLessons() {
    for (int i = 0; i < pistework::game::school::kLessonCount; ++i)
        std::printf(
            "%d\t%s\n", i + 1,
            qPrintable(QCoreApplication::translate(
                "School",
                pistework::game::school::kLessons[static_cast<std::size_t>(i)].title.data())));
    std::exit(0);
}

// --help and --version answer on the terminal, with no display needed, and end the program,
// as does an option neither the game nor Qt knows.
CommandLine AnswerCommandLine(int argc, char* argv[]) {
    // The usual start, from the desktop menu, has nothing to answer and no time to spare.
    if (argc < 2) return {};
    QCoreApplication probe(argc, argv);
    pistework::app::LoadTranslations(probe);
    QCoreApplication::setApplicationName(QStringLiteral("pistework"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PISTEWORK_VERSION));
    QCommandLineParser options;
    options.setApplicationDescription(QCoreApplication::translate(
        "main", "B.K.S. Pistework: foil fencing against the computer or a friend."));
    // Qt's options take one dash: "-reverse" is one word, not -r -e -v...
    options.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = options.addHelpOption();
    const QCommandLineOption version = options.addVersionOption();
    AddQtOptions(options);
    options.addOption({QStringLiteral("host"),
                       QCoreApplication::translate(
                           "main", "Host a network bout, on PORT if one follows (%1 if not).")
                           .arg(pistework::game::net::kDefaultPort)});
    options.addOption({QStringLiteral("join"),
                       QCoreApplication::translate("main", "Join the network bout hosted at HOST."),
                       QStringLiteral("HOST[:PORT]")});
    options.addOption(
        {QStringLiteral("watch"),
         QCoreApplication::translate("main", "Watch the network bout hosted at HOST."),
         QStringLiteral("HOST[:PORT]")});
    options.addOption({QStringLiteral("code"),
                       QCoreApplication::translate(
                           "main", "The pairing code of six digits: the host's own, or the "
                                   "one it shows."),
                       QStringLiteral("NNNNNN")});
    options.addOption({QStringLiteral("school"),
                       QCoreApplication::translate("main", "Open the fencing school's lessons.")});
    options.addOption({QStringLiteral("lessons"),
                       QCoreApplication::translate(
                           "main", "Print the fencing school's lessons, one a line, and end.")});
    options.addPositionalArgument(
        QStringLiteral("FILE.pistework"),
        QCoreApplication::translate("main", "A replay to watch; Esc returns to the game."),
        QStringLiteral("[FILE.pistework]"));
    if (!options.parse(QCoreApplication::arguments())) Usage(options, options.errorText());
    if (options.isSet(help) || options.isSet(QStringLiteral("help-all"))) {
        // Qt shows no value for an option that may go without one: --host's port is such.
        QString text = options.helpText();
        text.replace(QRegularExpression(QStringLiteral("--host {7}")),
                     QStringLiteral("--host [PORT]"));
        std::fputs(qPrintable(text), stdout);
        std::exit(0);
    }
    if (options.isSet(version)) options.showVersion();
    if (options.isSet(QStringLiteral("lessons"))) PrintLessons();
    CommandLine asked;
    asked.school = options.isSet(QStringLiteral("school"));
    asked.namesDisplay =
        options.isSet(QStringLiteral("platform")) || options.isSet(QStringLiteral("display"));
    QStringList words = options.positionalArguments();
    ReadNetworkOptions(options, asked, words);
    // The name's own bytes: Qt's decoding of them loses any that are not the locale's.
    if (!words.isEmpty())
        for (int i = argc - 1; i > 0; --i)
            if (QString::fromLocal8Bit(argv[i]) == words.first()) {
                asked.replay = QByteArray(argv[i]);
                break;
            }
    return asked;
}

// Qt ends a program that has no display with an abort, and advice to reinstall it.
bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// A display that is named but does not answer also ends Qt's start in a fatal message and an
// abort: the player gets one plain line, exit code 1 and no core file instead.
QtMessageHandler qtHandler = nullptr;
void EndFailedStart(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) return qtHandler(type, context, text);
    // Qt's first sentence says what failed; the rest is advice to reinstall, which is wrong.
    const QString what = text.section(QLatin1Char('\n'), 0, 0).section(QStringLiteral(". "), 0, 0);
    // Qt's application object stands by now, so the line can be said in the player's language.
    if (QCoreApplication* app = QCoreApplication::instance())
        pistework::app::LoadTranslations(*app);
    const QString line =
        QCoreApplication::translate("main", "pistework: the window cannot open on the display "
                                            "'%1': %2")
            .arg(QString::fromLocal8Bit(qgetenv("DISPLAY")), what);
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::_Exit(1);
}

} // namespace

int main(int argc, char* argv[]) {
    const CommandLine asked = AnswerCommandLine(argc, argv);
    if (!asked.namesDisplay && !HasDisplay()) {
        QCoreApplication probe(argc, argv);
        pistework::app::LoadTranslations(probe);
        const QString line =
            QCoreApplication::translate("main", "pistework: no display to open the window on "
                                                "(DISPLAY and WAYLAND_DISPLAY are not set)");
        std::fprintf(stderr, "%s\n", qPrintable(line));
        return 1;
    }
    // Pixel-art sprites keep even pixel widths only at whole factors: a 150 % screen shows the
    // window at twice its size rather than at one and a half. QT_SCALE_FACTOR still applies
    // as given.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    // Fontconfig reads its configuration and font caches the first time the window uses a
    // font: a third of start-up. Read on a second core while Qt connects to the display, it
    // is ready when the window is built. Fontconfig is thread-safe, and Qt's own FcInit()
    // then finds the work done.
    std::thread fonts([] { FcInit(); });
    qtHandler = qInstallMessageHandler(EndFailedStart);
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("example.brackenmoor.Pistework"));
    qInstallMessageHandler(qtHandler);
    pistework::app::LoadTranslations(app);
    fonts.join();
    QApplication::setApplicationName(QStringLiteral("Pistework"));
    QApplication::setOrganizationName(QStringLiteral("Brackenmoor Fencing Association"));
    QApplication::setWindowIcon(QPixmap(QStringLiteral(":/icons/pistework-48"), "PNG"));
    try {
        pistework::app::MainWindow window;
        CloseOnEndSignals(window);
        pistework::app::ReportFirstFrame(window);
        window.show();
        if (asked.school)
            QMetaObject::invokeMethod(
                &window, [&window] { window.OpenSchool(); }, Qt::QueuedConnection);
        if (!asked.replay.isEmpty())
            QMetaObject::invokeMethod(
                &window, [&window, &asked] { window.WatchReplay(asked.replay); },
                Qt::QueuedConnection);
        if (asked.host)
            QMetaObject::invokeMethod(
                &window,
                [&window, &asked] {
                    window.HostNetworkBout(*asked.host, asked.code >= 0
                                                            ? asked.code
                                                            : pistework::dialogs::NewPairingCode());
                },
                Qt::QueuedConnection);
        if (!asked.join.isEmpty())
            QMetaObject::invokeMethod(
                &window,
                [&window, &asked] {
                    window.JoinNetworkBout(asked.join, asked.code, true, asked.watch);
                },
                Qt::QueuedConnection);
        QApplication::exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("B.K.S. Pistework"),
                              QString::fromLocal8Bit(e.what()));
    }
    // Once the window has opened, the game always ends with 0.
    return 0;
}
