#include "web/app/OwnerViewMain.h"

#include "core/admin/OwnerPassword.h"
#include "core/base/DbPlace.h"
#include "core/base/Messages.h"
#include "core/base/SettingsStore.h"
#include "core/base/UserDataFolder.h"
#include "web/server/OwnerServer.h"
#include "web/server/WebStore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTranslator>

#include <cstdio>

namespace {

const QString ConnectionName = QStringLiteral("WebConn");

// A service has no screen: what the counter would show in a box goes to the
// journal.
class ConsolePresenter final : public Messages::Presenter
{
public:
    Messages::Answer present(const Messages::Message& message) override
    {
        std::fputs(qPrintable(message.text + QLatin1Char('\n')), stderr);
        return Messages::Answer::Ok;
    }
};

// The counter's language setting decides, as at the counter; without one
// the view speaks Chinese, whatever the service's system says.
void installLanguage(QCoreApplication& app, const QString& setting)
{
    if (setting != QLatin1String("en"))
        return;
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("tavoro_en"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

// The hall the counter uses, by the counter's own settings.
Result openHall(const SettingsStore& settings, const WebSettings& web, QSqlDatabase* db)
{
    if (settings.onServer())
        return WebStore::openServer(settings.serverPlace(), web.serverUser, ConnectionName, db);
    const QString programFolder = QCoreApplication::applicationDirPath();
    const DbPlace place = placeDatabase(settings.path(), settings.data(), programFolder,
                                        QFileInfo(programFolder).isWritable(), UserDataFolder::path());
    return WebStore::openFile(place.location.DbFullName, ConnectionName, db);
}

} // namespace

int ownerViewMain(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The counter's settings, which say where the hall is.
    QCoreApplication::setOrganizationName(QStringLiteral("Tavoro"));
    QCoreApplication::setApplicationName(QStringLiteral("Tavoro"));
    ConsolePresenter presenter;
    Messages::setPresenter(&presenter);

    SettingsStore settings;
    installLanguage(app, settings.language());
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "OwnerViewMain", "店主网页：在手机上只读查看本店的台桌、营业额、统计、库存和赠送。\n"
                         "地址、端口和 HTTPS 证书在柜台程序设置文件的 web 组中设置。"));
    parser.addHelpOption();
    parser.process(app);

    // Whichever of the counter and the view starts first after an upgrade
    // moves the files, so that both find the hall in the same place.
    if (const Result moved = UserDataFolder::moveOldFolder(settings); !moved) {
        Messages::critical(moved.message());
        return 1;
    }
    const WebSettings web = settings.web();
    QSqlDatabase db;
    if (const Result opened = openHall(settings, web, &db); !opened) {
        Messages::critical(opened.message());
        return 1;
    }
    const ResultOf<QString> stored = OwnerPassword::storedHash(db);
    if (!stored) {
        Messages::critical(stored.result().message());
        return 1;
    }
    if (stored->isEmpty()) {
        Messages::critical(QCoreApplication::translate(
            "OwnerViewMain",
            "店主网页没有启动：还没有设置店主网页口令。请在柜台程序的“基础数据设置 › 店主网页口令”中设置后再启动。"));
        return 2;
    }
    std::optional<QSslConfiguration> tls;
    if (web.secure()) {
        const ResultOf<QSslConfiguration> loaded = OwnerServer::tlsFrom(web.certificate, web.key);
        if (!loaded) {
            Messages::critical(loaded.result().message());
            return 1;
        }
        tls = *loaded;
    }
    const QHostAddress address(web.address);
    if (address.isNull()) {
        Messages::critical(
            QCoreApplication::translate("OwnerViewMain", "web 组的 address 不是一个 IP 地址：%1").arg(web.address));
        return 1;
    }
    OwnerServer server(db);
    const ResultOf<quint16> port = server.start(address, quint16(web.port), tls);
    if (!port) {
        Messages::critical(port.result().message());
        return 1;
    }
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                             ? QLatin1Char('[') + address.toString() + QLatin1Char(']')
                             : address.toString();
    Messages::information(QCoreApplication::translate("OwnerViewMain", "店主网页已启动：%1://%2:%3/")
                              .arg(tls ? QStringLiteral("https") : QStringLiteral("http"), host)
                              .arg(*port));
    return QCoreApplication::exec();
}
