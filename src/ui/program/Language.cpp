#include "ui/program/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString ChineseSetting = QStringLiteral("zh_CN");
const QString EnglishSetting = QStringLiteral("en");

bool load(QCoreApplication& app, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(name, folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace

Language chooseLanguage(const QString& setting, const QLocale& system)
{
    if (setting == EnglishSetting)
        return Language::English;
    if (setting == ChineseSetting)
        return Language::Chinese;
    for (const QString& name : system.uiLanguages()) {
        if (name.startsWith(QLatin1String("en")))
            return Language::English;
        if (name.startsWith(QLatin1String("zh")))
            return Language::Chinese;
    }
    return Language::Chinese;
}

QString languageSetting(Language language)
{
    return language == Language::English ? EnglishSetting : ChineseSetting;
}

bool installLanguage(QCoreApplication& app, Language language)
{
    if (language == Language::English)
        return load(app, QStringLiteral("tavoro_en"), QStringLiteral(":/i18n"));
    return load(app, QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
