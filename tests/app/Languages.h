#pragma once
// The languages the game ships: English, which loads nothing, and one per translation file it
// carries. A test runs its checks in each by installing that translation for the while.

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include <gtest/gtest.h>

namespace drive {

// "" for English, then "de", "fr"... as the resources hold them.
inline QStringList Languages() {
    QStringList languages{QString()};
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({"pistework_*.qm"}))
        languages << file.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0);
    return languages;
}

class InLanguage {
public:
    explicit InLanguage(const QString& language) {
        if (language.isEmpty()) return;
        EXPECT_TRUE(own.load(QStringLiteral("pistework_") + language, QStringLiteral(":/i18n")))
            << language.toStdString();
        QCoreApplication::installTranslator(&own);
    }
    ~InLanguage() { QCoreApplication::removeTranslator(&own); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;

private:
    QTranslator own;
};

} // namespace drive
