#pragma once
// What a screen reader hears of the main window. Buttons and menu items are read by their
// captions; the pictures, cards, readouts and the hidden key box get names of their own here.
// The referee's caption is left nameless on purpose: a QLabel without an accessible name is
// read by its text and announces every new text as a name change, so each call is spoken.

#include <QLabel>

#include <string_view>

namespace pistework::app {

enum class Readout {
    None,   // read by its own caption, or a picture
    Number, // a count, like a score: also a numeric value, which AT-SPI passes on
    Text,   // a value only shown as text, like the clock's "2:59"
};

// A caption that reads as a value of something named, like a score: its accessible name
// says what it is ("Left fencer's score"), its accessible value is the caption shown.
class ReadoutLabel : public QLabel {
    Q_OBJECT
public:
    ReadoutLabel(const QString& text, QWidget* parent, Readout kind)
        : QLabel(text, parent), kind(kind) {}
    Readout Kind() const { return kind; }
    // Shows the text and tells assistive tools the value changed; a named label raises
    // nothing of its own when its text changes.
    void SetValue(const QString& text);

private:
    Readout kind;
};

struct SpokenControl {
    std::string_view name;        // the layout's control
    std::string_view spoken;      // its accessible name
    std::string_view description; // what it is for, when the name does not say
    Readout readout = Readout::None;
};

// The spoken names of the layout's controls; nullptr for one read by its own caption.
const SpokenControl* SpokenFor(std::string_view control);

// Gives the widget of a layout control its accessible name and description.
void NameForReaders(QWidget* widget, std::string_view control);

// Makes Qt expose every ReadoutLabel with its value; once per program, before the first
// window is shown.
void InstallReadoutAccessibility();

} // namespace pistework::app
