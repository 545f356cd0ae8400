// SPDX-License-Identifier: GPL-3.0-or-later
// A settings file of any bytes, read the way the window reads it: QSettings over an INI file
// in the player's folder, then the game's reading of the options. Whatever the file holds,
// the options that come out must be ones the game can play with, and storing them must give
// back the same options on the next start.

#include "app/SettingsStore.h"
#include "game/bout/BoutRules.h"
#include "game/player/Settings.h"
#include "game/player/Sounds.h"
#include "game/player/Utf8.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

using namespace pistework;

namespace {

void Fail(const char* what) {
    std::fprintf(stderr, "broken rule: %s\n", what);
    std::abort();
}

void Require(bool holds, const char* what) {
    if (!holds) Fail(what);
}

bool Scalar(char32_t c) {
    return c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

bool AllScalars(std::u32string_view text) {
    for (char32_t c : text)
        if (!Scalar(c)) return false;
    return true;
}

// The decoder on raw bytes: whole characters only, and on well-formed text exactly what Qt's
// own decoder reads, with the bytes coming back unchanged.
void CheckUtf8(std::string_view bytes) {
    const std::u32string decoded = game::FromUtf8(bytes);
    Require(decoded.size() <= bytes.size(), "more characters than bytes");
    Require(AllScalars(decoded), "decoded text holds a non-character code");
    const std::string encoded = game::ToUtf8(decoded);
    Require(game::FromUtf8(encoded) == decoded, "decoding is not stable");

    const QString qt = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const QByteArray back = qt.toUtf8();
    const bool wellFormed = !qt.contains(QChar::ReplacementCharacter) &&
                            std::string_view(back.constData(), back.size()) == bytes;
    if (!wellFormed) return;
    Require(encoded == bytes, "well-formed text does not come back unchanged");
    const QList<uint> codes = qt.toUcs4();
    Require(decoded.size() == static_cast<std::size_t>(codes.size()), "differs from Qt in length");
    for (std::size_t i = 0; i < decoded.size(); ++i)
        Require(decoded[i] == codes[static_cast<qsizetype>(i)], "differs from Qt in a character");
}

// What the game may start with, whatever the file said.
void CheckOptions(const game::BoutOptions& o) {
    Require(o.maxHits > 0, "a target of no hits");
    Require(o.chosen.tickMs > 0, "an opponent timer of no time");
    Require(game::BoutLengthSeconds(o.maxHits) >= 0, "a negative bout length");
    if (o.level) {
        Require(o.level->number >= 1 && o.level->number <= 6, "a level number out of range");
        Require(game::LevelNumbered(o.level->number)->strength == o.chosen,
                "the level's strength is not the one read");
    } else {
        Require(!game::LevelWithStrength(o.chosen), "a graded strength read as custom");
    }
    Require(!o.twoPlayer, "two players from the store");
    // The custom dialog opens its bars at the strength read.
    const game::CustomPositions bars = game::PositionsFor(o.chosen);
    Require(bars.speed >= 0 && bars.speed <= game::kLastCustomPosition, "speed bar off its end");
    Require(bars.reaction >= 0 && bars.reaction <= game::kLastCustomPosition,
            "reaction bar off its end");
    Require(AllScalars(o.keysLeft) && AllScalars(o.keysRight), "keys that are no characters");
    Require(o.parrySound == game::ParrySoundBeside(o.hitSound), "parry sound not beside the hit");
}

bool SameStored(const game::BoutOptions& a, const game::BoutOptions& b) {
    // The values the game writes; not the player's sound, which the game never writes and which
    // QSettings, rewriting a malformed file whole, may reshape (a NUL in it, a broken section
    // header before it), as any new start would then read it. A control that is neither
    // keyboard nor mouse is stored as mouse.
    const auto stored = [](game::ControlMode m) {
        return m == game::ControlMode::Keyboard ? m : game::ControlMode::Mouse;
    };
    return a.maxHits == b.maxHits && a.timed == b.timed && stored(a.control) == stored(b.control) &&
           a.chosen == b.chosen && a.level.has_value() == b.level.has_value() &&
           (!a.level || a.level->number == b.level->number) && a.keysLeft == b.keysLeft &&
           a.keysRight == b.keysRight;
}

std::unique_ptr<QTemporaryDir> folders;
std::uint64_t run = 0;

} // namespace

// A hand-written @Variant value goes through QDataStream, which trusts the sizes it holds and
// may ask malloc for many gigabytes. A machine without them refuses, and Qt copes: the value
// reads as invalid. Refusing here too keeps the fuzzer's own memory limit from stopping at it.
extern "C" const char* __asan_default_options() {
    return "allocator_may_return_null=1:max_allocation_size_mb=1024";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // QSettings needs no display, only an application object.
    static QCoreApplication app(*argc, *argv);
    // Every input writes the file twice; a memory-backed folder keeps that quick.
    const QString shm = QStringLiteral("/dev/shm");
    folders = QFileInfo(shm).isWritable()
                  ? std::make_unique<QTemporaryDir>(shm + QStringLiteral("/pistework-fuzz-XXXXXX"))
                  : std::make_unique<QTemporaryDir>();
    if (!folders->isValid()) Fail("no temporary folder");
    // No administrator's file: the system folder stays empty.
    QDir().mkpath(folders->filePath("system"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope,
                       folders->filePath("system"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckUtf8(bytes);

    // QSettings keeps files it has read by name, so every input gets a folder of its own.
    const QString user = folders->filePath(QString::number(++run));
    const QString dir = user + QStringLiteral("/Brackenmoor Fencing Association");
    QDir().mkpath(dir);
    {
        QFile file(dir + QStringLiteral("/Pistework.conf"));
        if (!file.open(QIODevice::WriteOnly)) Fail("cannot write the settings file");
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, user);

    app::SettingsStore store(QStringLiteral("Brackenmoor Fencing Association"),
                             QStringLiteral("Pistework"));
    const game::BoutOptions read = game::ReadSettings(store);
    CheckOptions(read);

    // What the window stores when it closes, the next start reads back unchanged.
    Require(game::WriteSettings(store, read), "the options could not be stored");
    const game::BoutOptions again = game::ReadSettings(store);
    CheckOptions(again);
    Require(SameStored(read, again), "the stored options read back differently");

    QDir(user).removeRecursively();
    return 0;
}
