#pragma once
// The main window: owns the widgets and forwards their events to the game.

#include "app/QtControls.h"
#include "game/Game.h"
#include "platform/Random.h"

#include <QMainWindow>

#include <map>
#include <memory>

namespace pistework::app {

inline constexpr int kClientWidth = 498;
inline constexpr int kClientHeight = 270;

class TFormFencer : public QMainWindow, public platform::Form {
    Q_OBJECT
public:
    explicit TFormFencer(QWidget* parent = nullptr);
    ~TFormFencer() override;

    void Close() override;
    game::Game& Game() { return *game; }
    QWidget* Client() const { return client; }
    QtMenuItem& MenuItem(const std::string& name) { return *menuItems.at(name); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void BuildMenu();
    platform::FormControls Controls();

    QWidget* client = nullptr;
    std::map<std::string, std::unique_ptr<QtTimer>> timers;
    std::map<std::string, std::unique_ptr<QtImage>> images;
    std::map<std::string, std::unique_ptr<QtLabel>> labels;
    std::map<std::string, std::unique_ptr<QtShape>> shapes;
    std::map<std::string, std::unique_ptr<QtButton>> buttons;
    std::map<std::string, std::unique_ptr<QtMenuItem>> menuItems;
    std::unique_ptr<QtEditBox> txtKeyboard;
    QLineEdit* txtKeyboardWidget = nullptr;
    std::unique_ptr<QtStringList> listBoxStrings;
    std::unique_ptr<QtMediaPlayer> mediaPlayer;
    QtRegistry registry;
    QtClock clock;
    platform::LcgRandom random;
    QtLauncher launcher;
    std::unique_ptr<game::Game> game;
    bool centred = false;
};

} // namespace pistework::app
