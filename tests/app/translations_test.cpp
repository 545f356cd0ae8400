// Every dialog in every language the game ships: each text it shows must fit its widget.

#include "Languages.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/BestResultsDialog.h"
#include "dialogs/CustomLevelDialog.h"
#include "dialogs/HelpDialog.h"
#include "dialogs/KeysDialog.h"
#include "dialogs/VictoryDialog.h"
#include "game/Levels.h"
#include "platform/headless/HeadlessServices.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace pistework;

namespace {

platform::headless::RecordingLauncher unusedLauncher;

std::vector<std::function<std::unique_ptr<QDialog>()>> EveryDialog() {
    std::vector<std::function<std::unique_ptr<QDialog>()>> made{
        [] { return std::make_unique<dialogs::HelpDialog>(nullptr); },
        [] { return std::make_unique<dialogs::AboutDialog>(nullptr, unusedLauncher); },
        [] { return std::make_unique<dialogs::KeysDialog>(nullptr); },
        [] {
            return std::make_unique<dialogs::BestResultsDialog>(nullptr, game::BestResultTable{});
        },
        [] { return std::make_unique<dialogs::CustomLevelDialog>(nullptr); },
    };
    for (const game::Level& level : game::kLevels)
        made.push_back([n = level.number] {
            return std::make_unique<dialogs::VictoryDialog>(nullptr, n, "", nullptr);
        });
    return made;
}

QString Plain(QString text) {
    return text.remove(QLatin1Char('&'));
}

} // namespace

// Run at scale 1 and again with QT_SCALE_FACTOR=2.
TEST(Translations, EveryDialogTextFitsInEveryLanguage) {
    for (const QString& language : drive::Languages()) {
        const drive::InLanguage in(language);
        for (const auto& make : EveryDialog()) {
            const std::unique_ptr<QDialog> dialog = make();
            const std::string title =
                language.toStdString() + " " + dialog->windowTitle().toStdString();
            // Text that does not fit comes back larger than its label, as far as it reaches.
            for (auto* label : dialog->findChildren<QLabel*>()) {
                const int flags = static_cast<int>(label->alignment()) |
                                  (label->wordWrap() ? Qt::TextWordWrap : 0);
                const QRect text =
                    label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text());
                EXPECT_TRUE(label->rect().contains(text))
                    << title << ": " << label->text().toStdString();
            }
            for (auto* button : dialog->findChildren<QPushButton*>())
                EXPECT_LE(button->fontMetrics().horizontalAdvance(Plain(button->text())),
                          button->contentsRect().width() - 4)
                    << title << ": " << button->text().toStdString();
            for (auto* radio : dialog->findChildren<QRadioButton*>())
                EXPECT_LE(radio->sizeHint().width(), radio->width())
                    << title << ": " << radio->text().toStdString();
            for (auto* group : dialog->findChildren<QGroupBox*>())
                EXPECT_LE(group->minimumSizeHint().width(), group->width())
                    << title << ": " << group->title().toStdString();
        }
    }
}
