#pragma once

#include <QAction>
#include <QStyle>
#include <QToolBar>

// The toolbar of a record screen: large keys with their caption under the
// style's icon, each named by its key so that tests and callers find it.
class KeyToolbar : public QToolBar
{
public:
    explicit KeyToolbar(QWidget* parent);

    template <typename Slot>
    QAction* addKey(const char* key, const QString& caption, QStyle::StandardPixmap icon, Slot slot)
    {
        QAction* action = addAction(style()->standardIcon(icon), caption, this, slot);
        action->setObjectName(QLatin1String(key));
        return action;
    }

    // Gives every key the same width, so that a key sits in the same place
    // whatever language is shown: an operator who learnt where "存款" is must
    // not find "Delete" there in English. For screens wide enough to hold it.
    void alignKeys();
};
