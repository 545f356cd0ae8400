// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/HelpDialog.h"

#include "dialogs/Style.h"

#include <QPushButton>

namespace pistework::dialogs {

// Client 376 x 262. The texts were laid out for a narrower face than DejaVu Sans: at the
// first width Label1, Label2 and Label7 each need one line more, so the window keeps its
// width and grows 34 px: 31 for those lines, 3 to keep Label1 apart from Label2 as before.
// Every label below them moves down by as much.
const std::array<PlacedText, 8> HelpDialog::kTexts{{
    {"Label1",
     QT_TRANSLATE_NOOP("pistework::dialogs::HelpDialog",
                       "The fencing bout is \"first-to-five\", \"first-to-ten\" or "
                       "\"first-to-fifteen\" hits."),
     {8, 8, 360, 26}},
    {"Label2",
     QT_TRANSLATE_NOOP("pistework::dialogs::HelpDialog",
                       "To hit your opponent, advance to within distance, then extend "
                       "the fencing arm before lunging. You must return to engarde and "
                       "re-extend to lunge again."),
     {8, 37, 360, 39}},
    {"Label3", "", {8, 76, 360, 16}},
    // Label7 and Label8 read as one sentence, broken across the two.
    {"Label7",
     QT_TRANSLATE_NOOP("pistework::dialogs::HelpDialog",
                       "A Flèche is a running attack, best used from a distance.  "
                       "The arm must first be extended to flèche.Do not use it too "
                       "frequently as you are penalised ground with each flèche. If "
                       "you accidentally run into your "),
     {8, 92, 360, 52}},
    {"Label8",
     QT_TRANSLATE_NOOP("pistework::dialogs::HelpDialog",
                       "opponent you will receive a warning and your opponent will be "
                       "awarded a hit for each subsequent offence."),
     {8, 144, 360, 32}},
    {"Label4",
     QT_TRANSLATE_NOOP("pistework::dialogs::HelpDialog",
                       "Parry to make an opponent's attack ineffective. If you beat your "
                       "opponent's blade, he will temporarily be unable to respond."),
     {8, 176, 360, 34}},
    // Narrower, to leave room for the button beside it.
    {"Label5",
     QT_TRANSLATE_NOOP("pistework::dialogs::HelpDialog",
                       "Hits must be placed on the lamé to be effective. Hits on the "
                       "arm are off-target, and are not counted."),
     {8, 210, 288, 32}},
    {"Label6",
     QT_TRANSLATE_NOOP("pistework::dialogs::HelpDialog", "Good Luck."),
     {8, 242, 288, 20}},
}};

HelpDialog::HelpDialog(QWidget* owner) : QDialog(owner, kFixedDialog) {
    SetUpFixedDialog(*this, "FormHelp", tr("Help & Hints"), {376, 262});
    for (const PlacedText& placed : kTexts)
        WrappedLabel(this, placed.name, tr(placed.text), placed.geometry);
    CloseButton(*this, {304, 217, 64, 25});
}

} // namespace pistework::dialogs
