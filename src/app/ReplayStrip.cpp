// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ReplayStrip.h"

#include "app/DistanceOverlay.h"
#include "common/Translated.h"
#include "game/piste/Reach.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <array>

namespace pistework::app {

using game::Decider;
using game::Side;

namespace {

QString Clock(std::int64_t ms) {
    const std::int64_t s = ms / 1000;
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

// Left hits red and right hits green, as on a scoring box; off target white, the rest grey,
// and cards their colour.
QColor MarkColour(const game::Ruling& ruling) {
    using enum game::RulingKind;
    switch (ruling.kind) {
    case Hit:
    case HitThroughLateCounter:
        return ruling.side == Side::Left ? QColor(230, 40, 40) : QColor(40, 210, 60);
    case OffTarget:
        return Qt::white;
    case Passed:
        return QColor(150, 150, 150);
    case YellowCard:
        return QColor(255, 220, 0);
    case RedCard:
        return QColor(180, 0, 0);
    }
    return Qt::gray;
}

int XOf(std::int64_t ms, std::int64_t length, int width) {
    return length > 0 ? static_cast<int>(ms * (width - 1) / length) : 0;
}

// The whole bout in a line: a mark at each ruling, and where the watcher is. A click or a drag
// seeks there.
class Timeline : public QWidget {
public:
    Timeline(QWidget* parent, const game::Replay& replay, const std::vector<ReplayRuling>& rulings,
             std::function<void(std::int64_t)> seek)
        : QWidget(parent), rulings(rulings), seek(std::move(seek)),
          length(replay.entries.empty() ? 0 : replay.entries.back().ms) {
        setObjectName(QStringLiteral("sldReplayTimeline"));
        setAccessibleName(QCoreApplication::translate("Replay", "Timeline"));
        setCursor(Qt::PointingHandCursor);
    }
    void SetPosition(std::int64_t ms) {
        if (ms == at) return;
        at = ms;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const int mid = height() / 2;
        p.fillRect(0, mid - 3, width(), 6, QColor(30, 70, 30));
        p.fillRect(0, mid - 3, XOf(at, length, width()), 6, QColor(200, 220, 200));
        for (const ReplayRuling& r : rulings)
            p.fillRect(XOf(r.haltMs, length, width()) - 1, 1, 3, height() - 2,
                       MarkColour(r.ruling));
        const int x = XOf(at, length, width());
        p.setBrush(Qt::white);
        p.setPen(Qt::black);
        p.drawEllipse(QPoint(x, mid), 5, 5);
    }
    void mousePressEvent(QMouseEvent* event) override { SeekTo(event); }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (event->buttons() & Qt::LeftButton) SeekTo(event);
    }

private:
    void SeekTo(QMouseEvent* event) {
        const int x = std::clamp(static_cast<int>(event->position().x()), 0, width() - 1);
        seek(width() > 1 ? length * x / (width() - 1) : 0);
    }
    const std::vector<ReplayRuling>& rulings;
    std::function<void(std::int64_t)> seek;
    std::int64_t length;
    std::int64_t at = -1;
};

// The gap between the blade tips over the whole bout, with every ruling marked.
class GapChart : public QWidget {
public:
    GapChart(QWidget* parent, const game::Replay& replay, const std::vector<ReplayRuling>& rulings)
        : QWidget(parent), rulings(rulings),
          length(replay.entries.empty() ? 0 : replay.entries.back().ms) {
        setObjectName(QStringLiteral("imgReplayChart"));
        setAccessibleName(QCoreApplication::translate("Replay", "Chart of the gap"));
        for (const game::ReplayEntry& entry : replay.entries)
            if (const auto* picture = std::get_if<game::ReplayPicture>(&entry.what))
                if (const auto gap = game::TipGap(picture->fencers))
                    points.push_back({entry.ms, *gap});
        for (const auto& [ms, gap] : points) {
            low = std::min(low, gap);
            high = std::max(high, gap);
        }
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(20, 50, 20));
        p.setPen(QColor(200, 220, 200));
        QFont small = font();
        small.setPointSizeF(font().pointSizeF() * 0.8);
        p.setFont(small);
        // The scale's words stand left of the plot, below its title, each centred on its line:
        // the plot starts half a line of the scale below the title's last pixel.
        const int line = p.fontMetrics().height();
        const QRect plot = rect().adjusted(44, line + line / 2 + 1, -4, -2);
        auto y = [&](int gap) {
            return plot.bottom() - (gap - low) * plot.height() / std::max(1, high - low);
        };
        p.drawText(QRect(2, 0, width() - 4, line), Qt::AlignLeft | Qt::AlignVCenter,
                   QCoreApplication::translate("Replay", "Gap between the blade tips (steps)"));
        // The scale runs down to zero; below it the blades have crossed, which has no length
        // a player measures.
        auto scale = [&](int at, const QString& text) {
            p.drawText(QRect(0, at - line / 2, 42, line), Qt::AlignRight | Qt::AlignVCenter, text);
        };
        scale(plot.top(), Steps(high));
        scale(y(0), Steps(0));
        if (Crossed(low)) {
            p.drawText(QRect(0, y(0) + line / 2, 42, plot.bottom() - y(0) - line / 2),
                       Qt::AlignRight | Qt::AlignBottom | Qt::TextWordWrap, TipsLabel(low));
            p.setPen(QPen(QColor(90, 120, 90), 1, Qt::DotLine));
            p.drawLine(plot.left(), y(0), plot.right(), y(0));
        }
        for (const ReplayRuling& r : rulings) {
            p.setPen(MarkColour(r.ruling));
            const int x = plot.left() + XOf(r.haltMs, length, plot.width());
            p.drawLine(x, plot.top(), x, plot.bottom());
        }
        p.setPen(QPen(QColor(255, 255, 200), 1));
        QPoint last;
        bool first = true;
        for (const auto& [ms, gap] : points) {
            const QPoint at(plot.left() + XOf(ms, length, plot.width()), y(gap));
            if (!first) p.drawLine(last, at);
            last = at;
            first = false;
        }
    }

private:
    const std::vector<ReplayRuling>& rulings;
    std::int64_t length;
    std::vector<std::pair<std::int64_t, int>> points;
    int low = 0, high = 1;
};

QString AttackGap(int gap) {
    if (Crossed(gap))
        return QCoreApplication::translate("Replay",
                                           "The attack began with the blades already crossed.");
    return QCoreApplication::translate("Replay",
                                       "The attack began with the blade tips %1 steps apart.")
        .arg(Steps(gap));
}

QLabel* Label(QWidget* parent, const char* name, QRect where) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(where);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

ReplayStrip::ReplayStrip(QWidget* parent, const game::Replay& replay, Actions actions)
    : QWidget(parent), rulings(RulingsOf(replay)),
      length(replay.entries.empty() ? 0 : replay.entries.back().ms) {
    setObjectName(QStringLiteral("ReplayStrip"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(40, 90, 40));
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);
    QFont small = font();
    small.setPointSizeF(std::max(7.0, font().pointSizeF() - 2));
    setFont(small);

    play = new QPushButton(this);
    play->setObjectName(QStringLiteral("cmdReplayPlay"));
    play->setGeometry(4, 4, 30, 24);
    play->setFocusPolicy(Qt::NoFocus);
    connect(play, &QPushButton::clicked, this, actions.togglePause);
    static constexpr std::array<const char*, 5> kSpeedNames{"cmdSpeedQuarter", "cmdSpeedHalf",
                                                            "cmdSpeed1", "cmdSpeed2", "cmdSpeed4"};
    static constexpr std::array<const char*, 5> kSpeedTexts{"×¼", "×½", "×1", "×2", "×4"};
    for (std::size_t i = 0; i < game::kReplaySpeeds.size(); ++i) {
        auto* button = new QPushButton(QString::fromUtf8(kSpeedTexts[i]), this);
        button->setObjectName(QString::fromLatin1(kSpeedNames[i]));
        button->setGeometry(38 + static_cast<int>(i) * 32, 4, 30, 24);
        button->setCheckable(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAccessibleName(
            QCoreApplication::translate("Replay", "Speed %1").arg(button->text()));
        connect(button, &QPushButton::clicked, this,
                [set = actions.setSpeed, q = game::kReplaySpeeds[i]] { set(q); });
        speeds.push_back(button);
    }
    QLabel* sign = Label(this, "lblReplaySign", {200, 4, 88, 24});
    sign->setText(QCoreApplication::translate("Replay", "Replay"));
    sign->setStyleSheet(QStringLiteral(
        "QLabel { background: #c01818; color: white; font-weight: bold; border-radius: 3px; }"));
    time = Label(this, "lblReplayTime", {290, 4, 76, 24});
    gap = Label(this, "lblReplayGap", {368, 4, 78, 24});
    auto* chartButton = new QPushButton(QCoreApplication::translate("Replay", "Chart"), this);
    chartButton->setObjectName(QStringLiteral("cmdReplayChart"));
    chartButton->setGeometry(448, 4, 46, 24);
    chartButton->setFocusPolicy(Qt::NoFocus);
    connect(chartButton, &QPushButton::clicked, this, [this] { ToggleChart(); });

    auto* line = new Timeline(this, replay, rulings, actions.seek);
    line->setGeometry(4, 32, 490, 22);
    timeline = line;
    reason = new QLabel(this);
    reason->setObjectName(QStringLiteral("lblReplayReason"));
    reason->setWordWrap(true);
    reason->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    chart = new GapChart(this, replay, rulings);
    auto* takeOver =
        new QPushButton(QCoreApplication::translate("Replay", "Fence from here (T)"), this);
    takeOver->setObjectName(QStringLiteral("cmdReplayTakeOver"));
    takeOver->setGeometry(4, kHeight - 28, 170, 24);
    takeOver->setFocusPolicy(Qt::NoFocus);
    connect(takeOver, &QPushButton::clicked, this, actions.takeOver);
    setFixedSize(498, kHeight);
}

void ReplayStrip::ToggleChart() {
    chartAsked = !chartAsked;
    Arrange();
}

// Under the timeline, the reason for the ruling on show or the keys, or the chart; with the
// chart open, a ruling's reason stays beside it, and the keys give way.
void ReplayStrip::Arrange() {
    const QRect area(4, 58, 490, kHeight - 90);
    const bool charted = chartAsked != chartShown;
    chart->setVisible(charted);
    reason->setVisible(!charted || rulingSaid);
    if (!charted) {
        reason->setGeometry(area);
        return;
    }
    constexpr int kBeside = 200;
    chart->setGeometry(rulingSaid ? area.adjusted(0, 0, -kBeside - 6, 0) : area);
    reason->setGeometry(area.adjusted(area.width() - kBeside, 0, 0, 0));
}

void ReplayStrip::Show(std::int64_t ms, const game::ReplayPicture& picture, bool paused, int speed,
                       bool ended) {
    play->setText(paused || ended ? QStringLiteral("▶") : QStringLiteral("❚❚"));
    play->setAccessibleName(paused || ended ? QCoreApplication::translate("Replay", "Play")
                                            : QCoreApplication::translate("Replay", "Pause"));
    for (std::size_t i = 0; i < speeds.size(); ++i)
        speeds[i]->setChecked(game::kReplaySpeeds[i] == speed);
    time->setText(QStringLiteral("%1 / %2").arg(Clock(ms), Clock(length)));
    const auto tips = game::TipGap(picture.fencers);
    gap->setText(tips ? TipsLabel(*tips) : QString());
    static_cast<Timeline*>(timeline)->SetPosition(ms);
    // From "Halt" to the next "Engarde", the ruling of that phrase and why.
    QString text;
    for (const ReplayRuling& r : rulings) {
        if (ms < r.haltMs || ms >= r.overMs) continue;
        text = ReasonSentence(r.ruling);
        if (r.ruling.why && r.ruling.why->gapAtAttack &&
            r.ruling.why->decider != Decider::RanPast &&
            r.ruling.why->decider != Decider::PassedTooSoon)
            text += QLatin1Char('\n') + AttackGap(*r.ruling.why->gapAtAttack);
    }
    rulingSaid = !text.isEmpty();
    // Between rulings, the keys that work the replay.
    if (text.isEmpty())
        text = QCoreApplication::translate(
            "Replay",
            "F3 pause · ← → a second · , . a picture · Home End · Page Up Page Down "
            "the rulings · D distance · C chart · T fence from here · Esc back to the game");
    reason->setText(text);
    // The end of the replay shows the chart; asking turns it over, there as anywhere.
    chartShown = ended;
    Arrange();
}

} // namespace pistework::app
