#pragma once

#include "core/base/Result.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The rights letters of one operator, one string per group as stored.
struct OperatorRights
{
    QString memberRights;   // membership and settings
    QString goodsRights;    // goods
    QString operatorRights; // operators and statistics
    QString salesRights;    // sales processing
    QString reportRights;   // queries and reports

    // True when the group's trimmed letters contain the letter.
    static bool grants(const QString& group, QChar letter);
};

// The rights of the operator with that exact name; an operator without a
// row has none.
ResultOf<OperatorRights> loadOperatorRights(const QSqlDatabase& db, const QString& operatorName);

// One of the five rights groups, in the order of the group check boxes.
struct RightsGroup
{
    QString column;            // the column of czyzd holding the group's letters
    const char* caption;       // caption of the group check box, the frame and the tree node
    QString array;             // objectName stem of the group's check-box array
    QList<const char*> rights; // captions of the boxes; box i stands for the letter 'A' + i
    int storedCount;           // boxes from this index on are shown but never stored

    // The captions in the operator's language, looked up when shown because
    // the table is built before a translator may be installed.
    QString shownCaption() const;
    QString shownRight(int element) const;

    static QChar letter(int element) { return QChar(u'A' + element); }
};

const QList<RightsGroup>& rightsGroups();

// The letters of the ticked boxes among the first storedCount, in element
// order, whatever order they were ticked in.
QString rightsLetters(const QList<bool>& ticked, int storedCount);
