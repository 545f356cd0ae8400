// SPDX-License-Identifier: GPL-3.0-or-later
// The sound cues as the program plays them: the embedded files and the QSoundEffect player,
// on a machine with no sound device.

#include "Wav.h"
#include "app/QtServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

using pistework::app::CueRefusal;
using pistework::app::QtMediaPlayer;
using pistework::sounds::ParseWav;

namespace {

void ProcessEventsFor(int milliseconds) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

std::string Bytes(const QByteArray& data) {
    return std::string(data.constData(), data.size());
}

} // namespace

TEST(Sounds, TheEmbeddedCuesAreShortMono16BitWavsWithHeadroomAndNoClick) {
    struct Case {
        const char* name;
        double shortest, longest; // seconds
    };
    for (const Case& k :
         {Case{":/sounds/ding.wav", 0.4, 0.6}, Case{":/sounds/start.wav", 0.25, 0.4}}) {
        SCOPED_TRACE(k.name);
        QFile file(k.name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "not among the program's resources";
        const std::string bytes = Bytes(file.readAll());
        const auto wav = ParseWav(bytes);
        ASSERT_TRUE(wav) << "not a RIFF/WAVE file";
        EXPECT_EQ(wav->format, 1);
        EXPECT_EQ(wav->channels, 1);
        EXPECT_EQ(wav->bitsPerSample, 16);
        EXPECT_TRUE(wav->sampleRate == 22050 || wav->sampleRate == 44100) << wav->sampleRate;
        EXPECT_GE(wav->Seconds(), k.shortest);
        EXPECT_LE(wav->Seconds(), k.longest);
        EXPECT_LT(wav->peak, 32767) << "clipped";
        EXPECT_NEAR(wav->PeakDbfs(), -3.0, 0.5);
        // The last sample is (near) silence: the cue fades out rather than stopping dead.
        const auto last =
            static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[bytes.size() - 2]) |
                                      static_cast<std::uint8_t>(bytes[bytes.size() - 1]) << 8);
        EXPECT_LE(std::abs(last), 30);
    }
}

TEST(Sounds, TheWavReaderTakesOnlyWholeRiffWaveFiles) {
    const std::vector<std::uint8_t> encoded =
        pistework::sounds::EncodeWav({0.0f, 0.5f, -1.5f, 0.25f}, 22050);
    const std::string good(encoded.begin(), encoded.end());
    const auto wav = ParseWav(good);
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->frames, 4);
    EXPECT_EQ(wav->sampleRate, 22050);
    EXPECT_EQ(wav->peak, 32767) << "a sample beyond full scale is clamped, not wrapped";

    // A chunk the reader does not know is skipped, padding byte included.
    std::string withList = good;
    withList.insert(12, std::string("LIST\x03\0\0\0abc\0", 12));
    ASSERT_TRUE(ParseWav(withList));
    EXPECT_EQ(ParseWav(withList)->frames, 4);

    struct Case {
        const char* why;
        std::string bytes;
    };
    std::string dataFirst = good;
    std::rotate(dataFirst.begin() + 12, dataFirst.begin() + 36, dataFirst.end());
    for (const Case& k : std::vector<Case>{
             {"empty", ""},
             {"header only", good.substr(0, 12)},
             {"not WAVE", "RIFF\x24\0\0\0AVI " + good.substr(12)},
             {"text", "just some words, nothing like a sound file at all"},
             {"data cut short", good.substr(0, good.size() - 1)},
             {"data before its format", dataFirst},
         }) {
        EXPECT_FALSE(ParseWav(k.bytes)) << k.why;
    }
}

