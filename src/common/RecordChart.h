// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chart of the player's record against each level over time. Qt Charts is drawn only in a
// library of its own (libpistework-chart.so), loaded when the Bouts window opens, so the
// program does not load it at its start.

#include <QList>
#include <QPointF>
#include <QString>

class QWidget;

namespace pistework {

struct RecordChartLine {
    QString name;
    // x: when each bout ended, in ms since 1970; y: the share of bouts won so far, in percent.
    QList<QPointF> points;
};

// The library's one entry: a chart of `lines`, a child of `parent`, its share axis titled
// `shareTitle`.
using MakeRecordChart = QWidget* (*)(QWidget* parent, const QList<RecordChartLine>& lines,
                                     const QString& shareTitle);

} // namespace pistework
