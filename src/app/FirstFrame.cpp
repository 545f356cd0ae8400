// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FirstFrame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace pistework::app {

namespace {

class FirstFrameFilter : public QObject {
public:
    FirstFrameFilter(QObject* parent, long long launched) : QObject(parent), launched(launched) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Paint || reported) return false;
        reported = true;
        // The frame reaches the screen when the paint returns and the backing store flushes.
        QTimer::singleShot(0, this, [this] {
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            const long long ns = now.tv_sec * 1'000'000'000LL + now.tv_nsec;
            std::printf("first frame %.1f ms\n", static_cast<double>(ns - launched) / 1e6);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
        return false;
    }

private:
    long long launched;
    bool reported = false;
};

} // namespace

void ReportFirstFrame(QWidget& window) {
    bool ok = false;
    const long long launched = qEnvironmentVariable("PISTEWORK_LAUNCHED_NS").toLongLong(&ok);
    if (!ok) return;
    window.installEventFilter(new FirstFrameFilter(&window, launched));
}

} // namespace pistework::app
