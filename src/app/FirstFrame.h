// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For the start-up benchmark (bench/startup.sh): when PISTEWORK_LAUNCHED_NS holds the launch
// time in CLOCK_REALTIME nanoseconds, the program prints the milliseconds from launch to its
// window's first painted frame and ends. Without it nothing happens.

class QWidget;

namespace pistework::app {

void ReportFirstFrame(QWidget& window);

} // namespace pistework::app
