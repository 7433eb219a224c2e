#pragma once

#include <QList>

#include <utility>

class QAction;
class QDataWidgetMapper;
class QLineEdit;
class QPushButton;
class QWidget;

// The mode of a record editor: browsing its rows, or a new or a shown row
// taking typing until Save or Cancel. Each mode enables its own keys and
// controls; the record moves follow the shown row and are off while typing,
// as moving away would leave the typing behind in the boxes of another row.
class RecordEditMode
{
public:
    enum class Mode
    {
        Browse,
        Add,
        Edit
    };

    struct Controls
    {
        // The shown row and how many rows there are.
        QDataWidgetMapper* mapper = nullptr;
        // First, previous, next and last, as addMoveButtons() makes them.
        QList<QPushButton*> moves;
        // Keys that work only while browsing, and only while typing.
        QList<QAction*> browseKeys;
        QList<QAction*> typingKeys;
        // Boxes that take typing only while typing.
        QList<QLineEdit*> boxes;
        // Widgets enabled only while browsing (lists, choosers), and only
        // while typing (pick buttons).
        QList<QWidget*> browseWidgets;
        QList<QWidget*> typingWidgets;
    };

    void setControls(Controls controls) { m_controls = std::move(controls); }

    // Switches to the mode and shows it on every control.
    void set(Mode mode);
    Mode mode() const { return m_mode; }
    bool adding() const { return m_mode == Mode::Add; }
    // A new or a shown row is taking typing.
    bool typing() const { return m_mode != Mode::Browse; }

    // Enables the moves that lead somewhere from the shown row.
    void showMoves() const;

private:
    Controls m_controls;
    Mode m_mode = Mode::Browse;
};
