// SPDX-License-Identifier: GPL-3.0-or-later
// The options on a real settings file: what a closed window stores, what the next start
// reads, what a file edited by hand into nonsense does, and what happens when the file
// cannot be written.

#include "app/KeptBoutFolder.h"
#include "app/MainWindow.h"
#include "app/SettingsStore.h"
#include "game/player/Settings.h"
#include "platform/KeptNames.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace pistework;
using app::MainWindow;

namespace {

// The player's and the system's folders, fresh for each test.
class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, user.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, system.path());
    }
    static void WriteFile(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray ReadFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString UserFile() const {
        return user.filePath("Brackenmoor Fencing Association/Pistework.conf");
    }
    QString SystemFile() const {
        return system.filePath("Brackenmoor Fencing Association/Pistework.conf");
    }
    static void Click(MainWindow& form, const char* item) {
        form.findChild<QAction*>(QString::fromLatin1(item))->trigger();
    }
    static bool Checked(MainWindow& form, const char* item) {
        return form.findChild<QAction*>(QString::fromLatin1(item))->isChecked();
    }
    QTemporaryDir user;
    QTemporaryDir system;
};

} // namespace

TEST_F(SettingsStore, WhatAClosedWindowStoredTheNextStartShows) {
    {
        MainWindow form;
        Click(form, "Firstto10");
        Click(form, "TimedBout");
        Click(form, "Advanced");
        Click(form, "mnuKeyboard");
        Click(form, "SoundOn");
        Click(form, "mnuPauseWhenInactive");
        form.close();
    }
    QSettings stored(UserFile(), QSettings::IniFormat);
    EXPECT_EQ(stored.value("MaxHits").toString(), "10");
    EXPECT_FALSE(stored.contains("KeyboardRight")) << "only what was changed is stored";
    EXPECT_EQ(stored.value("Range").toString(), "10");

    MainWindow next;
    EXPECT_TRUE(Checked(next, "Firstto10"));
    EXPECT_FALSE(Checked(next, "TimedBout"));
    EXPECT_TRUE(Checked(next, "Advanced"));
    EXPECT_TRUE(Checked(next, "mnuKeyboard"));
    EXPECT_FALSE(Checked(next, "mnuMouse"));
    EXPECT_FALSE(Checked(next, "SoundOn")) << "every run starts silent";
    EXPECT_TRUE(Checked(next, "mnuPauseWhenInactive"));
    EXPECT_FALSE(next.findChild<QWidget*>("cmdLunge")->isVisibleTo(&next));
}

TEST_F(SettingsStore, TheSystemFileIsAFallbackAndTheHitSoundIsThePlayersOwn) {
    WriteFile(SystemFile(), "[General]\nMaxHits=5\nBeepSound=/srv/admin/ding.wav\n");
    {
        MainWindow form;
        EXPECT_TRUE(Checked(form, "Firstto5"));
        EXPECT_EQ(form.Game().Options().hitSound, ":/sounds/ding.wav");
    }
    WriteFile(UserFile(), "[General]\nMaxHits=10\nBeepSound=/home/kim/My Sounds/bell.wav\n");
    MainWindow form;
    EXPECT_TRUE(Checked(form, "Firstto10"));
    EXPECT_EQ(form.Game().Options().hitSound, "/home/kim/My Sounds/bell.wav");
    EXPECT_EQ(form.Game().Options().parrySound, "/home/kim/My Sounds/start.wav");
}

