// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/KeptBoutFolder.h"

#include "platform/KeptNames.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStandardPaths>

#include <atomic>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pistework::app {

namespace {

// Our files in `folder`, oldest first, with their sizes: regular files named as we name them,
// no larger than any we write. Anything else there is left alone.
std::vector<std::pair<std::string, std::uint64_t>> Kept(const QString& folder) {
    std::vector<std::pair<std::string, std::uint64_t>> kept;
    const QFileInfoList files =
        QDir(folder).entryInfoList(QDir::Files | QDir::NoSymLinks | QDir::Hidden, QDir::Name);
    for (const QFileInfo& file : files) {
        const std::string name = file.fileName().toStdString();
        if (platform::IsKeptBoutName(name) && file.isFile() &&
            static_cast<std::uint64_t>(file.size()) <= platform::BoutStore::kLargestFile)
            kept.emplace_back(name, static_cast<std::uint64_t>(file.size()));
    }
    return kept;
}

} // namespace

QString KeptBoutFolder::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/bouts");
}

bool KeptBoutFolder::Add(std::span<const std::uint8_t> bytes) {
    if (folder.isEmpty() || !QDir().mkpath(folder)) return false;
    // This process's count keeps its own files of one millisecond in order; forty-eight random
    // bits make another window's name differ, and a name taken all the same is drawn again.
    static std::atomic<std::uint64_t> added = 0;
    QString path;
    for (int tries = 0; tries < 8 && (path.isEmpty() || QFileInfo::exists(path)); ++tries)
        path = folder + QLatin1Char('/') +
               QString::fromStdString(platform::KeptBoutName(
                   QDateTime::currentMSecsSinceEpoch(),
                   (added++ & 0xFFFF) << 48 |
                       (QRandomGenerator::system()->generate64() & 0xFFFF'FFFF'FFFF)));
    QSaveFile file(path);
    // Unbuffered, so a write the disk cuts short says so here rather than pass unseen.
    if (QFileInfo::exists(path) || !file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) return false;
    for (const std::string& name : platform::OverTheCap(Kept(folder)))
        QFile::remove(folder + QLatin1Char('/') + QString::fromStdString(name));
    return true;
}

std::vector<std::string> KeptBoutFolder::Names() const {
    std::vector<std::string> names;
    for (auto& [name, size] : Kept(folder))
        names.push_back(std::move(name));
    return names;
}

// Opened without blocking and looked at once open: a FIFO put there under our name never
// hangs the window, and nothing can be swapped in between.
std::optional<std::vector<std::uint8_t>> KeptBoutFolder::Read(const std::string& name) const {
    if (!platform::IsKeptBoutName(name)) return std::nullopt;
    const QByteArray path =
        QFile::encodeName(folder + QLatin1Char('/') + QString::fromStdString(name));
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat about {};
    std::optional<std::vector<std::uint8_t>> bytes;
    if (::fstat(fd, &about) == 0 && S_ISREG(about.st_mode) &&
        static_cast<std::uint64_t>(about.st_size) <= kLargestFile) {
        std::vector<std::uint8_t> read(static_cast<std::size_t>(about.st_size) + 1);
        std::size_t got = 0;
        ssize_t n = 0;
        while (got < read.size() && (n = ::read(fd, read.data() + got, read.size() - got)) > 0)
            got += static_cast<std::size_t>(n);
        if (n >= 0 && got <= kLargestFile) {
            read.resize(got);
            bytes = std::move(read);
        }
    }
    ::close(fd);
    return bytes;
}

bool KeptBoutFolder::Remove(const std::string& name) {
    return platform::IsKeptBoutName(name) &&
           QFile::remove(folder + QLatin1Char('/') + QString::fromStdString(name));
}

} // namespace pistework::app
