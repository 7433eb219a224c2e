#pragma once

#include <QList>
#include <QString>

// The libraries the program is built on, with the versions it runs with and
// the terms under which it uses them, for the about box.
struct ThirdParty
{
    QString name;
    QString version;
    QString licence;
    QString notice;

    static QList<ThirdParty> all();
};
