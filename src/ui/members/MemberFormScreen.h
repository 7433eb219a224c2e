#pragma once

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
    QLineEdit* box(int index) const;
    void zzdset();
    void zzdlock(bool lockbj);
    bool readMember(const QString& card);
    void showMember();
    void startRow(const QString& cardType);
    void setButtons(bool editing);
    bool card_check(const QString& kahao);
    void enterIn(int index);
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    AppState& m_state;
    // The card the edited member was read under; empty while adding.
    QString m_originalCard;
    QSqlQueryModel* m_model = nullptr;
    QDataWidgetMapper* m_mapper = nullptr;
    QList<QLineEdit*> m_boxes; // indexed as Txtzzd; 16 and 17 do not exist
    QComboBox* m_combo1 = nullptr;
    QComboBox* m_combozt = nullptr;
    QComboBox* m_combklx = nullptr;
    QCheckBox* m_check1 = nullptr;
    QCalendarWidget* m_monthView1 = nullptr;
    QPushButton* m_command2 = nullptr;
    QPushButton* m_command3 = nullptr;
    QPushButton* m_command4 = nullptr;
};
