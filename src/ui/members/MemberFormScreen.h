#pragma once

#include "core/members/MemberRecord.h"

#include <QDialog>
#include <QList>
#include <QString>

struct AppState;
class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QDataWidgetMapper;
class QLineEdit;
class QPushButton;
class QSqlQueryModel;

// The member form: adds members one after another, or edits the member read
// under `editedCard`. It writes to the database on its own when "保存(S)" is
// pressed; whoever shows the member list reads it again when the form closes.
class MemberFormScreen : public QDialog
{
    Q_OBJECT

public:
    // An empty editedCard adds members; a card edits that member.
    MemberFormScreen(AppState& state, const QString& editedCard, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildScreen();
    QWidget* buildBoxes();
    QWidget* buildButtons();
    void fillChoices();
    void setBoxesReadOnly(bool readOnly);
    bool readMember(const QString& card);
    void showMember();
    void clearBoxes();
    void startRow(const QString& cardType);
    void setButtons(bool editing);
    bool isCardFree(const QString& card);
    void enterIn(QLineEdit* edit);
    QLineEdit* boxOf(MemberRecord::Field field) const;
    void save();
    void cancel();
    void addNew();

    AppState& m_state;
    // The card the edited member was read under; empty while adding.
    QString m_originalCard;
    QSqlQueryModel* m_model = nullptr;
    QDataWidgetMapper* m_mapper = nullptr;

    QLineEdit* m_cardEdit = nullptr;
    QLineEdit* m_nameEdit = nullptr;
    QLineEdit* m_passwordEdit = nullptr;
    QLineEdit* m_passwordAgainEdit = nullptr;
    QLineEdit* m_mobileEdit = nullptr;
    QLineEdit* m_birthEdit = nullptr;
    QLineEdit* m_addressEdit = nullptr;
    QLineEdit* m_balanceEdit = nullptr;
    QLineEdit* m_timeEdit = nullptr;
    QLineEdit* m_stateEdit = nullptr; // hidden under m_stateCombo, holds the stored state
    QLineEdit* m_validityEdit = nullptr;
    QLineEdit* m_discountEdit = nullptr;
    QLineEdit* m_agentEdit = nullptr;
    QLineEdit* m_noteEdit = nullptr;
    QLineEdit* m_cardTypeEdit = nullptr; // hidden under m_cardTypeCombo
    QLineEdit* m_totalAmountEdit = nullptr;
    QLineEdit* m_totalTimeEdit = nullptr;
    // Every box above, in the order they were made.
    QList<QLineEdit*> m_boxes;
    // The boxes the operator may type into while the row is edited.
    QList<QLineEdit*> m_typedBoxes;

    QComboBox* m_sexCombo = nullptr;
    QComboBox* m_stateCombo = nullptr;
    QComboBox* m_cardTypeCombo = nullptr;
    QCheckBox* m_memberCheck = nullptr;
    QCalendarWidget* m_validityCalendar = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QPushButton* m_addButton = nullptr;
};
