// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The languages the game ships: English, which loads nothing, and one per translation it
// carries. A test of this fixture runs once in each, with that translation installed.

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include <ostream>

namespace drive {

class InEachLanguage : public ::testing::TestWithParam<QString> {
protected:
    void SetUp() override {
        if (GetParam().isEmpty()) return;
        ASSERT_TRUE(own.load(QStringLiteral(":/i18n/pistework_") + GetParam()));
        QCoreApplication::installTranslator(&own);
    }
    void TearDown() override { QCoreApplication::removeTranslator(&own); }
    QTranslator own;
};

// "" for English, then each "pistework_xx.qm" in the resources as "xx"; the tests are named so.
inline QStringList Languages() {
    QStringList languages{QString()};
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({"pistework_*.qm"}))
        languages << file.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0);
    return languages;
}
inline std::string LanguageName(const ::testing::TestParamInfo<QString>& info) {
    return info.param.isEmpty() ? "en" : info.param.toStdString();
}

} // namespace drive

// A language reads as its code in the test list, not as bytes.
inline void PrintTo(const QString& language, std::ostream* out) {
    *out << (language.isEmpty() ? "en" : language.toStdString());
}

#define INSTANTIATE_IN_EACH_LANGUAGE(suite)                                                        \
    INSTANTIATE_TEST_SUITE_P(Languages, suite, ::testing::ValuesIn(drive::Languages()),            \
                             drive::LanguageName)
