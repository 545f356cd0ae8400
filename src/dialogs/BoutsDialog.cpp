// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/BoutsDialog.h"

#include "dialogs/BestResultsDialog.h"
#include "dialogs/Style.h"

#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QTableWidget>
#include <QTreeWidget>

#include <algorithm>
#include <limits>

namespace pistework::dialogs {

namespace {

using game::BoutKind;
using game::KeptBout;
using game::Side;

constexpr QSize kSize{1000, 510};
constexpr QRect kList{10, 10, 540, 444};
constexpr QRect kRecord{560, 10, 430, 176};
constexpr QRect kChart{560, 192, 430, 262};

QString Opponent(const KeptBout& bout) {
    switch (bout.kind) {
    case BoutKind::Computer:
        return bout.level ? LevelName(*bout.level) : BoutsDialog::tr("custom level");
    case BoutKind::TwoPlayers:
        return BoutsDialog::tr("two players");
    case BoutKind::NetworkHost:
    case BoutKind::NetworkGuest:
        return BoutsDialog::tr("%1, on the network").arg(QString::fromStdString(bout.opponent));
    case BoutKind::Watched:
        return BoutsDialog::tr("watched from %1").arg(QString::fromStdString(bout.opponent));
    }
    return {};
}

QString SideName(std::optional<Side> side) {
    if (!side) return BoutsDialog::tr("both");
    return *side == Side::Left ? BoutsDialog::tr("left") : BoutsDialog::tr("right");
}

QString Ending(const KeptBout& bout) {
    if (bout.end == game::BoutEnd::Left) return BoutsDialog::tr("not finished");
    const int left = bout.score[Side::Left], right = bout.score[Side::Right];
    if (left == right) return BoutsDialog::tr("drawn");
    const Side winner = left > right ? Side::Left : Side::Right;
    if (const std::optional<Side> mine = game::PlayersSide(bout.kind))
        return winner == *mine ? BoutsDialog::tr("won") : BoutsDialog::tr("lost");
    return winner == Side::Left ? BoutsDialog::tr("left won") : BoutsDialog::tr("right won");
}

QString Length(std::int64_t ms) {
    const std::int64_t seconds = ms / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

BoutsDialog::BoutsDialog(QWidget* owner, platform::BoutStore& store, Actions actions,
                         MakeRecordChart chart)
    : QDialog(owner, kFixedDialog), store(store), actions(std::move(actions)), makeChart(chart) {
    SetUpFixedDialog(*this, "FormBouts", tr("Bouts"), kSize);
    list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("lstBouts"));
    list->setGeometry(kList);
    list->setRootIsDecorated(false);
    list->setAccessibleName(tr("Bouts kept"));
    list->setHeaderLabels(
        {tr("Ended"), tr("Against"), tr("Side"), tr("Score"), tr("Length"), tr("Result")});
    record = new QTableWidget(game::kLevelCount, 4, this);
    record->setObjectName(QStringLiteral("tblRecord"));
    record->setGeometry(kRecord);
    record->setAccessibleName(tr("Record against each level"));
    record->setEditTriggers(QAbstractItemView::NoEditTriggers);
    record->setHorizontalHeaderLabels({tr("Won"), tr("Lost"), tr("Hits given"), tr("Hits taken")});
    QStringList levels;
    for (int n = 1; n <= game::kLevelCount; ++n)
        levels << LevelName(n);
    record->setVerticalHeaderLabels(levels);
    // Each heading whole, however long in the player's language; the last takes what is left.
    record->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    record->horizontalHeader()->setStretchLastSection(true);
    record->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    const int y = kSize.height() - 46;
    watch = NamedButton(this, "cmdWatch", tr("&Watch"), {10, y, 100, 32});
    save = NamedButton(this, "cmdSave", tr("&Save…"), {116, y, 100, 32});
    remove = NamedButton(this, "cmdDelete", tr("&Delete…"), {222, y, 100, 32});
    QPushButton* close =
        NamedButton(this, "cmdClose", QCoreApplication::translate("Dialogs", "&Close"),
                    {kSize.width() - 110, y, 100, 32});
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(watch, &QPushButton::clicked, this, [this] {
        toWatch = ChosenReplay();
        if (toWatch) accept();
    });
    connect(list, &QTreeWidget::itemActivated, watch, &QPushButton::click);
    connect(save, &QPushButton::clicked, this, [this] {
        if (const auto replay = ChosenReplay()) this->actions.save(*replay);
    });
    connect(remove, &QPushButton::clicked, this, &BoutsDialog::Delete);
    connect(list, &QTreeWidget::currentItemChanged, this, &BoutsDialog::ShowChosen);
    Fill();
}

void BoutsDialog::Fill() {
    rows.clear();
    for (const std::string& name : store.Names()) {
        Row row{name, std::nullopt};
        if (const auto bytes = store.Read(name))
            if (const auto read = game::ReadKeptBout(*bytes)) row.about = read->about;
        rows.push_back(std::move(row));
    }
    // Newest first by when each ended, the newer name first at a tie, the damaged last.
    std::reverse(rows.begin(), rows.end());
    const auto ended = [](const Row& row) {
        return row.about ? row.about->endedAt : std::numeric_limits<std::int64_t>::min();
    };
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const Row& a, const Row& b) { return ended(a) > ended(b); });
    list->clear();
    const QLocale locale;
    for (const Row& row : rows) {
        auto* item = new QTreeWidgetItem(list);
        if (!row.about) {
            item->setText(0, tr("damaged file"));
            item->setToolTip(0, QString::fromStdString(row.name));
            continue;
        }
        const KeptBout& bout = *row.about;
        item->setText(
            0, locale.toString(QDateTime::fromMSecsSinceEpoch(bout.endedAt), QLocale::ShortFormat));
        item->setText(1, Opponent(bout));
        item->setText(2, SideName(game::PlayersSide(bout.kind)));
        item->setText(
            3, QStringLiteral("%1–%2").arg(bout.score[Side::Left]).arg(bout.score[Side::Right]));
        item->setText(4, Length(bout.lengthMs));
        item->setText(5, Ending(bout));
    }
    for (int column = 0; column < list->columnCount(); ++column)
        list->resizeColumnToContents(column);
    if (!rows.empty()) list->setCurrentItem(list->topLevelItem(0));
    ShowChosen();
    ShowRecord();
}

