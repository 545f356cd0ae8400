// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Handbook.h"

#include "common/CallTexts.h"
#include "common/Colours.h"
#include "common/Menu.h"
#include "common/Translated.h"
#include "game/bout/Levels.h"
#include "game/network/Network.h"
#include "game/piste/Actions.h"
#include "game/piste/Reach.h"
#include "game/player/KeyLayout.h"
#include "game/school/Lessons.h"

#include <QColor>
#include <QPainter>

#include <array>

namespace pistework::dialogs {

namespace {

using game::Call;
using game::Side;

QString Escaped(const QString& text) {
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

// A menu item as the menu shows it, without its access-key mark.
QString MenuCaption(layout::MenuCommand command) {
    return Translated("Menu", layout::Menu(command).caption).remove(QLatin1Char('&'));
}

// The poses the handbook shows, all of the player's fencer on the right.
struct Pose {
    std::string resource;
    const char* caption; // translated in Html()
};

std::string ParryPose() {
    const auto frames = game::SequenceTable(game::Action::Parry);
    for (std::size_t i = 0; i < frames.size(); ++i)
        if (game::ParryWindow(game::Action::Parry, static_cast<int>(i)))
            return game::ResourceName(frames[i], Side::Right);
    return game::ResourceName(frames.front(), Side::Right);
}

std::array<Pose, 3> FencerPoses() {
    return {{
        {game::ResourceName(game::kLungeFrames.back(), Side::Right),
         QT_TRANSLATE_NOOP("Handbook", "The lunge: the arm extended, the front foot thrown "
                                       "forward, the point on the opponent's jacket.")},
        {ParryPose(), QT_TRANSLATE_NOOP("Handbook", "The parry: the blade swept across to "
                                                    "beat the opponent's blade aside.")},
        {game::ResourceName(game::kFlecheFrames.back(), Side::Right),
         QT_TRANSLATE_NOOP("Handbook", "The flèche: a running attack with the arm "
                                       "extended.")},
    }};
}

std::array<Pose, 4> LampPoses() {
    using namespace game::picture;
    return {{
        {game::ResourceName(kLampOn, Side::Left),
         QT_TRANSLATE_NOOP("Handbook", "Left fencer hit on target")},
        {game::ResourceName(kLampOffTarget, Side::Left),
         QT_TRANSLATE_NOOP("Handbook", "Left fencer hit off target")},
        {game::ResourceName(kLampOn, Side::Right),
         QT_TRANSLATE_NOOP("Handbook", "Right fencer hit on target")},
        {game::ResourceName(kLampOffTarget, Side::Right),
         QT_TRANSLATE_NOOP("Handbook", "Right fencer hit off target")},
    }};
}

QString FileName(const std::string& resource) {
    return QString::fromStdString(resource) + QStringLiteral(".png");
}

// The sprite on the window's green, cut to the figure with a small margin, each pixel a 2 x 2
// block so the picture stays as sharp as the game draws it.
QImage Drawn(const std::string& resource) {
    const QImage sprite =
        QImage(QStringLiteral(":/sprites/") + QString::fromStdString(resource), "PNG")
            .convertToFormat(QImage::Format_ARGB32);
    if (sprite.isNull()) return {};
    QRect figure;
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x)
            if (qAlpha(sprite.pixel(x, y)) != 0) figure |= QRect(x, y, 1, 1);
    figure = figure.adjusted(-4, -4, 4, 4).intersected(sprite.rect());
    const QImage cut = sprite.copy(figure);
    const QImage scaled = cut.scaled(cut.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const auto green = layout::kWindowGreen;
    QImage out(scaled.size(), QImage::Format_RGB32);
    out.fill(QColor(green.r, green.g, green.b));
    QPainter painter(&out);
    painter.drawImage(0, 0, scaled);
    return out;
}

QString Image(const Pose& pose) {
    return QStringLiteral("<img src=\"%1\" alt=\"%2\">")
        .arg(FileName(pose.resource), Handbook::tr(pose.caption).toHtmlEscaped());
}

QString Heading(const QString& text) {
    return QStringLiteral("<h2>%1</h2>\n").arg(text.toHtmlEscaped());
}

QString Paragraph(const QString& text) {
    return QStringLiteral("<p>%1</p>\n").arg(text.toHtmlEscaped());
}

QString Row(const QStringList& cells) {
    QString row = QStringLiteral("<tr>");
    for (const QString& cell : cells)
        row += QStringLiteral("<td>%1</td>").arg(cell);
    return row + QStringLiteral("</tr>\n");
}

QString HeaderRow(const QStringList& cells) {
    QString row = QStringLiteral("<tr>");
    for (const QString& cell : cells)
        row += QStringLiteral("<th align=\"left\">%1</th>").arg(cell.toHtmlEscaped());
    return row + QStringLiteral("</tr>\n");
}

QString Table(const QString& rows) {
    return QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n%1</table>\n")
        .arg(rows);
}

QString HowToPlay() {
    QString html = Heading(Handbook::tr("How to play"));
    html += Paragraph(Handbook::tr(
        "You fence the fencer on the right. On the left stands the computer, or a friend in a "
        "two-player bout. The first to reach the number of hits chosen under Settings, Game "
        "Type (5, 10 or 15) wins; a timed bout also ends when its clock runs out. Press F2 to "
        "start a new bout and F3 to pause it. A bout runs on while you are in another window, "
        "unless you choose Settings, Pause When Inactive."));
    html += Paragraph(Handbook::tr(
        "Advance to within distance, extend the arm, then lunge. After a lunge you must recover "
        "to engarde and extend again before you can lunge again. Parry to turn an attack aside: "
        "a fencer whose blade is beaten cannot answer for a moment. The flèche is a "
        "running attack from further away; the arm must be extended first, and each flèche "
        "costs you ground. Hits must land on the jacket: a hit on the arm is off target and "
        "does not count."));
    QString rows;
    for (const Pose& pose : FencerPoses())
        rows += Row({Image(pose), Handbook::tr(pose.caption).toHtmlEscaped()});
    return html +
           QStringLiteral("<table cellspacing=\"0\" cellpadding=\"6\">\n%1</table>\n").arg(rows);
}

QString ShownKey(const std::u32string& key) {
    if (key.empty()) return Handbook::tr("(none)").toHtmlEscaped();
    return QStringLiteral("<b>%1</b>")
        .arg(QString::fromStdU32String(key).toUpper().toHtmlEscaped());
}

QString Keys(const Handbook::Facts& facts) {
    // By position in a key string, as the keyboard layout dialog lists them.
    static constexpr std::array<const char*, game::kKeysPerSide> kCommands{
        QT_TRANSLATE_NOOP("Handbook", "Advance"),
        QT_TRANSLATE_NOOP("Handbook", "Extend the arm"),
        QT_TRANSLATE_NOOP("Handbook", "Lunge, or recover from a lunge"),
        QT_TRANSLATE_NOOP("Handbook", "Retreat"),
        QT_TRANSLATE_NOOP("Handbook", "Parry"),
        QT_TRANSLATE_NOOP("Handbook", "Flèche, or recover forwards from a lunge"),
    };
    QString html = Heading(Handbook::tr("Keys"));
    html += Paragraph(Handbook::tr(
        "With the mouse (Settings, Control, Mouse) you command your fencer with the six buttons "
        "under the piste. With the keyboard (Settings, Control, Keyboard) the right fencer "
        "answers to the right-hand keys, and in a two-player bout the left fencer to the "
        "left-hand keys. Change them under Settings, Control, Keyboard Layout. The keys as now "
        "set:"));
    const auto left = game::SplitKeys(facts.keysLeft);
    const auto right = game::SplitKeys(facts.keysRight);
    QString rows = HeaderRow(
        {Handbook::tr("Command"), Handbook::tr("Left fencer"), Handbook::tr("Right fencer")});
    for (std::size_t i = 0; i < kCommands.size(); ++i)
        rows += Row(
            {Handbook::tr(kCommands[i]).toHtmlEscaped(), ShownKey(left[i]), ShownKey(right[i])});
    return html + Table(rows);
}

QString Meaning(Call call) {
    switch (call) {
    case Call::None:
        break;
    case Call::Engarde:
        return Handbook::tr("Both fencers take their places on the engarde lines.");
    case Call::Ready:
        return Handbook::tr("Get ready: fencing starts in a moment.");
    case Call::Fence:
        return Handbook::tr("The bout clock runs; the fencers move on the next beat.");
    case Call::Halt:
        return Handbook::tr("Fencing stops and the clock stands still; the referee says why.");
    case Call::Attack:
        return Handbook::tr("The named fencer's attack has arrived.");
    case Call::AttackAndCounter:
        return Handbook::tr("The named fencer's attack has arrived, and the other's "
                            "counter-attack too.");
    case Call::OffTarget:
        return Handbook::tr("The hit landed off the target: no hit is scored and the fencers "
                            "step apart where they stand.");
    case Call::Successful:
        return Handbook::tr("The attack counts: one hit to the fencer who made it.");
    case Call::SuccessfulCounterOutOfTime:
        return Handbook::tr("The attack counts; the counter-attack came too late and does not.");
    case Call::Passed:
        return Handbook::tr("One fencer has run past the other.");
    case Call::CorpsACorps:
        return Handbook::tr("The named fencer ran past again with a flèche only a few "
                            "seconds after the last time: an offence, and a card follows.");
    case Call::YellowCard:
        return Handbook::tr("The named fencer's first offence of the bout: a warning, no hit.");
    case Call::RedCard:
        return Handbook::tr("A later offence by the named fencer: one hit to the other fencer.");
    case Call::ReturnToEngarde:
        return Handbook::tr("After a pass: no hit; both fencers go back and fence on.");
    case Call::GameOver:
        return Handbook::tr("The bout is over: a fencer reached the target or the time ran out.");
    }
    return {};
}

QString Calls() {
    QString html = Heading(Handbook::tr("The referee's calls"));
    html += Paragraph(Handbook::tr("The referee calls in large letters above the fencers."));
    QString rows = HeaderRow({Handbook::tr("Call"), Handbook::tr("What it means")});
    for (int code = static_cast<int>(Call::Engarde); code <= static_cast<int>(Call::GameOver);
         ++code) {
        const auto call = static_cast<Call>(code);
        const QString left = TranslatedCallText({call, Side::Left});
        const QString right = TranslatedCallText({call, Side::Right});
        QString shown = QStringLiteral("<b>%1</b>").arg(Escaped(left));
        if (right != left) shown += QStringLiteral("<br><b>%1</b>").arg(Escaped(right));
        rows += Row({shown, Meaning(call).toHtmlEscaped()});
    }
    return html + Table(rows);
}

QString LampsAndCards() {
    QString html = Heading(Handbook::tr("Lamps and cards"));
    html += Paragraph(Handbook::tr(
        "Each fencer has a scoring lamp beside the piste, the left fencer's red and the right "
        "fencer's green, with a white lamp beside it. After a hit the lamps flash until the "
        "next \"Engarde\": the coloured lamp for a hit on target, the white one for a hit off "
        "target. When the other fencer's counter-attack also arrived, its coloured lamp flashes "
        "as well."));
    QString images;
    QString captions;
    for (const Pose& pose : LampPoses()) {
        images += QStringLiteral("<td align=\"center\">%1</td>").arg(Image(pose));
        captions += QStringLiteral("<td align=\"center\">%1</td>")
                        .arg(Handbook::tr(pose.caption).toHtmlEscaped());
    }
    html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"6\">\n<tr>%1</tr>\n"
                           "<tr>%2</tr>\n</table>\n")
                .arg(images, captions);
    html += Paragraph(Handbook::tr(
        "Running into the opponent with a flèche again too soon after one's own last pass "
        "is an offence. The first offence of a bout earns a yellow card, a warning. Every later "
        "one earns a red card, which gives the opponent a hit; the number on the red card "
        "counts them. Cards do not carry into the next bout."));
    return html;
}

QString Levels() {
    QString html = Heading(Handbook::tr("Opponents"));
    html += Paragraph(Handbook::tr(
        "Choose the computer's level under Settings, Opponent. Speed is how many milliseconds "
        "the computer's fencer takes over each picture of its moves: the fewer, the quicker. "
        "Range is the spread of its random choices; high draws make it stand and wait, so the "
        "smaller the range, the less it hesitates. The best result at each level is kept."));
    QString rows =
        HeaderRow({Handbook::tr("Level"), Handbook::tr("Speed (ms)"), Handbook::tr("Range")});
    for (std::size_t i = 0; i < game::kLevels.size(); ++i) {
        const auto command = static_cast<layout::MenuCommand>(
            static_cast<int>(layout::MenuCommand::Level1) + static_cast<int>(i));
        const game::Strength& strength = game::kLevels[i].strength;
        rows += Row({MenuCaption(command).toHtmlEscaped(), QString::number(strength.tickMs),
                     QString::number(strength.range)});
    }
    html += Table(rows);
    const game::Strength weakest = game::StrengthAt({});
    const game::Strength strongest =
        game::StrengthAt({game::kLastCustomPosition, game::kLastCustomPosition});
    html += Paragraph(
        Handbook::tr("Settings, Opponent, %1 sets an opponent of your own with two bars: Speed "
                     "from %2 ms to %3 ms, Reaction Time the range from %4 to %5; both move "
                     "right towards a stronger opponent. A custom opponent keeps no best "
                     "results, nor does a %6 bout.")
            .arg(MenuCaption(layout::MenuCommand::Custom))
            .arg(weakest.tickMs)
            .arg(strongest.tickMs)
            .arg(weakest.range)
            .arg(strongest.range)
            .arg(MenuCaption(layout::MenuCommand::TwoPlayers)));
    return html;
}

QString Demonstration() {
    QString html = Heading(Handbook::tr("The demonstration"));
    html += Paragraph(
        Handbook::tr(
            "When nobody starts a bout for 15 seconds, the computer fences both sides at the "
            "%1 level, bout after bout, with a pause of about three seconds between them. Press F2 "
            "to start a bout of your own.")
            .arg(MenuCaption(layout::MenuCommand::Level6)));
    return html;
}

QString NetworkBouts() {
    QString html = Heading(Handbook::tr("Fencing over a network"));
    html += Paragraph(
        Handbook::tr("One player chooses File, %1: the dialog shows this machine's addresses, "
                     "the port (%2) and a code of six digits, and waits. The other chooses File, "
                     "%3, and types the address, the port and the code. The bout is fenced at "
                     "the host's options; the host fences the right fencer and the guest the "
                     "left one, each with the keys, buttons or pad they use at home.")
            .arg(MenuCaption(layout::MenuCommand::HostNetworkBout))
            .arg(game::net::kDefaultPort)
            .arg(MenuCaption(layout::MenuCommand::JoinNetworkBout)));
    html += Paragraph(Handbook::tr(
        "Both games fence the same bout from both players' commands, so each player's own "
        "fencer answers at once, as on one keyboard. When the other player's command arrives, "
        "that fencer may jump to where it really is, but never more than a quarter second back. "
        "Over a slow link the bout waits for the other game and says so. Every second the two "
        "games check that they agree. The window's title shows the round trip between them."));
    html += Paragraph(
        Handbook::tr("Up to eight more people can watch the bout live: File, %1, with the same "
                     "address, port and code. A watcher sees both fencers a moment after the "
                     "players do and commands nothing; once the bout is over, File, %2 keeps it.")
            .arg(MenuCaption(layout::MenuCommand::WatchNetworkBout))
            .arg(MenuCaption(layout::MenuCommand::SaveReplay)));
    html += Paragraph(Handbook::tr(
        "Either player pauses with F3, and the strip under the piste says who did. After Game "
        "Over, F2 offers a rematch, which the other player accepts with F2; before it, F2 or "
        "closing a window asks first, then ends the network bout for both, and each window says "
        "why where the referee calls. A network bout keeps no best result."));
    html += Paragraph(
        Handbook::tr("Across the internet, hosting asks the home router to open the port, and the "
                     "host's dialog says the address friends join at, with a Copy button; the "
                     "port is closed again when hosting ends. Where no router answers, or it "
                     "refuses, forward the port to the host machine by hand in the router's "
                     "settings. A router behind a provider's own (carrier-grade NAT) cannot be "
                     "reached from the internet: let the other player host. Settings, %1 turns "
                     "the asking off.")
            .arg(MenuCaption(layout::MenuCommand::ToggleAskRouter)));
    html += Paragraph(Handbook::tr(
        "Nobody can find the code by trying: after a few wrong codes from one address, the host "
        "makes it wait longer before each next one, and takes no more than one wrong code a "
        "second from everyone together. Nothing a stranger sends stops hosting or a bout. "
        "Either player may switch between the keys and the mouse during the bout."));
    return html;
}

// A lunge just short of the target, as Show Distance draws it over a replay.
const QString kDistancePicture = QStringLiteral("distance.png");
constexpr int kDistanceShort = 15;

QImage DistanceDrawn() {
    game::PerSide<game::FencerView> fencers;
    fencers[Side::Left] = {game::ResourceName(game::kLungeFrames.back(), Side::Left), 0};
    fencers[Side::Right] = {game::ResourceName(game::picture::kEngarde, Side::Right), 0};
    // Placed from the pictures' own points, so the point stands just short of the target.
    const auto tip = game::PointsOf(fencers[Side::Left], Side::Left);
    const auto body = game::PointsOf(fencers[Side::Right], Side::Right);
    if (!tip || !body) return {};
    fencers[Side::Right].x = tip->tip - body->body + kDistanceShort;
    const auto reach = game::AttackReach(fencers, Side::Left);
    if (!reach) return {};
    const int width = fencers[Side::Right].x + 150;
    const auto green = layout::kWindowGreen;
    QImage board(width, 100, QImage::Format_RGB32);
    board.fill(QColor(green.r, green.g, green.b));
    QPainter painter(&board);
    for (Side side : game::kSides)
        painter.drawImage(
            fencers[side].x, 0,
            QImage(QStringLiteral(":/sprites/") + QString::fromStdString(fencers[side].pose),
                   "PNG"));
    // The blade's height in the fencers' pictures, as the window draws the line.
    constexpr int kBladeY = 38;
    painter.setPen(QColor(255, 255, 120));
    painter.drawLine(reach->tip, kBladeY, reach->target, kBladeY);
    for (int x : {reach->tip, reach->target})
        painter.drawLine(x, kBladeY - 4, x, kBladeY + 4);
    painter.end();
    return board.scaled(board.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QString Replays() {
    QString html = Heading(Handbook::tr("Watching replays"));
    html += Paragraph(
        Handbook::tr("File, %1 (Ctrl+R) plays the bout just fenced, a network bout too, and "
                     "File, %2 a saved one; File, %3 offers a name with the date and the score. "
                     "A strip under the board plays and pauses the replay (F3), sets its speed "
                     "from ×¼ to ×4 and shows the whole bout as a timeline, with a mark at each "
                     "ruling: red for a hit by the left fencer, green for the right, white off "
                     "target, grey for a pass, yellow and dark red for the cards. Click or drag "
                     "on the timeline to go there; ← and → move a second, the comma and the full "
                     "stop one picture, Home and End go to either end, Page Up and Page Down to "
                     "the ruling before or after.")
            .arg(MenuCaption(layout::MenuCommand::WatchLastBout))
            .arg(MenuCaption(layout::MenuCommand::WatchReplay))
            .arg(MenuCaption(layout::MenuCommand::SaveReplay)));
    html += Paragraph(Handbook::tr(
        "From each \"Halt\" to the next \"Engarde\" the strip says in one sentence why the "
        "referee ruled as he did, from what he weighed: whose attack began first and by how "
        "much, whose point arrived and where, how soon a flèche ran past again. Under it "
        "stands the gap between the blade tips when the attack began."));
    html += Paragraph(
        Handbook::tr("View, %1 (D) draws the gap between the blade tips as a thin line, with "
                     "its length in steps, a step being what one advance covers; within a "
                     "lunge's reach the blades cross, and the line says so. During a lunge or a "
                     "flèche the line runs from the point to the other fencer's target and says "
                     "how far short it still is. C, or the end of the replay, shows a chart of "
                     "the gap over the whole bout, every ruling marked.")
            .arg(MenuCaption(layout::MenuCommand::ShowDistance)));
    const QString caption = Handbook::tr("A lunge %1 steps short of the target, as %2 shows it.")
                                .arg(Steps(kDistanceShort))
                                .arg(MenuCaption(layout::MenuCommand::ShowDistance));
    html += QStringLiteral("<p><img src=\"%1\" alt=\"%2\"><br>%2</p>\n")
                .arg(kDistancePicture, caption.toHtmlEscaped());
    return html;
}

QString Files(const Handbook::Facts& facts) {
    QString html = Heading(Handbook::tr("Options and best results"));
    html += Paragraph(Handbook::tr(
        "The game keeps the options chosen in its menus (game type, timed bout, opponent, "
        "control, keys and Pause When Inactive) and the best result at each level, with the "
        "winner's name, in one file. Every start is silent, with one player against the "
        "computer. The file:"));
    html += QStringLiteral("<p><code>%1</code></p>\n").arg(facts.settingsFile.toHtmlEscaped());
    html += Paragraph(Handbook::tr(
        "Delete it, with the game closed, to start again from the defaults and no best "
        "results."));
    return html;
}

QString School() {
    QString html = Heading(Handbook::tr("The fencing school"));
    html += Paragraph(
        Handbook::tr("Help, %1 lists the school's lessons. Each runs on the piste from a set "
                     "position, against a computer fencer held to a script: it stands, "
                     "advances, lunges when in distance, counter-attacks or runs a flèche. A "
                     "strip under the board gives the lesson's goal; when an attempt goes wrong "
                     "it says why, in the referee's terms, and how to mend it, and the lesson "
                     "starts again. A lesson passed opens the next: Enter begins it, Esc leaves "
                     "the school. The lessons passed are kept with the options.")
            .arg(MenuCaption(layout::MenuCommand::School)));
    QString lessons;
    for (const game::school::Lesson& lesson : game::school::kLessons)
        lessons +=
            QStringLiteral("<li><b>%1</b>: %2</li>\n")
                .arg(QCoreApplication::translate("School", lesson.title.data()).toHtmlEscaped(),
                     QCoreApplication::translate("School", lesson.about.data()).toHtmlEscaped());
    html += QStringLiteral("<ol>\n%1</ol>\n").arg(lessons);
    html += Paragraph(Handbook::tr(
        "While a replay plays, T hands its bout to you from the moment shown: you fence the "
        "right fencer, and the computer the left one at the bout's level. A replay saved by an "
        "earlier Pistework keeps only its pictures and cannot be taken over."));
    html += Paragraph(
        Handbook::tr("%1 may be chosen over your own bouts too; it is off until you choose it, "
                     "and the lessons that teach distance turn it on.")
            .arg(MenuCaption(layout::MenuCommand::ShowDistance)));
    return html;
}

} // namespace

QString Handbook::Html(const Facts& facts) {
    const QString title = tr("Pistework Handbook");
    return QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                          "<title>%1</title>\n</head>\n<body>\n<h1>%1</h1>\n")
               .arg(title.toHtmlEscaped()) +
           HowToPlay() + Keys(facts) + Calls() + LampsAndCards() + Levels() + Demonstration() +
           NetworkBouts() + Replays() + School() + Files(facts) +
           QStringLiteral("</body>\n</html>\n");
}

std::vector<Handbook::Picture> Handbook::Pictures() {
    std::vector<Picture> pictures;
    for (const Pose& pose : FencerPoses())
        pictures.push_back({FileName(pose.resource), Drawn(pose.resource)});
    for (const Pose& pose : LampPoses())
        pictures.push_back({FileName(pose.resource), Drawn(pose.resource)});
    pictures.push_back({kDistancePicture, DistanceDrawn()});
    return pictures;
}

} // namespace pistework::dialogs
