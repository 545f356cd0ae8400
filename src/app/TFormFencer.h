#pragma once
// The main window: owns the widgets and forwards their events to the game.

#include "app/QtControls.h"
#include "app/QtRegistry.h"
#include "game/Game.h"
#include "platform/Layout.h"
#include "platform/Random.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>

namespace pistework::app {

inline constexpr int kClientWidth = 498;
inline constexpr int kClientHeight = 270;

class TFormFencer : public QMainWindow, public platform::Form, public platform::ControlLookup {
    Q_OBJECT
public:
    explicit TFormFencer(QWidget* parent = nullptr);
    ~TFormFencer() override;

    void Close() override;
    // Stores the options once, when the window closes by any way or is destroyed; tells the
    // player once, plainly, when the store would not take them.
    void SaveSettings();
    // How the player is told; a message box unless a test listens instead.
    void SetOnWarning(std::function<void(const QString&)> sink) { warn = std::move(sink); }
    game::Game& Game() { return *game; }
    QWidget* Client() const { return client; }
    QtMenuItem& MenuItem(const std::string& name) { return MenuItemNamed(name); }

    QtTimer& TimerNamed(std::string_view name) override;
    QtImage& ImageNamed(std::string_view name) override;
    QtLabel& LabelNamed(std::string_view name) override;
    QtShape& ShapeNamed(std::string_view name) override;
    QtButton& ButtonNamed(std::string_view name) override;
    QtEditBox& EditBoxNamed(std::string_view name) override;
    QtStringList& StringListNamed(std::string_view name) override;
    QtMenuItem& MenuItemNamed(std::string_view name) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    template <typename T> using ByName = std::map<std::string, std::unique_ptr<T>, std::less<>>;

    QWidget* NewControl(const platform::layout::ControlEntry& entry);
    void BuildControls();
    void BuildMenu();

    QWidget* client = nullptr;
    ByName<QtTimer> timers;
    ByName<QtImage> images;
    ByName<QtLabel> labels;
    ByName<QtShape> shapes;
    ByName<QtButton> buttons;
    ByName<QtEditBox> editBoxes;
    ByName<QtStringList> lists;
    ByName<QtMenuItem> menuItems;
    std::unique_ptr<QtMediaPlayer> mediaPlayer;
    QtRegistry registry;
    QtClock clock;
    platform::LcgRandom random;
    QtLauncher launcher;
    std::unique_ptr<game::Game> game;
    bool centred = false;
    bool settingsSaved = false;
    std::function<void(const QString&)> warn;
};

} // namespace pistework::app
