// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader hears of the main window. Buttons and menu items are read by their
// captions; the pictures, cards, readouts and the hidden key box get the names the layout
// gives them.

#include "app/Layout.h"

#include <QLabel>

namespace pistework::app {

using layout::Readout;

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

// Gives the widget of a layout control its accessible name and description.
void NameForReaders(QWidget* widget, const layout::ControlEntry& entry);

// Makes Qt expose every ReadoutLabel with its value; once per program, before the first
// window is shown.
void InstallReadoutAccessibility();

} // namespace pistework::app