TEST(Sounds, AFileThatCannotBePlayedIsSilentAndNothingElse) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto write = [&](const QString& name, const QByteArray& contents) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return dir.filePath(name).toStdString();
    };
    // A header that promises a WAV with nothing decodable after it.
    const std::string broken = write("broken.wav", QByteArray("RIFF\x04\0\0\0WAVE", 12));
    // 16-bit mono at 22050 Hz whose data chunk holds `dataBytes`, stored sparsely.
    const auto wav = [&](const QString& name, qint64 dataBytes, const char* formatId = "fmt ") {
        const std::vector<std::uint8_t> header = pistework::sounds::EncodeWav({}, 22050);
        QByteArray bytes(reinterpret_cast<const char*>(header.data()), qsizetype(header.size()));
        bytes.replace(12, 4, formatId);
        qToLittleEndian<quint32>(quint32(dataBytes), bytes.data() + 40);
        const std::string path = write(name, bytes);
        QFile(QString::fromStdString(path)).resize(bytes.size() + dataBytes);
        return path;
    };
    struct Case {
        const char* why;
        std::string name;
        std::optional<CueRefusal> refusal = {};
    };
    const std::vector<Case> cases{
        {"empty name", ""},
        {"missing file", dir.filePath("missing.wav").toStdString()},
        {"missing resource", ":/sounds/missing.wav"},
        {"a folder", dir.path().toStdString()},
        {"text file", write("notes.wav", "not a sound at all\n"), CueRefusal::NotAWav},
        {"empty file", write("empty.wav", ""), CueRefusal::NotAWav},
        {"header without chunks", broken, CueRefusal::NotAWav},
        {"no format chunk", wav("noformat.wav", 44100, "JUNK"), CueRefusal::NotAWav},
        {"9 MB", wav("large.wav", 9 << 20), CueRefusal::TooLarge},
        {"11 s", wav("long.wav", 11 * 44100), CueRefusal::TooLong},
    };
    static QStringList logged;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext& context, const QString& text) {
            if (QLatin1String(context.category) == lcSound().categoryName()) logged << text;
        });
    QObject owner;
    QtMediaPlayer player(&owner);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.why);
        const qsizetype loggedBefore = logged.size();
        player.SetFileName(k.name);
        if (player.Open()) (void)player.Play();
        ProcessEventsFor(200);
        // Once the player has looked at the file, it no longer claims to open it.
        EXPECT_FALSE(player.Open());
        EXPECT_FALSE(player.Play());
        // A refusal is logged, naming the file, once however often the cue sounds.
        EXPECT_EQ(logged.mid(loggedBefore).filter(QString::fromStdString(k.name)).size(),
                  k.refusal ? 1 : 0);
        QFile file(QString::fromStdString(k.name));
        if (QFileInfo(file).isFile() && file.open(QIODevice::ReadOnly)) {
            EXPECT_EQ(pistework::app::RefuseCue(file), k.refusal);
        }
    }
    qInstallMessageHandler(previous);

    player.SetFileName(wav("short.wav", 99 * 4410));
    EXPECT_TRUE(player.Open()) << "9.9 s is within the limits";

    // A missing file is looked for again: one put there later plays.
    QtMediaPlayer late(&owner);
    const QString path = dir.filePath("later.wav");
    late.SetFileName(path.toStdString());
    EXPECT_FALSE(late.Open());
    QFile::copy(":/sounds/ding.wav", path);
    EXPECT_TRUE(late.Open());
    // Qt's loader lets go of a sound only once it has loaded: leaving earlier leaks it.
    ProcessEventsFor(300);
}

TEST(Sounds, CuesHeardAgainStartWithoutDelayingATick) {
    QObject owner;
    QtMediaPlayer player(&owner);
    const std::string cues[] = {":/sounds/ding.wav", ":/sounds/start.wav"};
    QElapsedTimer first;
    first.start();
    for (const std::string& cue : cues) {
        player.SetFileName(cue);
        ASSERT_TRUE(player.Open()) << cue;
        (void)player.Play();
    }
    const double firstMs = first.nsecsElapsed() / 1e6;
    ProcessEventsFor(300);

    constexpr int calls = 200;
    double totalMs = 0.0, maxMs = 0.0;
    for (int i = 0; i < calls; ++i) {
        player.SetFileName(cues[i % 2]);
        QElapsedTimer elapsed;
        elapsed.start();
        const bool opened = player.Open();
        if (opened) (void)player.Play();
        const double ms = elapsed.nsecsElapsed() / 1e6;
        EXPECT_TRUE(opened) << cues[i % 2] << " at call " << i;
        totalMs += ms;
        maxMs = std::max(maxMs, ms);
        QCoreApplication::processEvents();
    }
    std::printf("Open()+Play(): first of each %.3f ms; then over %d calls max %.3f ms, "
                "mean %.4f ms\n",
                firstMs / 2, calls, maxMs, totalMs / calls);
    // The quickest fencer ticks every 80 ms; a cue must take a small part of that, even when
    // the machine is busy with something else now and then.
    EXPECT_LT(totalMs / calls, 1.0);
    EXPECT_LT(maxMs, 20.0);
    EXPECT_EQ(owner.findChildren<QSoundEffect*>().size(), 2) << "one effect per file, kept";
}
