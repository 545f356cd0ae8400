// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Every test starts from empty settings folders, the player's and the system's, so no test
// reads what another saved when its window closed, nor this machine's own settings.
class FreshSettingsFolders : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        user = std::make_unique<QTemporaryDir>();
        system = std::make_unique<QTemporaryDir>();
        // QSettings works its folders out once per process; point them here for every test.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, user->path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, system->path());
    }
    std::unique_ptr<QTemporaryDir> user;
    std::unique_ptr<QTemporaryDir> system;
};

} // namespace

int main(int argc, char* argv[]) {
    // The window is tested without a display unless a caller chooses a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshSettingsFolders);
    return RUN_ALL_TESTS();
}
