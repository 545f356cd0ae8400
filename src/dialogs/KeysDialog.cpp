// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/KeysDialog.h"

#include "dialogs/Style.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStringList>

namespace pistework::dialogs {

namespace {
constexpr int kRowHeight = 26;

// The rows by key position; the labels keep the names they have always had.
constexpr std::array<std::pair<const char*, const char*>, game::kKeysPerSide> kRowLabels{{
    {"Label1", QT_TRANSLATE_NOOP("KeysDialog", "Advance")},
    {"Label2", QT_TRANSLATE_NOOP("KeysDialog", "Extend Arm")},
    {"Label3", QT_TRANSLATE_NOOP("KeysDialog", "Lunge/Recover")},
    {"Label5", QT_TRANSLATE_NOOP("KeysDialog", "Retreat")},
    {"Label6", QT_TRANSLATE_NOOP("KeysDialog", "Parry")},
    {"Label4", QT_TRANSLATE_NOOP("KeysDialog", "Flèche/Recover Forwards")},
}};

QLineEdit* KeyBox(QWidget* parent, const QString& name, int left, int top) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    // One character, which may take two UTF-16 units: a one-unit limit would cut a stored
    // key outside the basic plane in half.
    box->setMaxLength(2);
    box->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^.?$"), QRegularExpression::DotMatchesEverythingOption),
        box));
    box->setAlignment(Qt::AlignCenter);
    box->setGeometry(left, top, 21, 21);
    return box;
}

QString SpelledOut(std::u32string_view keys) {
    QStringList each;
    for (char32_t key : keys)
        each << QString::fromStdU32String(std::u32string(1, key)).toUpper();
    return each.join(QLatin1Char(' '));
}

} // namespace

