// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Accessibility.h"

#include "common/Translated.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace pistework::app {

namespace {

// The value as assistive tools take it: a count as a number, anything else as its text.
QVariant ValueOf(const ReadoutLabel& label) {
    bool counted = false;
    const int count = label.text().toInt(&counted);
    if (label.Kind() == Readout::Number && counted) return count;
    return label.text();
}

// A plain QLabel's only text for a reader is its name. A readout's name says what it is, so
// the caption it shows is also given as text, which AT-SPI passes on as the object's content.
class ReadoutAccessible : public QAccessibleWidget,
                          public QAccessibleValueInterface,
                          public QAccessibleTextInterface {
public:
    explicit ReadoutAccessible(ReadoutLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText), label(label) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return label->text();
        return QAccessibleWidget::text(t);
    }

    // Only a count has a numeric value; the bridge reads any value interface as a number.
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface && label->Kind() == Readout::Number)
            return static_cast<QAccessibleValueInterface*>(this);
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // The text is read-only and never selected.
    QString text(int start, int end) const override {
        return label->text().mid(start, end - start);
    }
    int characterCount() const override { return int(label->text().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    QVariant currentValue() const override { return ValueOf(*label); }
    void setCurrentValue(const QVariant&) override {} // only the game changes it
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    ReadoutLabel* label;
};

QAccessibleInterface* ReadoutFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(ReadoutLabel::staticMetaObject.className()))
        return new ReadoutAccessible(static_cast<ReadoutLabel*>(object));
    return nullptr;
}

} // namespace

void ReadoutLabel::SetValue(const QString& text) {
    if (text == this->text()) return;
    const QString before = this->text();
    setText(text);
    QAccessibleValueChangeEvent value(this, ValueOf(*this));
    QAccessible::updateAccessibility(&value);
    QAccessibleTextUpdateEvent shown(this, 0, before, text);
    QAccessible::updateAccessibility(&shown);
}

void NameForReaders(QWidget* widget, const layout::ControlEntry& entry) {
    if (!entry.spoken.empty()) widget->setAccessibleName(Translated("Layout", entry.spoken));
    if (!entry.description.empty())
        widget->setAccessibleDescription(Translated("Layout", entry.description));
}

void InstallReadoutAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(ReadoutFactory);
        return true;
    }();
    (void)installed;
}

} // namespace pistework::app
