// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BoutBoard.h"

#include "app/Accessibility.h"
#include "app/QtServices.h"
#include "common/CallTexts.h"
#include "game/Actions.h"
#include "game/BoutRules.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <map>

namespace pistework::app {

namespace {

using game::Side;

// Each picture is decoded once and kept: a fencer changes picture nearly every tick, and
// QPixmap's own cache, keyed on the resource's file details, missed and decoded the PNG again.
const QPixmap& Picture(const std::string& name) {
    static std::map<std::string, QPixmap, std::less<>> pictures;
    auto known = pictures.find(name);
    if (known == pictures.end()) {
        // Named as PNG, so no image plugin is loaded and asked to guess the format.
        known =
            pictures
                .emplace(name, QPixmap(QStringLiteral(":/sprites/") + QString::fromStdString(name),
                                       "PNG"))
                .first;
    }
    return known->second;
}

void ShowPicture(QLabel* label, const std::string& name) {
    const QPixmap& pixmap = Picture(name);
    if (pixmap.isNull())
        qCWarning(lcPicture).noquote() << label->objectName() << "has no picture" << name.c_str();
    label->setPixmap(pixmap);
    qCDebug(lcPicture).noquote() << label->objectName() << "picture" << name.c_str();
}

// A caption sized to its text, like the scores, grows and shrinks from its top-left corner,
// so "15" shows both digits.
void ShowCaption(QLabel* label, const QString& shown) {
    if (auto* readout = qobject_cast<ReadoutLabel*>(label))
        readout->SetValue(shown);
    else
        label->setText(shown);
    if (label->property("sizedToText").toBool()) label->adjustSize();
    qCDebug(lcCaption).noquote() << label->objectName() << "caption"
                                 << QString(shown).replace(QChar('\n'), QChar('|'));
}

void Show(QWidget* widget, bool visible) {
    if (visible == !widget->isHidden()) return;
    widget->setVisible(visible);
    qCDebug(lcCaption).noquote() << widget->objectName() << (visible ? "shown" : "hidden");
}

std::string LampPicture(game::Lamp lamp, Side side) {
    switch (lamp) {
    case game::Lamp::On:
        return game::ResourceName(game::picture::kLampOn, side);
    case game::Lamp::OffTarget:
        return game::ResourceName(game::picture::kLampOffTarget, side);
    case game::Lamp::Off:
        break;
    }
    return game::ResourceName(game::picture::kLampOff, side);
}

} // namespace

void BoutBoard::Register(const layout::ControlEntry& entry, QWidget* widget) {
    auto* label = qobject_cast<QLabel*>(widget);
    switch (entry.shows) {
    case layout::Shows::Fencer:
        fencers[entry.side] = label;
        break;
    case layout::Shows::Lamp:
        lamps[entry.side] = label;
        break;
    case layout::Shows::Call:
        call = label;
        break;
    case layout::Shows::Score:
        scores[entry.side] = label;
        break;
    case layout::Shows::Clock:
        clock = label;
        break;
    case layout::Shows::YellowCard:
        yellowCards[entry.side] = widget;
        break;
    case layout::Shows::RedCard:
        redCards[entry.side] = widget;
        break;
    case layout::Shows::RedCount:
        redCounts[entry.side] = label;
        break;
    case layout::Shows::StartPrompt:
        startPrompt = label;
        break;
    case layout::Shows::Paused:
        paused = label;
        break;
    case layout::Shows::Command:
        commands.push_back(qobject_cast<QPushButton*>(widget));
        break;
    case layout::Shows::Fixed:
        if (entry.kind == layout::ControlKind::EditBox) keys = qobject_cast<QLineEdit*>(widget);
        break;
    }
}

// A repaint costs far more than a comparison.
void BoutBoard::Draw(const game::BoutView& view) {
    const game::BoutView* was = drawn ? &*drawn : nullptr;
    for (Side side : game::kSides) {
        const game::FencerView& f = view.fencers[side];
        QLabel* fencer = fencers[side];
        if (fencer->x() != f.x) {
            fencer->move(f.x, fencer->y());
            qCDebug(lcPicture).noquote() << fencer->objectName() << "Left" << f.x;
        }
        if (!was || was->fencers[side].pose != f.pose) ShowPicture(fencer, f.pose);
        if (!was || was->lamps[side] != view.lamps[side])
            ShowPicture(lamps[side], LampPicture(view.lamps[side], side));
        if (!was || was->scores[side] != view.scores[side])
            ShowCaption(scores[side], QString::number(view.scores[side]));
        const game::CardsView& cards = view.cards[side];
        if (!was || was->cards[side] != cards) {
            Show(yellowCards[side], cards.yellow);
            Show(redCards[side], cards.reds > 0);
            ShowCaption(redCounts[side], QString::number(cards.reds));
            // One red card is the bare card; the count shows from the second on.
            Show(redCounts[side], cards.reds > 1);
        }
    }
    if (!was || was->inFront != view.inFront) fencers[view.inFront]->raise();
    if (!was || was->call != view.call || was->networkEnded != view.networkEnded)
        ShowCaption(call, view.networkEnded ? TranslatedNetworkEnding(*view.networkEnded)
                                            : TranslatedCallText(view.call));
    if (!was || was->clock != view.clock) {
        ShowCaption(clock, QString::fromStdString(game::ClockCaption(view.clock.secondsLeft)));
        Show(clock, view.clock.shown);
    }
    if (!was || was->startPrompt != view.startPrompt) Show(startPrompt, view.startPrompt);
    if (!was || was->menu.paused != view.menu.paused) {
        Show(paused, view.menu.paused);
        // Its caption never changes, so nothing else tells a reader the sign came up.
        if (view.menu.paused) {
            QAccessibleEvent said(paused, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&said);
        }
    }
    if (!was || was->commandButtons != view.commandButtons)
        for (QPushButton* button : commands)
            Show(button, view.commandButtons);
    if (view.menu.control == game::ControlMode::Keyboard &&
        (!was || was->menu.control != game::ControlMode::Keyboard))
        keys->setFocus(Qt::OtherFocusReason);
    drawn = view;
}

} // namespace pistework::app
