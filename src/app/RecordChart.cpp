// SPDX-License-Identifier: GPL-3.0-or-later
// The record chart on Qt Charts, in a library of its own (libpistework-chart.so).

#include "common/RecordChart.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <limits>

extern "C" Q_DECL_EXPORT QWidget*
pistework_RecordChart(QWidget* parent, const QList<pistework::RecordChartLine>& lines,
                      const QString& shareTitle) {
    auto* chart = new QChart;
    auto* when = new QDateTimeAxis;
    when->setFormat(QStringLiteral("yyyy-MM-dd"));
    when->setTickCount(3);
    auto* share = new QValueAxis;
    share->setRange(0, 100);
    share->setLabelFormat(QStringLiteral("%d"));
    share->setTitleText(shareTitle);
    chart->addAxis(when, Qt::AlignBottom);
    chart->addAxis(share, Qt::AlignLeft);
    double first = std::numeric_limits<double>::max(), last = std::numeric_limits<double>::lowest();
    for (const pistework::RecordChartLine& line : lines) {
        auto* series = new QLineSeries;
        series->setName(line.name);
        series->setPointsVisible(true);
        series->append(line.points);
        chart->addSeries(series);
        series->attachAxis(when);
        series->attachAxis(share);
        for (const QPointF& point : line.points) {
            first = std::min(first, point.x());
            last = std::max(last, point.x());
        }
    }
    // A day either side, so a single bout still shows as a point within the axis.
    constexpr double kDayMs = 24 * 3600 * 1000.0;
    if (first > last) first = last = static_cast<double>(QDateTime::currentMSecsSinceEpoch());
    when->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(first - kDayMs)),
                   QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(last + kDayMs)));
    // Beside the plot, where the levels' names have room in every language.
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->setMargins(QMargins(2, 2, 2, 2));
    auto* view = new QChartView(chart, parent);
    view->setObjectName(QStringLiteral("chartRecord"));
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}
