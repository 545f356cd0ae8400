// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/HelpDialog.h"

#include "dialogs/Style.h"
#include "dialogs/TextLabels.h"

#include <QPushButton>

namespace pistework::dialogs {

// Client 376 x 262. The texts were laid out for a narrower face than DejaVu Sans: at the
// first width Label1, Label2 and Label7 each need one line more, so the window keeps its
// width and grows 34 px: 31 for those lines, 3 to keep Label1 apart from Label2 as before.
// Every label below them moves down by as much.
HelpDialog::HelpDialog(QWidget* owner) : QDialog(owner, kFixedDialog) {
    SetUpFixedDialog(*this, "FormHelp", tr("Help & Hints"), {376, 262});

    WrappedLabel(this, "Label1",
                 tr("The fencing bout is \"first-to-five\", \"first-to-ten\" or "
                    "\"first-to-fifteen\" hits."),
                 {8, 8, 360, 26});
    WrappedLabel(this, "Label2",
                 tr("To hit your opponent, advance to within distance, then extend "
                    "the fencing arm before lunging. You must return to engarde and "
                    "re-extend to lunge again."),
                 {8, 37, 360, 39});
    WrappedLabel(this, "Label3", QString(), {8, 76, 360, 16});
    // Label7 and Label8 read as one sentence, broken where the original broke it.
    WrappedLabel(this, "Label7",
                 tr("A Flèche is a running attack, best used from a distance.  "
                    "The arm must first be extended to flèche.Do not use it too "
                    "frequently as you are penalised ground with each flèche. If "
                    "you accidentally run into your "),
                 {8, 92, 360, 52});
    WrappedLabel(this, "Label8",
                 tr("opponent you will receive a warning and your opponent will be "
                    "awarded a hit for each subsequent offence."),
                 {8, 144, 360, 32});
    WrappedLabel(this, "Label4",
                 tr("Parry to make an opponent's attack ineffective. If you beat your "
                    "opponent's blade, he will temporarily be unable to respond."),
                 {8, 176, 360, 34});
    // Narrower, to leave room for the button beside it.
    WrappedLabel(this, "Label5",
                 tr("Hits must be placed on the lamé to be effective. Hits on the "
                    "arm are off-target, and are not counted."),
                 {8, 210, 288, 32});
    WrappedLabel(this, "Label6", tr("Good Luck."), {8, 242, 288, 20});

    CloseButton(*this, {304, 217, 64, 25});
}

} // namespace pistework::dialogs