TEST_F(SettingsStore, AFileOfNonsenseStartsTheGameWithWhatCanBeRead) {
    QByteArray junk = "[General]\n"
                      "MaxHits=@Variant(\\0\\0\\0\\x7f\\0\\0)\n"
                      "Range=99999999999999999999\n"
                      "Speed=\n"
                      "Timed=yes\n"
                      "Control=0\n"
                      "KeyboardRight=\xff\xfe\xc3(\n"
                      "KeyboardLeft=";
    junk += QByteArray(1 << 20, 'k');
    junk += "\n[General\n=\n\x01\x02=\x03\n";
    WriteFile(UserFile(), junk);
    MainWindow form;
    form.show();
    const game::BoutOptions& o = form.Game().Options();
    EXPECT_EQ(o.maxHits, 15);
    EXPECT_EQ(o.chosen, (game::Strength{12, 120}));
    EXPECT_TRUE(o.timed) << "a word where a number belongs counts as absent";
    EXPECT_TRUE(Checked(form, "mnuKeyboard")) << "good values after bad ones still load";
    EXPECT_EQ(o.keysLeft.size(), std::size_t{1} << 20);
    EXPECT_FALSE(o.keysRight.empty());
    Click(form, "mnuFileNewGame");
}

TEST_F(SettingsStore, AFolderThatCannotBeMadeLosesNothingAndWarnsOnce) {
    // A path through a regular file: not even root can make a folder there.
    WriteFile(user.filePath("file"), "not a folder");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, user.filePath("file/config"));
    QStringList warnings;
    {
        MainWindow form;
        form.SetOnWarning([&](const QString& text) { warnings << text; });
        Click(form, "Firstto5");
        form.close();
    }
    ASSERT_EQ(warnings.size(), 1) << "once, although the window is also destroyed";
    EXPECT_TRUE(warnings[0].contains("could not be saved")) << warnings[0].toStdString();
    EXPECT_TRUE(warnings[0].contains("file/config")) << "it names the file";
}

TEST_F(SettingsStore, AFullDiskKeepsTheOldFileByteForByte) {
    const QByteArray old = "[General]\nMaxHits=10\nRange=8\nSpeed=80\n";
    WriteFile(UserFile(), old);
    // A file-size limit fails every write past a few bytes, as a full disk would, and binds
    // root too.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QStringList warnings;
    {
        MainWindow form;
        form.SetOnWarning([&](const QString& text) { warnings << text; });
        Click(form, "Firstto5");
        Click(form, "Novice");
        rlimit tiny = saved;
        tiny.rlim_cur = 8;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
        form.close();
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
    }
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(warnings.size(), 1);
    EXPECT_EQ(ReadFile(UserFile()), old);
}