KeysDialog::KeysDialog(QWidget* owner) : QDialog(owner, kFixedDialog) {
    SetUpFixedDialog(*this, "FormLayout", tr("Keyboard Layout"), {354, 216});

    // A raised inner and a lowered outer edge.
    auto* fraDetails = new QFrame(this);
    fraDetails->setObjectName(QStringLiteral("fraDetails"));
    fraDetails->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    fraDetails->setGeometry(96, 8, 162, 8 + kRowHeight * 6);
    auto* inner = new QFrame(fraDetails);
    inner->setFrameStyle(QFrame::Panel | QFrame::Raised);
    inner->setGeometry(fraDetails->rect().adjusted(1, 1, -1, -1));

    for (std::size_t i = 0; i < game::kKeysPerSide; ++i) {
        const int top = 4 + kRowHeight * static_cast<int>(i);
        txtLeft[i] = KeyBox(fraDetails, QStringLiteral("txtLeft%1").arg(i + 1), 6, top + 2);
        txtRight[i] = KeyBox(fraDetails, QStringLiteral("txtRight%1").arg(i + 1), 135, top + 2);
        // A box is read by its row and side, which only its place on the grid shows.
        const QString row = QCoreApplication::translate("KeysDialog", kRowLabels[i].second);
        txtLeft[i]->setAccessibleName(tr("Left %1 key").arg(row));
        txtRight[i]->setAccessibleName(tr("Right %1 key").arg(row));
        auto* label = new QLabel(row, fraDetails);
        label->setObjectName(QString::fromLatin1(kRowLabels[i].first));
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setGeometry(30, top, 102, kRowHeight);
    }
    optLeft = SideRadios("Left", tr("Left"), game::kLeftPresets, 6, txtLeft);
    optRight = SideRadios("Right", tr("Right"), game::kRightPresets, 262, txtRight);
    optLeft[0]->setChecked(true);
    optRight[0]->setChecked(true);

    cmdOK = NamedButton(this, "cmdOK", tr("&OK"), {6, 183, 86, 25});
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    auto* cmdCancel = NamedButton(this, "cmdCancel", tr("&Cancel"), {262, 183, 86, 25});
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    // The order the boxes have always been visited in, not quite row by row.
    const std::array<QLineEdit*, 12> tabOrder{txtLeft[0],  txtLeft[1],  txtLeft[2],  txtRight[0],
                                              txtLeft[3],  txtLeft[5],  txtLeft[4],  txtRight[1],
                                              txtRight[2], txtRight[3], txtRight[5], txtRight[4]};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

KeysDialog::Radios KeysDialog::SideRadios(const char* side, const QString& title,
                                          const Presets& presets, int left, Boxes& boxes) {
    // Wide enough for "WSXQAZ" beside its radio mark with this platform's fonts.
    auto* group = new QGroupBox(title, this);
    group->setObjectName(QStringLiteral("GroupBox") + QString::fromLatin1(side));
    group->setGeometry(left, 8, 86, 97);
    Radios radios{};
    for (std::size_t i = 0; i < radios.size(); ++i) {
        const QString caption = i < presets.size() ? QString::fromUtf8(presets[i].caption.data(),
                                                                       presets[i].caption.size())
                                                   : tr("Custom");
        radios[i] = new QRadioButton(caption, group);
        // "WSXQAZ" read as a word means nothing; key by key it is the preset.
        if (i < presets.size())
            radios[i]->setAccessibleName(tr("%1 keys %2").arg(title, SpelledOut(presets[i].keys)));
        radios[i]->setObjectName(
            QStringLiteral("opt%1%2").arg(QString::fromLatin1(side)).arg(i + 1));
        radios[i]->setGeometry(6, 20 + 24 * static_cast<int>(i), 76, 20);
    }
    // "Custom" keeps whatever the boxes hold.
    for (std::size_t i = 0; i < presets.size(); ++i)
        connect(radios[i], &QRadioButton::clicked, this,
                [&boxes, keys = presets[i].keys] { FillBoxes(boxes, keys); });
    // OK follows the box changed last, and only that box: a key may stand in two boxes, and
    // in a 2 Player bout a key on both sides moves both fencers.
    for (QLineEdit* box : boxes)
        connect(box, &QLineEdit::textChanged, this,
                [this](const QString& text) { cmdOK->setEnabled(!text.isEmpty()); });
    return radios;
}

void KeysDialog::FillBoxes(const Boxes& boxes, std::u32string_view keys) {
    const auto split = game::SplitKeys(keys);
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setText(QString::fromStdU32String(split[i]));
}

void KeysDialog::SelectPreset(const Radios& radios, const Presets& presets,
                              std::u32string_view keys) {
    radios[game::PresetIndex(presets, keys).value_or(presets.size())]->setChecked(true);
}

void KeysDialog::ShowKeys(const game::Keys& keys) {
    SelectPreset(optLeft, game::kLeftPresets, keys.left);
    SelectPreset(optRight, game::kRightPresets, keys.right);
    const auto left = game::SplitKeys(keys.left);
    const auto right = game::SplitKeys(keys.right);
    for (std::size_t i = 0; i < game::kKeysPerSide; ++i) {
        txtRight[i]->setText(QString::fromStdU32String(right[i]));
        txtLeft[i]->setText(QString::fromStdU32String(left[i]));
    }
}

game::Keys KeysDialog::Keys() const {
    auto join = [](const Boxes& boxes) {
        std::array<std::u32string, game::kKeysPerSide> texts;
        for (std::size_t i = 0; i < boxes.size(); ++i)
            texts[i] = boxes[i]->text().toStdU32String();
        return game::JoinKeys(texts);
    };
    return {join(txtLeft), join(txtRight)};
}

std::optional<game::Keys> AskKeys(QWidget* owner, const game::Keys& current) {
    KeysDialog layout(owner);
    layout.ShowKeys(current);
    if (layout.exec() != QDialog::Accepted) return std::nullopt;
    return layout.Keys();
}

} // namespace pistework::dialogs
