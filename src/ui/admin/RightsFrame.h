#pragma once

#include <QGroupBox>
#include <QList>

struct RightsGroup;
class QCheckBox;

// The frame of one rights group on the rights screen: its check-box array,
// box i standing for the letter 'A' + i. Boxes past the stored ones are shown
// but never enabled.
class RightsFrame : public QGroupBox
{
    Q_OBJECT

public:
    RightsFrame(const RightsGroup& group, QWidget* parent = nullptr);

    // Ticks the boxes whose letters the group's column holds.
    void showLetters(const QString& letters, bool editable);
    // The letters of the ticked boxes in element order.
    QString letters() const;

Q_SIGNALS:
    // The operator ticked or cleared a box.
    void rightsClicked();

private:
    QList<QCheckBox*> m_boxes;
    int m_storedCount;
};
