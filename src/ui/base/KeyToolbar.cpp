#include "ui/base/KeyToolbar.h"

#include <QToolButton>

namespace {
// Wide enough for the longest caption of a key in either language.
constexpr int KeyWidth = 76;
} // namespace

KeyToolbar::KeyToolbar(QWidget* parent)
    : QToolBar(parent)
{
    setObjectName(QStringLiteral("Toolbar1"));
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(24, 24));
}

void KeyToolbar::alignKeys()
{
    for (QAction* action : actions()) {
        if (auto* button = qobject_cast<QToolButton*>(widgetForAction(action)))
            button->setMinimumWidth(KeyWidth);
    }
}
