// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The replay files the main window saves and opens: the name it offers for the last bout, the
// file dialogs the player picks one in, and the writing of one.

#include <QString>

#include <cstdint>
#include <span>

class QWidget;

namespace pistework::app {

// Today's date and the score the replay `bytes` ends on, 0-0 when it shows none.
QString SuggestedReplayName(std::span<const std::uint8_t> bytes);
// The file the player chose to save a replay in, ".pistework" added when the name lacks it;
// empty when cancelled.
QString AskReplayToSave(QWidget* parent, const QString& suggested);
// The replay the player chose to watch; empty when cancelled.
QString AskReplayToWatch(QWidget* parent);
// Writes `bytes` whole to `fileName`, or leaves the file as it was; false when it could not.
bool WriteReplay(const QString& fileName, std::span<const std::uint8_t> bytes);

} // namespace pistework::app
