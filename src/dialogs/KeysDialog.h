// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Keyboard Layout": a preset or six typed keys for each side, one key per box.

#include "game/player/KeyLayout.h"

#include <QDialog>

#include <array>
#include <optional>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pistework::dialogs {

class KeysDialog : public QDialog {
    Q_OBJECT
public:
    explicit KeysDialog(QWidget* owner);

    // Selects each side's preset from the keys ignoring case, then shows the keys themselves,
    // in their own case, whatever a preset wrote.
    void ShowKeys(const game::Keys& keys);
    // The boxes joined, each side in position order; empty boxes give nothing.
    game::Keys Keys() const;

private:
    using Boxes = std::array<QLineEdit*, game::kKeysPerSide>;
    using Presets = std::array<game::KeyPreset, 2>;
    using Radios = std::array<QRadioButton*, 3>;

    Radios SideRadios(const char* side, const QString& title, const Presets& presets, int left,
                      Boxes& boxes);
    static void FillBoxes(const Boxes& boxes, std::u32string_view keys);
    static void SelectPreset(const Radios& radios, const Presets& presets,
                             std::u32string_view keys);

    Boxes txtLeft{};
    Boxes txtRight{};
    Radios optLeft{};
    Radios optRight{};
    QPushButton* cmdOK = nullptr;
};

// Opens a fresh dialog on the keys in use; the new keys on OK, none otherwise.
std::optional<game::Keys> AskKeys(QWidget* owner, const game::Keys& current);

} // namespace pistework::dialogs
