// SPDX-License-Identifier: GPL-3.0-or-later
// Every dialog in every language the game ships: each text it shows fits its widget.

#include "Languages.h"
#include "common/Menu.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/BestResultsDialog.h"
#include "dialogs/CustomLevelDialog.h"
#include "dialogs/HelpDialog.h"
#include "dialogs/KeysDialog.h"
#include "dialogs/SchoolDialog.h"
#include "dialogs/VictoryDialog.h"
#include "game/bout/Levels.h"
#include "platform/headless/HeadlessServices.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace pistework;

using DialogsInLanguage = drive::InEachLanguage;
INSTANTIATE_IN_EACH_LANGUAGE(DialogsInLanguage);

// Run at scale 1 and again with QT_SCALE_FACTOR=2.
TEST_P(DialogsInLanguage, EveryTextFits) {
    platform::headless::RecordingLauncher launcher;
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<dialogs::HelpDialog>(nullptr));
    dialogs.push_back(std::make_unique<dialogs::AboutDialog>(nullptr, launcher));
    dialogs.push_back(std::make_unique<dialogs::KeysDialog>(nullptr));
    dialogs.push_back(
        std::make_unique<dialogs::BestResultsDialog>(nullptr, game::BestResultTable{}));
    dialogs.push_back(std::make_unique<dialogs::CustomLevelDialog>(nullptr));
    dialogs.push_back(std::make_unique<dialogs::SchoolDialog>(nullptr, 0));
    for (const game::Level& level : game::kLevels)
        dialogs.push_back(
            std::make_unique<dialogs::VictoryDialog>(nullptr, level.number, "", nullptr));
    for (const auto& dialog : dialogs) {
        SCOPED_TRACE(dialog->windowTitle().toStdString());
        // Text that does not fit comes back larger than its label, as far as it reaches.
        for (auto* label : dialog->findChildren<QLabel*>()) {
            const int flags =
                static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
            EXPECT_TRUE(label->rect().contains(
                label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text())))
                << label->text().toStdString();
        }
        for (auto* button : dialog->findChildren<QPushButton*>())
            EXPECT_LE(
                button->fontMetrics().horizontalAdvance(button->text().remove(QLatin1Char('&'))),
                button->contentsRect().width() - 4)
                << button->text().toStdString();
        for (auto* radio : dialog->findChildren<QRadioButton*>())
            EXPECT_LE(radio->sizeHint().width(), radio->width()) << radio->text().toStdString();
    }
}

// A level goes by one name in each language: the Best Results table shows each of the
// Opponent menu's levels as the menu names it.
TEST_P(DialogsInLanguage, TheBestResultsNameEachLevelAsTheMenuDoes) {
    const dialogs::BestResultsDialog results(nullptr, game::BestResultTable{});
    QStringList shown;
    for (const auto* label : results.findChildren<QLabel*>())
        shown << label->text();
    int levels = 0;
    for (const layout::MenuEntry& entry : layout::kMenu) {
        using layout::MenuCommand;
        if (entry.command < MenuCommand::Level1 || entry.command > MenuCommand::Level6) continue;
        ++levels;
        const QString name = QCoreApplication::translate("Menu", entry.caption.data()).remove('&');
        EXPECT_TRUE(shown.contains(name)) << name.toStdString();
    }
    EXPECT_EQ(levels, game::kLevelCount);
}