void BoutsDialog::ShowRecord() {
    std::vector<KeptBout> bouts;
    for (const Row& row : rows)
        if (row.about) bouts.push_back(*row.about);
    const game::LevelRecords records = game::RecordByLevel(bouts);
    QList<RecordChartLine> lines;
    for (int n = 1; n <= game::kLevelCount; ++n) {
        const game::LevelRecord& r = records[static_cast<std::size_t>(n)];
        for (const auto& [column, value] : {std::pair{0, r.wins}, std::pair{1, r.losses},
                                            std::pair{2, r.given}, std::pair{3, r.taken}}) {
            auto* cell = new QTableWidgetItem(QString::number(value));
            cell->setTextAlignment(Qt::AlignCenter);
            record->setItem(n - 1, column, cell);
        }
        RecordChartLine line{LevelName(n), {}};
        for (const game::RecordPoint& point : game::RecordOverTime(bouts, n))
            line.points.append(
                QPointF(static_cast<double>(point.endedAt), static_cast<double>(point.winPercent)));
        if (!line.points.isEmpty()) lines.append(line);
    }
    delete chart;
    if (makeChart) {
        chart = makeChart(this, lines, tr("Bouts won so far (%)"));
    } else {
        auto* missing = new QLabel(tr("The chart cannot be shown: its library, with Qt Charts, "
                                      "could not be loaded."),
                                   this);
        missing->setObjectName(QStringLiteral("lblChartMissing"));
        missing->setWordWrap(true);
        missing->setAlignment(Qt::AlignCenter);
        chart = missing;
    }
    chart->setGeometry(kChart);
    chart->show();
}

void BoutsDialog::ShowChosen() {
    const int at = list->indexOfTopLevelItem(list->currentItem());
    const bool any = at >= 0 && at < static_cast<int>(rows.size());
    const bool whole = any && rows[static_cast<std::size_t>(at)].about.has_value();
    watch->setEnabled(whole);
    save->setEnabled(whole);
    remove->setEnabled(any);
}

std::optional<std::vector<std::uint8_t>> BoutsDialog::ChosenReplay() {
    const int at = list->indexOfTopLevelItem(list->currentItem());
    if (at < 0 || at >= static_cast<int>(rows.size())) return std::nullopt;
    if (const auto bytes = store.Read(rows[static_cast<std::size_t>(at)].name))
        if (const auto read = game::ReadKeptBout(*bytes))
            return std::vector<std::uint8_t>(read->replay.begin(), read->replay.end());
    actions.warn(tr("This bout is no longer kept, or its file is damaged."));
    Fill();
    return std::nullopt;
}

void BoutsDialog::Delete() {
    const int at = list->indexOfTopLevelItem(list->currentItem());
    if (at < 0 || at >= static_cast<int>(rows.size())) return;
    const QString question =
        rows[static_cast<std::size_t>(at)].about
            ? tr("Delete the bout that ended %1 for good?").arg(list->currentItem()->text(0))
            : tr("Delete this damaged file for good?");
    QMessageBox ask(QMessageBox::Question, tr("Delete Bout"), question,
                    QMessageBox::Yes | QMessageBox::No, this);
    ask.setObjectName(QStringLiteral("FormDeleteBout"));
    ask.setDefaultButton(QMessageBox::No);
    if (ask.exec() != QMessageBox::Yes) return;
    if (!store.Remove(rows[static_cast<std::size_t>(at)].name))
        actions.warn(tr("The bout could not be deleted."));
    Fill();
}

} // namespace pistework::dialogs
