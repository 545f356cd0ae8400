// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace pistework::app {

namespace {

// The languages the desktop asks for, best first, as "fr" or "fr_CA", each followed by its
// bare language; English or the C locale ends the list, since English needs nothing loaded.
QStringList Wanted() {
    QStringList wanted;
    for (QString language : QLocale::system().uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString bare = language.section(QLatin1Char('_'), 0, 0);
        if (bare == QLatin1String("en") || bare == QLatin1String("C")) break;
        wanted << language << bare;
    }
    return wanted;
}

} // namespace

QString LoadTranslations(QCoreApplication& app) {
    const QStringList wanted = Wanted();
    for (const QString& language : wanted) {
        auto* own = new QTranslator(&app);
        if (!own->load(QStringLiteral("pistework_") + language, QStringLiteral(":/i18n"))) {
            delete own;
            continue;
        }
        QCoreApplication::installTranslator(own);
        // Qt's own texts, like the buttons of a message box, where the system has them.
        auto* qt = new QTranslator(&app);
        if (qt->load(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return language;
    }
    return {};
}

} // namespace pistework::app
