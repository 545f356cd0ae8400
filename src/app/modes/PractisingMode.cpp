// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/modes/PractisingMode.h"

#include "app/MainWindow.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLoggingCategory>

#include <array>

Q_LOGGING_CATEGORY(lcSchool, "pistework.school", QtWarningMsg)

namespace pistework::app {

namespace school = game::school;
using school::Hint;
using State = school::Progress::State;

namespace {

// Said in the referee's terms, with how to mend it; %1 is a number of steps.
constexpr std::array<const char*, 19> kHints{
    "",
    QT_TRANSLATE_NOOP("School", "Your fencer has not moved. You are the right fencer: advance "
                                "towards the other one."),
    QT_TRANSLATE_NOOP("School", "You advanced: now retreat a step."),
    QT_TRANSLATE_NOOP("School", "Too close: its lunge reaches you there. Retreat a step as it "
                                "advances."),
    QT_TRANSLATE_NOOP("School", "Too far: you have left the distance. Advance a step."),
    QT_TRANSLATE_NOOP("School", "No lunge yet: come into distance, extend your arm and lunge."),
    QT_TRANSLATE_NOOP("School", "Your lunge stopped %1 short: start it %1 closer."),
    QT_TRANSLATE_NOOP("School", "Off Target: your point arrived just short of the target. Start "
                                "your lunge a step closer."),
    QT_TRANSLATE_NOOP("School", "Too close: your point went %1 past the target. Start your "
                                "lunge %1 farther away."),
    QT_TRANSLATE_NOOP("School", "You lunged with your arm bent, and a bent-arm lunge never "
                                "lands: extend your arm first."),
    QT_TRANSLATE_NOOP("School", "You stayed in your lunge and its lunge landed: recover at once "
                                "with the lunge command again."),
    QT_TRANSLATE_NOOP("School", "Its lunge landed first: parry as its lunge comes, while its "
                                "arm is out."),
    QT_TRANSLATE_NOOP("School", "No parry caught its blade: wait for its attack, and parry as "
                                "it comes."),
    QT_TRANSLATE_NOOP("School", "You parried, but no riposte followed: lunge at once after the "
                                "parry."),
    QT_TRANSLATE_NOOP("School", "Its counter-attack landed: you extended within its reach. "
                                "Extend one step farther out, and lunge at once."),
    QT_TRANSLATE_NOOP("School", "Your flèche ran past the other fencer: nobody scores, and a "
                                "second pass too soon earns a card."),
    QT_TRANSLATE_NOOP("School", "You ran past the other fencer sooner than the referee allows "
                                "after the start or the last pass: a card. Run your flèche "
                                "from where its point lands on the target."),
    QT_TRANSLATE_NOOP("School", "No flèche has landed yet: extend your arm, and flèche."),
    QT_TRANSLATE_NOOP("School", "Its flèche landed: parry it as it arrives, or lunge first as "
                                "it comes into your reach."),
};
static_assert(kHints.size() == static_cast<std::size_t>(Hint::FlecheLanded) + 1);

QString Tr(const char* text) {
    return QCoreApplication::translate("School", text);
}

QString Steps(int steps) {
    return steps == 1 ? Tr(QT_TRANSLATE_NOOP("School", "one step"))
                      : Tr(QT_TRANSLATE_NOOP("School", "%1 steps")).arg(steps);
}

QLabel* StripLabel(QWidget* parent, const char* name, QRect where) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(where);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

QString HintText(Hint hint, int steps) {
    const QString text = Tr(kHints[static_cast<std::size_t>(hint)]);
    return text.contains(QLatin1String("%1")) ? text.arg(Steps(steps)) : text;
}

PractisingMode::PractisingMode(MainWindow& window, std::optional<int> index,
                               std::unique_ptr<school::Practice> made)
    : WindowMode(window), hold(window.Game()), lesson(index), practice(std::move(made)) {
    BuildStrip();
    practice->SetOnView([this](const game::BoutView&) { Redraw(); });
    practice->SetOnEvent([this](const game::BoutEvent& event) {
        if (const auto* cue = std::get_if<game::SoundPlayed>(&event))
            game::PlayCue(this->window.Sound(), this->window.Game().Options(), cue->cue);
    });
    practice->SetOnProgress([this](const school::Progress& progress) { Judged(progress); });
    if (lesson) distance.Set(school::kLessons[static_cast<std::size_t>(*lesson)].showDistance);
    practice->Start();
}

PractisingMode::PractisingMode(MainWindow& window, int index)
    : PractisingMode(
          window, index,
          std::make_unique<school::Practice>(window.Timers(), window.Clock(),
                                             school::kLessons[static_cast<std::size_t>(index)])) {}

PractisingMode::PractisingMode(MainWindow& window, const game::Bout& from)
    : PractisingMode(window, std::nullopt,
                     std::make_unique<school::Practice>(window.Timers(), window.Clock(), from)) {
    qCInfo(lcSchool).noquote() << "replay taken over";
}

PractisingMode::~PractisingMode() {
    window.DropStrip(strip.get());
    // The practice's timer goes before the window's parts it drew on.
    practice.reset();
}

void PractisingMode::BuildStrip() {
    strip = std::make_unique<QWidget>(&window);
    strip->setObjectName(QStringLiteral("fraLesson"));
    QFont small = strip->font();
    small.setPointSizeF(std::max(7.0, small.pointSizeF() - 2));
    strip->setFont(small);
    QLabel* title = StripLabel(strip.get(), "lblLessonTitle", {6, 4, 330, 18});
    QFont bold = small;
    bold.setBold(true);
    title->setFont(bold);
    reach = StripLabel(strip.get(), "lblLessonReach", {338, 4, 156, 18});
    reach->setAlignment(Qt::AlignRight | Qt::AlignTop);
    task = StripLabel(strip.get(), "lblLessonTask", {6, 22, 488, 46});
    hint = StripLabel(strip.get(), "lblLessonHint", {6, 68, 488, 46});
    hint->setStyleSheet(QStringLiteral("QLabel { color: #a01010; }"));
    strip->setFixedSize(498, 116);
    title->setText(
        lesson ? Tr(QT_TRANSLATE_NOOP("School", "Lesson %1: %2"))
                     .arg(*lesson + 1)
                     .arg(Tr(school::kLessons[static_cast<std::size_t>(*lesson)].title.data()))
               : Tr(QT_TRANSLATE_NOOP("School", "Fencing from the replay")));
    window.ShowStrip(strip.get());
}

QString PractisingMode::KeysText() const {
    const game::BoutOptions& options = window.Game().Options();
    if (!options.TakesKeys())
        return Tr(QT_TRANSLATE_NOOP("School", "Fence with the six buttons under the piste, or "
                                              "choose Keyboard under Settings, Control, to "
                                              "fence with keys."));
    QStringList keys;
    for (char32_t key : options.keysRight)
        keys << QLatin1Char('[') + QString::fromUcs4(&key, 1).toUpper() + QLatin1Char(']');
    while (keys.size() < 6)
        keys << QString();
    return Tr(QT_TRANSLATE_NOOP("School", "Your keys: %1 advance, %4 retreat, %2 extend, %3 "
                                          "lunge, %5 parry, %6 flèche."))
        .arg(keys[0], keys[1], keys[2], keys[3], keys[4], keys[5]);
}

void PractisingMode::Judged(const school::Progress& progress) {
    if (!lesson) return;
    const int number = *lesson + 1;
    QString english = QString::fromUtf8(kHints[static_cast<std::size_t>(progress.hint)]);
    if (english.contains(QLatin1String("%1"))) english = english.arg(progress.steps);
    switch (progress.state) {
    case State::Going:
        if (progress.attempt != attemptLogged)
            qCInfo(lcSchool).noquote() << "lesson" << number << "begun";
        attemptLogged = progress.attempt;
        hint->setText(HintText(progress.hint, progress.steps));
        break;
    case State::Failed:
        qCInfo(lcSchool).noquote()
            << QStringLiteral("lesson %1 failed: %2").arg(number).arg(english);
        hint->setText(HintText(progress.hint, progress.steps));
        break;
    case State::Passed: {
        qCInfo(lcSchool).noquote() << "lesson" << number << "passed";
        passed = true;
        platform::Store& store = window.Store();
        const school::Passed kept = school::ReadPassed(store) | (1u << *lesson);
        if (!school::WritePassed(store, kept))
            window.Warn(MainWindow::tr("The lessons passed could not be saved."));
        hint->setText(number < school::kLessonCount
                          ? Tr(QT_TRANSLATE_NOOP("School", "Passed! Enter begins the next "
                                                           "lesson; Esc leaves the school."))
                          : Tr(QT_TRANSLATE_NOOP("School", "Passed! That was the last lesson; "
                                                           "Esc leaves the school.")));
        break;
    }
    }
}

WindowMode::Outcome PractisingMode::Key(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Escape:
    case Qt::Key_F2:
        return Outcome::Leave;
    case Qt::Key_F3:
        practice->TogglePause();
        return Outcome::Taken;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!passed || !lesson || *lesson + 1 >= school::kLessonCount) break;
        window.Practise(*lesson + 1);
        return Outcome::Taken;
    default:
        break;
    }
    const std::u32string typed = FencersKeys(key, window.Game());
    for (char32_t ch : typed)
        for (const auto& [side, command] : game::KeyCommands(window.Game().Options(), ch))
            if (side == game::Side::Right) practice->Command(command);
    if (!typed.empty()) return Outcome::Taken;
    if (key.key() == Qt::Key_D) {
        distance.Toggle();
        Redraw();
        return Outcome::Taken;
    }
    return Outcome::Passed;
}

