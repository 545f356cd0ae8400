#include "app/FirstFrame.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDebug>
#include <QMessageBox>
#include <QSocketNotifier>

#include <csignal>
#include <exception>
#include <fontconfig/fontconfig.h>
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
        window.close();
    });
    struct sigaction action = {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
}

// --help and --version answer on the terminal, with no display needed, and end the program.
// Anything else, Qt's own options included, is left to the window.
void AnswerCommandLine(int argc, char* argv[]) {
    // The usual start, from the desktop menu, has nothing to answer and no time to spare.
    if (argc < 2) return;
    QCoreApplication probe(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pistework"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PISTEWORK_VERSION));
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("B.K.S. Pistework: foil fencing against the computer or a friend."));
    const QCommandLineOption help = options.addHelpOption();
    const QCommandLineOption version = options.addVersionOption();
    options.parse(QCoreApplication::arguments());
    if (options.isSet(help) || options.isSet(QStringLiteral("help-all"))) options.showHelp(0);
    if (options.isSet(version)) options.showVersion();
}

} // namespace

int main(int argc, char* argv[]) {
    AnswerCommandLine(argc, argv);
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
    QApplication app(argc, argv);
    fonts.join();
    QApplication::setApplicationName(QStringLiteral("Pistework"));
    QApplication::setOrganizationName(QStringLiteral("Brackenmoor Fencing Association"));
    QApplication::setWindowIcon(QPixmap(QStringLiteral(":/icons/pistework-48"), "PNG"));
    try {
        pistework::app::MainWindow window;
        CloseOnEndSignals(window);
        pistework::app::ReportFirstFrame(window);
        window.show();
        QApplication::exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("B.K.S. Pistework"),
                              QString::fromLocal8Bit(e.what()));
    }
    // The game has no error codes: it always ends with 0.
    return 0;
}
