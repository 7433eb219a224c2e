#include "ui/members/MemberFormScreen.h"

#include "core/base/AppState.h"
#include "core/base/CardTypes.h"
#include "core/base/DateText.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "ui/base/NumberDelegate.h"
#include "ui/base/WindowPlacement.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDataWidgetMapper>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QVBoxLayout>

#include <utility>

namespace {

// Chooses the stored value in a combo whose items carry it as data, keeping a
// value the list lacks so that saving does not silently change it.
void choose(QComboBox* combo, const QString& text)
{
    int index = combo->findData(text);
    if (index < 0 && !text.isEmpty()) {
        combo->addItem(text, text);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
}

bool isEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

MemberFormScreen::MemberFormScreen(AppState& state, const QString& editedCard, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("MemberFormScreen"));
    buildScreen();
    fillChoices();
    if (!editedCard.isEmpty() && readMember(editedCard)) {
        setWindowTitle(tr("修改"));
        showMember();
        setButtons(true);
        m_addButton->setEnabled(true);
    } else {
        startRow(CardType::Discount);
    }
    centerOnScreen(this);
}

void MemberFormScreen::buildScreen()
{
    m_model = new QSqlQueryModel(this);
    m_mapper = new QDataWidgetMapper(this);
    m_mapper->setModel(m_model);
    NumberDelegate::install(m_mapper);
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(buildBoxes());
    auto* note = new QLabel(tr("注意:会员卡如果为【现金卡】或【现金优惠卡】结帐时,只有球费从卡中递减，"
                               "会员如购商品则另外付费。"),
                            this);
    note->setObjectName(QStringLiteral("Label_note"));
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: #b00000;"));
    layout->addWidget(note);
    layout->addWidget(buildButtons());
    resize(640, sizeHint().height());
}

QWidget* MemberFormScreen::buildBoxes()
{
    auto* pane = new QWidget(this);
    auto* grid = new QGridLayout(pane);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    grid->setColumnMinimumWidth(2, 16);

    const auto edit = [this, pane](const char* name) {
        auto* e = new QLineEdit(pane);
        e->setObjectName(QLatin1String(name));
        e->installEventFilter(this);
        m_boxes.append(e);
        return e;
    };
    m_cardEdit = edit("cardEdit");
    m_nameEdit = edit("nameEdit");
    m_passwordEdit = edit("passwordEdit");
    m_passwordAgainEdit = edit("passwordAgainEdit");
    m_mobileEdit = edit("mobileEdit");
    m_birthEdit = edit("birthEdit");
    m_addressEdit = edit("addressEdit");
    m_balanceEdit = edit("balanceEdit");
    m_timeEdit = edit("timeEdit");
    m_stateEdit = edit("stateEdit");
    m_validityEdit = edit("validityEdit");
    m_discountEdit = edit("discountEdit");
    m_agentEdit = edit("agentEdit");
    m_noteEdit = edit("noteEdit");
    m_cardTypeEdit = edit("cardTypeEdit");
    m_totalAmountEdit = edit("totalAmountEdit");
    m_totalTimeEdit = edit("totalTimeEdit");
    // The accumulations follow the balance and time; nobody types them.
    m_typedBoxes = m_boxes.mid(0, m_boxes.indexOf(m_totalAmountEdit));
    m_cardEdit->setMaxLength(MemberRecord::CardLength);
    m_mobileEdit->setMaxLength(MemberRecord::MobileLength);
    m_mobileEdit->setToolTip(tr("身份证号在15-18之间"));
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    m_passwordAgainEdit->setEchoMode(QLineEdit::Password);
    m_stateEdit->setToolTip(tr("1为 正常；2为 禁用； 3为挂失；4为透支"));
    m_cardTypeEdit->setToolTip(tr("1为 现金卡； 2为机时卡；3为包月卡"));
    m_stateEdit->hide();
    m_cardTypeEdit->hide();
    m_totalAmountEdit->setReadOnly(true);
    m_totalTimeEdit->setReadOnly(true);

    const auto combo = [this, pane](const char* name) {
        auto* c = new QComboBox(pane);
        c->setObjectName(QLatin1String(name));
        c->installEventFilter(this);
        return c;
    };
    m_sexCombo = combo("sexCombo");
    m_stateCombo = combo("stateCombo");
    m_cardTypeCombo = combo("cardTypeCombo");
    connect(m_stateCombo, &QComboBox::currentIndexChanged, m_stateEdit,
            [this] { m_stateEdit->setText(m_stateCombo->currentData().toString()); });
    connect(m_cardTypeCombo, &QComboBox::currentTextChanged, m_cardTypeEdit, &QLineEdit::setText);
    m_memberCheck = new QCheckBox(tr("空为非会员"), pane);
    m_memberCheck->setObjectName(QStringLiteral("memberCheck"));

    auto* calendarButton = new QPushButton(QStringLiteral("..."), pane);
    calendarButton->setObjectName(QStringLiteral("calendarButton"));
    calendarButton->setAutoDefault(false);
    calendarButton->setFixedWidth(32);
    m_validityCalendar = new QCalendarWidget(pane);
    m_validityCalendar->setObjectName(QStringLiteral("validityCalendar"));
    m_validityCalendar->hide();
    connect(calendarButton, &QPushButton::clicked, this,
            [this] { m_validityCalendar->setVisible(!m_validityCalendar->isVisible()); });
    connect(m_validityCalendar, &QCalendarWidget::clicked, this, [this](QDate date) {
        m_validityEdit->setText(DateText::date(date));
        m_validityCalendar->hide();
    });
    auto* validity = new QHBoxLayout;
    validity->setSpacing(4);
    validity->addWidget(m_validityEdit, 1);
    validity->addWidget(calendarButton);

    const auto row = [grid, pane](int line, int column, const QString& label, QWidget* field,
                                  QLayout* fields = nullptr) {
        auto* caption = new QLabel(label, pane);
        grid->addWidget(caption, line, column);
        if (fields)
            grid->addLayout(fields, line, column + 1);
        else
            grid->addWidget(field, line, column + 1);
        caption->setBuddy(field);
    };
    row(0, 0, tr("卡  号"), m_cardEdit);
    row(1, 0, tr("姓  名"), m_nameEdit);
    row(2, 0, tr("密  码"), m_passwordEdit);
    row(3, 0, tr("确认密码"), m_passwordAgainEdit);
    row(4, 0, tr("手机号"), m_mobileEdit);
    row(5, 0, tr("出生日期"), m_birthEdit);
    row(6, 0, tr("性  别"), m_sexCombo);
    row(7, 0, tr("住  址"), m_addressEdit);
    row(8, 0, tr("会员类型"), m_memberCheck);
    row(0, 3, tr("金  额"), m_balanceEdit);
    row(1, 3, tr("时  长"), m_timeEdit);
    row(2, 3, tr("性  质"), m_stateCombo);
    row(3, 3, tr("有效日期"), m_validityEdit, validity);
    row(4, 3, tr("折  扣"), m_discountEdit);
    row(5, 3, tr("经办人"), m_agentEdit);
    row(6, 3, tr("备   注"), m_noteEdit);
    row(7, 3, tr("卡类型"), m_cardTypeCombo);
    auto* totals = new QHBoxLayout;
    totals->addWidget(m_totalAmountEdit);
    totals->addWidget(new QLabel(tr("累计机时"), pane));
    totals->addWidget(m_totalTimeEdit);
    row(8, 3, tr("累计金额"), m_totalAmountEdit, totals);
    grid->addWidget(m_validityCalendar, 9, 3, 1, 2);
    return pane;
}

QWidget* MemberFormScreen::buildButtons()
{
    auto* pane = new QWidget(this);
    auto* layout = new QHBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    const auto button = [pane, layout](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, pane);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        layout->addWidget(b);
        return b;
    };
    m_saveButton = button("saveButton", tr("保存(S)"));
    m_cancelButton = button("cancelButton", tr("取消(&E)"));
    m_addButton = button("addButton", tr("增加(&A)"));
    QPushButton* exitButton = button("exitButton", tr("退出(&Q)"));
    // Enter on "保存(S)", where the card type's Enter leads, saves.
    m_saveButton->setAutoDefault(true);
    connect(m_saveButton, &QPushButton::clicked, this, &MemberFormScreen::save);
    connect(m_cancelButton, &QPushButton::clicked, this, &MemberFormScreen::cancel);
    connect(m_addButton, &QPushButton::clicked, this, &MemberFormScreen::addNew);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    return pane;
}

