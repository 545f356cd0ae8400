// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PadInput.h"

#include "app/QtServices.h"
#include "game/bout/Bout.h"
#include "game/piste/Pad.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcPad, "pistework.pad", QtWarningMsg)

namespace pistework::app {

namespace {

// A pad's nodes reach /dev/input before udev lets SDL open them; SDL is given this many
// ticks to see the pad.
constexpr int kSettleTicks = 30;

using NewPadReader = PadReader* (*)(PadReader::OnChange);
NewPadReader PadLibrary() {
    return reinterpret_cast<NewPadReader>(PrivateLibraryEntry(
        PISTEWORK_PAD_LIBRARY, "pistework_NewPadReader", lcPad(), "no game pads"));
}

// Which fencer the pad at `order` drives, in words for the log.
const char* Drives(std::size_t order) {
    const auto alone = game::PadDrives(order, false);
    const auto paired = game::PadDrives(order, true);
    if (alone) return alone == game::Side::Right ? "the right fencer" : "the left fencer";
    if (paired) return "the left fencer in a 2 Player bout, nobody otherwise";
    return "nobody";
}

} // namespace

bool HasJoystick(const QString& input) {
    constexpr QDir::Filters kNodes = QDir::System | QDir::Files | QDir::NoDotAndDotDot;
    if (!QDir(input).entryList({QStringLiteral("js*")}, kNodes).isEmpty()) return true;
    return !QDir(input + QStringLiteral("/by-id"))
                .entryList({QStringLiteral("*-joystick")}, kNodes)
                .isEmpty();
}

PadInput::PadInput(QObject* parent, std::function<bool()> twoPlayers, Drive drive)
    : QObject(parent), twoPlayers(std::move(twoPlayers)), drive(std::move(drive)) {
    timer.setObjectName(QStringLiteral("TimerPads"));
    timer.setInterval(game::Bout::kPlayerSpeed);
    connect(&timer, &QTimer::timeout, this, &PadInput::Poll);
    // A new node in /dev/input may be a pad; inotify tells at no cost while none comes.
    connect(&watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        Watch();
        if (reader || HasJoystick()) Wake();
    });
    Watch();
    if (HasJoystick()) Wake();
}

void PadInput::Watch() {
    // udev names a pad in by-id a moment after its node appears, so that folder is watched
    // too, once it is there. A machine with no input devices, as a container, has neither.
    for (const QString& folder :
         {QStringLiteral("/dev/input"), QStringLiteral("/dev/input/by-id")}) {
        if (!watcher.directories().contains(folder) && QDir(folder).exists())
            watcher.addPath(folder);
    }
}

PadInput::~PadInput() = default;

std::size_t PadInput::Attached() const {
    return reader ? reader->Attached() : 0;
}

void PadInput::Wake() {
    if (!reader) {
        const NewPadReader newReader = PadLibrary();
        if (!newReader) return;
        reader.reset(newReader(
            [this](std::size_t order, const game::PadState& before, const game::PadState& now) {
                const auto side = game::PadDrives(order, twoPlayers());
                if (!side) return;
                for (const game::FencerCommand command : game::PadCommands(before, now, *side))
                    drive(*side, command);
            }));
        if (reader->Failed()) {
            qCWarning(lcPad) << "no game pads: SDL's game controllers did not start";
            reader.reset();
            return;
        }
        qCDebug(lcPad) << "pad library loaded";
    }
    settling = kSettleTicks;
    Poll();
}

void PadInput::Poll() {
    if (!reader) return;
    const std::size_t had = reader->Attached();
    reader->Poll();
    const std::size_t has = reader->Attached();
    // Pads keep their places in the order they came: one lost moves those after it up.
    for (std::size_t order = had; order < has; ++order)
        qCDebug(lcPad).noquote() << "pad" << order + 1 << "seen: drives" << Drives(order);
    if (has < had) {
        qCDebug(lcPad).noquote() << had - has << "pad(s) lost," << has << "attached";
        for (std::size_t order = 0; order < has; ++order)
            qCDebug(lcPad).noquote() << "pad" << order + 1 << "drives" << Drives(order);
    }
    if (has == 0 && settling > 0) --settling;
    // The last pad gone and none on its way: no more polling until /dev/input changes.
    const bool keep = has > 0 || settling > 0;
    if (keep != timer.isActive()) {
        if (keep)
            timer.start();
        else
            timer.stop();
    }
}

} // namespace pistework::app
