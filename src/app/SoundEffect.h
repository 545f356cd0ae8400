// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One sound cue, played by Qt Multimedia from a library of its own
// (libpistework-sound.so). The program loads that library the first time it plays a cue, so
// Qt Multimedia and the sound server's twenty-odd libraries cost nothing at start-up, and
// nothing at all while the sound is off.

#include <QUrl>

class QObject;

namespace pistework::app {

class SoundEffect {
public:
    virtual ~SoundEffect() = default;
    // A file that will not decode, or no sound device: the cue stays silent.
    virtual bool Failed() const = 0;
    virtual void Play() = 0;
};

} // namespace pistework::app

// The library's one entry point: a cue loaded from `source`, its QSoundEffect a child of
// `parent`, which must outlive the cue.
extern "C" pistework::app::SoundEffect* pistework_NewSoundEffect(const QUrl& source,
                                                                 QObject* parent);
