#include "app/TFormFencer.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pistework"));
    QApplication::setOrganizationName(QStringLiteral("Brackenmoor Fencing Association"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/pistework-48")));
    try {
        pistework::app::TFormFencer form;
        form.show();
        QApplication::exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("B.K.S. Pistework"),
                              QString::fromLocal8Bit(e.what()));
    }
    // The game has no error codes: it always ends with 0.
    return 0;
}