void MemberFormScreen::fillChoices()
{
    // Sex and state are stored in Chinese; the combos show them translated.
    m_sexCombo->addItem(tr("男"), QStringLiteral("男"));
    m_sexCombo->addItem(tr("女"), QStringLiteral("女"));
    m_stateCombo->addItem(tr("正常"), QStringLiteral("正常"));
    m_stateCombo->addItem(tr("禁用"), QStringLiteral("禁用"));
    m_stateCombo->addItem(tr("挂失"), QStringLiteral("挂失"));
    m_stateCombo->addItem(tr("透支"), QStringLiteral("透支"));
    const ResultOf<QStringList> types = MemberRecord::cardTypes(m_state.DbConn);
    if (!types) {
        showError(types.result());
        return;
    }
    for (const QString& type : *types)
        m_cardTypeCombo->addItem(type, type);
}

void MemberFormScreen::setBoxesReadOnly(bool readOnly)
{
    for (QLineEdit* edit : std::as_const(m_typedBoxes))
        edit->setReadOnly(readOnly);
}

bool MemberFormScreen::readMember(const QString& card)
{
    const Result result = MemberRecord::read(m_state.DbConn, card, m_model);
    if (!result) {
        showError(result);
        return false;
    }
    if (m_model->rowCount() == 0) {
        Messages::critical(tr("会员卡号 %1 已不在会员名单中。").arg(card));
        return false;
    }
    m_originalCard = card;
    m_mapper->clearMapping();
    // The password typed again is not stored; the state and the card type
    // are shown by their combos from the hidden boxes.
    const std::pair<QWidget*, const char*> columns[] = {
        {m_cardEdit, "khao"},   {m_nameEdit, "yhm"},      {m_passwordEdit, "mm"},      {m_mobileEdit, "sfzh"},
        {m_birthEdit, "csrc"},  {m_addressEdit, "zz"},    {m_balanceEdit, "yk"},       {m_timeEdit, "js"},
        {m_stateEdit, "zt"},    {m_validityEdit, "yxrc"}, {m_discountEdit, "zk"},      {m_agentEdit, "jbr"},
        {m_noteEdit, "bz"},     {m_cardTypeEdit, "klx"},  {m_totalAmountEdit, "jelj"}, {m_totalTimeEdit, "jslj"},
        {m_memberCheck, "hybj"}};
    for (const auto& [widget, column] : columns)
        m_mapper->addMapping(widget, m_model->record().indexOf(QLatin1String(column)));
    return true;
}

