#pragma once

#include "core/base/ServerPlace.h"

#include <QString>

class QSettings;

// Where the database file is: the one per-user setting of the program,
// group "main_path", keys "path" (folder with its trailing separator) and
// "data" (file name).
struct DbLocation
{
    QString DbFolder;
    QString DbFileName;
    QString DbFullName;
};

inline const QString DefaultDbFileName = QStringLiteral("jssfserver.mdb");

// With "path" set the file is path + separator + data (a doubled separator
// is harmless); otherwise jssfserver.mdb in the program folder.
DbLocation resolveDbLocation(const QString& path, const QString& data, const QString& programFolder);

// The folder (with its trailing separator; empty when the name has none) and
// the bare file name of a chosen file.
struct ChosenFile
{
    QString folder;
    QString fileName;
};
ChosenFile splitChosenFile(const QString& fullName);

// Where the owner's read-only view listens (group "web"): on this machine
// alone unless "address" says otherwise; over HTTPS when both a certificate
// and its key (PEM files) are named. On a hall on a server it connects as
// "server_user", a role that may only read; the rest of the server's place
// is the counter's own.
struct WebSettings
{
    QString address = QStringLiteral("127.0.0.1");
    int port = 8341;
    QString certificate;
    QString key;
    QString serverUser;

    bool secure() const { return !certificate.isEmpty() && !key.isEmpty(); }
};

class SettingsStore
{
public:
    // Uses the given settings (tests pass a file of their own) or, without
    // one, the user's settings of organisation and application "Tavoro".
    explicit SettingsStore(QSettings* settings = nullptr);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString path() const;
    QString data() const;
    // Keeps the hall's books in that file from the next start.
    void save(const QString& path, const QString& data);

    // Whether the hall's books are on a server (group "main_path", key
    // "store" = "server") and which (group "server", keys "host", "port",
    // "database", "user"), rather than in the file above.
    bool onServer() const;
    ServerPlace serverPlace() const;
    // Keeps the hall's books on that server from the next start.
    void saveServer(const ServerPlace& place);

    WebSettings web() const;

    // The device file a raw printer port ("LPT1", "LPT2", "COM1", "COM2")
    // is written to when group "printer_ports" names one under the port's
    // name; empty otherwise.
    QString printerPort(const QString& name) const;

    // The language the operator chose for this counter ("zh_CN" or "en");
    // empty to follow the system's.
    QString language() const;
    void setLanguage(const QString& language);

    // This counter's name among the hall's (group "counter", key "name"),
    // the machine's host name when none is set.
    QString counterName() const;
    // Whether this counter drives the light controller: the one group
    // "counter", key "lamps" names, or every counter when it names none, as
    // a hall with one counter has it.
    bool drivesLamps() const;

    // A digest of the system operator's stored password last checked against
    // the shipped one, and whether it was that one: checking a hash takes
    // longer than the rest of the start.
    QString checkedPassword(bool* initial) const;
    void setCheckedPassword(const QString& stored, bool initial);

private:
    QSettings* m_settings;
    bool m_owned;
};
