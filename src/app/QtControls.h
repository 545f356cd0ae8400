#pragma once
// Qt implementations of the platform controls. Each is a thin wrapper over its widget that
// also logs every change the game makes, under the pistework.* logging categories (off
// unless QT_LOGGING_RULES turns them on), for bug reports.

#include "app/SoundEffect.h"
#include "platform/MenuItemBase.h"
#include "platform/Platform.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTimer>

#include <map>
#include <memory>
#include <optional>

Q_DECLARE_LOGGING_CATEGORY(lcCaption)
Q_DECLARE_LOGGING_CATEGORY(lcPicture)
Q_DECLARE_LOGGING_CATEGORY(lcTimer)
Q_DECLARE_LOGGING_CATEGORY(lcMenu)
Q_DECLARE_LOGGING_CATEGORY(lcSound)
Q_DECLARE_LOGGING_CATEGORY(lcTick)

namespace pistework::app {

class QtTimer : public platform::Timer {
public:
    QtTimer(QObject* parent, const QString& name, int interval, bool enabled);
    bool Enabled() const override { return timer->isActive(); }
    void SetEnabled(bool enabled) override;
    int Interval() const override { return timer->interval(); }
    void SetInterval(int milliseconds) override;
    void SetOnTimer(std::function<void()> handler) override { onTimer = std::move(handler); }
    QTimer* Widget() const { return timer; }

private:
    QTimer* timer;
    std::function<void()> onTimer;
};

// A picture label drawn pixel for pixel from its top-left corner. On a scaled screen each
// picture pixel becomes a block of device pixels, never a blend of its neighbours, as
// QLabel's own drawing of a pixmap gives.
class PixelArtLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A picture drawn unscaled from its top-left corner; loads from the program's resources.
class QtImage : public platform::Image {
public:
    explicit QtImage(QLabel* label);
    void LoadFromResourceName(const std::string& name) override;
    std::string PictureName() const override { return picture; }
    int Left() const override { return label->x(); }
    void SetLeft(int left) override;
    bool Visible() const override { return !label->isHidden(); }
    void SetVisible(bool visible) override { label->setVisible(visible); }
    bool Transparent() const override { return transparent; }
    void SetTransparent(bool value) override { transparent = value; }
    void BringToFront() override { label->raise(); }
    QLabel* Widget() const { return label; }

private:
    QLabel* label;
    std::string picture;
    bool transparent = true;
};

// A caption. One sized to its text, like the scores, grows and shrinks with every caption
// from its top-left corner, so "15" shows both digits.
class QtLabel : public platform::Label {
public:
    QtLabel(QLabel* label, bool sizedToText);
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& caption) override;
    bool Visible() const override { return !label->isHidden(); }
    void SetVisible(bool visible) override;

private:
    QLabel* label;
    std::string caption;
    bool sizedToText;
};

class QtShape : public platform::Shape {
public:
    explicit QtShape(QWidget* widget) : widget(widget) {}
    bool Visible() const override { return !widget->isHidden(); }
    void SetVisible(bool visible) override { widget->setVisible(visible); }

private:
    QWidget* widget;
};

class QtButton : public platform::Button {
public:
    explicit QtButton(QPushButton* button);
    bool Visible() const override { return !button->isHidden(); }
    void SetVisible(bool visible) override { button->setVisible(visible); }
    void SetOnClick(std::function<void()> handler) override { onClick = std::move(handler); }

private:
    QPushButton* button;
    std::function<void()> onClick;
};

// The game owns the check marks: a click only runs the handler, which sets them.
class QtMenuItem : public platform::MenuItemBase {
public:
    QtMenuItem(QAction* action, std::string name);
    QAction* Action() const { return action; }

protected:
    void Changed() override;

private:
    QAction* action;
    std::optional<bool> logged; // the mark last written to the log
};

class QtEditBox : public platform::EditBox {
public:
    explicit QtEditBox(QLineEdit* edit) : edit(edit) {}
    std::u32string Text() const override { return edit->text().toStdU32String(); }
    void SetText(const std::u32string& text) override {
        edit->setText(QString::fromStdU32String(text));
    }
    void SetFocus() override { edit->setFocus(Qt::OtherFocusReason); }
    void SetOnKeyPress(std::function<void(char32_t)> handler) override {
        onKeyPress = std::move(handler);
    }
    // Delivers the typed text one character at a time.
    void KeyPress(const QString& text);

private:
    QLineEdit* edit;
    std::function<void(char32_t)> onKeyPress;
};

class QtStringList : public platform::StringList {
public:
    explicit QtStringList(QListWidget* list) : list(list) {}
    int Count() const override { return list->count(); }
    std::string Item(int row) const override;
    void SetItems(const std::vector<std::string>& rows) override;

private:
    QListWidget* list;
};

// Sound cues on QSoundEffect, which needs no media backend. A name starting with ":/" is one
// of the program's own resources, anything else a local file. Each file is loaded once, the
// first time it is opened, and kept: a cue heard again is only a play(), which never holds
// up a fencer's tick. Without a sound device, without the sound library, or with a file that
// will not decode, a cue is silent and nothing else.
class QtMediaPlayer : public platform::MediaPlayer {
public:
    // The sound effects are children of `parent`, which must outlive any use of the player.
    explicit QtMediaPlayer(QObject* parent) : parent(parent) {}
    std::string FileName() const override { return fileName; }
    void SetFileName(const std::string& name) override { fileName = name; }
    bool Open() override;
    bool Play() override;

private:
    QObject* parent;
    std::string fileName;
    std::map<std::string, std::unique_ptr<SoundEffect>> effects;
    SoundEffect* opened = nullptr;
};

class QtClock : public platform::Clock {
public:
    std::int64_t NowMilliseconds() const override;
};

class QtLauncher : public platform::Launcher {
public:
    bool Start(const std::string& program, const std::vector<std::string>& arguments) override;
};

} // namespace pistework::app
