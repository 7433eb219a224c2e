#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

// Chinese is the language the program is written in; English is its one
// translation. A system asking for any other language gets Chinese.
enum class Language
{
    Chinese,
    English
};

// A setting of "zh_CN" or "en" wins; without one, the first of the system's
// languages that is Chinese or English decides.
Language chooseLanguage(const QString& setting, const QLocale& system = QLocale::system());

// What the setting holds for a language.
QString languageSetting(Language language);

// Installs the program's English, or Qt's own Chinese for the buttons and
// dialogs Qt draws; false when a translation could not be loaded, and the
// texts then stay in Chinese.
bool installLanguage(QCoreApplication& app, Language language);
