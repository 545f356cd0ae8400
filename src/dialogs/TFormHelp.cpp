#include "dialogs/TFormHelp.h"

#include "dialogs/Style.h"
#include "dialogs/TextLabels.h"

#include <QPushButton>

namespace pistework::dialogs {

// Client 376 x 259. The texts were laid out for a narrower face than DejaVu Sans: at the
// first width Label1, Label2 and Label7 each need one line more, so the window keeps its
// width, grows 31 px and every label below them moves down by what they took.
TFormHelp::TFormHelp(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("FormHelp"));
    setWindowTitle(QStringLiteral("Help & Hints"));
    setFixedSize(376, 259);
    setFont(GameFont(11));

    WrappedLabel(this, "Label1",
                 QStringLiteral("The fencing bout is \"first-to-five\", \"first-to-ten\" or "
                                "\"first-to-fifteen\" hits."),
                 {8, 8, 360, 26});
    WrappedLabel(this, "Label2",
                 QStringLiteral("To hit your opponent, advance to within distance, then extend "
                                "the fencing arm before lunging. You must return to engarde and "
                                "re-extend to lunge again."),
                 {8, 34, 360, 39});
    WrappedLabel(this, "Label3", QString(), {8, 73, 360, 16});
    // Label7 and Label8 read as one sentence, broken where the original broke it.
    WrappedLabel(this, "Label7",
                 QStringLiteral("A Fl\u00e8che is a running attack, best used from a distance.  "
                                "The arm must first be extended to fl\u00e8che.Do not use it too "
                                "frequently as you are penalised ground with each fl\u00e8che. If "
                                "you accidentally run into your "),
                 {8, 89, 360, 52});
    WrappedLabel(this, "Label8",
                 QStringLiteral("opponent you will receive a warning and your opponent will be "
                                "awarded a hit for each subsequent offence."),
                 {8, 141, 360, 32});
    WrappedLabel(this, "Label4",
                 QStringLiteral("Parry to make an opponent's attack ineffective. If you beat your "
                                "opponent's blade, he will temporarily be unable to respond."),
                 {8, 173, 360, 34});
    // Narrower, to leave room for the button beside it.
    WrappedLabel(this, "Label5",
                 QStringLiteral("Hits must be placed on the lam\u00e9 to be effective. Hits on the "
                                "arm are off-target, and are not counted."),
                 {8, 207, 288, 32});
    WrappedLabel(this, "Label6", QStringLiteral("Good Luck."), {8, 239, 288, 16});

    auto* cmdOK = new QPushButton(QStringLiteral("&Close"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(304, 214, 64, 25);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace pistework::dialogs
