#pragma once
// Controls that only keep their state, so a test can assert on what the player would see.

#include "platform/MenuItemBase.h"
#include "platform/Platform.h"

#include <map>
#include <string>
#include <variant>
#include <vector>

namespace pistework::platform::headless {

class HeadlessImage : public Image {
public:
    HeadlessImage(int left, bool visible = true) : left(left), visible(visible) {}
    void LoadFromResourceName(const std::string& name) override;
    std::string PictureName() const override { return picture; }
    int Left() const override { return left; }
    void SetLeft(int value) override { left = value; }
    bool Visible() const override { return visible; }
    void SetVisible(bool value) override { visible = value; }
    bool Transparent() const override { return transparent; }
    void SetTransparent(bool value) override { transparent = value; }
    void BringToFront() override;

    // Stacking position among the images of one form: higher is drawn later, on top.
    int ZOrder() const { return zOrder; }
    void SetZCounter(int* counter) { zCounter = counter; }
    int Loads() const { return loads; }

private:
    std::string picture;
    int left;
    bool visible;
    bool transparent = true;
    int zOrder = 0;
    int* zCounter = nullptr;
    int loads = 0;
};

class HeadlessLabel : public Label {
public:
    HeadlessLabel(std::string caption, bool visible = true)
        : caption(std::move(caption)), visible(visible) {}
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& value) override;
    bool Visible() const override { return visible; }
    void SetVisible(bool value) override { visible = value; }
    // Every caption this label has shown, in order, for timelines in tests.
    const std::vector<std::string>& History() const { return history; }
    // Long runs forget what was shown so far, so only the game's own memory can grow.
    void ClearHistory() { std::vector<std::string>().swap(history); }

private:
    std::string caption;
    bool visible;
    std::vector<std::string> history;
};

class HeadlessShape : public Shape {
public:
    explicit HeadlessShape(bool visible = false) : visible(visible) {}
    bool Visible() const override { return visible; }
    void SetVisible(bool value) override { visible = value; }

private:
    bool visible;
};

class HeadlessButton : public Button {
public:
    explicit HeadlessButton(bool visible = true) : visible(visible) {}
    bool Visible() const override { return visible; }
    void SetVisible(bool value) override { visible = value; }
    void SetOnClick(std::function<void()> handler) override { onClick = std::move(handler); }
    void Click() {
        if (onClick) onClick();
    }

private:
    bool visible;
    std::function<void()> onClick;
};

class HeadlessEditBox : public EditBox {
public:
    std::u32string Text() const override { return text; }
    void SetText(const std::u32string& value) override { text = value; }
    void SetFocus() override { focused = true; }
    void SetOnKeyPress(std::function<void(char32_t)> handler) override {
        onKeyPress = std::move(handler);
    }
    // A key typed by the user: the character lands in the box, then the handler sees it.
    void Type(char32_t key);
    bool HasFocus() const { return focused; }

private:
    std::u32string text;
    bool focused = false;
    std::function<void(char32_t)> onKeyPress;
};

class HeadlessStringList : public StringList {
public:
    int Count() const override { return static_cast<int>(rows.size()); }
    std::string Item(int row) const override;
    void SetItems(const std::vector<std::string>& value) override { rows = value; }

private:
    std::vector<std::string> rows;
};

class HeadlessMediaPlayer : public MediaPlayer {
public:
    std::string FileName() const override { return fileName; }
    void SetFileName(const std::string& value) override { fileName = value; }
    bool Open() override;
    bool Play() override;
    // Files actually played, in order.
    const std::vector<std::string>& Played() const { return played; }
    // Files that exist for this player; anything else fails to open.
    std::vector<std::string> existingFiles;

private:
    std::string fileName;
    bool opened = false;
    std::vector<std::string> played;
};

// An in-memory settings store with the same rules as the real one.
class MemoryRegistry : public Registry {
public:
    using Value = std::variant<int, std::string>;
    struct Key {
        std::map<std::string, Value> values;
    };

    void SetRootKey(Root root) override { this->root = root; }
    bool OpenKey(const std::string& path, bool canCreate) override;
    bool CloseKey() override {
        open = nullptr;
        return !readOnly;
    }
    bool ValueExists(const std::string& name) const override;
    std::optional<int> ReadInteger(const std::string& name) const override;
    std::optional<std::string> ReadString(const std::string& name) const override;
    bool WriteInteger(const std::string& name, int value) override;
    bool WriteString(const std::string& name, const std::string& value) override;

    // Direct access for tests: the key at root and path, created on demand.
    Key& At(Root root, const std::string& path) { return keys[{root, path}]; }
    bool HasKey(Root root, const std::string& path) const { return keys.count({root, path}) > 0; }
    // Makes every write fail, as a store without write rights would.
    bool readOnly = false;

private:
    std::map<std::pair<Root, std::string>, Key> keys;
    Root root = Root::CurrentUser;
    Key* open = nullptr;
};

class HeadlessMenuItem : public MenuItemBase {
public:
    using MenuItemBase::MenuItemBase;
};

class RecordingLauncher : public Launcher {
public:
    bool Start(const std::string& program, const std::vector<std::string>& arguments) override;
    struct Call {
        std::string program;
        std::vector<std::string> arguments;
    };
    std::vector<Call> calls;
    bool succeed = true;
};

} // namespace pistework::platform::headless
