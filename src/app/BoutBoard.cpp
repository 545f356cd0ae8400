// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BoutBoard.h"

#include "app/Accessibility.h"
#include "app/QtServices.h"
#include "common/CallTexts.h"
#include "common/Translated.h"
#include "dialogs/Style.h"
#include "game/bout/BoutRules.h"
#include "game/piste/Actions.h"
#include "game/piste/Piste.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>
#include <map>
#include <stdexcept>

namespace pistework::app {

namespace {

using game::Side;
using layout::ControlEntry;
using layout::ControlKind;

static_assert(layout::Control("imgPiste").geometry.width == game::kPisteWidth &&
              layout::Control("imgPiste").geometry.height == game::kPisteHeight);

QColor Colour(layout::Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Qt::Alignment Alignment(layout::Align align) {
    switch (align) {
    case layout::Align::Centre:
        return Qt::AlignCenter;
    case layout::Align::TopRight:
        return Qt::AlignRight | Qt::AlignTop;
    case layout::Align::TopLeft:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

// The card shapes: a rounded rectangle in one colour.
class ShapeWidget : public QWidget {
public:
    ShapeWidget(QWidget* parent, QColor colour) : QWidget(parent), colour(colour) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::black);
        p.setBrush(colour);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    }

private:
    QColor colour;
};

QLabel* NewCaption(QWidget* parent, const ControlEntry& entry) {
    auto* label = entry.readout != Readout::None
                      ? new ReadoutLabel(Translated("Layout", entry.caption), parent, entry.readout)
                      : new QLabel(Translated("Layout", entry.caption), parent);
    label->setAlignment(Alignment(entry.align));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Colour(entry.colour));
    if (entry.filled) {
        label->setAutoFillBackground(true);
        palette.setColor(QPalette::Window, Colour(entry.background));
    }
    label->setPalette(palette);
    return label;
}

QPixmap PistePixmap() {
    QImage image(game::kPisteWidth, game::kPisteHeight, QImage::Format_ARGB32);
    const auto pixels = game::PistePixels();
    for (int y = 0; y < game::kPisteHeight; ++y) {
        // Written a row at a time: pixel by pixel through QColor cost a millisecond at start.
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < game::kPisteWidth; ++x) {
            switch (pixels[y * game::kPisteWidth + x]) {
            case game::PisteColour::Green:
                row[x] = qRgb(0, 128, 0);
                break;
            case game::PisteColour::Yellow:
                row[x] = qRgb(255, 255, 0);
                break;
            case game::PisteColour::White:
                row[x] = qRgba(0, 0, 0, 0); // the white ground is not drawn
                break;
            }
        }
    }
    return QPixmap::fromImage(image);
}

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

QWidget* BoutBoard::NewControl(const ControlEntry& entry) {
    switch (entry.kind) {
    case ControlKind::Picture:
        return new PixelArtLabel(client);
    case ControlKind::Label: {
        QLabel* label = NewCaption(client, entry);
        label->setProperty("sizedToText", entry.geometry.width == 0);
        return label;
    }
    case ControlKind::Shape:
        return new ShapeWidget(client, Colour(entry.colour));
    case ControlKind::Button: {
        auto* button = new QPushButton(Translated("Layout", entry.caption), client);
        QObject::connect(button, &QPushButton::clicked, button,
                         [this, command = entry.command] { clicked(command); });
        return button;
    }
    case ControlKind::EditBox:
        return new QLineEdit(client);
    case ControlKind::Piste: {
        auto* piste = new PixelArtLabel(client);
        piste->setPixmap(PistePixmap());
        return piste;
    }
    }
    throw std::logic_error("a control kind without a widget");
}

void BoutBoard::Build(QWidget* on, std::function<void(game::FencerCommand)> onClick) {
    client = on;
    clicked = std::move(onClick);
    // The layout lists the controls back to front, so each is drawn over the ones before it.
    for (const ControlEntry& entry : layout::kControls) {
        QWidget* widget = NewControl(entry);
        widget->setObjectName(Text(entry.name));
        NameForReaders(widget, entry);
        if (entry.fontPixels > 0) widget->setFont(dialogs::GameFont(entry.fontPixels, entry.bold));
        const auto& g = entry.geometry;
        if (g.width > 0) {
            widget->setGeometry(g.x, g.y, g.width, g.height);
        } else {
            widget->move(g.x, g.y);
            widget->adjustSize();
        }
        widget->setVisible(entry.visible);
        Register(entry, widget);
    }
    PlaceScores();
}

void BoutBoard::PlaceScores() {
    std::vector<QWidget*> placed;
    int left = 0;
    for (const ControlEntry& score : layout::kControls) {
        if (score.shows != layout::Shows::Score) continue;
        placed.push_back(client->findChild<QWidget*>(Text(score.name)));
        left = std::max(left, score.geometry.x);
        for (const ControlEntry& name : layout::kControls) {
            if (name.kind != ControlKind::Label || name.shows != layout::Shows::Fixed ||
                name.geometry.y != score.geometry.y || name.geometry.x >= score.geometry.x)
                continue;
            const auto* label = client->findChild<QLabel*>(Text(name.name));
            left = std::max(left, label->x() + label->fontMetrics().horizontalAdvance(
                                                   label->text() + QLatin1Char(' ')));
        }
    }
    for (QWidget* score : placed)
        score->move(left, score->y());
}

void BoutBoard::ShowKeys(const std::u32string& keys) {
    for (const ControlEntry& entry : layout::kControls) {
        if (entry.kind != ControlKind::Button) continue;
        auto* button = client->findChild<QPushButton*>(Text(entry.name));
        const auto at = static_cast<std::size_t>(entry.command);
        button->setToolTip(
            at < keys.size()
                ? QCoreApplication::translate("pistework::app::MainWindow", "%1 (%2)")
                      .arg(button->text(), QString::fromStdU32String(keys.substr(at, 1)))
                : button->text());
    }
}

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
    if (!was || was->call != view.call || was->networkEnded != view.networkEnded ||
        was->waitingForPeer != view.waitingForPeer)
        ShowCaption(call, view.networkEnded     ? TranslatedNetworkEnding(*view.networkEnded)
                          : view.waitingForPeer ? Translated("Network", kWaitingWords)
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
