#include "app/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <array>

namespace pistework::app {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Left is the computer (or the second player), right the player, as the captions by the
// scores say.
constexpr std::array<SpokenControl, 17> kSpoken{{
    {"imgLightA", "Left fencer's lamp", "Lights when the left fencer hits"},
    {"imgLightB", "Right fencer's lamp", "Lights when the right fencer hits"},
    {"imgFencerATemp", "Left fencer", ""},
    {"imgFencerBTemp", "Right fencer", ""},
    {"imgPiste", "Piste", ""},
    {"imgFencerA", "Left fencer", ""},
    {"imgFencerB", "Right fencer", ""},
    {"lblEngarde", "", "Referee's call"},
    {"lblScore0", "Left fencer's score", "", true},
    {"lblScore1", "Right fencer's score", "", true},
    {"lblTime", "Time left", "", true},
    {"lblRedCount0", "Left fencer's red cards", "", true},
    {"lblRedCount1", "Right fencer's red cards", "", true},
    {"shpYellow0", "Left fencer's yellow card", ""},
    {"shpYellow1", "Right fencer's yellow card", ""},
    {"shpRed0", "Left fencer's red card", ""},
    {"shpRed1", "Right fencer's red card", ""},
}};

// The hidden box that takes the players' keys in keyboard control.
constexpr SpokenControl kKeyBox{"txtKeyboard", "Fencing keys",
                                "Type the fencers' keys here in keyboard control"};

class ReadoutAccessible : public QAccessibleWidget {
public:
    explicit ReadoutAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* ReadoutFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(ReadoutLabel::staticMetaObject.className()) &&
        object->isWidgetType())
        return new ReadoutAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void ReadoutLabel::SetValue(const QString& text) {
    if (text == this->text()) return;
    setText(text);
    QAccessibleValueChangeEvent event(this, text);
    QAccessible::updateAccessibility(&event);
}

const SpokenControl* SpokenFor(std::string_view control) {
    if (control == kKeyBox.name) return &kKeyBox;
    for (const SpokenControl& entry : kSpoken)
        if (entry.name == control) return &entry;
    return nullptr;
}

void NameForReaders(QWidget* widget, std::string_view control) {
    const SpokenControl* spoken = SpokenFor(control);
    if (!spoken) return;
    if (!spoken->spoken.empty()) widget->setAccessibleName(Text(spoken->spoken));
    if (!spoken->description.empty()) widget->setAccessibleDescription(Text(spoken->description));
}

void InstallReadoutAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(ReadoutFactory);
        return true;
    }();
    (void)installed;
}

} // namespace pistework::app
