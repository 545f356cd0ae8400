#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // The window is tested without a display unless a caller chooses a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