WindowMode::Outcome PractisingMode::Choose(layout::MenuCommand command) {
    switch (command) {
    case layout::MenuCommand::NewGame:
        return Outcome::Leave;
    case layout::MenuCommand::PauseOrResume:
        practice->TogglePause();
        break;
    case layout::MenuCommand::ShowDistance:
        distance.Toggle();
        break;
    default:
        return Outcome::Passed;
    }
    Redraw();
    return Outcome::Taken;
}

void PractisingMode::Fence(game::CommandSource, game::Side side, game::FencerCommand command) {
    if (side == game::Side::Right) practice->Command(command);
}

void PractisingMode::FocusLost() {
    if (window.Game().Options().pauseWhenInactive && !practice->Paused()) practice->TogglePause();
}

void PractisingMode::Redraw() {
    const game::BoutView& game = window.Game().View();
    game::BoutView view = game::ReplayPicture::Of(practice->View()).Over(game);
    view.commandButtons = game.menu.control == game::ControlMode::Mouse;
    view.startPrompt = false;
    view.menu.paused = practice->Paused();
    window.DrawBoard(view);
    // The control may change meanwhile: the keys said follow it.
    const QString what =
        lesson ? Tr(school::kLessons[static_cast<std::size_t>(*lesson)].task.data())
               : Tr(QT_TRANSLATE_NOOP("School", "You fence the right fencer from here, and the "
                                                "computer the left one at this bout's level. "
                                                "Esc leaves."));
    task->setText(what + QLatin1Char(' ') + KeysText());
    // Reach is measured between fencers on guard: a lunge or a flèche has moved its target.
    const game::Bout& bout = practice->Fenced();
    bool onGuard = true;
    for (game::Side side : game::kSides)
        onGuard = onGuard && !bout.FencerOn(side).State().inLunge &&
                  !bout.FencerOn(side).State().inFleche;
    const int out = school::StepsOutOfReach(bout);
    reach->setText(!onGuard   ? QString()
                   : out == 0 ? Tr(QT_TRANSLATE_NOOP("School", "Within lunge reach"))
                              : Tr(QT_TRANSLATE_NOOP("School", "%1 out of reach")).arg(Steps(out)));
    distance.Show(game::ReplayPicture::Of(practice->View()));
}

QString PractisingMode::Title() const {
    const QString school = lesson ? MainWindow::tr("Fencing School") : MainWindow::tr("Fencing");
    return practice->Paused() ? MainWindow::tr("%1, paused").arg(school) : school;
}

} // namespace pistework::app