void MemberFormScreen::showMember()
{
    m_mapper->toFirst();
    m_mapper->revert();
    m_passwordAgainEdit->clear();
    choose(m_sexCombo, m_model->record(0).value(QStringLiteral("xb")).toString());
    choose(m_stateCombo, m_stateEdit->text());
    choose(m_cardTypeCombo, m_cardTypeEdit->text());
    setBoxesReadOnly(false);
    // Balance and time change only through top-ups and checkouts.
    m_balanceEdit->setReadOnly(true);
    m_timeEdit->setReadOnly(true);
}

void MemberFormScreen::clearBoxes()
{
    for (QLineEdit* edit : std::as_const(m_boxes))
        edit->clear();
    m_memberCheck->setChecked(false);
}

void MemberFormScreen::startRow(const QString& cardType)
{
    m_originalCard.clear();
    m_mapper->clearMapping();
    setWindowTitle(tr("增加"));
    clearBoxes();
    choose(m_sexCombo, QStringLiteral("男"));
    choose(m_stateCombo, QStringLiteral("正常"));
    choose(m_cardTypeCombo, cardType);
    setBoxesReadOnly(false);
    setButtons(true);
    m_cardEdit->setFocus();
}

void MemberFormScreen::setButtons(bool editing)
{
    m_saveButton->setEnabled(editing);
    m_cancelButton->setEnabled(editing);
    m_addButton->setEnabled(!editing);
}

void MemberFormScreen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_cardEdit->setFocus();
}

bool MemberFormScreen::isCardFree(const QString& card)
{
    const ResultOf<bool> free = MemberRecord::isCardFree(m_state.DbConn, card, m_originalCard);
    if (!free) {
        showError(free.result());
        return false;
    }
    return *free;
}

bool MemberFormScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (!isEnter(event))
        return QDialog::eventFilter(watched, event);
    if (watched == m_cardTypeCombo)
        m_saveButton->setFocus();
    else if (watched == m_sexCombo)
        m_addressEdit->setFocus();
    else if (watched == m_stateCombo)
        m_validityEdit->setFocus();
    else if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && m_boxes.contains(edit))
        enterIn(edit);
    else
        return QDialog::eventFilter(watched, event);
    return true;
}