// QSettings still writes a clean file when it has read a malformed line, in the player's
// file or the administrator's, but keeps reporting a format error: a good save must not look
// failed, nor a failed one good. Each case has folders of its own, as QSettings keeps a file's
// unsaved changes by name for the rest of the process.
TEST_F(SettingsStore, AMalformedLineNeitherHidesAFailedSaveNorFailsAGoodOne) {
    struct Case {
        const char* name;
        QByteArray user;
        QByteArray system;
        bool diskFull;
    };
    // QSettings reads a section other than [General] only when it writes, so a malformed
    // line there shows up as a format error of the save.
    const Case cases[] = {
        {"player's file", "[General]\nMaxHits=15\n[Generao]\nKeyboardLewsxqaz\n", {}, false},
        {"player's [General]", "[General]\nKeyboardLewsxqaz\nMaxHits=15\n", {}, false},
        {"administrator's file", "[General]\nMaxHits=15\n", "[Extra]\nSpeed\nTimed=1\n", false},
        {"both", "[General\n=\n", "[x]\n\x01\x02\n", false},
        {"player's file, disk full", "[General]\nMaxHits=10\n[Extra]\nno value here\n", {}, true},
        {"administrator's file, disk full", "[General]\nMaxHits=10\n", "[Extra]\nSpeed\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, user.filePath(c.name));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope,
                           system.filePath(c.name));
        const QString userFile =
            user.filePath(QString(c.name) + "/Brackenmoor Fencing Association/Pistework.conf");
        WriteFile(userFile, c.user);
        if (!c.system.isEmpty())
            WriteFile(system.filePath(QString(c.name) +
                                      "/Brackenmoor Fencing Association/Pistework.conf"),
                      c.system);
        rlimit saved{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        // What the window does at its start and when it closes.
        app::SettingsStore store(QStringLiteral("Brackenmoor Fencing Association"),
                                 QStringLiteral("Pistework"));
        game::BoutOptions options = game::ReadSettings(store);
        options.maxHits = 5;
        options.chosen = game::kChampion.strength;
        rlimit tiny = saved;
        if (c.diskFull) tiny.rlim_cur = 8;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
        const bool stored = game::WriteSettings(store, options);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
        std::signal(SIGXFSZ, oldHandler);
        EXPECT_EQ(stored, !c.diskFull);
        if (c.diskFull) {
            EXPECT_EQ(ReadFile(userFile), c.user);
            continue;
        }
        MainWindow next;
        EXPECT_TRUE(Checked(next, "Firstto5"));
        EXPECT_TRUE(Checked(next, "Champion"));
    }
}

// A settings path that is not a regular file is neither read (a FIFO would hang the start) nor
// replaced, and a lock that cannot be taken fails the save within seconds: the player is told,
// and what is on disk stays.
TEST_F(SettingsStore, OddFilesAreNeitherReadNorReplacedAndNoLockHangsTheClose) {
    const QByteArray old = "[General]\nMaxHits=10\n";
    const struct Case {
        const char* name;
        std::function<void(const QString& file)> make;
        int maxHits; // what the start reads
    } cases[] = {
        {"fifo", [](const QString& f) { ::mkfifo(QFile::encodeName(f).constData(), 0600); }, 15},
        {"device", [](const QString& f) { QFile::link("/dev/null", f); }, 15},
        {"folder", [](const QString& f) { QDir().mkpath(f); }, 15},
        {"folder as lock", [&](const QString& f) { WriteFile(f, old), QDir().mkpath(f + ".lock"); },
         10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, user.filePath(c.name));
        const QString file =
            user.filePath(QString(c.name) + "/Brackenmoor Fencing Association/Pistework.conf");
        QDir().mkpath(QFileInfo(file).path());
        c.make(file);
        const QFileInfo before(file);
        QStringList warnings;
        QElapsedTimer closing;
        {
            MainWindow form;
            form.SetOnWarning([&](const QString& text) { warnings << text; });
            form.show();
            QCoreApplication::processEvents();
            EXPECT_EQ(warnings.size(), c.maxHits == 15 ? 1 : 0) << "said once, at the start";
            EXPECT_EQ(form.Game().Options().maxHits, c.maxHits);
            Click(form, "Firstto5");
            closing.start();
            form.close();
        }
        EXPECT_LT(closing.elapsed(), 3000);
        ASSERT_FALSE(warnings.isEmpty());
        EXPECT_TRUE(warnings.last().contains("could not be saved"))
            << warnings.last().toStdString();
        const QFileInfo after(file);
        EXPECT_EQ(after.isSymLink(), before.isSymLink());
        EXPECT_EQ(after.isDir(), before.isDir());
        EXPECT_EQ(after.isFile(), before.isFile());
        if (before.isFile()) {
            EXPECT_EQ(ReadFile(file), old);
        }
    }

    // A config folder named in bytes that are not UTF-8 would be read and written as another
    // folder: the store says so and writes nothing.
    const QByteArray home = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(user.path()) + "/jos\xe9");
    const QStringList before = QDir(user.path()).entryList();
    app::SettingsStore store(QStringLiteral("Brackenmoor Fencing Association"),
                             QStringLiteral("Pistework"));
    qputenv("XDG_CONFIG_HOME", home);
    EXPECT_EQ(store.Problems().size(), 1);
    EXPECT_FALSE(store.Write({{"MaxHits", 5}}));
    EXPECT_EQ(QDir(user.path()).entryList(), before);
}

