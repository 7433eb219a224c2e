#include "ui/base/RecordEditMode.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QDataWidgetMapper>
#include <QLineEdit>
#include <QPushButton>

void RecordEditMode::set(Mode mode)
{
    m_mode = mode;
    const bool browsing = !typing();
    for (QAction* key : std::as_const(m_controls.browseKeys))
        key->setEnabled(browsing);
    for (QAction* key : std::as_const(m_controls.typingKeys))
        key->setEnabled(!browsing);
    for (QLineEdit* box : std::as_const(m_controls.boxes))
        box->setReadOnly(browsing);
    for (QWidget* widget : std::as_const(m_controls.browseWidgets))
        widget->setEnabled(browsing);
    for (QWidget* widget : std::as_const(m_controls.typingWidgets))
        widget->setEnabled(!browsing);
    showMoves();
}

void RecordEditMode::showMoves() const
{
    if (m_controls.moves.size() != 4 || !m_controls.mapper || !m_controls.mapper->model())
        return;
    const bool browsing = !typing();
    const int row = m_controls.mapper->currentIndex();
    const int last = m_controls.mapper->model()->rowCount() - 1;
    const bool back = browsing && row > 0;
    const bool forward = browsing && row >= 0 && row < last;
    m_controls.moves[0]->setEnabled(back);
    m_controls.moves[1]->setEnabled(back);
    m_controls.moves[2]->setEnabled(forward);
    m_controls.moves[3]->setEnabled(forward);
}
