// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DistanceOverlay.h"

#include "app/MainWindow.h"

#include "common/Translated.h"
#include "game/piste/Geometry.h"
#include "game/piste/Reach.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

namespace pistework::app {

using game::Side;

QString PointLabel(int pointPast) {
    if (pointPast < game::kHitUnitsMin * game::kPointUnit)
        return QCoreApplication::translate("Replay", "%1 steps short").arg(Steps(-pointPast));
    if (pointPast <= game::kHitUnitsMax * game::kPointUnit)
        return QCoreApplication::translate("Replay", "on target");
    return QCoreApplication::translate("Replay", "%1 steps past").arg(Steps(pointPast));
}

bool Crossed(int gap) {
    return gap < 0;
}

QString TipsLabel(int gap) {
    if (Crossed(gap)) return QCoreApplication::translate("Replay", "blades crossed");
    return QCoreApplication::translate("Replay", "%1 steps apart").arg(Steps(gap));
}

DistanceOverlay::DistanceOverlay(QWidget* board) : QWidget(board) {
    setObjectName(QStringLiteral("imgReplayDistance"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(board->rect());
}

void DistanceOverlay::Show(const game::ReplayPicture& picture) {
    shown = picture;
    raise();
    update();
}

void DistanceOverlay::paintEvent(QPaintEvent*) {
    if (!shown) return;
    // The blade's height in the fencers' pictures, which stand at the board's y of 88.
    constexpr int kBladeY = 88 + 38;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    int from = 0, to = 0;
    QString text;
    if (const auto reach = game::AttackReach(shown->fencers, shown->inFront)) {
        from = reach->tip;
        to = reach->target;
        text = PointLabel(-reach->pointToTarget);
    } else {
        const auto left = game::PointsOf(shown->fencers[Side::Left], Side::Left);
        const auto right = game::PointsOf(shown->fencers[Side::Right], Side::Right);
        if (!left || !right) return;
        from = left->tip;
        to = right->tip;
        text = TipsLabel(right->tip - left->tip);
    }
    p.setPen(QPen(QColor(255, 255, 120), 1));
    p.drawLine(from, kBladeY, to, kBladeY);
    p.drawLine(from, kBladeY - 4, from, kBladeY + 4);
    p.drawLine(to, kBladeY - 4, to, kBladeY + 4);
    QFont small = font();
    small.setPointSizeF(std::max(7.0, font().pointSizeF() - 2));
    small.setBold(true);
    p.setFont(small);
    const QRect label((from + to) / 2 - 80, kBladeY - 20, 160, 14);
    p.setPen(Qt::black);
    p.drawText(label.translated(1, 1), Qt::AlignCenter, text);
    p.setPen(QColor(255, 255, 120));
    p.drawText(label, Qt::AlignCenter, text);
}

DistanceChoice::~DistanceChoice() {
    if (overlay) window.CheckMenu(layout::MenuCommand::ShowDistance, false);
}

void DistanceChoice::Set(bool on) {
    if (on && !overlay) overlay = std::make_unique<DistanceOverlay>(window.Client());
    if (!on) overlay.reset();
    window.CheckMenu(layout::MenuCommand::ShowDistance, on);
    if (overlay) overlay->show();
}

// The mark is set again at each picture: a mode entered before the last one left keeps its
// own choice shown.
void DistanceChoice::Show(const game::ReplayPicture& picture) {
    window.CheckMenu(layout::MenuCommand::ShowDistance, On());
    if (overlay) overlay->Show(picture);
}

} // namespace pistework::app
