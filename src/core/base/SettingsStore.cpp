#include "core/base/SettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QSysInfo>

namespace {
const QString Group = QStringLiteral("main_path");
const QString StoreKey = QStringLiteral("main_path/store");
const QString LanguageKey = QStringLiteral("ui/language");
const QString CheckedPasswordKey = QStringLiteral("login/checked_password");
const QString CheckedInitialKey = QStringLiteral("login/checked_initial");
const QString CounterNameKey = QStringLiteral("counter/name");
const QString LampCounterKey = QStringLiteral("counter/lamps");
} // namespace

DbLocation resolveDbLocation(const QString& path, const QString& data, const QString& programFolder)
{
    // The chosen folder is stored with its closing separator.
    if (!path.isEmpty()) {
        const QString folder = path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
        return {path, data, folder + data};
    }
    return {programFolder, DefaultDbFileName, programFolder + QLatin1Char('/') + DefaultDbFileName};
}

ChosenFile splitChosenFile(const QString& fullName)
{
    const QString name = QDir::fromNativeSeparators(fullName);
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return {QString(), name};
    return {name.left(slash + 1).trimmed(), name.mid(slash + 1)};
}

SettingsStore::SettingsStore(QSettings* settings)
    : m_settings(settings ? settings : new QSettings(QStringLiteral("Tavoro"), QStringLiteral("Tavoro")))
    , m_owned(settings == nullptr)
{}

SettingsStore::~SettingsStore()
{
    if (m_owned)
        delete m_settings;
}

QString SettingsStore::path() const
{
    return m_settings->value(Group + QStringLiteral("/path")).toString();
}

QString SettingsStore::data() const
{
    return m_settings->value(Group + QStringLiteral("/data")).toString();
}

void SettingsStore::save(const QString& path, const QString& data)
{
    m_settings->setValue(Group + QStringLiteral("/path"), path);
    m_settings->setValue(Group + QStringLiteral("/data"), data);
    m_settings->remove(StoreKey);
    m_settings->sync();
}

bool SettingsStore::onServer() const
{
    return m_settings->value(StoreKey).toString() == QLatin1String("server");
}

ServerPlace SettingsStore::serverPlace() const
{
    ServerPlace place;
    place.host = m_settings->value(QStringLiteral("server/host")).toString();
    place.port = m_settings->value(QStringLiteral("server/port"), place.port).toInt();
    place.database = m_settings->value(QStringLiteral("server/database")).toString();
    place.user = m_settings->value(QStringLiteral("server/user")).toString();
    return place;
}

void SettingsStore::saveServer(const ServerPlace& place)
{
    m_settings->setValue(QStringLiteral("server/host"), place.host);
    m_settings->setValue(QStringLiteral("server/port"), place.port);
    m_settings->setValue(QStringLiteral("server/database"), place.database);
    m_settings->setValue(QStringLiteral("server/user"), place.user);
    m_settings->setValue(StoreKey, QStringLiteral("server"));
    m_settings->sync();
}

WebSettings SettingsStore::web() const
{
    WebSettings web;
    web.address = m_settings->value(QStringLiteral("web/address"), web.address).toString();
    web.port = m_settings->value(QStringLiteral("web/port"), web.port).toInt();
    web.certificate = m_settings->value(QStringLiteral("web/certificate")).toString();
    web.key = m_settings->value(QStringLiteral("web/key")).toString();
    web.serverUser = m_settings->value(QStringLiteral("web/server_user")).toString();
    return web;
}

QString SettingsStore::language() const
{
    return m_settings->value(LanguageKey).toString();
}

void SettingsStore::setLanguage(const QString& language)
{
    m_settings->setValue(LanguageKey, language);
    m_settings->sync();
}

QString SettingsStore::counterName() const
{
    const QString name = m_settings->value(CounterNameKey).toString().trimmed();
    return name.isEmpty() ? QSysInfo::machineHostName() : name;
}

bool SettingsStore::drivesLamps() const
{
    const QString owner = m_settings->value(LampCounterKey).toString().trimmed();
    return owner.isEmpty() || owner == counterName();
}

QString SettingsStore::checkedPassword(bool* initial) const
{
    *initial = m_settings->value(CheckedInitialKey).toBool();
    return m_settings->value(CheckedPasswordKey).toString();
}

void SettingsStore::setCheckedPassword(const QString& stored, bool initial)
{
    m_settings->setValue(CheckedPasswordKey, stored);
    m_settings->setValue(CheckedInitialKey, initial);
    m_settings->sync();
}

QString SettingsStore::printerPort(const QString& name) const
{
    return m_settings->value(QStringLiteral("printer_ports/") + name).toString();
}