namespace {

// A kept bout's folder, fresh for each test, and the bytes of its files.
class KeptBouts : public SettingsStore {
protected:
    std::vector<QByteArray> Contents(const app::KeptBoutFolder& kept) const {
        std::vector<QByteArray> contents;
        for (const std::string& name : kept.Names()) {
            const auto bytes = kept.Read(name);
            contents.emplace_back(bytes ? QByteArray(reinterpret_cast<const char*>(bytes->data()),
                                                     static_cast<qsizetype>(bytes->size()))
                                        : QByteArray("unreadable"));
        }
        return contents;
    }
    static std::vector<std::uint8_t> Bytes(const QByteArray& text) {
        return {text.begin(), text.end()};
    }
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("bouts"));
};

} // namespace

// Two windows keep bouts in one folder at once: none loses another's, the cap keeps the newest
// of both, by count and by size, and what is not ours there is never read, counted or removed.
TEST_F(KeptBouts, TwoWindowsKeepTheNewestOfBothWithinTheCapAndLeaveOthersFilesAlone) {
    app::KeptBoutFolder one(folder), other(folder);
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString foreign[] = {QStringLiteral("notes.txt"),
                               QStringLiteral("0000000000000001-00000000000000zz.bout")};
    for (const QString& name : foreign)
        WriteFile(dir.filePath(QStringLiteral("bouts/") + name), "not a bout");
    const std::string oddName = platform::KeptBoutName(0, 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder + "/" + QString::fromStdString(oddName)), 0600), 0);

    const int most = static_cast<int>(platform::BoutStore::kMostFiles);
    std::vector<QByteArray> added;
    for (int i = 0; i < most + 7; ++i) {
        added.push_back(QByteArray::number(i));
        ASSERT_TRUE((i % 2 ? other : one).Add(Bytes(added.back())));
    }
    const std::vector<QByteArray> newest(added.end() - most, added.end());
    EXPECT_EQ(Contents(one), newest);
    EXPECT_EQ(Contents(other), newest);
    for (const QString& name : foreign)
        EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("bouts/") + name)));
    EXPECT_FALSE(one.Read(oddName)) << "a FIFO is never read";
    EXPECT_FALSE(one.Remove("notes.txt"));

    // By size: files a tenth of the largest each, as many as fit the bytes kept.
    const QByteArray large(static_cast<qsizetype>(platform::BoutStore::kLargestFile / 10), 'x');
    const auto fit = static_cast<int>(platform::BoutStore::kMostBytes /
                                      static_cast<std::uint64_t>(large.size()));
    app::KeptBoutFolder big(dir.filePath(QStringLiteral("big"))),
        bigToo(dir.filePath(QStringLiteral("big")));
    for (int i = 0; i < fit + 3; ++i)
        ASSERT_TRUE((i % 2 ? bigToo : big).Add(Bytes(large + QByteArray::number(i % 10))));
    EXPECT_EQ(big.Names().size(), static_cast<std::size_t>(fit - 1))
        << "the byte each adds to the tenth leaves room for one fewer";
}

// A full disk refuses a new bout; every bout kept before stays byte for byte, and no half file
// is left behind.
TEST_F(KeptBouts, AFullDiskRefusesTheNewBoutAndLosesNoOldOne) {
    app::KeptBoutFolder kept(folder);
    ASSERT_TRUE(kept.Add(Bytes("first")));
    ASSERT_TRUE(kept.Add(Bytes("second")));
    const QStringList before = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 8;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const bool added = kept.Add(Bytes(QByteArray(1000, 'y')));
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(added);
    EXPECT_EQ(Contents(kept), (std::vector<QByteArray>{"first", "second"}));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), before);
    // A folder that cannot be made keeps nothing and says so.
    WriteFile(dir.filePath(QStringLiteral("file")), "x");
    EXPECT_FALSE(app::KeptBoutFolder(dir.filePath(QStringLiteral("file/bouts"))).Add(Bytes("z")));
}
