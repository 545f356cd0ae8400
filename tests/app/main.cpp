// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dialogs.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
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
        // The bouts a window keeps, in a data folder of the test's own.
        qputenv("XDG_DATA_HOME", QFile::encodeName(user->filePath(QStringLiteral("data"))));
        // Hosting in a test asks no router on this machine's network to open a port.
        QSettings(QSettings::UserScope, QStringLiteral("Brackenmoor Fencing Association"),
                  QStringLiteral("Pistework"))
            .setValue(QStringLiteral("AskRouter"), 0);
    }
    std::unique_ptr<QTemporaryDir> user;
    std::unique_ptr<QTemporaryDir> system;
};

// Closes, and fails the test for, any modal dialog it did not expect.
class UnexpectedDialogs : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() != QEvent::Show || !dialog || !dialog->isModal() ||
            drive::ExpectDialogs::Any())
            return false;
        const auto* box = qobject_cast<QMessageBox*>(dialog);
        ADD_FAILURE() << "a dialog the test did not expect: " << dialog->objectName().toStdString()
                      << " \"" << dialog->windowTitle().toStdString() << "\" "
                      << (box ? box->text().toStdString() : std::string());
        // Once its own loop runs, so the call that opened it returns.
        QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    // The window is tested without a display unless a caller chooses a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UnexpectedDialogs unexpected;
    app.installEventFilter(&unexpected);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshSettingsFolders);
    return RUN_ALL_TESTS();
}
