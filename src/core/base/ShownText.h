#pragma once

#include <QCoreApplication>
#include <QString>

// A text the operator sees that is named once and used in several places. It
// is translated each time it is used: a translated QString made at start-up
// would be made before the translator is installed.
struct ShownText
{
    const char* context;
    const char* source;

    operator QString() const { return QCoreApplication::translate(context, source); }
};