void MemberFormScreen::enterIn(QLineEdit* edit)
{
    const QString text = edit->text();
    if (edit == m_cardEdit) {
        if (text.trimmed().isEmpty())
            return;
        if (isCardFree(text))
            m_nameEdit->setFocus();
        else
            Messages::critical(tr("卡号重复,请重新输入！"));
    } else if (edit == m_nameEdit) {
        if (text.trimmed().isEmpty())
            Messages::critical(tr("用户姓名不能为空!"));
        else
            m_passwordEdit->setFocus();
    } else if (edit == m_passwordAgainEdit) {
        if (m_passwordEdit->text().isEmpty() || text.isEmpty())
            return;
        if (m_passwordEdit->text() != text)
            Messages::critical(tr("密码输入错误，请重新输入！"));
        else
            m_mobileEdit->setFocus();
    } else if (edit == m_birthEdit) {
        m_sexCombo->setFocus();
    } else if (edit == m_balanceEdit) {
        m_totalAmountEdit->setText(text);
        m_timeEdit->setFocus();
    } else if (edit == m_timeEdit) {
        m_totalTimeEdit->setText(text);
        m_stateCombo->setFocus();
    } else if (edit == m_validityEdit) {
        if (MemberRecord::isFutureDate(text))
            m_discountEdit->setFocus();
        else
            Messages::critical(tr("日期必须大天当前日期"));
    } else if (edit == m_noteEdit) {
        m_cardTypeCombo->setFocus();
    } else {
        // Enter moves on to the next box where nothing is checked.
        const std::pair<QLineEdit*, QLineEdit*> next[] = {{m_passwordEdit, m_passwordAgainEdit},
                                                          {m_mobileEdit, m_birthEdit},
                                                          {m_addressEdit, m_balanceEdit},
                                                          {m_discountEdit, m_agentEdit},
                                                          {m_agentEdit, m_noteEdit}};
        for (const auto& [from, to] : next)
            if (edit == from)
                to->setFocus();
    }
}

QLineEdit* MemberFormScreen::boxOf(MemberRecord::Field field) const
{
    using MemberRecord::Field;
    switch (field) {
    case Field::Card:
        return m_cardEdit;
    case Field::Name:
        return m_nameEdit;
    case Field::Birth:
        return m_birthEdit;
    case Field::Balance:
        return m_balanceEdit;
    case Field::Time:
        return m_timeEdit;
    case Field::Validity:
        return m_validityEdit;
    case Field::Discount:
        return m_discountEdit;
    case Field::None:
        break;
    }
    return nullptr;
}

void MemberFormScreen::save()
{
    MemberRecord::Typed typed;
    typed.card = m_cardEdit->text();
    typed.name = m_nameEdit->text();
    typed.password = m_passwordEdit->text();
    typed.mobile = m_mobileEdit->text();
    typed.birth = m_birthEdit->text();
    typed.sex = m_sexCombo->currentData().toString();
    typed.address = m_addressEdit->text();
    typed.balance = m_balanceEdit->text();
    typed.time = m_timeEdit->text();
    typed.state = m_stateCombo->currentData().toString();
    typed.validity = m_validityEdit->text();
    typed.discount = m_discountEdit->text();
    typed.agent = m_agentEdit->text();
    typed.note = m_noteEdit->text();
    typed.cardType = m_cardTypeCombo->currentText();
    typed.isMember = m_memberCheck->isChecked();
    const MemberRecord::Saved saved =
        MemberRecord::save(m_state.DbConn, {m_state.BusinessDate, m_state.OperatorName}, typed, m_originalCard);
    if (!saved.result) {
        showError(saved.result);
        return;
    }
    if (!saved.refusal.isEmpty()) {
        Messages::tell(saved.refusal);
        if (QLineEdit* edit = boxOf(saved.field)) {
            if (saved.clearBox)
                edit->clear();
            edit->setFocus();
        }
        return;
    }
    startRow(CardType::Time);
}

void MemberFormScreen::cancel()
{
    // A new row is dropped: nothing is left to save until "增加(&A)".
    if (m_originalCard.isEmpty()) {
        clearBoxes();
        setButtons(false);
        return;
    }
    showMember();
    m_cancelButton->setEnabled(false);
    m_addButton->setEnabled(true);
}

void MemberFormScreen::addNew()
{
    startRow(CardType::Time);
}
