// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TCP for network bouts, from a library of its own (libpistework-net.so) that the program
// loads only when a player hosts or joins one, so Qt Network costs nothing at start-up.

#include "common/NetService.h"

#include <QString>

namespace pistework::app {

// The service, loading the library the first time; null, with `error` saying why, when the
// library cannot be loaded.
NetService* Network(QString& error);

} // namespace pistework::app

// The library's one entry point.
extern "C" pistework::NetService* pistework_NetService();
