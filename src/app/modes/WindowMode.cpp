// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/modes/WindowMode.h"

#include "app/MainWindow.h"

#include <QKeyEvent>

namespace pistework::app {

QString WindowMode::Title() const {
    return QStringLiteral("B.K.S. Pistework");
}

std::u32string FencersKeys(const QKeyEvent& key, const game::Game& game) {
    const bool plain = !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!game.Options().TakesKeys() || !plain || key.text().isEmpty() ||
        !key.text().at(0).isPrint())
        return {};
    return key.text().toStdU32String();
}

WindowMode::Outcome PlayingMode::Key(const QKeyEvent& key) {
    const std::u32string typed = FencersKeys(key, window.Game());
    for (char32_t ch : typed)
        game::TypeKey(window.Game(), ch);
    return typed.empty() ? Outcome::Passed : Outcome::Taken;
}

void PlayingMode::Fence(game::CommandSource source, game::Side side, game::FencerCommand command) {
    window.Game().Command(source, side, command);
}

WindowMode::Outcome PlayingMode::Choose(layout::MenuCommand command) {
    if (command != layout::MenuCommand::ShowDistance) return Outcome::Passed;
    distance.Toggle();
    Drew(window.Game().View());
    return Outcome::Taken;
}

void PlayingMode::Drew(const game::BoutView& view) {
    distance.Show(game::ReplayPicture::Of(view));
}

void PlayingMode::FocusLost() {
    window.Game().FocusLost();
}

} // namespace pistework::app
