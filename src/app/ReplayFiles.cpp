// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ReplayFiles.h"

#include "game/replay/Replay.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileDialog>
#include <QSaveFile>

namespace pistework::app {

// The texts are the window's, and are translated where its others are.
QString SuggestedReplayName(std::span<const std::uint8_t> bytes) {
    using game::Side;
    game::Replay replay;
    game::PerSide<int> score{0, 0};
    if (game::DecodeReplay(bytes, replay) == game::ReplayError::None)
        for (const auto& entry : replay.entries)
            if (const auto* picture = std::get_if<game::ReplayPicture>(&entry.what))
                score = picture->scores;
    return QCoreApplication::translate("pistework::app::MainWindow", "Bout %1 %2-%3.pistework")
        .arg(QDate::currentDate().toString(Qt::ISODate))
        .arg(score[Side::Left])
        .arg(score[Side::Right]);
}

QString AskReplayToSave(QWidget* parent, const QString& suggested) {
    QString name = QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("pistework::app::MainWindow", "Save Replay"), suggested,
        QCoreApplication::translate("pistework::app::MainWindow",
                                    "Pistework replays (*.pistework)"));
    if (!name.isEmpty() && !name.endsWith(QStringLiteral(".pistework")))
        name += QStringLiteral(".pistework");
    return name;
}

QString AskReplayToWatch(QWidget* parent) {
    return QFileDialog::getOpenFileName(
        parent, QCoreApplication::translate("pistework::app::MainWindow", "Watch Replay"),
        QString(),
        QCoreApplication::translate("pistework::app::MainWindow",
                                    "Pistework replays (*.pistework)"));
}

bool WriteReplay(const QString& fileName, std::span<const std::uint8_t> bytes) {
    QSaveFile file(fileName);
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size()) &&
           file.commit();
}

} // namespace pistework::app
